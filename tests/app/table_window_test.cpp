// The table through the window: mouse and key play, drops and their
// snapping, the layout after a resize, the shuffle command, the celebration;
// and Hint, Solve, the winnable indicator and winnable-only deals.

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/field_widget.h"
#include "app/running_window.h"
#include "app/shuffle_dialog.h"
#include "app/winnable_watch.h"
#include "engine/catalogue.h"
#include "engine/key_play.h"
#include "engine/layout_cards.h"
#include "engine/legality.h"
#include "engine/moves.h"
#include "engine/pointer.h"
#include "engine/position_hash.h"
#include "engine/undo.h"
#include "engine/win_search.h"

namespace quillo {
namespace {

bool Accepts(TableState t, int card, int pile)
{
    t.ActiveCard = card;
    t.PickedCount = 1;
    t.DropPile = pile;
    return CanDrop(t) == pile;
}

// Sends mouse events to the field as the player's hand does.
struct Window : test::RunningWindow {
    int Card = -1, From = -1, To = -1;  // a tableau move found by FindTableauMove

    Window() = default;
    // Dealt, with small solver budgets and a quick Solve.
    Window(int game, uint32_t number)
    {
        W->HintBudget.Milliseconds = 100;
        W->T_Solve.setInterval(0);
        Deal(game, number);
    }

    void Send(QEvent::Type type, QPoint p)
    {
        const QPointF pos(p);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, pos, W->I_Field->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held, Qt::NoModifier);
        QApplication::sendEvent(W->I_Field, &e);
    }
    void Press(QPoint p) { Send(QEvent::MouseButtonPress, p); }
    void Move(QPoint p) { Send(QEvent::MouseMove, p); }
    void Release(QPoint p) { Send(QEvent::MouseButtonRelease, p); }
    void Click(QPoint p)
    {
        Press(p);
        Release(p);
    }
    // Sends the key of a command; returns whether the field took it.
    bool Key(KeyCommand c)
    {
        static const std::pair<int, Qt::KeyboardModifiers> keys[] = {  // in KeyCommand's order
            {Qt::Key_Left, Qt::NoModifier},  {Qt::Key_Right, Qt::NoModifier},   {Qt::Key_Up, Qt::NoModifier},
            {Qt::Key_Down, Qt::NoModifier},  {Qt::Key_Space, Qt::NoModifier},   {Qt::Key_Return, Qt::ShiftModifier},
            {Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_D, Qt::NoModifier}};
        QKeyEvent e(QEvent::KeyPress, keys[static_cast<int>(c)].first, keys[static_cast<int>(c)].second);
        QApplication::sendEvent(W->I_Field, &e);
        return e.isAccepted();
    }
    QPoint StockPoint() { return {T().PileAt(T().Rules.StockPile).X + 30, T().PileAt(T().Rules.StockPile).Y + 30}; }
    // Deals Klondike from number 1 up until a face-up tableau top card may
    // go onto another tableau pile.
    void FindTableauMove()
    {
        for (uint32_t number = 1; number < 500; ++number) {
            Deal(games::Klondike, number);
            const TableState& t = T();
            for (From = t.Rules.TableFirst; From <= t.Rules.TableLast; ++From) {
                Card = TopCard(t, From);
                if (Card < 0 || !t.CardAt(Card).FaceUp) continue;
                for (To = t.Rules.TableFirst; To <= t.Rules.TableLast; ++To)
                    if (To != From && Accepts(t, Card, To)) return;
            }
        }
        FAIL() << "no tableau move";
    }
    // Where the grip point of the card is when the card lies at the pile's drop point.
    QPoint GripAt(int pile, int dx, int dy)
    {
        const Offset drop = DropPoint(T(), pile);
        return {drop.X + 30 + dx, drop.Y + 10 + dy};
    }
    QPoint Grip() { return {T().CardAt(Card).X + 30, T().CardAt(Card).Y + 10}; }
};

// Started: dealt and labelled. The first press of a deal counts it as
// played, even on an empty spot; later presses do not. After a resize, a
// move and its undo keep the new layout.
TEST(TableWindow, StartsDealtCountsTheFirstPressAndKeepsTheLayoutOfAResize)
{
    Window w;
    TableState& t = w.T();
    EXPECT_TRUE(t.LayoutReady && w.W->windowTitle().startsWith("Quillotaire - Klondike [") &&
                !w.W->MI_GameUndo->isEnabled() && t.Rules.FieldWidth == w.W->I_Field->width());
    EXPECT_EQ((QStringList{w.W->LabelText(StatusLabel::StartRank), w.W->LabelText(StatusLabel::StockAndWaste)}),
              (QStringList{"Starting Rank: Ace", "Stock: 24  Waste: 0"}));
    for (int i = 0; i < 2; ++i) w.Click({5, t.Rules.FieldHeight - 5});
    EXPECT_EQ(w.Played, 1);
    w.W->MI_GameNewClick();

    const int oldWidth = t.Rules.FieldWidth, oldX = t.PileAt(t.Rules.TableLast).X;
    w.W->resize(w.W->width() - 100, w.W->height() - 40);
    QApplication::processEvents();
    ASSERT_EQ(std::pair(t.Rules.FieldWidth, w.W->TableField().Width()), std::pair(oldWidth - 100, oldWidth - 100));
    EXPECT_LT(t.PileAt(t.Rules.TableLast).X, oldX);
    const TableState after = t;
    w.Click(w.StockPoint());
    ASSERT_EQ(std::pair(w.Played, t.PileAt(t.Rules.WasteFirst).Count), std::pair(2, 1));
    w.W->MI_GameUndoClick();
    for (int i = 0; i < t.Rules.TotalCards; ++i)
        EXPECT_EQ(std::tie(t.CardAt(i).X, t.CardAt(i).Y), std::tie(after.CardAt(i).X, after.CardAt(i).Y)) << i;
}

TEST(TableWindow, SnappedDropMovesRefusedDropReturns)
{
    Window w;
    ASSERT_NO_FATAL_FAILURE(w.FindTableauMove());
    const Card& c = w.T().CardAt(w.Card);
    const Card home = c;
    const int undoBefore = w.G().Undo.Count();

    // Dragged out into the open and let go: back home, nothing recorded.
    const QPoint open(w.Grip().x() + 5, w.T().Rules.FieldHeight - 20);
    w.Press(w.Grip());
    ASSERT_TRUE(w.T().Dragging);
    w.Move(open);
    EXPECT_EQ(w.W->I_Field->cursor().shape(), Qt::ArrowCursor);
    w.Release(open);
    EXPECT_EQ(std::tuple(w.T().Dragging, c.PileIndex, c.X, c.Y, w.G().Undo.Count()),
              std::tuple(false, w.From, home.X, home.Y, undoBefore));

    // Within the drop box in both directions it snaps: 40 pixels each way
    // for 71-wide cards, wider as the cards are.
    const int box = std::max(40, 40 * w.T().Rules.CardSizes[Upright].Width / 71);
    w.Press(w.Grip());
    w.Move(w.GripAt(w.To, box + 1, 0));
    EXPECT_NE(w.T().HoverPile, w.To);
    w.Move(w.GripAt(w.To, box - 1, 1 - box));
    EXPECT_EQ(std::pair(w.T().HoverPile, w.W->I_Field->cursor().shape()), std::pair(w.To, Qt::DragMoveCursor));
    w.Release(w.GripAt(w.To, box - 1, 1 - box));
    EXPECT_EQ(std::tuple(c.PileIndex, w.G().Undo.Count(), w.W->MI_GameUndo->isEnabled()),
              std::tuple(w.To, undoBefore + 1, true));
    // The field shows the card at its new place.
    EXPECT_EQ(w.W->TableField().I_Field.GetPixel(c.X + 35, c.Y + 50), test::FaceColour(c.Rank, c.Suit));
    w.W->MI_GameUndoClick();
    EXPECT_EQ(std::tie(c.PileIndex, c.X), std::tie(w.From, home.X));
}

TEST(TableWindow, OnlyTheFirstOverlappingDropBoxCountsOnRelease)
{
    Window w;
    ASSERT_NO_FATAL_FAILURE(w.FindTableauMove());
    TableState& t = w.T();
    // Another tableau pile that refuses the card is laid 20 pixels beside the
    // target and below it in the stacking order.
    int refusing = t.Rules.TableFirst;
    while (refusing <= t.Rules.TableLast && (refusing == w.From || refusing == w.To || Accepts(t, w.Card, refusing)))
        ++refusing;
    ASSERT_LE(refusing, t.Rules.TableLast);
    const Offset target = DropPoint(t, w.To), refusingTop = DropPoint(t, refusing);
    t.PileAt(refusing).X += target.X + 20 - refusingTop.X;
    t.PileAt(refusing).Y += target.Y - refusingTop.Y;
    t.PileAt(refusing).Layer = -1;  // lowest
    LayOutCards(t);
    w.W->RedrawField();

    w.Press(w.Grip());
    // Over both boxes: the refusing pile comes first but refuses, so the
    // group snaps onto the target...
    w.Move(w.GripAt(w.To, 25, 0));
    EXPECT_EQ(t.HoverPile, w.To);
    // ...yet on release only the first box counts: the drop fails.
    w.Release(w.GripAt(w.To, 25, 0));
    EXPECT_EQ(t.CardAt(w.Card).PileIndex, w.From);
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
    EXPECT_TRUE(w.T().Rules.GameNumber == 1u && w.W->windowTitle().endsWith("[1]"));
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
    w.Click({100, 100});
    EXPECT_EQ(std::tuple(w.W->Celebrating(), w.Wins, w.T().PlayedPending), std::tuple(false, 1, true));
    EXPECT_NE(w.T().Rules.GameNumber, before);
}

// Each action's keys are planned on a copy of the window's own table (its
// card sizes and cursor), then pressed on the window.
TEST(KeyboardWindow, KeysPlayAWonKlondikeDeal)
{
    const test::WinLine line = test::FindWin(games::Klondike, 33, 20000);
    ASSERT_TRUE(line.Won);
    Window w(games::Klondike, 33);
    for (size_t n = 0; n < line.Actions.size(); ++n) {
        Game plan;
        plan.T = w.T();
        KeyPlay k = w.W->Keys();
        std::vector<KeyCommand> keys;
        ASSERT_TRUE(test::PlayActionByKeys(plan, k, line.Actions[n], keys)) << "action " << n;
        for (KeyCommand c : keys) w.Key(c);
        ASSERT_FALSE(w.T().Dragging);
    }
    // Without animation the win is counted at once; with it, a key press
    // ends the celebration and counts it.
    if (w.W->Celebrating()) w.Key(KeyCommand::Activate);
    EXPECT_EQ(w.Wins, 1);
}

// The table has the keys back after a dialog. The cursor shows from the
// first key and hides on a press; Escape with nothing carried and D without
// a Deal button are left to the window.
TEST(KeyboardWindow, FocusCursorEscapeAndTheDealKey)
{
    Window w(games::Klondike, 1);
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

    const auto cursor = [&] { return std::pair(w.W->KeyCursorShown(), w.W->Keys().Cursor.Pile); };
    EXPECT_FALSE(w.W->KeyCursorShown());
    w.Key(KeyCommand::Down);
    EXPECT_EQ(cursor(), std::pair(true, w.T().Rules.TableFirst));
    EXPECT_FALSE(w.Key(KeyCommand::Cancel) || w.Key(KeyCommand::Deal));
    w.Click(w.StockPoint());
    EXPECT_EQ(cursor(), std::pair(false, w.T().Rules.StockPile));
    w.Deal(games::Crescent, 1);
    ASSERT_TRUE(w.W->DealButtonVisible());
    const int used = w.T().Rules.TableRedealsUsed;
    EXPECT_TRUE(w.Key(KeyCommand::Deal));
    EXPECT_EQ(w.T().Rules.TableRedealsUsed, used + 1);
}

// Runs the event loop until done says so (or a generous while).
template <class Done> void Spin(Done done)
{
    for (int i = 0; i < 4000 && !done(); ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

TEST(SolverWindow, HintLeavesTableAndHistoryAloneAndNamesAListedAction)
{
    const std::pair<int, uint32_t> deals[] = {{games::Klondike, 1}, {games::Spider, 1}, {games::Pyramid, 3}};
    for (const auto& [game, number] : deals) {
        SCOPED_TRACE(game);
        Window w(game, number);
        UndoSnapshot before{}, after{};
        WriteSnapshot(w.T(), before);
        const UndoHistory history = w.G().Undo;
        w.W->MI_GameHintClick();
        WriteSnapshot(w.T(), after);
        EXPECT_TRUE(before == after && history == w.G().Undo);
        ASSERT_NE(w.W->LastHint.Source, HintSource::None);
        std::vector<PlayerAction> listed;
        ListActions(w.T(), listed);
        EXPECT_NE(std::find(listed.begin(), listed.end(), w.W->LastHint.Action), listed.end());
    }
}

// Star deals 6 and 9 are lost, deal 2 is won: as the newest position and two
// earlier ones, the way back is two steps.
TEST(SolverWindow, IndicatorCountsTheUndoStepsBackToAWinnablePosition)
{
    Window w(games::Star, 6);
    const TableState lost = w.T();
    std::vector<TableState> earlier;
    for (uint32_t number : {9u, 2u}) {
        w.Deal(games::Star, number);
        earlier.push_back(w.T());
    }
    WinnableWatch watch;
    std::vector<WinnableVerdict> verdicts;
    watch.Done = [&](const WinnableVerdict& v) { verdicts.push_back(v); };
    watch.Start(lost, earlier);
    Spin([&] { return !verdicts.empty(); });
    ASSERT_EQ(verdicts.size(), 1u);
    EXPECT_EQ(std::tie(verdicts[0].Result, verdicts[0].UndoSteps), std::make_tuple(SolveResult::Lost, 2));
}

TEST(SolverWindow, SolvePlaysTheLineToAWinThatIsNotCounted)
{
    for (int game : {games::Klondike, games::Pyramid}) {
        SCOPED_TRACE(game);
        Window w(game, 4);
        w.W->MI_GameSolveClick();
        ASSERT_TRUE(w.W->Solving());
        Spin([&] { return !w.W->Solving(); });
        EXPECT_TRUE(w.G().GameWon || w.T().Rules.GameNumber != 4u) << "the line ends in a win";
        EXPECT_EQ(w.Wins, 0) << "a deal Solve finished is not counted as the player's win";
    }
}

// A card Solve moves leaves nothing of itself where it lay: the spot it
// uncovered shows what drawing the table afresh shows there.
TEST(SolverWindow, SolveLeavesNothingWhereACardLay)
{
    Window w(games::Klondike, 1);
    Field& field = w.W->TableField();
    w.W->MI_GameSolveClick();
    int uncovered = 0;
    for (int step = 0; step < 20 && w.W->Solving(); ++step) {
        const TableState before = w.T();
        w.W->SolveTick();
        const PixelBuffer shown = field.I_Field;
        field.DrawField(w.T());
        for (int i = 0; i < w.T().Rules.TotalCards; ++i) {
            const FieldRect was = Field::CardRect(before, i);
            if (!before.CardAt(i).InPlay || was == Field::CardRect(w.T(), i)) continue;
            // Just inside the foot of its old place, where no card lies now.
            const int x = (was.Left + was.Right) / 2, y = was.Bottom - 3;
            bool covered = false;
            for (int k = 0; k < w.T().Rules.TotalCards && !covered; ++k) {
                const FieldRect r = Field::CardRect(w.T(), k);
                covered = w.T().CardAt(k).InPlay && r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom;
            }
            if (covered) continue;
            ++uncovered;
            EXPECT_EQ(shown.GetPixel(x, y), field.I_Field.GetPixel(x, y)) << "card " << i << " at step " << step;
        }
    }
    w.W->StopSolving();
    EXPECT_GT(uncovered, 0);
}

TEST(SolverWindow, WinnableOnlyDealsGiveANumberTheSolverWins)
{
    for (int game : {games::FreeCell, games::Klondike}) {
        SCOPED_TRACE(game);
        Window w(game, 1);
        // Bounded by positions rather than time, so that the window's search
        // and the check below give the same answer on slow (sanitizer) builds.
        w.W->SolveBudget.Positions = 200'000;
        w.W->SolveBudget.Milliseconds = 600'000;
        w.W->WinnableDealTries = 5;
        w.W->WinnableDealMs = 3'000'000;
        w.W->MI_OptionsWinnableOnly->setChecked(true);
        // Both ways to a new deal: asked for, and the one after a win.
        for (auto deal : {&F_Main::MI_GameNewClick, &F_Main::FinishCelebration}) {
            ((*w.W).*deal)();
            const uint32_t number = w.T().Rules.GameNumber;
            const uint64_t dealt = PositionHash(w.T());
            EXPECT_EQ(Solve(w.T(), w.W->SolveBudget).Result, SolveResult::Won);
            // The number is the deal's own: dealt again from it, the same table.
            w.Deal(game, number);
            EXPECT_EQ(PositionHash(w.T()), dealt);
        }
    }
}

}  // namespace
}  // namespace quillo
