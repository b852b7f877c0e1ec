// The GUI suite runs headless: the offscreen platform unless one is set. The
// XDG folders point into a scratch folder, so that an installed copy of the
// data or the player's real files never take part.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir xdg;
    qputenv("XDG_DATA_HOME", (xdg.path() + "/data").toUtf8());
    qputenv("XDG_DATA_DIRS", (xdg.path() + "/shared").toUtf8());
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
