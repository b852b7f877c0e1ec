// Hint, Solve, the winnable indicator and winnable-only deals: the window
// side of the solver. The solver always works on copies of the table.

#include "engine/autoplay.h"
#include "engine/deal.h"
#include "engine/pile_cards.h"
#include "engine/position_hash.h"
#include "field_widget.h"
#include "hint_overlay.h"
#include "main_window.h"
#include "winnable_watch.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>

namespace quillo {

namespace {

// Any press or key stops a solve being played; the press does nothing else.
class SolveBreaker : public QObject {
public:
    SolveBreaker(F_Main& w)
        : QObject(&w)
        , W_(w)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::KeyPress) return false;
        W_.StopSolving();
        return true;
    }

private:
    F_Main& W_;
};

QRect ToQRect(const FieldRect& r)
{
    return r.Empty() ? QRect() : QRect(r.Left, r.Top, r.Width(), r.Height());
}

// Where a card would be dropped on a pile: on its top card, or its place.
QRect DropRect(const TableState& t, int pile)
{
    CardList cards;
    const int count = CardsByOrder(t, pile, cards);
    for (int i = count - 1; i >= 0; --i)
        if (cards[static_cast<size_t>(i)] >= 0) return ToQRect(Field::CardRect(t, cards[static_cast<size_t>(i)]));
    return ToQRect(Field::PileRect(t, pile));
}

// The cards a drag of card takes along: card and those lying on it.
std::vector<QRect> GroupRects(const TableState& t, int card)
{
    std::vector<QRect> out;
    const Card& c = t.CardAt(card);
    CardList cards;
    const int count = CardsByOrder(t, c.PileIndex, cards);
    for (int i = std::max(c.Order, 0); i < count; ++i)
        if (cards[static_cast<size_t>(i)] >= 0)
            out.push_back(ToQRect(Field::CardRect(t, cards[static_cast<size_t>(i)])));
    if (out.empty()) out.push_back(ToQRect(Field::CardRect(t, card)));
    return out;
}

const char* VerdictText(SolveResult r)
{
    return r == SolveResult::Won ? "Winnable" : "Not winnable from here";
}

} // namespace

void F_Main::CreateSolverCommands(QMenu* game, QMenu* options)
{
    MI_GameHint = new QAction("&Hint", this);
    MI_GameHint->setObjectName("MI_GameHint");
    MI_GameHint->setShortcut(Qt::Key_H);
    MI_GameSolve = new QAction("S&olve", this);
    MI_GameSolve->setObjectName("MI_GameSolve");
    game->insertAction(MI_GameSave, MI_GameHint);
    game->insertAction(MI_GameSave, MI_GameSolve);
    game->insertSeparator(MI_GameSave);
    MI_OptionsWinnableOnly = options->addAction("&Winnable Deals Only");
    MI_OptionsWinnableOnly->setObjectName("MI_OptionsWinnableOnly");
    MI_OptionsWinnableOnly->setCheckable(true);
    connect(MI_GameHint, &QAction::triggered, this, &F_Main::MI_GameHintClick);
    connect(MI_GameSolve, &QAction::triggered, this, &F_Main::MI_GameSolveClick);

    Watch = new WinnableWatch(this);
    Watch->Done = [this](const WinnableVerdict& v) {
        Verdict_ = v.Result == SolveResult::Unknown ? QString() : VerdictText(v.Result);
        if (v.Result == SolveResult::Lost && v.UndoSteps > 0)
            Verdict_ += QString(" \u2014 Undo %1 %2 to a winnable position")
                            .arg(v.UndoSteps)
                            .arg(v.UndoSteps == 1 ? "step" : "steps");
        ShowVerdict();
    };
    T_Solve.setInterval(150);
    connect(&T_Solve, &QTimer::timeout, this, &F_Main::SolveTick);
    // A cheap look at the table catches every way it changes (deals, loads, undo).
    T_Watch.setInterval(250);
    connect(&T_Watch, &QTimer::timeout, this, &F_Main::WatchPosition);
    T_Watch.start();
    T_Message.setSingleShot(true);
    T_Message.setInterval(3000);
    connect(&T_Message, &QTimer::timeout, this, &F_Main::ShowVerdict);
}

void F_Main::AddHintButton()
{
    // A question mark of our own, drawn at the tool bar's icon size.
    QPixmap pic(16, 16);
    pic.fill(Qt::transparent);
    QPainter p(&pic);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 220, 0));
    p.setPen(QColor(90, 70, 0));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(12);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, "?");
    p.end();
    auto* a = TB_Bar->addAction(QIcon(pic), "Hint");
    a->setObjectName("B_Hint");
    a->setToolTip("Hint");
    connect(a, &QAction::triggered, MI_GameHint, &QAction::trigger);
    if (auto* w = TB_Bar->widgetForAction(a)) w->setFixedWidth(24);
}

void F_Main::PlaceSolverPanel()
{
    // The tool bar is full: the panel sits in the field's lower right corner.
    if (L_Solver == nullptr) {
        L_Solver = new QLabel(SB_Field);
        L_Solver->setObjectName("L_Solver");
        L_Solver->setFrameShape(QFrame::Panel);
        L_Solver->setFrameShadow(QFrame::Sunken);
        L_Solver->setAutoFillBackground(true);
        L_Solver->setMargin(2);
        L_Solver->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    L_Solver->setVisible(!L_Solver->text().isEmpty());
    if (L_Solver->isHidden()) return;
    L_Solver->adjustSize();
    const QRect view = SB_Field->viewport()->geometry();
    L_Solver->move(view.right() - L_Solver->width() - 6, view.bottom() - L_Solver->height() - 6);
    L_Solver->raise();
}

void F_Main::ShowVerdict()
{
    if (T_Message.isActive() || SB_Field == nullptr) return;
    PlaceSolverPanel();
    L_Solver->setText(Verdict_);
    PlaceSolverPanel();
}

void F_Main::ShowSolverMessage(const QString& text)
{
    T_Message.stop();
    PlaceSolverPanel();
    L_Solver->setText(text);
    PlaceSolverPanel();
    T_Message.start();
}

void F_Main::WatchPosition()
{
    const TableState& t = Game_.T;
    if (SB_Field) PlaceSolverPanel();
    if (t.Dragging || !t.LayoutReady) return;
    const uint64_t h = PositionHash(t) ^ (static_cast<uint64_t>(Game_.Undo.Count()) << 56);
    if (h == WatchedHash_) return;
    WatchedHash_ = h;
    if (Hint) Hint->Clear();
    Verdict_.clear();
    ShowVerdict();
    if (Game_.GameWon || IsWon(t)) {
        Watch->Cancel();
        return;
    }
    // The earlier positions, newest first, for the way back from a lost one;
    // the last twenty steps are as far as the search looks.
    const std::vector<UndoSnapshot> steps = Game_.Undo.Newest(UndoSlots + 1);
    std::vector<TableState> earlier;
    for (size_t k = steps.size() - 1; k-- > 0;) {
        earlier.push_back(t);
        ReadSnapshot(steps[k], earlier.back());
    }
    Watch->Start(t, std::move(earlier));
}

void F_Main::ShowHint(const PlayerAction& a)
{
    const TableState& t = Game_.T;
    std::vector<QRect> cards;
    QRect target;
    switch (a.Kind) {
    case ActionKind::Drag:
        cards = GroupRects(t, a.Card);
        target = DropRect(t, a.Pile);
        break;
    case ActionKind::Press: cards.push_back(ToQRect(Field::CardRect(t, a.Card))); break;
    case ActionKind::EmptyStock: target = ToQRect(Field::PileRect(t, a.Pile)); break;
    case ActionKind::DealButton: target = B_Deal->geometry(); break;
    case ActionKind::TwoPresses:
        cards.push_back(ToQRect(Field::CardRect(t, a.Card)));
        target = a.Other >= 0 ? ToQRect(Field::CardRect(t, a.Other)) : DropRect(t, a.Pile);
        break;
    }
    // The marks are drawn over the widget, in its pixels; the Deal button's
    // box is in them already.
    for (QRect& r : cards) r = I_Field->ToWidget(r);
    if (a.Kind != ActionKind::DealButton) target = I_Field->ToWidget(target);
    if (Hint == nullptr) Hint = new HintOverlay(I_Field);
    Hint->Show(cards, target);
}

void F_Main::MI_GameHintClick()
{
    if (Celebrating() || Solving() || Game_.T.Dragging) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    LastHint = FindHint(Game_.T, HintBudget);
    QApplication::restoreOverrideCursor();
    if (LastHint.Source == HintSource::None) {
        if (Hint) Hint->Clear();
        ShowSolverMessage("No useful move");
        return;
    }
    ShowHint(LastHint.Action);
}

void F_Main::MI_GameSolveClick()
{
    if (Celebrating() || Game_.T.Dragging) return;
    if (Solving()) {
        StopSolving();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Solution s = Solve(Game_.T, SolveBudget);
    QApplication::restoreOverrideCursor();
    if (s.Result != SolveResult::Won) {
        ShowSolverMessage(s.Result == SolveResult::Lost ? "Not winnable from here" : "No win found");
        return;
    }
    if (Hint) Hint->Clear();
    SolveLine_ = s.Line;
    SolveStep_ = 0;
    SolvedByProgram_ = true;
    if (SolveBreaker_ == nullptr) SolveBreaker_ = new SolveBreaker(*this);
    qApp->installEventFilter(SolveBreaker_);
    T_Solve.start();
}

void F_Main::SolveTick()
{
    if (SolveStep_ >= SolveLine_.size() || Game_.GameWon || Celebrating()) {
        StopSolving();
        return;
    }
    // As the solver played it: the cards glide from where they lie, where
    // the pointer's way would first lay them over the target unseen.
    PlayListedAction(Game_, SolveLine_[SolveStep_++]);
    if (SolveStep_ >= SolveLine_.size() || Game_.GameWon) StopSolving();
}

void F_Main::StopSolving()
{
    T_Solve.stop();
    SolveLine_.clear();
    if (SolveBreaker_) qApp->removeEventFilter(SolveBreaker_);
}

void F_Main::DealWinnable()
{
    // Candidates are dealt on a copy without a view; the one kept is dealt
    // again from its number, so it can be replayed and shared as any other.
    Game scratch;
    scratch.T = Game_.T;
    scratch.T.Opt.Sound = scratch.T.Opt.Animation = false;
    QElapsedTimer clock;
    clock.start();
    uint32_t number = Game_.T.RandSeed;
    bool proved = false;
    int tries = 0;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    while (tries < WinnableDealTries && clock.elapsed() < WinnableDealMs) {
        if (!NewDeal(scratch, DealKind::New)) break;
        ++tries;
        number = scratch.T.Rules.GameNumber;
        SolverBudget budget = SolveBudget;
        // Many short tries find a winnable deal sooner than a few long ones.
        budget.Milliseconds = std::clamp<long>(WinnableDealMs - clock.elapsed(), 1, WinnableDealMs / WinnableDealTries);
        if (Solve(scratch.T, budget).Result == SolveResult::Won) {
            proved = true;
            break;
        }
    }
    QApplication::restoreOverrideCursor();
    Game_.T.RandSeed = number;
    NewDeal(Game_, DealKind::New);
    if (!proved) ShowSolverMessage(QString("No winnable deal found in %1 tries").arg(tries));
}

} // namespace quillo
