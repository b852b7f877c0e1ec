// The main window's help commands: the viewer opened at a topic or context.

#include <QApplication>
#include <QDialog>

#include "help/help_file.h"
#include "help_engine.h"
#include "help_window.h"
#include "main_window.h"

namespace quillo {

namespace {

// Moves the viewer to a new owner, keeping its place and whether it shows.
void Reparent(HelpWindow* w, QWidget* owner)
{
    const QRect place = w->geometry();
    const bool shown = w->isVisible();
    w->setParent(owner, Qt::Window);
    w->setGeometry(place);
    if (shown) w->show();
}

}  // namespace

void F_Main::OpenHelpTopic(const QString& topic)
{
    if (!Help_) Help_ = std::make_unique<HelpEngine>(QString::fromStdString(Files_.HelpFile));
    if (!Help_->Open()) {
        ShowError(HelpDamagedText());
        return;
    }
    if (!HelpWindow_) {
        HelpWindow_ = new HelpWindow(*Help_, this);
        // The engine's widgets die with the viewer; a new viewer needs a new engine.
        connect(HelpWindow_, &QObject::destroyed, this, [this] { Help_.reset(); });
    }
    // A modal dialog blocks every window but its own: while it is open the
    // viewer belongs to it, and comes back to the main window when it closes.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner || owner == HelpWindow_) owner = this;
    if (HelpWindow_->parentWidget() != owner) {
        Reparent(HelpWindow_, owner);
        if (auto* dialog = qobject_cast<QDialog*>(owner))
            connect(dialog, &QDialog::finished, this, [this, dialog] {
                if (HelpWindow_ && HelpWindow_->parentWidget() == dialog) Reparent(HelpWindow_, this);
            }, Qt::SingleShotConnection);
    }
    if (topic == QLatin1String("Contents"))
        HelpWindow_->ShowContents();
    else
        HelpWindow_->ShowTopic(topic);
    HelpWindow_->show();
    HelpWindow_->raise();
    HelpWindow_->activateWindow();
}

HelpWindow* F_Main::HelpViewer() const
{
    return HelpWindow_;
}

}  // namespace quillo
