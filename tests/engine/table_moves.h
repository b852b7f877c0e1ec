#pragma once
// Moves of the game suites: drop questions, presses and drags as the mouse
// makes them, and runs of cards of one suit.

#include <vector>

#include "engine/legality.h"
#include "engine/pointer.h"
#include "test_support.h"

namespace quillo::test {

constexpr int SecondDeck = CardsPerDeck;

// Asks the drop rule about the group from card (and every card above it).
inline int Ask(TableState& t, int card, int pile)
{
    t.ActiveCard = card;
    t.PickedCount = 0;
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        Card& c = t.CardAt(i);
        c.Moving = c.InPlay && c.PileIndex == t.CardAt(card).PileIndex && c.Order >= t.CardAt(card).Order;
        t.PickedCount += c.Moving ? 1 : 0;
    }
    t.DropPile = pile;
    const int result = CanDrop(t);
    for (int i = 0; i < t.Rules.TotalCards; ++i) t.CardAt(i).Moving = false;
    t.ActiveCard = -1;
    t.PickedCount = 0;
    return result;
}

inline void Press(Game& g, int card, Button button = Button::Left)
{
    const Card& c = g.T.CardAt(card);
    FieldPress(g, {button, card, c.PileIndex, c.X + 5, c.Y + 5});
}

// Drags card (with the cards above it) onto pile and lets go.
inline void Drag(Game& g, int card, int pile)
{
    Press(g, card);
    SnapGroupTo(g, pile);
    FieldRelease(g);
}

// The history holds one snapshot: the table as it stands.
inline void Rebase(Game& g)
{
    g.Undo.Clear();
    g.Undo.Push(g.T);
    SetUndoEnabled(g, false);
}

// The cards of one suit from rank `from` to rank `to`, up or down.
inline std::vector<int> SuitRun(int suit, int from, int to, int deck = 0)
{
    std::vector<int> out;
    const int step = from <= to ? 1 : -1;
    for (int r = from;; r += step) {
        out.push_back(deck * SecondDeck + CardOf(suit, r));
        if (r == to) break;
    }
    return out;
}

// The drop rule's answers, one row per case.
struct DropRow {
    const char* What;
    PileCards Table;
    int Card;
    int Pile;
    bool Accepted;
};

inline void ExpectDrops(int game, const std::vector<DropRow>& rows)
{
    Game g;
    SetUpAndDeal(g, game, 1);
    for (const DropRow& row : rows) {
        Arrange(g.T, row.Table);
        EXPECT_EQ(Ask(g.T, row.Card, row.Pile), row.Accepted ? row.Pile : -1)
            << Catalogue()[static_cast<size_t>(game)].Name << ": " << row.What;
    }
}

}  // namespace quillo::test
