// Rouge et Noir: two decks; four foundations build up by colour, four take
// a whole King-to-Ace run of alternating colours from the tableau.
//
//   [0]      [1] [2] [3] [4] [5] [6] [7] [8]    stock, colour foundations,
//                                               run foundations
//   [9] [10] [11] [12] [13] [14] [15] [16] [17] [18]   tableau

#include "../deal_ops.h"
#include "../game.h"
#include "../legality.h"
#include "games.h"

namespace quillo::games {

namespace {

constexpr int FirstRunFoundation = 5;

bool IsRed(int32_t suit)
{
    return suit >= 2;
}

// At most two colour foundations may start with Aces of one colour.
bool ColourFoundationFree(const TableState& t, const Card& ace)
{
    int sameColour = 0;
    for (int p = t.Rules.FoundFirst; p < FirstRunFoundation; ++p) {
        if (p == t.DropPile) continue;
        const int base = BaseCard(t, p);
        if (base != -1 && IsRed(t.CardAt(base).Suit) == IsRed(ace.Suit)) ++sameColour;
    }
    return sameColour < 2;
}

}  // namespace

void RougeEtNoirLayout(Game& g)
{
    // Seven face-down cards, then up to seven stock cards on top of a run.
    LayOutTwoDeckColumns(g, 7, FirstRunFoundation);
    GameRules& r = g.T.Rules;
    r.TableConsSuit = SuitAlternate;
    r.FoundConsSuit = SuitSameColour;
    r.FillFreeTable = FillKing;
    r.StartRank = RankAce;
}

void RougeEtNoirDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {8, 7, 6, 5, 4, 3, 2, 1, 1, 0};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::TopUp);
    GatherIntoStock(t);
}

int RougeEtNoirDrop(TableState& t)
{
    const GameRules& r = t.Rules;
    const int d = t.DropPile;
    if (d == -1 || t.ActiveCard < 0 || d == SourcePile(t)) return -1;
    if (r.IsFoundation(d) && d < FirstRunFoundation) {
        if (!CanDropOnFoundation(t)) return -1;
        return t.PileAt(d).Count > 0 || ColourFoundationFree(t, t.CardAt(t.ActiveCard)) ? d : -1;
    }
    if (r.IsFoundation(d)) return IsWholeRunFromKing(t, SuitAlternate) ? d : -1;
    if (!r.IsTableau(d) || KingAboveActiveCard(t) || !CanDropOnTableau(t)) return -1;
    const int top = TopCard(t, d);
    return top != -1 && t.CardAt(top).Rank == RankAce ? -1 : d;
}

}  // namespace quillo::games
