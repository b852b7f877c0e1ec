// Scorpion: no foundations; runs of a suit from King to Ace are the goal.
//
//        [0] [1] [2] [3] [4] [5] [6]   tableau
//   [7]                                 stock, deals onto piles 0..2

#include "../deal_ops.h"
#include "../game.h"
#include "../game_table.h"
#include "../heuristic.h"
#include "../legality.h"
#include "../moves.h"
#include "../pointer.h"
#include "../special.h"
#include "../autoplay.h"
#include "../placement.h"
#include "games.h"

namespace quillo::games {

void ScorpionLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 8;
    r.FaceDownFan = DownFanFull;
    r.TableFirst = 0;
    r.TableLast = 6;
    r.StockPile = 7;

    PlacePileRow(t, 0, 6, 1, 0, -1, 15, 1, 8);
    PlacePile(t, 7, 0, 8, 4, 3);
    SetFans(t, 1);

    r.FillFreeTable = FillAnyCard;
    r.MoveUnit = MoveAnyRun;
    r.StockRedeals = 1;
    r.StartRank = RankKing;
    r.DealToTableau = true;
    r.EditTableConsVal = r.EditFillFreeTable = true;
}

void ScorpionDeal(Game& g)
{
    TableState& t = g.T;
    Patterns patterns;
    for (int p = 0; p <= 2; ++p) patterns[static_cast<size_t>(p)] = "SSSSFFF";
    for (int p = 3; p <= 6; ++p) patterns[static_cast<size_t>(p)] = "FFFFFFF";
    DealPatterns(t, patterns, t.Rules.TableFirst, t.Rules.TableLast, true);
    GatherIntoStock(t);
}

}  // namespace quillo::games

namespace quillo::games {

bool ScorpionWon(const TableState& t)
{
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        if (c.Rank != RankKing) continue;
        if (!c.InPlay || !c.FaceUp || c.Order != 0 || c.PileIndex < 0 || t.PileAt(c.PileIndex).Count != 13)
            return false;
        if (!IsLegalRunFrom(t, i, SuitSame, ConsDescending)) return false;
    }
    return true;
}

}  // namespace quillo::games

namespace quillo::games {

// Built runs are the progress, as in Spider; but any face-up card moves with
// all above it, so most moves reshape the piles and depth first wanders.
// Best first, a little against long lines, skipping nothing.
const HeuristicWeights ScorpionWeights = [] {
    HeuristicWeights w;
    w.KingRun = 8;
    w.Ordered = 3;
    w.SkipSeldom = false;
    w.BestFirst = true;
    w.DepthCost = 4;
    return w;
}();

}  // namespace quillo::games
