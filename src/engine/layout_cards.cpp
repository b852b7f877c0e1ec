#include "layout_cards.h"

#include <algorithm>

#include "deal.h"
#include "deal_ops.h"
#include "fan_fit.h"
#include "game_table.h"

namespace quillo {

void StackCards(TableState& t, int p)
{
    const Pile& pile = t.PileAt(p);
    for (int i = 0; i < std::clamp(t.Rules.TotalCards, 0, MaxCards); ++i) {
        Card& c = t.CardAt(i);
        if (!c.InPlay || c.PileIndex != p) continue;
        c.X = pile.X;
        c.Y = pile.Y;
    }
}

void LayOutCards(TableState& t)
{
    const GameRules& r = t.Rules;
    SortDealOrder(t);
    FitFanSteps(t);
    const auto place = HooksOf(t.CurrentGame).PlaceCards;
    const int total = std::clamp(r.TotalCards, 0, MaxCards);
    for (int p = 0; p < std::clamp(r.PileCount, 0, MaxPiles); ++p) {
        if (place != nullptr && place(t, p)) continue;
        const Pile& pile = t.PileAt(p);
        int32_t dx = 0, dy = 0;
        bool first = true;
        bool belowFaceUp = false;
        for (int k = 0; k < total; ++k) {
            Card& c = t.CardAt(t.DealOrder[static_cast<size_t>(k)].CardIndex);
            if (!c.InPlay || c.PileIndex != p) continue;
            if (pile.FanDir == FanNone) {
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
