// WindMill: an Ace in the centre builds up to 52 cards regardless of suit;
// four corners start with Kings and build down to the Ace; eight one-card
// sails are filled from the waste.
//
//   [0] [1]      [7]
//            [3] [8] [4]
//        [9][10] [2] [11][12]
//            [5] [13][6]
//                [14]

#include <algorithm>

#include "../deal_ops.h"
#include "../game.h"
#include "../legality.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"

namespace quillo::games {

namespace {

constexpr int Centre = 2;
constexpr int CentreFull = 52;
constexpr int CornerFull = 13;
constexpr int32_t StockMargin = 18;

struct Spot {
    int Pile, Col, Row;
};

constexpr Spot Spots[] = {
    {0, 0, 0},  {1, 1, 0},  {2, 4, 2},  {3, 3, 1},  {4, 5, 1}, {5, 3, 3},  {6, 5, 3},  {7, 4, 0},
    {8, 4, 1},  {9, 2, 2},  {10, 3, 2}, {11, 5, 2}, {12, 6, 2}, {13, 4, 3}, {14, 4, 4},
};

}  // namespace

void WindMillLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 15;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = Centre;
    r.FoundLast = 6;
    r.TableFirst = 7;
    r.TableLast = 14;

    r.MinFieldHeight = 5 * r.CardHeight() + 40;
    ComputeFieldSize(g);
    SetFans(t, 0);
    for (const Spot& s : Spots) PlacePile(t, s.Pile, s.Col, 7, 5, s.Row);
    // The stock's 95 cards step 18 px up-left; keep its top card inside the
    // field (nothing lies below the stock and the waste).
    for (const int p : {0, 1}) t.PileAt(p).Y = std::max(t.PileAt(p).Y, StockMargin);

    // The centre builds up from its Ace, the corners down from their Kings.
    t.PileAt(Centre).ConsVal = ConsAscending;
    t.PileAt(Centre).BaseRank = RankAce;
    for (int p = 3; p <= 6; ++p) t.PileAt(p).ConsVal = ConsDescending;

    r.FoundConsVal = ConsKeepPile;
    r.FoundConsSuit = SuitNone;
    r.StartRank = RankKing;
    r.TableBuildFrom = BuildFromNone;
    r.FillFreeTable = FillFromWaste;
    r.StockRedeals = 1;
    r.FoundTakeCards = true;
    r.EditFoundTakeCards = true;
}

void WindMillDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    DealRankToFoundations(t, Centre, Centre, RankAce, false);
    DealEach(t, r.TableFirst, r.TableLast, 1, FaceMode::AllUp);
    GatherIntoStock(t);
}

// A corner's top card may go only to the centre, and the centre's cards
// never leave. The centre stops at 52 cards and a corner at its Ace, where
// the wrapping orders would go on.
int WindMillDrop(TableState& t)
{
    const GameRules& r = t.Rules;
    const int source = SourcePile(t);
    const int d = t.DropPile;
    if (d == -1 || d == source) return -1;
    int result;
    if (r.IsFoundation(source))
        result = d == r.FoundFirst && CanDropOnFoundation(t) ? d : -1;
    else
        result = CanDropStandard(t);
    if (result == r.FoundFirst && t.PileAt(result).Count >= CentreFull) return -1;
    if (result > r.FoundFirst && result <= r.FoundLast && t.PileAt(result).Count >= CornerFull) return -1;
    return result;
}

}  // namespace quillo::games
