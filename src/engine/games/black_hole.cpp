// Black Hole: seventeen fans of three around one foundation, the hole.
//
//   [1]  [2]  [3]  [4]  [5]
//   [6]  [7]       [8]  [9]
//   [10] [11] [0]  [12] [13]     the hole starts with the Ace of suit 0
//   [14] [15]      [16] [17]

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../heuristic.h"
#include "games.h"

namespace quillo::games {

void BlackHoleLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 18;
    r.FaceDownFan = DownFanNone;
    r.FoundFirst = r.FoundLast = 0;
    r.TableFirst = 1;
    r.TableLast = 17;

    PlacePileRow(t, 1, 5, 0, 0, 4, 0, 1, 5);
    static constexpr int sideCols[] = {0, 1, 3, 4};
    for (int row = 1; row <= 3; ++row)
        for (int k = 0; k < 4; ++k) PlacePile(t, 6 + 4 * (row - 1) + k, sideCols[k], 5, 4, row);
    PlacePile(t, 0, 2, 5, 4, 2);
    SetFans(t, 2);

    r.FoundConsVal = ConsEither;
    r.FoundConsSuit = SuitNone;
    r.TableBuildFrom = BuildFromNone;
    r.StartRank = -1;
    r.EditFoundConsVal = true;
}

void BlackHoleDeal(Game& g)
{
    TableState& t = g.T;
    PutAlone(t, 0, t.Rules.FoundFirst);
    DealEach(t, t.Rules.TableFirst, t.Rules.TableLast, 3, FaceMode::AllUp);
}

bool BlackHoleHopeless(const TableState& t)
{
    return SomeCardNeverGoes(t, t.Rules.FoundFirst, true);
}

// The hole is a heap cards only join; cards into it first, best first.
const HeuristicWeights BlackHoleWeights = [] {
    HeuristicWeights w;
    w.Heaps = uint64_t{1} << 0;
    w.Hopeless = BlackHoleHopeless;
    w.BestFirst = true;
    return w;
}();

}  // namespace quillo::games
