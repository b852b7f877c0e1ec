#pragma once
// Changing the table: moves of the picked group, dealing from the stock,
// turning the stock, turning cards up, the Deal button, and the undo history
// that takes each player action back whole.

#include <cstdint>

#include "game.h"

namespace quillo {

struct Offset {
    int32_t X = 0;
    int32_t Y = 0;
};

// Offset of a pile's top card from the pile's corner (its drop point minus
// the corner): the steps of the cards below it, by their faces.
Offset TopOffset(const TableState& t, int pile);
// Where a card added to the pile now would lie, relative to its corner.
Offset NextOffset(const TableState& t, int pile);

// Moves every Moving card onto pile d (accepted) or back to where it was
// picked up, then asks the view to show it. Clears the picked group.
void AnimateMove(Game& g, int d, bool accepted);
// Moves the picked group to target (-1: back), runs the follow-up rule, turns
// cards up and, for a completed move, records one snapshot.
void PerformMove(Game& g, int target, bool record);
// Deals from the stock by a StockClickMode; true if a card was dealt.
bool DealFromStock(Game& g, int mode);
// Turns the waste (or the tableau) back into the stock.
void RedealStock(Game& g);
// A press on the empty stock place: turns the stock if a pass is left.
bool PressEmptyStock(Game& g);
// Turns ActiveCard face up when it is its pile's top card.
void TurnUp(Game& g);
// Turns every face-down top card up (not on the stock); true if any turned.
bool TurnUpTopCards(Game& g);

// Records the table as the newest undo snapshot (not while RecordUndo is off).
void RecordSnapshot(Game& g);
void SetUndoEnabled(Game& g, bool enabled);
void SetRedoEnabled(Game& g, bool enabled);
// The Undo command.
void UndoMove(Game& g);
// Brings back the action the last Undo took back, until a new action is made.
void RedoMove(Game& g);
// The Deal button.
void DealButton(Game& g);
// Each tableau pile of two or more cards: its bottom card goes to its top.
void BottomCardsToTop(TableState& t);

}  // namespace quillo
