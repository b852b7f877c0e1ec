// Keyboard play through the window: key events on the table play a won deal
// to the same tables as the engine's presses, and the table keeps the keys
// after a dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

#include "app/field_widget.h"
#include "app/running_window.h"
#include "engine/catalogue.h"
#include "engine/key_play.h"
#include "engine/win_search.h"

namespace quillo {
namespace {

// The window dealing the given Klondike number, played by keys.
struct KeyWindow : test::RunningWindow {
    explicit KeyWindow(uint32_t number) { Deal(games::Klondike, number); }
    void Key(KeyCommand c)
    {
        static const std::pair<KeyCommand, std::pair<int, Qt::KeyboardModifiers>> keys[] = {
            {KeyCommand::Left, {Qt::Key_Left, Qt::NoModifier}},
            {KeyCommand::Right, {Qt::Key_Right, Qt::NoModifier}},
            {KeyCommand::Up, {Qt::Key_Up, Qt::NoModifier}},
            {KeyCommand::Down, {Qt::Key_Down, Qt::NoModifier}},
            {KeyCommand::Activate, {Qt::Key_Space, Qt::NoModifier}},
            {KeyCommand::SendHome, {Qt::Key_Return, Qt::ShiftModifier}},
            {KeyCommand::Cancel, {Qt::Key_Escape, Qt::NoModifier}},
            {KeyCommand::Deal, {Qt::Key_D, Qt::NoModifier}},
        };
        for (const auto& [cmd, key] : keys)
            if (cmd == c) {
                QKeyEvent e(QEvent::KeyPress, key.first, key.second);
                QApplication::sendEvent(W->I_Field, &e);
            }
    }
};

bool SamePlaces(const TableState& a, const TableState& b)
{
    for (int i = 0; i < a.Rules.TotalCards; ++i) {
        const Card& x = a.CardAt(i);
        const Card& y = b.CardAt(i);
        if (x.InPlay != y.InPlay || x.PileIndex != y.PileIndex || x.Order != y.Order || x.FaceUp != y.FaceUp)
            return false;
    }
    return true;
}

// Each action's keys are planned on a copy of the window's own table (its
// card sizes), pressed on the window, and the result compared with the
// engine's presses.
TEST(KeyboardWindow, KeysPlayAWonKlondikeDealLikeTheMouse)
{
    const test::WinLine line = test::FindWin(games::Klondike, 33, 20000);
    ASSERT_TRUE(line.Won);
    KeyWindow w(33);
    Game mouse;
    test::SetUpAndDeal(mouse, games::Klondike, 33);
    for (size_t n = 0; n < line.Actions.size(); ++n) {
        Game plan;
        plan.T = w.T();
        KeyPlay k = w.W->Keys();
        std::vector<KeyCommand> keys;
        ASSERT_TRUE(test::PlayActionByKeys(plan, k, line.Actions[n], keys)) << "action " << n;
        for (KeyCommand c : keys) w.Key(c);
        PlayAction(mouse, line.Actions[n]);
        // The last action wins, and the celebration takes the cards over.
        if (n + 1 < line.Actions.size()) {
            ASSERT_TRUE(SamePlaces(w.T(), mouse.T)) << "after action " << n;
        }
        ASSERT_FALSE(w.T().Dragging);
    }
    EXPECT_TRUE(mouse.GameWon);
    // Without animation the win is counted at once; with it, a key press
    // ends the celebration and counts it.
    if (w.W->Celebrating()) w.Key(KeyCommand::Activate);
    EXPECT_EQ(w.Wins, 1);
}

TEST(KeyboardWindow, CursorShowsFromTheFirstKeyAndHidesOnAPress)
{
    KeyWindow w(1);
    EXPECT_FALSE(w.W->KeyCursorShown());
    w.Key(KeyCommand::Down);
    EXPECT_TRUE(w.W->KeyCursorShown());
    EXPECT_EQ(w.W->Keys().Cursor.Pile, w.T().Rules.TableFirst);
    // Escape with nothing carried is left to the window.
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(w.W->I_Field, &esc);
    EXPECT_FALSE(esc.isAccepted());
    const Pile& stock = w.T().PileAt(w.T().Rules.StockPile);
    w.W->I_FieldMouseDown(true, stock.X + 20, stock.Y + 20);
    w.W->I_FieldMouseUp(true);
    EXPECT_FALSE(w.W->KeyCursorShown());
    EXPECT_EQ(w.W->Keys().Cursor.Pile, w.T().Rules.StockPile);
}

TEST(KeyboardWindow, DPressesTheDealButtonWhileItShows)
{
    KeyWindow w(1);
    QKeyEvent klondike(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier);
    QApplication::sendEvent(w.W->I_Field, &klondike);
    EXPECT_FALSE(klondike.isAccepted());
    w.Deal(games::Crescent, 1);
    ASSERT_TRUE(w.W->DealButtonVisible());
    const int used = w.T().Rules.TableRedealsUsed;
    w.Key(KeyCommand::Deal);
    EXPECT_EQ(w.T().Rules.TableRedealsUsed, used + 1);
}

TEST(KeyboardWindow, TableHasTheKeysAfterADialog)
{
    KeyWindow w(1);
    w.W->show();
    w.W->activateWindow();
    QApplication::processEvents();
    QDialog dialog(w.W.get());
    dialog.show();
    dialog.activateWindow();
    dialog.setFocus();
    QApplication::processEvents();
    dialog.accept();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w.W->I_Field);
}

}  // namespace
}  // namespace quillo
