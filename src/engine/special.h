#pragma once
// Shared machinery of the games' own actions: marking a card for a
// two-click action, discarding cards, closing gaps in a row of single-card
// piles, moving a run through empty piles, and turning reserve cards under
// the stock.

#include "game.h"

namespace quillo {

// on: marks ActiveCard; off: clears the mark and redraws the field.
void MarkCard(Game& g, bool on);
// Takes a card off the table (it keeps its record, out of play).
void DiscardCard(TableState& t, int card);
// The pair step of two-click games, ActiveCard being the pressed card.
void RemoveCards(Game& g, bool match);
// Slides the cards of a row of single-card piles towards its front.
void CloseGaps(Game& g, bool redraw);
// Empty tableau and reserve piles a run could be parked on (target excluded).
int FreeParkingPiles(const TableState& t, int target);
// Moves the run from ActiveCard onto target one card at a time, parking the
// upper cards on empty piles; one snapshot. False (nothing moves) when there
// are too few empty piles.
bool MoveRunViaCells(Game& g, int target);
// Sends the bottom n cards of the first reserve pile under the stock.
void RotateReserve(Game& g, int n);

}  // namespace quillo
