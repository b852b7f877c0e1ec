#pragma once
// The quillo-tool play commands that perform a player action.

#include "engine/move_list.h"

#include <string>
#include <vector>

namespace quillo {

std::vector<std::string> ActionCommands(const PlayerAction& a);
std::vector<std::string> LineCommands(const std::vector<PlayerAction>& line);

} // namespace quillo
