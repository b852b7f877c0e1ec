#pragma once
// Move legality: what may be picked up and where the picked group may go.
// Everything here reads the table alone; CanDrop writes only the play fields
// of the picked group (Napoleon's Tomb re-forms it), so a solver can ask on
// copies of the table.

#include <array>
#include <cstdint>

#include "table_state.h"

namespace quillo {

// The top card of a pile, or -1 for pile -1 or an empty pile.
int TopCard(const TableState& t, int pile);
bool IsTopCard(const TableState& t, int card);
// Top card of every pile in use, one pass over the cards.
using TopCards = std::array<int, MaxPiles>;
TopCards FindTopCards(const TableState& t);
// The card at position 0 of a pile (the last one in card order), or -1.
int BaseCard(const TableState& t, int pile);

bool SuitFits(uint8_t code, const Card& moving, const Card& target);
bool RankFits(const TableState& t, uint8_t code, const Card& moving, const Card& target, bool noRepeat);

// Is the run from card to the top of its pile legal (face up, each card
// fitting the one below it)?
bool IsLegalRunFrom(const TableState& t, int card, uint8_t suitCode, uint8_t orderCode);
// The same from ActiveCard.
bool IsLegalRun(const TableState& t, uint8_t suitCode, uint8_t orderCode);

// What a left press on a card does under the standard rules.
enum class PickAction { Nothing, Deal, TurnUp, PickUp };
PickAction PickRule(const TableState& t, int card);

// Parts of the standard drop rule; they read ActiveCard, PickedCount and
// DropPile.
bool CanDropOnFoundation(const TableState& t);
bool CanDropOnTableau(const TableState& t);
int CanDropStandard(const TableState& t);

// The one drop test: DropPile when the picked group may go there, else -1.
// Dispatches to the current game's own rule.
int CanDrop(TableState& t);

// Every pile the picked group may go to (the source excluded), as a bit set,
// with one pass over the cards; for the solver and sweeps. tops, where
// given, are the table's top cards, which picking a group leaves as they are.
uint64_t DropTargets(TableState& t, const TopCards* tops = nullptr);

// Source pile of the picked group.
inline int SourcePile(const TableState& t)
{
    return t.ActiveCard < 0 ? -1 : t.CardAt(t.ActiveCard).PileIndex;
}

}  // namespace quillo
