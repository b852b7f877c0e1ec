// Aribert: two decks; the stock deals onto the tableau.
//
//        [0] [1] [2] [3]  [4]  [5]    upper tableau
//   [12]                               stock
//   [13] [6] [7] [8] [9] [10] [11]    foundation, lower tableau

#include <array>

#include "../deal_ops.h"
#include "../labels.h"
#include "../pile_cards.h"
#include "../game.h"
#include "../legality.h"
#include "../game_table.h"
#include "../moves.h"
#include "../pointer.h"
#include "../placement.h"
#include "../move_list.h"
#include "games.h"

namespace quillo::games {

void AribertLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 14;
    r.FaceDownFan = DownFanHalf;
    r.TableFirst = 0;
    r.TableLast = 11;
    r.StockPile = 12;
    r.FoundFirst = r.FoundLast = 13;

    PlacePileRow(t, 0, 5, 1, 0, -1, 15, 1, 7);
    PlacePileRow(t, 6, 11, 1, 0, -1, r.FieldHeight / 2, 1, 7);
    PlacePile(t, 12, 0, 7, 23, 5);
    PlacePile(t, 13, 0, 7, 23, 11);
    SetFans(t, 1);

    r.TableConsSuit = SuitAlternate;
    r.FoundConsVal = ConsKeepPile;
    r.FillFreeTable = FillStartRank;
    r.MoveUnit = MoveLegalRun;
    r.StockRedeals = 1;
    r.StartRank = RankAce;
    r.DealToTableau = true;
    r.EditTableConsVal = true;
}

void AribertDeal(Game& g)
{
    TableState& t = g.T;
    Patterns patterns;
    for (int p = t.Rules.TableFirst; p <= t.Rules.TableLast; ++p) patterns[static_cast<size_t>(p)] = "SFSF";
    DealPatterns(t, patterns, t.Rules.TableFirst, t.Rules.TableLast, true);
    GatherIntoStock(t);
}

}  // namespace quillo::games

namespace quillo::games {

int AribertDrop(TableState& t)
{
    const int d = t.DropPile;
    if (d == -1 || d == SourcePile(t) || t.ActiveCard < 0) return -1;
    // A finished suit goes home whole: its Ace leads exactly thirteen cards.
    if (t.Rules.IsFoundation(d)) return t.CardAt(t.ActiveCard).Rank == RankAce && t.PickedCount == 13 ? d : -1;
    return CanDropOnTableau(t) ? d : -1;
}

}  // namespace quillo::games

namespace quillo::games {

namespace {

// Closed piles hold a finished run from a face-up Ace to the top; they get
// no cards from the stock.
struct ClosedPiles {
    std::array<bool, MaxPiles> Closed{};
    bool AceAboveBottom = false;
};

ClosedPiles FindClosedPiles(const TableState& t)
{
    const GameRules& r = t.Rules;
    ClosedPiles out;
    for (int i = 0; i < r.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || !c.FaceUp || c.Rank != RankAce || !r.IsTableau(c.PileIndex)) continue;
        if (!IsLegalRunFrom(t, i, r.TableConsSuit, r.TableConsVal)) continue;
        out.Closed[static_cast<size_t>(c.PileIndex)] = true;
        if (c.Order > 0) out.AceAboveBottom = true;
    }
    return out;
}

void DealRound(Game& g, const ClosedPiles& closed)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    if (t.Opt.Sound) g.View().PlaySound("stock.wav");
    CardList stock;
    int k = CardsByOrder(t, r.StockPile, stock) - 1;
    for (int p = r.TableFirst; p <= r.TableLast && k >= 0; ++p) {
        if (closed.Closed[static_cast<size_t>(p)]) continue;
        const int card = stock[static_cast<size_t>(k--)];
        if (card == -1) continue;
        const Offset at = NextOffset(t, p);
        Card& c = t.CardAt(card);
        --t.PileAt(r.StockPile).Count;
        c.PileIndex = p;
        c.Order = t.PileAt(p).Count++;
        c.X = t.PileAt(p).X + at.X;
        c.Y = t.PileAt(p).Y + at.Y;
        c.Orientation = t.PileAt(p).Orientation;
        c.FaceUp = true;
    }
    g.View().RedrawPile(r.StockPile);
    g.View().RedrawField();
    RecordSnapshot(g);
}

}  // namespace

void AribertClick(Game& g, const Press& press)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    if (press.Btn != Button::Left || press.Card == -1) return;
    const int pile = t.CardAt(press.Card).PileIndex;
    if (!r.IsStock(pile)) {
        if (!r.IsTableau(pile)) return;
        const PickAction action = PickRule(t, press.Card);
        if (action == PickAction::TurnUp) TurnUp(g);
        if (action == PickAction::PickUp) PickUp(g, press.X, press.Y);
        return;
    }
    const ClosedPiles closed = FindClosedPiles(t);
    bool dealt = false;
    if (!closed.AceAboveBottom) dealt = DealFromStock(g, StockDealIntoEmpty);
    if (!dealt) DealRound(g, closed);
    UpdateStockLabels(g);
}

}  // namespace quillo::games

namespace quillo::games {

// Only tableau cards move by hand; the stock deals whatever its mode says.
void AribertActions(const TableState& t, std::vector<PlayerAction>& out)
{
    TableState s = t;
    AddPickActions(s, t, out, true);
    AddStockActions(t, out, true);
}

}  // namespace quillo::games
