#include "layout_cards.h"

#include <algorithm>
#include <cmath>

#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/deal_ops.h"
#include "engine/fan_fit.h"

namespace quillo {

namespace {

// Pyramid's first tableau pile: a triangle of seven rows, each centred under
// the one above.
void PlaceInTriangle(const TableState& t, const Pile& pile, Card& c)
{
    const int n = c.Order;
    if (n >= 28) return;  // cards beyond the triangle keep their place
    int r = 0;
    while ((r + 1) * (r + 2) / 2 <= n) ++r;
    const int j = n - r * (r + 1) / 2;
    const int w = t.Rules.CardWidth(), h = t.Rules.CardHeight();
    c.X = pile.X - (2 * r * w) / 3 + (4 * j * w) / 3;
    c.Y = pile.Y + ((h + 4) * r) / 2;
}

}  // namespace

void LayOutCards(TableState& t)
{
    const GameRules& r = t.Rules;
    SortDealOrder(t);
    FitFanSteps(t);
    const int total = std::clamp(r.TotalCards, 0, MaxCards);
    const bool pyramid = t.CurrentGame == games::Pyramid;
    const bool braid = t.CurrentGame == games::Braid;
    const int32_t braidStep =
        static_cast<int32_t>(std::nearbyint((r.CardHeight() - r.CardWidth()) / 1.414));
    for (int p = 0; p < std::clamp(r.PileCount, 0, MaxPiles); ++p) {
        const Pile& pile = t.PileAt(p);
        const bool special = (pyramid || braid) && r.TableFirst != -1;
        const bool triangle = pyramid && special && p == r.TableFirst;
        const bool braidPile = braid && special && p == r.TableLast;
        int32_t dx = 0, dy = 0;
        bool first = true;
        bool belowFaceUp = false;
        for (int k = 0; k < total; ++k) {
            Card& c = t.CardAt(t.DealOrder[static_cast<size_t>(k)].CardIndex);
            if (!c.InPlay || c.PileIndex != p) continue;
            if (triangle) {
                PlaceInTriangle(t, pile, c);
                continue;
            }
            if (braidPile) {
                c.X = pile.X;
                c.Y = pile.Y + c.Order * braidStep;
                continue;
            }
            if (special || pile.FanDir == FanNone) {
                c.X = pile.X;
                c.Y = pile.Y;
                continue;
            }
            if (pile.FanDir == FanStockStack) {
                dx = dy = StockStackOffset(pile, c.Order);
            } else if (!first) {
                dx += belowFaceUp ? pile.FanX : pile.DownFanX;
                dy += belowFaceUp ? pile.FanY : pile.DownFanY;
            }
            c.X = pile.X + dx;
            c.Y = pile.Y + dy;
            first = false;
            belowFaceUp = c.FaceUp;
        }
    }
}

}  // namespace quillo
