#include "choose_command.h"

#include "engine/deal.h"
#include "engine/game.h"
#include "recent_games.h"
#include "storage/custom_games.h"
#include "storage/settings_file.h"

namespace quillo {

bool PlayChosenGame(Game& g, const std::string& customGamesPath, std::vector<RecentGame>& recent, int game,
                    int32_t custom, std::string* refused)
{
    if (!SetUpCustomGame(g, customGamesPath, game, custom, refused)) return false;
    NewDeal(g, DealKind::New);
    MoveToFrontOfRecent(recent, {g.T.CurrentGame, g.T.CurrentCustom});
    return true;
}

}  // namespace quillo
