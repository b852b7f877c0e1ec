// Baker's Dozen: thirteen open columns of four, Kings at the bottom.
//
//             [0] [1] [2] [3]                      foundations
//   [4] [5] [6] [7] [8] [9] [10] [11] [12] [13] [14] [15] [16]   tableau

#include "../deal_ops.h"
#include "../game.h"
#include "../heuristic.h"
#include "../pile_cards.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void BakersDozenLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 17;
    r.FaceDownFan = DownFanHalf;
    r.FoundFirst = 0;
    r.FoundLast = 3;
    r.TableFirst = 4;
    r.TableLast = 16;

    // Four Kings and Queen down to Ace can end up in one column.
    r.MinFieldWidth = 13 * r.CardWidth() + 112;
    r.MinFieldHeight = ColumnFieldHeight(r, 0, 16);
    ComputeFieldSize(g);

    PlacePileRow(t, 0, 3, 2, 0, -1, 15, 1, 8);
    for (int c = 0; c < 13; ++c) PlacePile(t, 4 + c, ThirteenColumnX(r, c), -1, -1, LowerRowY(r));
    SetFans(t, 1);

    SetBuildRules(r, {.TableSuit = SuitNone, .Fill = FillNever});
}

void BakersDozenDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    static constexpr int counts[] = {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    DealCounts(t, r.TableFirst, r.TableLast, counts, true, FaceMode::AllUp);
    // Each King sinks below every other card under it; both groups keep
    // their order.
    CardList cards;
    for (int p = r.TableFirst; p <= r.TableLast; ++p) {
        const int n = CardsByOrder(t, p, cards);
        int bottom = 0;
        for (int i = 0; i < n; ++i) {
            if (t.CardAt(cards[static_cast<size_t>(i)]).Rank != RankKing) continue;
            for (int j = i; j > bottom; --j) {
                const size_t a = static_cast<size_t>(j), b = static_cast<size_t>(j - 1);
                SwapCards(t, cards[a], cards[b]);
                std::swap(cards[a], cards[b]);
            }
            ++bottom;
        }
    }
}

}  // namespace quillo::games

namespace quillo::games {

// Single cards move onto any card one higher and spaces stay empty. Every
// card not home must move once more, and every card lying above a lower one
// once before that: the search is nearly shortest-first over that count.
// Shuffling a card between equal tops is often the only way to free one, so
// nothing is skipped. Kings lie at the foot of the columns and spaces stay
// empty: a King laid on an Ace uncovers only Kings or an empty column, so
// Aces go home at once.
const HeuristicWeights BakersDozenWeights = [] {
    HeuristicWeights w;
    w.Home = 10;
    w.Buried = -10;
    w.Ordered = 0;
    w.Waiting = 0;
    w.SkipSeldom = false;
    w.BestFirst = true;
    w.DepthCost = 30;
    w.AcesSafeHome = true;
    return w;
}();

}  // namespace quillo::games
