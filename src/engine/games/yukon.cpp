// Yukon: seven piles with five face-up cards over the face-down ones; any
// face-up card moves with everything above it.
//
//   [0] [1] [2] [3] [4] [5] [6]   [7]
//                                 [8]     foundations
//                                 [9]
//                                 [10]

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void YukonLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 11;
    r.FaceDownFan = DownFanHalf;
    r.TableFirst = 0;
    r.TableLast = 6;
    r.FoundFirst = 7;
    r.FoundLast = 10;

    const int H = r.CardHeight(), vy = r.Upright().VertStep.Y;
    r.MinFieldHeight = H + 25 + 6 * (vy / 2) + 17 * vy;
    ComputeFieldSize(g);
    SetFans(t, 1);
    PlacePileRow(t, 0, 6, 0, 0, -1, 15, 1, 8);
    PlacePileRow(t, 7, 10, 7, 1, 4, 0, 0, 8);

    SetBuildRules(r, {.TableSuit = SuitAlternate, .Fill = FillKing, .Move = MoveAnyRun});
}

void YukonDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    Patterns patterns;
    const char* rows[] = {"F", "SFFFFF", "SSFFFFF", "SSSFFFFF", "SSSSFFFFF", "SSSSSFFFFF", "SSSSSSFFFFF"};
    for (int i = 0; i < 7; ++i) patterns[static_cast<size_t>(r.TableFirst + i)] = rows[i];
    DealPatterns(t, patterns, r.TableFirst, r.TableLast, true);
}

}  // namespace quillo::games
