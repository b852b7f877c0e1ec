#pragma once
// Where every card of every pile lies: the pile's position and fan, or the
// game's own placement for piles that are not plain fans.

#include "table_state.h"

namespace quillo {

void LayOutCards(TableState& t);

// Every card of pile p at the pile's corner: piles that never fan.
void StackCards(TableState& t, int p);

}  // namespace quillo
