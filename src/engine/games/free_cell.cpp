// Free Cell: every card dealt face up, four free cells.
//
//   [0] [1] [2] [3]     [4] [5] [6] [7]    free cells, foundations
//   [8] [9] [10] [11] [12] [13] [14] [15]  tableau

#include "../deal_ops.h"
#include "../pile_cards.h"
#include "../game.h"
#include "../game_table.h"
#include "../legality.h"
#include "../moves.h"
#include "../pointer.h"
#include "../special.h"
#include "../autoplay.h"
#include "../placement.h"
#include "../heuristic.h"
#include "../move_list.h"
#include "games.h"

#include <array>

namespace quillo::games {

void FreeCellLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 16;
    r.FaceDownFan = DownFanHalf;
    r.ReserveFirst = 0;
    r.ReserveLast = 3;
    r.FoundFirst = 4;
    r.FoundLast = 7;
    r.TableFirst = 8;
    r.TableLast = 15;

    PlacePileRow(t, 0, 3, 0, 0, -1, 15, 1, 9);
    PlacePileRow(t, 4, 7, 5, 0, -1, 15, 1, 9);
    PlacePileRow(t, 8, 15, 0, 0, -1, r.CardHeight() + 35, 1, 8);
    SetFans(t, 1);

    r.TableConsSuit = SuitAlternate;
    r.FillFreeTable = FillAnyCard;
    r.StartRank = RankAce;
    r.AutoplayAllowed = true;
    r.FoundTakeCards = true;
    r.FreeCells = true;
    r.EmptyPileClicks = true;
    r.EditTableConsVal = r.EditFoundConsVal = r.EditFillFreeTable = r.EditFoundTakeCards = true;
}

void FreeCellDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {7, 7, 7, 7, 6, 6, 6, 6};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::AllUp);
}

}  // namespace quillo::games

namespace quillo::games {

namespace {

int EmptyIn(const TableState& t, int32_t first, int32_t last)
{
    int n = 0;
    for (int p = first; p != -1 && p <= last; ++p) n += t.PileAt(p).Count == 0 ? 1 : 0;
    return n;
}

int RunLength(const TableState& t, int card)
{
    return t.PileAt(t.CardAt(card).PileIndex).Count - t.CardAt(card).Order;
}

// The marked run goes to an empty column, as much of it as the free places
// allow.
void MarkedRunToEmptyColumn(Game& g, int pile)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    const int marked = t.MarkedCard;
    MarkCard(g, false);
    int free = EmptyIn(t, r.ReserveFirst, r.ReserveLast) + EmptyIn(t, r.TableFirst, r.TableLast);
    if (EmptyIn(t, r.TableFirst, r.TableLast) > 0) --free;  // the target itself
    t.ActiveCard = marked;
    if (RunLength(t, marked) > free + 1) {
        if (free == 0) return;
        CardList cards;
        const int count = CardsByOrder(t, t.CardAt(marked).PileIndex, cards);
        t.ActiveCard = cards[static_cast<size_t>(count - (free + 1))];
        if (t.ActiveCard == -1) return;
    }
    MoveRunViaCells(g, pile);
}

void PickOrMark(Game& g, const Press& press)
{
    TableState& t = g.T;
    t.ActiveCard = press.Card;
    if (IsTopCard(t, press.Card))
        PickUp(g, press.X, press.Y);
    else if (IsLegalRunFrom(t, press.Card, SuitAlternate, ConsDescending))
        MarkCard(g, true);
}

}  // namespace

void FreeCellClick(Game& g, const Press& press)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    if (press.Btn == Button::Right) {
        if (t.MarkedCard != -1) MarkCard(g, false);
        const int card = press.Card;
        t.ActiveCard = card;
        if (SendToFoundation(g, press.X, press.Y) || card == -1) return;
        for (int cell = r.ReserveFirst; cell != -1 && cell <= r.ReserveLast; ++cell) {
            if (t.PileAt(cell).Count != 0) continue;
            t.ActiveCard = card;
            PickUp(g, press.X, press.Y);
            PerformMove(g, cell, true);
            return;
        }
        return;
    }
    if (press.Card == -1) {
        if (t.MarkedCard == -1) return;
        if (r.IsTableau(press.Pile))
            MarkedRunToEmptyColumn(g, press.Pile);
        else
            MarkCard(g, false);
        return;
    }
    const int pile = t.CardAt(press.Card).PileIndex;
    if (!r.IsTableau(pile)) {
        if (t.MarkedCard != -1) MarkCard(g, false);
        t.ActiveCard = press.Card;
        const PickAction action = PickRule(t, press.Card);
        if (r.IsReserve(pile) || r.IsFoundation(pile)) {
            if (action == PickAction::TurnUp) TurnUp(g);
            if (action == PickAction::PickUp) PickUp(g, press.X, press.Y);
        }
        return;
    }
    const int marked = t.MarkedCard;
    if (marked == press.Card) {
        MarkCard(g, false);
        return;
    }
    if (marked == -1) {
        PickOrMark(g, press);
        return;
    }
    MarkCard(g, false);
    t.ActiveCard = marked;
    t.DropPile = pile;
    const int free = EmptyIn(t, r.ReserveFirst, r.ReserveLast) + EmptyIn(t, r.TableFirst, r.TableLast);
    if (pile != t.CardAt(marked).PileIndex && CanDropOnTableau(t) && RunLength(t, marked) <= free + 1) {
        MoveRunViaCells(g, pile);
        return;
    }
    PickOrMark(g, press);
}

}  // namespace quillo::games

namespace quillo::games {

namespace {

// Moves that only shuffle cards are many here, and empty piles are the
// resource: best first, empty piles weighed up.
HeuristicWeights Spacious()
{
    HeuristicWeights w;
    w.EmptyPile = 6;
    w.EmptyCell = 6;
    w.Ordered = 3;
    w.Buried = -2;
    w.SkipSeldom = false;
    w.BestFirst = true;
    w.DepthCost = 10;
    return w;
}

HeuristicWeights Pass(HeuristicWeights w, const HeuristicWeights* then)
{
    w.PassPositions = 10'000;
    w.Then = then;
    return w;
}

// The deals the first measure wanders on mostly fall to one that frees the
// cards the foundations wait for, one that prizes empty columns more, or one
// that digs out cards lying above lower ones; the last pass takes the plain
// measure for the rest of the budget.
const HeuristicWeights LastPass = Spacious();
const HeuristicWeights UnburyPass = [] {
    HeuristicWeights w = Spacious();
    w.Buried = -6;
    return Pass(w, &LastPass);
}();
const HeuristicWeights ColumnsPass = [] {
    HeuristicWeights w = Spacious();
    w.EmptyPile = 10;
    return Pass(w, &UnburyPass);
}();
const HeuristicWeights WaitingPass = [] {
    HeuristicWeights w = Spacious();
    w.Waiting = -3;
    return Pass(w, &ColumnsPass);
}();

}  // namespace

// The first measure weighs built cards up and cards lying above lower ones
// down more than the plain one, and longer lines less: most deals then fall
// in a few thousand positions.
const HeuristicWeights FreeCellWeights = [] {
    HeuristicWeights w = Spacious();
    w.Ordered = 4;
    w.Buried = -6;
    w.DepthCost = 5;
    return Pass(w, &WaitingPass);
}();

namespace {

// Which tableau cards begin a run of alternate colours down to the top of
// their column, as IsLegalRunFrom finds it: one walk down each column
// rather than one up from every card.
std::array<bool, MaxCards> RunStarts(const TableState& t)
{
    const GameRules& r = t.Rules;
    const int n = std::clamp(r.TotalCards, 0, MaxCards);
    std::array<bool, MaxCards> starts{};
    const CardPlaces places(t);
    auto fits = [&](int upper, int lower) {
        const Card& c = t.CardAt(upper);
        const Card& below = t.CardAt(lower);
        return c.FaceUp && RankFits(t, ConsDescending, c, below, false) && SuitFits(SuitAlternate, c, below);
    };
    // chain[k]: the cards from place k up to the top lie each on the one below.
    std::array<bool, MaxCards> chain{};
    for (int i = 0; i < n; ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || !r.IsTableau(c.PileIndex) || c.PileIndex >= std::min(r.PileCount, MaxPiles)) continue;
        const int count = t.PileAt(c.PileIndex).Count;
        starts[static_cast<size_t>(i)] = count < 2 || c.Order == count - 1;
    }
    for (int p = r.TableFirst; p != -1 && p <= r.TableLast && p < std::min(r.PileCount, MaxPiles); ++p) {
        const int count = t.PileAt(p).Count;
        if (count < 2 || count > MaxCards) continue;  // too many: places are missing, no run reaches the top
        auto card = [&](int k) { return places.At(p, k); };
        chain[static_cast<size_t>(count - 1)] = true;
        for (int k = count - 2; k >= 0; --k)
            chain[static_cast<size_t>(k)]
                = card(k) != -1 && card(k + 1) != -1 && fits(card(k + 1), card(k)) && chain[static_cast<size_t>(k + 1)];
        // A card's walk starts from the card itself, whichever card its place holds.
        for (int i = 0; i < n; ++i) {
            const Card& c = t.CardAt(i);
            if (!c.InPlay || c.PileIndex != p || c.Order < 0 || c.Order >= count - 1) continue;
            const int next = card(c.Order + 1);
            starts[static_cast<size_t>(i)] = next != -1 && fits(next, i) && chain[static_cast<size_t>(c.Order + 1)];
        }
    }
    return starts;
}

}  // namespace

// Top cards drag; a run goes by two presses, as long as the free cells and
// empty columns could carry it one card at a time.
void FreeCellActions(const TableState& t, std::vector<PlayerAction>& out)
{
    TableState s = t;
    const GameRules& r = t.Rules;
    const int free = CountEmptyPiles(t, r.ReserveFirst, r.ReserveLast) + CountEmptyPiles(t, r.TableFirst, r.TableLast);
    DragFacts facts(t);
    const TopCards& tops = facts.Tops();
    const std::array<bool, MaxCards> runs = RunStarts(t);
    for (int i = 0; i < std::clamp(r.TotalCards, 0, MaxCards); ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay) continue;
        if (IsTopCard(t, i)) {
            if (PickRule(t, i) == PickAction::PickUp) AddDrags(s, t, i, out, facts);
            continue;
        }
        if (!r.IsTableau(c.PileIndex) || !runs[static_cast<size_t>(i)]) continue;
        const int length = t.PileAt(c.PileIndex).Count - c.Order;
        for (int p = r.TableFirst; p <= r.TableLast; ++p) {
            if (p == c.PileIndex) continue;
            const int top = tops[static_cast<size_t>(p)];
            if (top == -1) {
                // A whole run to an empty column: the column itself is no free place.
                if (free - 1 > 0 && length <= free) out.push_back({ActionKind::TwoPresses, i, p, -1});
                continue;
            }
            s.ActiveCard = i;
            s.DropPile = p;
            if (length <= free + 1 && CanDropOnTableau(s)) out.push_back({ActionKind::TwoPresses, i, p, top});
        }
    }
}

}  // namespace quillo::games
