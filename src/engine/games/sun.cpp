// Sun: the four Aces form the core, twelve squared rays of four cards stand
// in a ring around it, clockwise from the top.
//
//                   [4]
//           [15]            [5]
//       [14]                    [6]
//     [13]        [0] [1]         [7]
//                 [2] [3]
//       [12]                    [8]
//           [11]            [9]
//                  [10]
//
// Rays build up or down in suit, wrapping between King and Ace.

#include <array>

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

namespace {

// Sine and cosine of k x 30 degrees, in thousandths.
constexpr std::array<int, 12> Sin = {0, 500, 866, 1000, 866, 500, 0, -500, -866, -1000, -866, -500};
constexpr std::array<int, 12> Cos = {1000, 866, 500, 0, -500, -866, -1000, -866, -500, 0, 500, 866};

}  // namespace

void SunLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 16;
    r.FaceDownFan = DownFanNone;
    r.FoundFirst = 0;
    r.FoundLast = 3;
    r.TableFirst = 4;
    r.TableLast = 15;

    const int W = r.CardWidth(), H = r.CardHeight();
    r.MinFieldWidth = 7 * W + 112;
    r.MinFieldHeight = 5 * H + 44;
    ComputeFieldSize(g);
    SetFans(t, 0);

    const int cx = r.FieldWidth / 2, cy = r.FieldHeight / 2;
    PlacePile(t, 0, cx - W - 4, -1, -1, cy - H - 4);
    PlacePile(t, 1, cx + 4, -1, -1, cy - H - 4);
    PlacePile(t, 2, cx - W - 4, -1, -1, cy + 4);
    PlacePile(t, 3, cx + 4, -1, -1, cy + 4);

    const int rx = cx - W / 2 - 40, ry = cy - H / 2 - 10;
    for (int k = 0; k < 12; ++k) {
        const int x = cx + rx * Sin[static_cast<size_t>(k)] / 1000 - W / 2;
        const int y = cy - ry * Cos[static_cast<size_t>(k)] / 1000 - H / 2;
        PlacePile(t, 4 + k, x, -1, -1, y);
    }

    SetBuildRules(r, {});
    r.TableConsVal = ConsEither;
}

void SunDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    DealRankToFoundations(t, r.FoundFirst, r.FoundLast, RankAce, false);
    DealEach(t, r.TableFirst, r.TableLast, 4, FaceMode::AllUp);
}

}  // namespace quillo::games
