// The three pointer handlers of the field: the pixel side of pressing,
// dragging and dropping. What a press does is the engine's.

#include <algorithm>

#include "engine/catalogue.h"
#include "engine/game_table.h"
#include "engine/moves.h"
#include "engine/pointer.h"
#include "field_widget.h"
#include "main_window.h"
#include "presentation/hit_test.h"

namespace quillo {

void F_Main::I_FieldMouseDown(bool left, int x, int y)
{
    TableState& t = Game_.T;
    // A group the keys carry is dropped by the keys.
    if (Keys_.Carrying && t.Dragging) return;
    Press press;
    press.Btn = left ? Button::Left : Button::Right;
    press.X = x;
    press.Y = y;
    if (!Celebrating()) {
        press.Card = CardAt(t, *Field_, x, y);
        if (press.Card == -1) press.Pile = PileAt(t, x, y);
    }
    // The keyboard cursor hides and waits where the mouse pressed.
    if (press.Card != -1)
        Keys_.Cursor = FitCursor(t, {t.CardAt(press.Card).PileIndex, press.Card});
    else if (press.Pile != -1)
        Keys_.Cursor = {press.Pile, -1};
    KeyCursorShown_ = false;
    I_Field->RefreshCursor();
    FieldPress(Game_, press);
}

void F_Main::I_FieldMouseMove(int x, int y)
{
    TableState& t = Game_.T;
    if (!t.Dragging || Celebrating()) return;
    DragTo(Game_, x, y);
    FrameDrag();
}

void F_Main::FrameDrag()
{
    TableState& t = Game_.T;
    FieldRect extra;
    // Piles a regrouping drag can change are redrawn with it.
    const auto redraws = HooksOf(t.CurrentGame).DragRedraws;
    const uint64_t piles = redraws != nullptr ? redraws(t) : 0;
    for (int p = 0; p < std::min(t.Rules.PileCount, MaxPiles); ++p)
        if ((piles >> p) & 1) extra.Extend(Field::PileRect(t, p));
    Drag_.Frame(*Field_, t, extra);
    ShowDropTarget();
}

void F_Main::ShowDropTarget()
{
    const TableState& t = Game_.T;
    DropBox_ = QRect();
    const int pile = ReleaseTarget(t);
    if (pile != -1) {
        // The pile's place and the cards lying on it.
        FieldRect box = Field::PileRect(t, pile);
        for (int c = 0; c < t.Rules.TotalCards; ++c) {
            const Card& card = t.CardAt(c);
            if (card.InPlay && !card.Moving && card.PileIndex == pile) box.Extend(Field::CardRect(t, c));
        }
        DropBox_ = QRect(QPoint(box.Left, box.Top), QPoint(box.Right - 1, box.Bottom - 1));
    }
    I_Field->RefreshDropBox();
}

QRect F_Main::DropTargetBox() const
{
    return Game_.T.Dragging && !Celebrating() ? DropBox_ : QRect();
}

void F_Main::I_FieldMouseUp(bool left)
{
    if (!left || !Game_.T.Dragging || Keys_.Carrying) return;
    FieldRelease(Game_);
    I_Field->RefreshDropBox();
}

void F_Main::MI_GameUndoClick()
{
    if (Celebrating()) return;
    UndoMove(Game_);
    // Undo records no snapshot, but the table it leaves is the game now.
    ScheduleAutosave();
}

void F_Main::MI_GameRedoClick()
{
    if (Celebrating()) return;
    RedoMove(Game_);
    ScheduleAutosave();
}

void F_Main::MI_OptionsFullScreenClick(bool on)
{
    if (on)
        showFullScreen();
    else
        showNormal();
}

void F_Main::B_DealClick()
{
    DealButton(Game_);
}

}  // namespace quillo
