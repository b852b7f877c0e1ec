#pragma once
// Places every card of every pile from the pile's position and fan.

#include "engine/table_state.h"

namespace quillo {

void LayOutCards(TableState& t);

}  // namespace quillo
