// Pyramid: pairs of available cards totalling 13 are discarded, Kings alone;
// won when the pyramid is cleared.
//
//   [0] [1]            [2]               stock, waste, apex of the pyramid
//                    .  .  .
//                  .  .  .  .            seven overlapping rows of pile 2
//
// The discard pile 3 lies outside the field and is never seen. Pile 2 keeps
// its triangle places: a discarded card leaves the Order of every other card
// as it was, so the pile's Orders are not 0..Count-1 once play has begun.

#include <algorithm>

#include "../deal_ops.h"
#include "../game.h"
#include "../game_table.h"
#include "../layout_cards.h"
#include "../moves.h"
#include "../placement.h"
#include "../setup.h"
#include "../special.h"
#include "../move_list.h"
#include "games.h"

namespace quillo::games {

namespace {

constexpr int PyramidCards = 28;
constexpr int PyramidRows = 7;
// Ranks count from 0, so pairs totalling 13 in card values total 11 here.
constexpr int PairTotal = 11;

int RowOf(int place)
{
    int row = 0;
    while ((row + 1) * (row + 2) / 2 <= place) ++row;
    return row;
}

// The in-play card at a place of the pyramid, or -1.
int CardAtPlace(const TableState& t, int place)
{
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        if (c.InPlay && c.PileIndex == t.Rules.TableFirst && c.Order == place) return i;
    }
    return -1;
}

// Each row of the pyramid centred under the one above; cards beyond the
// triangle keep their place.
void PlaceInTriangle(TableState& t)
{
    const int p = t.Rules.TableFirst;
    const Pile& pile = t.PileAt(p);
    const int32_t w = t.Rules.CardWidth(), h = t.Rules.CardHeight();
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        Card& c = t.CardAt(i);
        if (!c.InPlay || c.PileIndex != p || c.Order >= PyramidCards) continue;
        const int row = RowOf(c.Order);
        const int place = c.Order - row * (row + 1) / 2;
        c.X = pile.X - (2 * row * w) / 3 + (4 * place * w) / 3;
        c.Y = pile.Y + ((h + 4) * row) / 2;
    }
}

}  // namespace

void PyramidLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 4;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.TableFirst = r.TableLast = 2;
    r.FoundFirst = r.FoundLast = 3;

    ComputeFieldSize(g);
    PlacePileRow(t, 0, 1, 0, 0, -1, 15, 1, 7);
    PlacePile(t, 2, 0, 1, -1, 15);
    PlacePile(t, 3, 20, 7, -1, 15);
    SetFans(t, 0);

    r.StockRedeals = 3;
    r.StartRank = -1;
}

void PyramidDeal(Game& g)
{
    TableState& t = g.T;
    const int p = t.Rules.TableFirst;
    DealEach(t, p, p, PyramidCards, FaceMode::AllUp);
    PlaceInTriangle(t);
    GatherIntoStock(t);
}

bool PyramidPlaceCards(TableState& t, int pile)
{
    if (pile == t.Rules.TableFirst)
        PlaceInTriangle(t);
    else
        StackCards(t, pile);
    return true;
}

bool PyramidAvailable(const TableState& t, int card)
{
    if (card < 0 || card >= t.Rules.TotalCards) return false;
    const Card& c = t.CardAt(card);
    const GameRules& r = t.Rules;
    if (!c.InPlay || !c.FaceUp) return false;
    if (r.IsWaste(c.PileIndex)) return c.Order == t.PileAt(c.PileIndex).Count - 1;
    if (c.PileIndex != r.TableFirst || c.Order < 0 || c.Order >= PyramidCards) return false;
    const int row = RowOf(c.Order);
    if (row == PyramidRows - 1) return true;
    return CardAtPlace(t, c.Order + row + 1) == -1 && CardAtPlace(t, c.Order + row + 2) == -1;
}

void PyramidClick(Game& g, const Press& press)
{
    TableState& t = g.T;
    if (press.Btn != Button::Left || press.Card == -1) return;
    if (t.MarkedCard != -1 && !PyramidAvailable(t, t.MarkedCard)) t.MarkedCard = -1;
    const Card& a = t.CardAt(press.Card);
    if (t.Rules.IsStock(a.PileIndex)) {
        if (t.MarkedCard != -1) MarkCard(g, false);
        DealFromStock(g, t.Rules.StockClickMode);
        return;
    }
    if (!PyramidAvailable(t, press.Card)) return;
    if (a.Rank == RankKing) {
        if (t.MarkedCard != -1) MarkCard(g, false);
        RemoveCards(g, true);
        return;
    }
    const int m = t.MarkedCard;
    RemoveCards(g, m != -1 && m != press.Card && a.Rank + t.CardAt(m).Rank == PairTotal);
}

bool PyramidWon(const TableState& t)
{
    return t.PileAt(t.Rules.TableFirst).Count == 0;
}

}  // namespace quillo::games

namespace quillo::games {

// Kings alone and pairs totalling 13 among the available cards, then the stock.
void PyramidActions(const TableState& t, std::vector<PlayerAction>& out)
{
    std::vector<int> free;
    for (int i = 0; i < std::clamp(t.Rules.TotalCards, 0, MaxCards); ++i)
        if (PyramidAvailable(t, i)) free.push_back(i);
    for (size_t a = 0; a < free.size(); ++a) {
        const Card& x = t.CardAt(free[a]);
        if (x.Rank == RankKing) out.push_back({ActionKind::Press, free[a], x.PileIndex, -1});
        for (size_t b = a + 1; b < free.size(); ++b)
            if (x.Rank + t.CardAt(free[b]).Rank == PairTotal) out.push_back({ActionKind::TwoPresses, free[a], -1, free[b]});
    }
    AddStockActions(t, out);
}

}  // namespace quillo::games
