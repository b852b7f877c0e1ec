#pragma once
// Commands that draw with QPainter or lay out text need a Qt GUI
// application; quillo-tool runs it on the offscreen platform so it works
// without a display.

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace quillo {

class GuiSession {
public:
    GuiSession()
    {
        if (QGuiApplication::instance()) return;
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // Qt complains when there is no runtime directory, which is normal
        // for a command run from a build; the offscreen platform needs none.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
            if (msg.startsWith("QStandardPaths:")) return;
            if (type != QtDebugMsg) fprintf(stderr, "%s\n", qPrintable(msg));
        });
        App_ = std::make_unique<QGuiApplication>(Argc_, Argv_);
    }

private:
    int Argc_ = 1;
    char Name_[12] = "quillo-tool";
    char* Argv_[2] = {Name_, nullptr};
    std::unique_ptr<QGuiApplication> App_;
};

}  // namespace quillo
