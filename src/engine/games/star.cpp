// Star: twelve tableau piles fan away from a 2 x 2 block of foundations.
//
//             [6] [7] [8]
//        [5]               [9]
//        [4]   [0] [1]     [10]
//              [2] [3]
//        [15]              [11]
//            [14] [13] [12]
//
// Piles 10..15 mirror 4..9; the Aces go to the foundations at random.

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"

namespace quillo::games {

void StarLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 16;
    r.FaceDownFan = DownFanHalf;
    r.FoundFirst = 0;
    r.FoundLast = 3;
    r.TableFirst = 4;
    r.TableLast = 15;

    const int H = r.CardHeight();
    r.MinFieldHeight = 5 * H + 4 + H / 4;
    t.BaseHeight = 580;
    ComputeFieldSize(g);

    auto w = [&](int k) { return r.CardSizes[static_cast<size_t>(k)].Width; };
    auto h = [&](int k) { return r.CardSizes[static_cast<size_t>(k)].Height; };
    auto place = [&](int pile, int x, int y, uint8_t fan, int32_t orientation) {
        Pile& p = t.PileAt(pile);
        p.X = x;
        p.Y = y;
        p.FanDir = fan;
        p.Orientation = orientation;
    };

    const int cx = r.FieldWidth / 2, cy = r.FieldHeight / 2;
    place(0, cx - w(3) - 4, cy - h(3) - 4, FanNone, Upright);
    place(1, cx + 4, cy - h(3) - 4, FanNone, Upright);
    place(2, cx - w(3) - 4, cy + 4, FanNone, Upright);
    place(3, cx + 4, cy + 4, FanNone, Upright);

    const Pile& f0 = t.PileAt(0);
    const Pile& f1 = t.PileAt(1);
    place(4, f0.X - w(7) - 11, (r.FieldHeight - h(7)) / 2, FanUp, 7);
    place(5, f0.X - w(6) - 14, t.PileAt(4).Y - h(6) - 4, FanUp, 6);
    place(7, (r.FieldWidth - w(3)) / 2, f0.Y - h(3) - 11, FanUp, 3);
    place(6, t.PileAt(7).X - w(4) - 4, f0.Y - h(4), FanUp, 4);
    place(8, t.PileAt(7).X + w(3) + 4, t.PileAt(6).Y, FanUp, 2);
    place(9, f1.X + w(3) + 14, t.PileAt(5).Y, FanUp, 0);

    MirrorPile(t, 4, 10, MirrorAxis::LeftRight);
    MirrorPile(t, 9, 11, MirrorAxis::TopBottom);
    MirrorPile(t, 8, 12, MirrorAxis::TopBottom);
    MirrorPile(t, 7, 13, MirrorAxis::TopBottom);
    MirrorPile(t, 6, 14, MirrorAxis::TopBottom);
    MirrorPile(t, 5, 15, MirrorAxis::TopBottom);

    r.FillFreeTable = FillAnyCard;
    r.MoveUnit = MoveLegalRun;
    r.StartRank = RankAce;
    r.AutoplayAllowed = true;
    r.FoundTakeCards = true;
    r.EditTableConsVal = r.EditFoundConsVal = r.EditFillFreeTable = r.EditFoundTakeCards = true;
}

void StarDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    DealRankToFoundations(t, r.FoundFirst, r.FoundFirst + 3, RankAce, true);
    DealEach(t, r.TableFirst, r.TableLast, 4, FaceMode::AllUp);
}

}  // namespace quillo::games
