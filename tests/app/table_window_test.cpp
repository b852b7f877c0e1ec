// The table through the window: mouse play, drops and their snapping, the
// layout after a resize, the shuffle command and the celebration.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "app/field_widget.h"
#include "app/running_window.h"
#include "app/shuffle_dialog.h"
#include "engine/catalogue.h"
#include "engine/layout_cards.h"
#include "engine/legality.h"
#include "engine/moves.h"
#include "engine/pointer.h"

namespace quillo {
namespace {

// Sends mouse events to the field as the player's hand does.
struct Window : test::RunningWindow {
    void Deal(uint32_t number) { RunningWindow::Deal(games::Klondike, number); }
    void Send(QEvent::Type type, int x, int y)
    {
        const QPointF pos(x, y);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, pos, W->I_Field->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held, Qt::NoModifier);
        QApplication::sendEvent(W->I_Field, &e);
    }
    void Press(int x, int y) { Send(QEvent::MouseButtonPress, x, y); }
    void Move(int x, int y) { Send(QEvent::MouseMove, x, y); }
    void Release(int x, int y) { Send(QEvent::MouseButtonRelease, x, y); }
    void Click(int x, int y)
    {
        Press(x, y);
        Release(x, y);
    }
    // A point inside a card, clear of its corners.
    QPoint Inside(int card) { return {T().CardAt(card).X + 30, T().CardAt(card).Y + 10}; }
};

struct TableauMove {
    int Card = -1, From = -1, To = -1;
};

// The first Klondike deal from number 1 up where a face-up tableau top card
// may go onto another tableau pile.
TableauMove FindTableauMove(Window& w, uint32_t& number)
{
    for (number = 1; number < 500; ++number) {
        w.Deal(number);
        TableState t = w.T();
        for (int from = t.Rules.TableFirst; from <= t.Rules.TableLast; ++from) {
            const int card = TopCard(t, from);
            if (card < 0 || !t.CardAt(card).FaceUp) continue;
            t.ActiveCard = card;
            t.PickedCount = 1;
            for (int to = t.Rules.TableFirst; to <= t.Rules.TableLast; ++to) {
                t.DropPile = to;
                if (to != from && CanDrop(t) == to) return {card, from, to};
            }
        }
    }
    return {};
}

// Started: dealt and labelled. The first press of a deal counts it as
// played, even on an empty spot; later presses do not.
TEST(TableWindow, StartsDealtAndTheFirstPressCountsTheDeal)
{
    Window w;
    EXPECT_TRUE(w.T().LayoutReady);
    EXPECT_TRUE(w.W->windowTitle().startsWith("Quillotaire - Klondike ["));
    EXPECT_EQ(w.W->LabelText(StatusLabel::StartRank), "Starting Rank: Ace");
    EXPECT_EQ(w.W->LabelText(StatusLabel::StockAndWaste), "Stock: 24  Waste: 0");
    EXPECT_FALSE(w.W->MI_GameUndo->isEnabled());
    EXPECT_EQ(w.T().Rules.FieldWidth, w.W->I_Field->width());
    for (int i = 0; i < 2; ++i) w.Click(5, w.T().Rules.FieldHeight - 5);
    EXPECT_EQ(w.Played, 1);
    w.W->MI_GameNewClick();
    const Pile& stock = w.T().PileAt(w.T().Rules.StockPile);
    w.Click(stock.X + 30, stock.Y + 30);
    EXPECT_EQ(w.Played, 2);
}

TEST(TableWindow, SnappedDropMovesRefusedDropReturns)
{
    Window w;
    uint32_t number = 0;
    const TableauMove m = FindTableauMove(w, number);
    ASSERT_NE(m.Card, -1);
    TableState& t = w.T();
    const Card& c = t.CardAt(m.Card);
    const int pickX = c.X, pickY = c.Y;
    const int undoBefore = w.W->CurrentGame().Undo.Count();

    // Dragged out into the open and let go: back home, nothing recorded.
    const QPoint grip = w.Inside(m.Card);
    w.Press(grip.x(), grip.y());
    ASSERT_TRUE(t.Dragging);
    w.Move(grip.x() + 5, t.Rules.FieldHeight - 20);
    EXPECT_EQ(w.W->I_Field->cursor().shape(), Qt::ArrowCursor);
    w.Release(grip.x() + 5, t.Rules.FieldHeight - 20);
    EXPECT_FALSE(t.Dragging);
    EXPECT_EQ(c.PileIndex, m.From);
    EXPECT_EQ(c.X, pickX);
    EXPECT_EQ(c.Y, pickY);
    EXPECT_EQ(w.W->CurrentGame().Undo.Count(), undoBefore);

    // Within 40 pixels of the target's drop point in both directions: it snaps.
    const Offset drop = DropPoint(t, m.To);
    const int gx = grip.x() - pickX, gy = grip.y() - pickY;
    w.Press(grip.x(), grip.y());
    w.Move(drop.X + 41 + gx, drop.Y + gy);
    EXPECT_NE(t.HoverPile, m.To);
    w.Move(drop.X + 39 + gx, drop.Y - 39 + gy);
    EXPECT_EQ(t.HoverPile, m.To);
    EXPECT_EQ(w.W->I_Field->cursor().shape(), Qt::DragMoveCursor);
    w.Release(drop.X + 39 + gx, drop.Y - 39 + gy);
    EXPECT_EQ(c.PileIndex, m.To);
    EXPECT_EQ(w.W->CurrentGame().Undo.Count(), undoBefore + 1);
    EXPECT_TRUE(w.W->MI_GameUndo->isEnabled());
    // The field shows the card at its new place.
    EXPECT_EQ(w.W->TableField().I_Field.GetPixel(c.X + 35, c.Y + 50), test::FaceColour(c.Rank, c.Suit));

    w.W->MI_GameUndoClick();
    EXPECT_EQ(c.PileIndex, m.From);
    EXPECT_EQ(c.X, pickX);
}

TEST(TableWindow, OnlyTheFirstOverlappingDropBoxCountsOnRelease)
{
    Window w;
    uint32_t number = 0;
    const TableauMove m = FindTableauMove(w, number);
    ASSERT_NE(m.Card, -1);
    TableState& t = w.T();
    // Another tableau pile that refuses the card is laid 20 pixels beside the
    // target and below it in the stacking order.
    int refusing = -1;
    for (int p = t.Rules.TableFirst; p <= t.Rules.TableLast && refusing == -1; ++p) {
        if (p == m.From || p == m.To) continue;
        TableState probe = t;
        probe.ActiveCard = m.Card;
        probe.PickedCount = 1;
        probe.DropPile = p;
        if (CanDrop(probe) != p) refusing = p;
    }
    ASSERT_NE(refusing, -1);
    const Offset target = DropPoint(t, m.To);
    const Offset refusingTop = DropPoint(t, refusing);
    t.PileAt(refusing).X += target.X + 20 - refusingTop.X;
    t.PileAt(refusing).Y += target.Y - refusingTop.Y;
    t.PileAt(refusing).Layer = -1;  // lowest
    LayOutCards(t);
    w.W->RedrawField();

    const Card& c = t.CardAt(m.Card);
    const QPoint grip = w.Inside(m.Card);
    const int gx = grip.x() - c.X, gy = grip.y() - c.Y;
    w.Press(grip.x(), grip.y());
    // Over both boxes: the refusing pile comes first but refuses, so the
    // group snaps onto the target...
    w.Move(target.X + 25 + gx, target.Y + gy);
    EXPECT_EQ(t.HoverPile, m.To);
    // ...yet on release only the first box counts: the drop fails.
    w.Release(target.X + 25 + gx, target.Y + gy);
    EXPECT_EQ(c.PileIndex, m.From);
}

TEST(TableWindow, ResizeThenMoveThenUndoKeepsTheNewLayout)
{
    Window w;
    TableState& t = w.T();
    const int oldWidth = t.Rules.FieldWidth;
    const int oldX = t.PileAt(t.Rules.TableLast).X;
    w.W->resize(w.W->width() - 100, w.W->height() - 40);
    QApplication::processEvents();
    ASSERT_EQ(t.Rules.FieldWidth, oldWidth - 100);
    EXPECT_EQ(w.W->TableField().Width(), oldWidth - 100);
    EXPECT_LT(t.PileAt(t.Rules.TableLast).X, oldX);
    const TableState after = t;
    const Pile& stock = t.PileAt(t.Rules.StockPile);
    w.Click(stock.X + 30, stock.Y + 30);
    ASSERT_EQ(t.PileAt(t.Rules.WasteFirst).Count, 1);
    w.W->MI_GameUndoClick();
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        EXPECT_EQ(t.CardAt(i).X, after.CardAt(i).X) << i;
        EXPECT_EQ(t.CardAt(i).Y, after.CardAt(i).Y) << i;
    }
}

TEST(TableWindow, SelectShuffleDealsTheTypedNumber)
{
    Window w;
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<TF_Shuffle*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->E_Shuffle->setText("1");
        d->B_Ok->click();
    });
    w.W->MI_GameShuffleClick();
    EXPECT_EQ(w.T().Rules.GameNumber, 1u);
    EXPECT_TRUE(w.W->windowTitle().endsWith("[1]"));
    // The same layout as dealing number 1 directly.
    const TableState typed = w.T();
    w.Deal(1);
    for (int i = 0; i < 52; ++i) EXPECT_EQ(typed.CardAt(i).PileIndex, w.T().CardAt(i).PileIndex);
}

TEST(TableWindow, APressEndsTheCelebrationCountsTheWinAndDeals)
{
    Window w;
    w.W->MI_OptionsAnimation->setChecked(true);
    const uint32_t before = w.T().Rules.GameNumber;
    w.W->StartCelebration();
    ASSERT_TRUE(w.W->Celebrating());
    // Commands wait while the cards fly.
    w.W->MI_GameRestartClick();
    EXPECT_TRUE(w.W->Celebrating());
    w.Click(100, 100);
    EXPECT_FALSE(w.W->Celebrating());
    EXPECT_EQ(w.Wins, 1);
    EXPECT_NE(w.T().Rules.GameNumber, before);
    EXPECT_TRUE(w.T().PlayedPending);
}

}  // namespace
}  // namespace quillo
