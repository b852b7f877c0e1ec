// Crescent: an Ace and a King of each suit start eight foundations; sixteen
// piles are built up or down in suit, turning the corner; the Deal button
// moves each pile's bottom card to its top, three times.
//
//   [0]  [8] [9] [10] [11] [12] [13] [14] [15]  [4]   Ace foundations left,
//   [1]                                         [5]   King foundations right,
//   [2]  [16][17][18] [19] [20] [21] [22] [23]  [6]   two rows of eight piles
//   [3]                                         [7]   fanned down
//   (Deal)

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "../move_list.h"
#include "games.h"

namespace quillo::games {

void CrescentLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 24;
    r.FaceDownFan = DownFanNone;
    r.FoundFirst = 0;
    r.FoundLast = 7;
    r.TableFirst = 8;
    r.TableLast = 23;

    const int32_t H = r.CardHeight();
    // Each tableau row shows eight cards.
    r.MinFieldHeight = 2 * (H + 7 * r.Upright().VertStep.Y) + 45;
    ComputeFieldSize(g);
    PlacePileRow(t, 0, 3, 0, 1, 5, 0, 0, 10);
    PlacePileRow(t, 4, 7, 9, 1, 5, 0, 0, 10);
    PlacePileRow(t, 8, 15, 1, 0, -1, 15, 1, 10);
    PlacePileRow(t, 16, 23, 1, 0, -1, 15 + (r.FieldHeight - 15) / 2, 1, 10);
    if (!t.PreviewMode) g.View().MoveDealButton(t.PileAt(3).X, t.PileAt(3).Y + H + 20);
    SetFans(t, 1);
    // The Ace foundations build up, the King ones down.
    for (int p = 0; p < 8; ++p) {
        Pile& pile = t.PileAt(p);
        pile.ConsVal = p < 4 ? ConsAscending : ConsDescending;
        pile.BaseRank = p < 4 ? RankAce : RankKing;
        pile.BaseColor = BaseColorPlain;
    }

    r.TableConsVal = ConsEither;
    r.FoundConsVal = ConsKeepPile;
    r.TableRedeals = 3;
    r.StartRank = -1;
    // No autoplay: a card often fits an Ace and a King foundation at once.
    r.EditTableConsVal = r.EditFillFreeTable = true;
}

void CrescentDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    for (int s = 0; s < 4; ++s) {
        PutAlone(t, s * RanksPerSuit, r.FoundFirst + s);
        PutAlone(t, s * RanksPerSuit + RankKing, r.FoundFirst + 4 + s);
    }
    static constexpr int counts[] = {6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6};
    DealCounts(t, r.TableFirst, r.TableLast, counts, true, FaceMode::AllUp);
}

}  // namespace quillo::games

namespace quillo::games {

// The standard moves, and the Deal button while a redeal is left.
void CrescentActions(const TableState& t, std::vector<PlayerAction>& out)
{
    TableState s = t;
    AddPickActions(s, t, out, false);
    if (t.Rules.TableRedealsUsed < t.Rules.TableRedeals) out.push_back({ActionKind::DealButton, -1, -1, -1});
}

}  // namespace quillo::games
