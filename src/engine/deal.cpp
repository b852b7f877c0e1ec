#include "deal.h"

#include <algorithm>
#include <numeric>

#include "deal_ops.h"
#include "moves.h"
#include "game.h"
#include "fan_fit.h"
#include "game_fit.h"
#include "game_table.h"
#include "labels.h"
#include "random.h"

namespace quillo {

void SortDealOrder(TableState& t)
{
    const int n = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    auto& d = t.DealOrder;
    for (int i = 0; i < n; ++i) d[static_cast<size_t>(i)] = {t.CardAt(i).Order, i};
    // The exchange sort the drawing order has always come from: with equal
    // keys (positions in different piles) its order of ties is what counts.
    for (size_t a = 0; a + 1 < static_cast<size_t>(n); ++a)
        for (size_t b = a + 1; b < static_cast<size_t>(n); ++b)
            if (d[a].Key > d[b].Key) std::swap(d[a], d[b]);
}

void Shuffle(TableState& t)
{
    const int n = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    std::array<int32_t, MaxCards> p{};
    std::iota(p.begin(), p.begin() + n, 0);
    for (int i = 0; i < n; ++i) {
        const uint32_t j = Random(t.RandSeed, static_cast<uint32_t>(n));
        std::swap(p[static_cast<size_t>(i)], p[j]);
    }
    // The keys are a permutation of 0..n-1, so the sorted order puts the card
    // with Order k at entry k; no sort is needed to get it.
    for (int i = 0; i < n; ++i) {
        const int32_t key = p[static_cast<size_t>(i)];
        t.CardAt(i).Order = key;
        t.DealOrder[static_cast<size_t>(key)] = {key, i};
    }
}

void ComputeFillRank(GameRules& r)
{
    if (r.FillFreeTable == FillKing)
        r.FillRank = r.StartRank == RankAce ? RankKing : r.StartRank - 1;
    else if (r.FillFreeTable == FillStartRank)
        r.FillRank = r.StartRank;
    else
        r.FillRank = -1;  // no other code fills by rank
}

namespace {

void FinishDeal(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    TableView& v = g.View();

    v.RedrawField();
    t.ActiveCard = t.DropPile = t.MarkedCard = -1;
    t.PickedCount = 0;
    t.Dragging = false;
    g.RecordUndo = true;

    r.StockPass = 1;
    r.TableRedealsUsed = 0;

    g.Undo.Clear();
    g.Undo.Push(t);
    SetUndoEnabled(g, false);
    SetRedoEnabled(g, false);

    r.StartTime = r.NowTime = v.TimeOfDay();
    v.SetLabel(StatusLabel::Time, "Time: " + ElapsedText(0.0));
    v.StartClock();

    v.SetLabel(StatusLabel::StartRank, StartRankLabelText(t));
    UpdateStockLabels(g);
    t.PlayedPending = true;
    g.GameWon = false;
    v.ResetCursor();
    v.SetCaption(DealCaption(t));
}

}  // namespace

bool NewDeal(Game& g, DealKind kind)
{
    const GameHooks& hooks = HooksOf(g.T.CurrentGame);
    if (hooks.Deal == nullptr || !TableFitsGame(g.T)) return false;
    TableState& t = g.T;
    GameRules& r = t.Rules;
    TableView& v = g.View();
    const bool preview = kind == DealKind::Preview;

    v.StopCelebration();
    if (!preview) v.GameLeft();
    const int total = std::clamp(r.TotalCards, 0, MaxCards);
    for (int i = 0; i < total; ++i) {
        Card& c = t.CardAt(i);
        c.FaceUp = c.InPlay = c.Moving = false;
        c.Orientation = Upright;
        c.PileIndex = -1;
    }

    if (!preview) {
        if (t.Opt.Sound) v.PlaySound("new.wav");
        if (t.Opt.Animation) v.ShowNewDealEffect();
        if (r.TableRedeals != RedealsNone) v.SetDealButtonVisible(true);
    }

    if (kind == DealKind::Restart)
        t.RandSeed = r.GameNumber;
    else
        r.GameNumber = t.RandSeed;

    Shuffle(t);

    for (int p = 0; p < r.PileCount; ++p) {
        t.PileAt(p).Layer = p;
        t.PileOrder[static_cast<size_t>(p)] = {p, p};
        t.PileAt(p).Count = 0;
    }

    if (r.StartRankFromDeal && r.FoundFirst != -1) {
        const int first = t.DealOrder[0].CardIndex;
        PutAlone(t, first, r.FoundFirst);
        r.StartRank = t.CardAt(first).Rank;
        for (int p = r.FoundFirst; p <= r.FoundLast; ++p) t.PileAt(p).BaseRank = r.StartRank;
    }

    hooks.Deal(g);

    for (int i = 0; i < total; ++i) {
        Card& c = t.CardAt(i);
        if (c.InPlay && c.PileIndex >= 0 && c.PileIndex < MaxPiles) c.Orientation = t.PileAt(c.PileIndex).Orientation;
    }
    if (hooks.AfterDeal) hooks.AfterDeal(g);
    FitFans(t);

    ComputeFillRank(r);

    if (preview) {
        v.PaintPreview();
        return true;
    }
    FinishDeal(g);
    return true;
}

}  // namespace quillo
