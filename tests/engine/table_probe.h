#pragma once
// Presses, drags and drop questions as the mouse would make them, for the
// suites that play positions move by move.

#include "engine/legality.h"
#include "engine/moves.h"
#include "engine/pointer.h"
#include "test_support.h"

namespace quillo::test {

// Picks the group from card (and every card above it) as a press would.
inline void PickGroup(TableState& t, int card)
{
    t.ActiveCard = card;
    t.PickedCount = 0;
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        Card& c = t.CardAt(i);
        c.Moving = c.InPlay && c.PileIndex == t.CardAt(card).PileIndex && c.Order >= t.CardAt(card).Order;
        t.PickedCount += c.Moving ? 1 : 0;
    }
}

// Asks the drop rule about the group from card.
inline int Ask(TableState& t, int card, int pile)
{
    PickGroup(t, card);
    t.DropPile = pile;
    const int result = CanDrop(t);
    for (int i = 0; i < t.Rules.TotalCards; ++i) t.CardAt(i).Moving = false;
    return result;
}

inline void Left(Game& g, int card)
{
    const Card& c = g.T.CardAt(card);
    FieldPress(g, {Button::Left, card, c.PileIndex, c.X + 5, c.Y + 5});
}

inline void Right(Game& g, int card)
{
    const Card& c = g.T.CardAt(card);
    FieldPress(g, {Button::Right, card, c.PileIndex, c.X + 5, c.Y + 5});
}

inline void LeftPile(Game& g, int pile)
{
    FieldPress(g, {Button::Left, -1, pile, g.T.PileAt(pile).X + 5, g.T.PileAt(pile).Y + 5});
}

inline void DropOn(Game& g, int pile)
{
    SnapGroupTo(g, pile);
    FieldRelease(g);
}

// Puts the history back to one snapshot of the table as it stands.
inline void Rebase(Game& g)
{
    g.Undo.Clear();
    g.Undo.Push(g.T);
    SetUndoEnabled(g, false);
}

inline bool SameCardsAndPiles(const TableState& a, const TableState& b)
{
    return a.Cards == b.Cards && a.Piles == b.Piles;
}

}  // namespace quillo::test
