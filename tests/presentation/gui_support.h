#pragma once
// Card art is drawn with QPainter, which needs a GUI application; the suites
// run it on the offscreen platform.

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace quillo::test {

inline void EnsureGui()
{
    static int argc = 1;
    static char name[] = "presentation_tests";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(argc, argv);
}

// A fresh directory under the system's temporary directory.
inline std::string FreshDir(const std::string& name)
{
    const auto dir = std::filesystem::temp_directory_path() / ("quillo_" + name + "_" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

}  // namespace quillo::test
