// Monte Carlo: pairs of neighbours are removed; the Deal button closes gaps.
//
//   [1]  [2]  [3]  [4]  [5]        [0]   stock, Deal button below it
//   [6]  [7]  [8]  [9]  [10]
//   [11] [12] [13] [14] [15]
//   [16] [17] [18] [19] [20]
//   [21] [22] [23] [24] [25]
//
// The discard pile 26 lies outside the field and is never seen.

#include <algorithm>
#include <cstdlib>

#include "../deal_ops.h"
#include "../game.h"
#include "../game_table.h"
#include "../legality.h"
#include "../moves.h"
#include "../pointer.h"
#include "../special.h"
#include "../autoplay.h"
#include "../placement.h"
#include "../setup.h"
#include "../move_list.h"
#include "games.h"

namespace quillo::games {

void MonteCarloLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 27;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.TableFirst = 1;
    r.TableLast = 25;
    r.FoundFirst = r.FoundLast = 26;

    r.MinFieldHeight = 5 * r.CardHeight() + 40;
    ComputeFieldSize(g);
    PlacePile(t, 0, 6, 7, 5, 0);
    if (!t.PreviewMode) g.View().MoveDealButton(t.PileAt(0).X, t.PileAt(0).Y + r.CardHeight() + 30);
    for (int row = 0; row < 5; ++row) PlacePileRow(t, 5 * row + 1, 5 * row + 5, 0, 0, 5, row, 1, 7);
    PlacePile(t, 26, 20, 7, 5, 3);
    SetFans(t, 0);

    r.StockRedeals = 1;
    r.TableRedeals = RedealsShowStockPasses;
    r.DealToTableau = true;
    r.StockClickMode = StockDealIntoEmpty;
}

void MonteCarloDeal(Game& g)
{
    TableState& t = g.T;
    DealEach(t, t.Rules.TableFirst, t.Rules.TableLast, 1, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games

namespace quillo::games {

void MonteCarloClick(Game& g, const Press& press)
{
    TableState& t = g.T;
    if (press.Btn != Button::Left || press.Card == -1 || !t.Rules.IsTableau(t.CardAt(press.Card).PileIndex)) return;
    const int m = t.MarkedCard;
    if (m == -1 || m == press.Card) {
        RemoveCards(g, false);
        return;
    }
    // Neighbours by pile number: across the end of a row too, and four apart.
    const Card& a = t.CardAt(press.Card);
    const Card& b = t.CardAt(m);
    const int apart = std::abs(a.PileIndex - b.PileIndex);
    RemoveCards(g, a.Rank == b.Rank && (apart == 1 || apart == 4 || apart == 5 || apart == 6));
}

}  // namespace quillo::games

namespace quillo::games {

// Pairs of a rank side by side, above or below, or corner to corner; the
// Deal button where a gap can be closed or filled.
void MonteCarloActions(const TableState& t, std::vector<PlayerAction>& out)
{
    const GameRules& r = t.Rules;
    const int n = std::clamp(r.TotalCards, 0, MaxCards);
    for (int a = 0; a < n; ++a) {
        const Card& x = t.CardAt(a);
        if (!x.InPlay || !r.IsTableau(x.PileIndex)) continue;
        for (int b = 0; b < n; ++b) {
            const Card& y = t.CardAt(b);
            if (!y.InPlay || !r.IsTableau(y.PileIndex) || y.PileIndex <= x.PileIndex || y.Rank != x.Rank) continue;
            const int apart = y.PileIndex - x.PileIndex;
            if (apart == 1 || apart == 4 || apart == 5 || apart == 6) out.push_back({ActionKind::TwoPresses, a, -1, b});
        }
    }
    bool gap = false, cardAfterGap = false;
    for (int p = r.TableFirst; p <= r.TableLast; ++p) {
        if (t.PileAt(p).Count == 0)
            gap = true;
        else if (gap)
            cardAfterGap = true;
    }
    if (gap && (cardAfterGap || t.PileAt(r.StockPile).Count > 0)) out.push_back({ActionKind::DealButton, -1, -1, -1});
}

}  // namespace quillo::games
