// Napoleon's Tomb: two decks around a cross; positions are points of the
// reference field, scaled.
//
//   [6]    [11]    [7]        [1] [2] [3]    waste 1..5
//          [15]                   [4] [5]
//   [14][18][10][16][12]
//          [17]                   [0]        stock
//   [9]    [13]    [8]
//
// Foundations 6..9 in the corners, tableau 10..18 (10 the centre).

#include <algorithm>

#include "../autoplay.h"
#include "../deal_ops.h"
#include "../game.h"
#include "../legality.h"
#include "../game_table.h"
#include "../moves.h"
#include "../pointer.h"
#include "../placement.h"
#include "../move_list.h"
#include "../pile_cards.h"
#include "games.h"

namespace quillo::games {

void NapoleonsTombLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 19;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = 1;
    r.WasteLast = 5;
    r.FoundFirst = 6;
    r.FoundLast = 9;
    r.TableFirst = 10;
    r.TableLast = 18;

    struct Point {
        double X, Y;
        int32_t Orientation;
    };
    static constexpr Point points[19] = {
        {701, 363, 3}, {519, 15, 3},  {610, 15, 3},  {701, 15, 3},  {610, 145, 3}, {701, 145, 3}, {56, 56, 5},
        {328, 56, 1},  {328, 328, 5}, {56, 328, 1},  {219, 198, 3}, {198, 22, 7},  {413, 198, 3}, {198, 413, 7},
        {22, 198, 3},  {198, 113, 7}, {322, 198, 3}, {198, 322, 7}, {113, 198, 3},
    };
    for (int p = 0; p < 19; ++p) {
        PlacePileScaled(t, p, points[p].X, points[p].Y, points[p].Orientation);
        t.PileAt(p).FanDir = FanNone;
    }

    r.StartRank = RankKing;
    r.FoundTakeCards = true;
    r.EditFoundTakeCards = true;
}

void NapoleonsTombDeal(Game& g)
{
    TableState& t = g.T;
    DealEach(t, 15, 18, 10, FaceMode::AllDown);
    DealEach(t, 11, 14, 1, FaceMode::AllUp);
    t.Rules.ActiveWastes = 5;
    GatherIntoStock(t);
}

}  // namespace quillo::games

namespace quillo::games {

namespace {

bool OneAbove(const Card& c, const Card& below)
{
    return c.Suit == below.Suit && (c.Rank == below.Rank + 1 || (below.Rank == RankKing && c.Rank == RankAce));
}

// Only the top card of the pressed pile is dragged at first: it takes the
// place of the pressed card, the rest of the pile goes back home.
void DragTopCardOnly(TableState& t)
{
    const Card pressed = t.CardAt(t.ActiveCard);
    const int source = pressed.PileIndex;
    const int top = TopCard(t, source);
    if (top == -1) return;
    const Pile& p = t.PileAt(source);
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        Card& c = t.CardAt(i);
        if (!c.InPlay || c.PileIndex != source || i == top) continue;
        c.X = p.X;
        c.Y = p.Y;
        c.Moving = false;
        c.Orientation = p.Orientation;
    }
    Card& c = t.CardAt(top);
    c.X = pressed.X;
    c.Y = pressed.Y;
    c.Orientation = pressed.Orientation;
    c.Moving = true;
    t.ActiveCard = top;
    t.PickedCount = 1;
}

// The centre takes a run of one suit going up; the first card of the source
// pile that starts one and fits the centre is taken with all above it.
int GrowRunForCentre(TableState& t, int centre)
{
    const int dragged = t.ActiveCard;
    const int source = t.CardAt(dragged).PileIndex;
    const int centreTop = TopCard(t, centre);
    int chosen = -1;
    for (int32_t k = 0; k < t.PileAt(source).Count && chosen == -1; ++k) {
        for (int i = 0; i < t.Rules.TotalCards; ++i) {
            const Card& c = t.CardAt(i);
            if (!c.InPlay || c.PileIndex != source || c.Order != k) continue;
            // A hidden card never starts a run, even when the cards above it fit.
            const bool fits = centreTop == -1 ? c.Rank == RankAce : OneAbove(c, t.CardAt(centreTop));
            if (c.FaceUp && fits && IsLegalRunFrom(t, i, SuitSame, ConsAscending)) chosen = i;
            break;
        }
    }
    if (chosen == -1) return -1;
    const Card& d = t.CardAt(dragged);
    const int32_t x = d.X, y = d.Y;
    const int32_t step = t.Rules.CardSizes[Upright].VertStep.Y;
    const int32_t orientation = t.PileAt(centre).Orientation;
    const int32_t from = t.CardAt(chosen).Order;
    int count = 0;
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        Card& c = t.CardAt(i);
        if (!c.InPlay || c.PileIndex != source || c.Order < from) continue;
        c.X = x;
        c.Y = y + (c.Order - from) * step;
        c.Orientation = orientation;
        c.Moving = true;
        ++count;
    }
    t.ActiveCard = chosen;
    t.PickedCount = count;
    return centre;
}

}  // namespace

int NapoleonsTombDrop(TableState& t)
{
    if (t.ActiveCard < 0) return -1;
    DragTopCardOnly(t);
    const GameRules& r = t.Rules;
    const int d = t.DropPile;
    if (d == -1 || d == SourcePile(t)) return -1;
    const Card& c = t.CardAt(t.ActiveCard);
    if (r.IsFoundation(d)) {
        if (t.PickedCount != 1) return -1;
        const int top = TopCard(t, d);
        if (top != -1)
            return c.Suit == t.CardAt(top).Suit && RankFits(t, ConsDescending, c, t.CardAt(top), r.FullFoundations)
                       ? d
                       : -1;
        if (c.Rank != RankKing) return -1;
        for (int f = r.FoundFirst; f <= r.FoundLast; ++f) {
            const int ft = TopCard(t, f);
            if (ft != -1 && t.CardAt(ft).Suit == c.Suit) return -1;
        }
        return d;
    }
    if (d == r.TableFirst) return GrowRunForCentre(t, d);
    if (d > r.TableFirst && d <= r.TableFirst + 4) {
        const int top = TopCard(t, d);
        return top == -1 || OneAbove(c, t.CardAt(top)) ? d : -1;
    }
    return -1;
}

}  // namespace quillo::games

namespace quillo::games {

void NapoleonsTombClick(Game& g, const Press& press)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    if (press.Card == -1) return;
    if (press.Btn == Button::Right) {
        SendToFoundation(g, press.X, press.Y);
        return;
    }
    const Card& c = t.CardAt(press.Card);
    if (r.IsStock(c.PileIndex)) {
        // Each pass serves the first ActiveWastes waste piles; the next turn
        // of the stock gathers exactly those.
        r.WasteLast = r.WasteFirst + std::max(1, r.ActiveWastes) - 1;
        DealFromStock(g, StockDealNormal);
    } else if (r.IsWaste(c.PileIndex)) {
        if (IsTopCard(t, press.Card)) PickUp(g, press.X, press.Y);
    } else if (r.IsTableau(c.PileIndex)) {
        if (c.FaceUp)
            PickUp(g, press.X, press.Y);
        else
            TurnUp(g);
    }
}

}  // namespace quillo::games

namespace quillo::games {

// Top cards of the wastes and face-up tableau piles drag; a hidden top card
// turns up; the stock deals whenever it holds cards.
void NapoleonsTombActions(const TableState& t, std::vector<PlayerAction>& out)
{
    TableState s = t;
    const GameRules& r = t.Rules;
    for (int i = 0; i < std::clamp(r.TotalCards, 0, MaxCards); ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || !IsTopCard(t, i)) continue;
        if (r.IsWaste(c.PileIndex) || (r.IsTableau(c.PileIndex) && c.FaceUp)) AddDrags(s, t, i, out);
        if (r.IsTableau(c.PileIndex) && !c.FaceUp) out.push_back({ActionKind::Press, i, c.PileIndex, -1});
    }
    AddStockActions(t, out, true);
}

// The four arms round the centre: a drag regroups the run they give up.
uint64_t NapoleonsTombDragRedraws(const TableState& t)
{
    uint64_t piles = 0;
    for (int p = t.Rules.TableFirst + 1; p <= t.Rules.TableFirst + 4 && p < t.Rules.PileCount; ++p)
        piles |= uint64_t{1} << p;
    return piles;
}

}  // namespace quillo::games
