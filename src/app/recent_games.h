#pragma once
// The recently chosen games, most recent first, at most six.

#include <vector>

#include "storage/settings_file.h"

namespace quillo {

// Puts the game at the front; one already listed moves up, a new one pushes
// the oldest of six out.
void MoveToFrontOfRecent(std::vector<RecentGame>& recent, RecentGame game);
// Drops every entry of the game (a deleted custom game).
void RemoveFromRecent(std::vector<RecentGame>& recent, RecentGame game);

}  // namespace quillo
