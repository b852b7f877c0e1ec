// Quillotaire: start-up. The main window does the rest.

#include <QApplication>

#include "main_window.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillotaire");
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QUILLO_APP_ID);
    quillo::F_Main window(QApplication::applicationDirPath());
    window.StartUp();
    return QApplication::exec();
}
