// Keyboard play on the table: the keys become the engine's key commands,
// the carried group and the cursor frame are shown, and the table gets the
// keyboard back whenever a dialog closes.

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>

#include "engine/catalogue.h"
#include "field_widget.h"
#include "main_window.h"

namespace quillo {

namespace {

// Watches every dialog close and the window's return to the front.
class FocusReturn : public QObject {
public:
    explicit FocusReturn(F_Main* w) : QObject(w), W_(w) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        const bool dialogClosed = e->type() == QEvent::Hide && qobject_cast<QDialog*>(o) != nullptr;
        const bool windowBack = o == W_ && e->type() == QEvent::WindowActivate;
        // After the event is done, so that the closing dialog is gone.
        if (dialogClosed || windowBack) QTimer::singleShot(0, W_, [w = W_] { w->FocusTable(); });
        return false;
    }

private:
    F_Main* W_;
};

}  // namespace

void F_Main::SetUpKeyboard()
{
    I_Field->KeyDown = [this](int key, Qt::KeyboardModifiers m) { return I_FieldKeyDown(key, m); };
    I_Field->CursorBox = [this] { return KeyCursorBox(); };
    // Space and the arrows belong to the table, not to the button or the
    // scroll area.
    B_Deal->setFocusPolicy(Qt::NoFocus);
    SB_Field->setFocusPolicy(Qt::NoFocus);
    I_Field->setFocus();
    qApp->installEventFilter(new FocusReturn(this));
}

void F_Main::FocusTable()
{
    if (QApplication::activeModalWidget() != nullptr || !isVisible()) return;
    // Another window of the program keeps the focus it has.
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active != this) return;
    if (active == nullptr) activateWindow();
    I_Field->setFocus(Qt::OtherFocusReason);
}

QRect F_Main::KeyCursorBox()
{
    const TableState& t = Game_.T;
    if (!KeyCursorShown_ || Celebrating() || Game_.GameWon || t.Rules.PileCount <= 0) return {};
    const CursorBox b = CursorFrame(t, Keys_.Cursor);
    return QRect(QPoint(b.Left, b.Top), QPoint(b.Right, b.Bottom));
}

bool F_Main::I_FieldKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const bool shift = (modifiers & Qt::ShiftModifier) != 0;
    if ((modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) return false;
    KeyCommand cmd;
    switch (key) {
    case Qt::Key_Left: cmd = KeyCommand::Left; break;
    case Qt::Key_Right: cmd = KeyCommand::Right; break;
    case Qt::Key_Up: cmd = KeyCommand::Up; break;
    case Qt::Key_Down: cmd = KeyCommand::Down; break;
    case Qt::Key_Space: cmd = KeyCommand::Activate; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: cmd = shift ? KeyCommand::SendHome : KeyCommand::Activate; break;
    case Qt::Key_Escape:
        if (!Keys_.Carrying) return false;
        cmd = KeyCommand::Cancel;
        break;
    case Qt::Key_D:
        if (!DealButtonVisible()) return false;
        cmd = KeyCommand::Deal;
        break;
    default: return false;
    }
    // During the celebration only a press counts: it ends the celebration.
    if (Celebrating() && cmd != KeyCommand::Activate) return true;
    if (cmd != KeyCommand::Deal) KeyCursorShown_ = true;
    PlayKey(Game_, Keys_, cmd);
    if (Keys_.Carrying) FrameDrag();
    I_Field->RefreshCursor();
    I_Field->RefreshDropBox();
    const QRect box = I_Field->ToWidget(KeyCursorBox());
    if (!box.isNull()) SB_Field->ensureVisible(box.center().x(), box.center().y(), box.width() / 2 + 8, box.height() / 2 + 8);
    return true;
}

}  // namespace quillo
