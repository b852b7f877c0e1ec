#pragma once
// What lies under the pointer: the card (through its mask, so transparent
// corners do not count) and the pile place.

#include "engine/table_state.h"

namespace quillo {

class Field;

// The topmost card whose opaque pixel is at (x, y), or -1. Sorts PileOrder
// and DealOrder.
int CardAt(TableState& t, const Field& field, int x, int y);
// The lowest pile whose place box holds (x, y), or -1.
int PileAt(TableState& t, int x, int y);

}  // namespace quillo
