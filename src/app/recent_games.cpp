#include "recent_games.h"

#include <algorithm>

namespace quillo {

void MoveToFrontOfRecent(std::vector<RecentGame>& recent, RecentGame game)
{
    const auto it = std::find(recent.begin(), recent.end(), game);
    if (it != recent.end()) {
        std::rotate(recent.begin(), it, it + 1);
        return;
    }
    recent.insert(recent.begin(), game);
    if (recent.size() > static_cast<size_t>(MaxRecentGames)) recent.resize(MaxRecentGames);
}

void RemoveFromRecent(std::vector<RecentGame>& recent, RecentGame game)
{
    std::erase(recent, game);
}

}  // namespace quillo
