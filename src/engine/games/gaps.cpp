// Gaps: four rows of thirteen with the Aces taken out. A gap takes the card
// one rank above its left neighbour, in that card's suit; a gap in the first
// column takes any Two.
//
//   [0]  [1]  [2]  ... [12]
//   [13] [14] [15] ... [25]
//   [26] [27] [28] ... [38]
//   [39] [40] [41] ... [51]

#include "../deal_ops.h"
#include "../game.h"
#include "../legality.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

namespace {

constexpr int RowLength = 13;

}  // namespace

void GapsLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 52;
    r.FaceDownFan = DownFanNone;
    r.TableFirst = 0;
    r.TableLast = 51;

    r.MinFieldWidth = 13 * r.CardWidth() + 112;
    ComputeFieldSize(g);

    for (int p = 0; p < 52; ++p) PlacePile(t, p, ThirteenColumnX(r, p % RowLength), -1, 4, p / RowLength);
    SetFans(t, 0);

    r.TableBuildFrom = BuildFromNone;
    r.StartRank = -1;
}

void GapsDeal(Game& g)
{
    TableState& t = g.T;
    DealEach(t, t.Rules.TableFirst, t.Rules.TableLast, 1, FaceMode::AllUp);
    for (int ace = 0; ace < CardsPerDeck; ace += RanksPerSuit) {
        Card& c = t.CardAt(ace);
        t.PileAt(c.PileIndex).Count = 0;
        c.InPlay = c.FaceUp = false;
        c.PileIndex = -1;
    }
}

int GapsDrop(TableState& t)
{
    const GameRules& r = t.Rules;
    const int d = t.DropPile;
    if (d == -1 || t.ActiveCard < 0 || d == SourcePile(t) || !r.IsTableau(d)) return -1;
    if (t.PileAt(d).Count != 0 || t.PickedCount != 1) return -1;
    const Card& c = t.CardAt(t.ActiveCard);
    if ((d - r.TableFirst) % RowLength == 0) return c.Rank == 1 ? d : -1;
    const int left = TopCard(t, d - 1);
    if (left == -1) return -1;
    const Card& l = t.CardAt(left);
    return l.Suit == c.Suit && l.Rank + 1 == c.Rank ? d : -1;
}

bool GapsWon(const TableState& t)
{
    const TopCards tops = FindTopCards(t);
    const int first = t.Rules.TableFirst;
    for (int row = 0; row < 4; ++row) {
        for (int c = 1; c < RowLength - 1; ++c) {
            const int a = tops[static_cast<size_t>(first + row * RowLength + c - 1)];
            const int b = tops[static_cast<size_t>(first + row * RowLength + c)];
            if (a == -1 || b == -1) return false;
            const Card& x = t.CardAt(a);
            const Card& y = t.CardAt(b);
            if (x.Suit != y.Suit || x.Rank + 1 != y.Rank) return false;
        }
    }
    return true;
}

}  // namespace quillo::games
