#include "hint.h"

#include "game.h"
#include "heuristic.h"
#include "position_hash.h"

namespace quillo {

namespace {

// A press on the stock or the Deal button changes what can be played next,
// even where the measure of progress does not move.
bool RenewsCards(const TableState& t, const PlayerAction& a)
{
    if (a.Kind == ActionKind::EmptyStock || a.Kind == ActionKind::DealButton) return true;
    return a.Kind == ActionKind::Press && a.Card >= 0 && t.Rules.IsStock(t.CardAt(a.Card).PileIndex);
}

HintChoice BestByProgress(const TableState& t)
{
    std::vector<PlayerAction> actions;
    ListActions(t, actions);
    const HeuristicWeights w = WeightsFor(t.CurrentGame);
    const int before = Heuristic(t, w);
    const uint64_t here = PositionHash(t);
    Game scratch;
    scratch.KeepHistory = false;
    HintChoice best;
    int bestGain = 0;
    const PlayerAction* renew = nullptr;
    for (const PlayerAction& a : actions) {
        scratch.T = t;
        scratch.T.Opt.Sound = scratch.T.Opt.Animation = false;
        scratch.GameWon = false;
        PlayAction(scratch, a);
        if (scratch.GameWon) return { HintSource::Progress, a, SolveResult::Unknown };
        if (PositionHash(scratch.T) == here) continue;
        // Cards dealt from the stock count as turned up, which they are not
        // in any sense that helps: the stock is the last resort.
        if (RenewsCards(t, a)) {
            if (renew == nullptr) renew = &a;
            continue;
        }
        const int gain = Heuristic(scratch.T, w) - before;
        if (gain > bestGain) {
            bestGain = gain;
            best = { HintSource::Progress, a, SolveResult::Unknown };
        }
    }
    if (best.Source == HintSource::None && renew != nullptr)
        best = { HintSource::Progress, *renew, SolveResult::Unknown };
    return best;
}

} // namespace

HintChoice FindHint(const TableState& t, const SolverBudget& budget)
{
    const Solution s = Solve(t, budget);
    if (s.Result == SolveResult::Won && !s.Line.empty()) return { HintSource::WinningLine, s.Line.front(), s.Result };
    HintChoice c = BestByProgress(t);
    c.Solved = s.Result;
    return c;
}

} // namespace quillo
