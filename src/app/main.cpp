// Quillotaire: start-up. The main window does the rest.

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cstdlib>

#include "main_window.h"

namespace {

// SIGTERM, SIGHUP and SIGINT are turned into a byte on this pipe, read in
// the event loop, where the files can be written safely.
int SignalPipe[2] = {-1, -1};
quillo::F_Main* Window = nullptr;

void OnSignal(int sig)
{
    const char byte = static_cast<char>(sig);
    [[maybe_unused]] ssize_t n = ::write(SignalPipe[1], &byte, 1);
}

// A lost X connection ends the program through exit(): what was counted
// since the last write still goes to disk, without any message box.
void AtExit()
{
    if (Window) Window->SaveChanged(true);
}

void CatchEndSignals(QApplication& app)
{
    if (::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(sig, &sa, nullptr);
    auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char byte;
        while (::read(SignalPipe[0], &byte, 1) > 0) {
        }
        if (Window) Window->Shutdown();
        QApplication::quit();
    });
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillotaire");
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QUILLO_APP_ID);
    CatchEndSignals(app);
    quillo::F_Main window(QApplication::applicationDirPath());
    Window = &window;
    std::atexit(AtExit);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window] { window.SaveChanged(true); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.Shutdown(); });
    window.StartUp();
    const int status = QApplication::exec();
    Window = nullptr;
    return status;
}
