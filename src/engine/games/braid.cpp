// Braid: two decks; twenty cards lean alternately down the middle.
//
//   [1] [9]  [17]   [21]   [19] [13] [5]
//   [2] [10]        braid       [14] [6]
//   [3] [11]                    [15] [7]
//   [4] [12] [18]          [20] [16] [8]
//       [0] [22]                          stock, waste
//
// Foundations 1..8, tableau 9..21 (21 is the braid). The first card dealt
// sets the starting rank of all eight foundations.

#include <cmath>

#include "../deal.h"
#include "../legality.h"
#include "../deal_ops.h"
#include "../game.h"
#include "../layout_cards.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"

namespace quillo::games {

namespace {
constexpr int BraidLength = 20;
}

void BraidLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 23;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.FoundFirst = 1;
    r.FoundLast = 8;
    r.TableFirst = 9;
    r.TableLast = 21;
    r.WasteFirst = r.WasteLast = 22;

    r.MinFieldHeight = 6 * r.CardHeight() + 2;
    t.BaseHeight = 658;
    ComputeFieldSize(g);

    SetPileFans(t, 0, r.PileCount - 1, FanNone, Upright);
    PlacePile(t, 0, 1, 10, 5, 4);
    PlacePile(t, 22, 2, 10, 5, 4);
    for (int i = 0; i < 4; ++i) {
        PlacePile(t, 1 + i, 0, 10, 5, i);
        MirrorPile(t, 1 + i, 5 + i, MirrorAxis::LeftRight);
        PlacePile(t, 9 + i, 1, 10, 5, i);
        t.PileAt(9 + i).Orientation = Sideways;
        MirrorPile(t, 9 + i, 13 + i, MirrorAxis::LeftRight);
    }
    PlacePile(t, 17, 3, 10, 5, 0);
    t.PileAt(17).X -= r.CardWidth() / 3;
    MirrorPile(t, 17, 19, MirrorAxis::LeftRight);
    PlacePile(t, 18, 3, 10, 5, 3);
    MirrorPile(t, 18, 20, MirrorAxis::LeftRight);
    Pile& braid = t.PileAt(21);
    braid.X = (r.FieldWidth - r.CardSizes[1].Width) / 2;
    braid.Y = 2;
    braid.Orientation = 1;

    r.StockRedeals = 4;
    r.StartRankFromDeal = true;
    r.EditFoundConsVal = true;
}

int32_t BraidStep(const GameRules& r)
{
    const CardSize& up = r.CardSizes[Upright];
    return static_cast<int32_t>(std::nearbyint((up.Height - up.Width) / 1.414));
}

void BraidDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    DealEach(t, r.TableFirst, r.TableLast, 1, FaceMode::AllUp);
    const int32_t step = BraidStep(r);
    int cursor = 0;
    while (t.PileAt(r.TableLast).Count < BraidLength) {
        const int card = NextUndealt(t, cursor);
        if (card == -1) break;
        const int n = t.PileAt(r.TableLast).Count;
        PlaceCard(t, card, r.TableLast, 0, n * step, n, true);
    }
    GatherIntoStock(t);
}

bool BraidPlaceCards(TableState& t, int pile)
{
    if (pile != t.Rules.TableLast) {
        StackCards(t, pile);
        return true;
    }
    const Pile& braid = t.PileAt(pile);
    const int32_t step = BraidStep(t.Rules);
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        Card& c = t.CardAt(i);
        if (!c.InPlay || c.PileIndex != pile) continue;
        c.X = braid.X;
        c.Y = braid.Y + c.Order * step;
    }
    return true;
}

void BraidLeanCards(Game& g)
{
    TableState& t = g.T;
    SortDealOrder(t);
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        Card& c = t.CardAt(i);
        if (c.InPlay && c.PileIndex == t.Rules.TableLast) c.Orientation = c.Order % 2 == 1 ? 5 : 1;
    }
}

}  // namespace quillo::games

namespace quillo::games {

int BraidDrop(TableState& t)
{
    const GameRules& r = t.Rules;
    const int d = t.DropPile;
    const int source = SourcePile(t);
    if (d == -1 || d == source || t.ActiveCard < 0) return -1;
    if (CanDropOnFoundation(t)) return d;
    if (!r.IsTableau(d) || t.PileAt(d).Count != 0) return -1;
    // The eight outer piles fill from the waste, the four inner ones from the braid.
    if (d <= r.TableFirst + 7) return source == r.WasteFirst ? d : -1;
    if (d < r.TableLast) return source == r.TableLast ? d : -1;
    return -1;
}

}  // namespace quillo::games
