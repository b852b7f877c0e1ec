#include "choose_command.h"

#include "engine/deal.h"
#include "engine/game.h"
#include "engine/setup.h"
#include "recent_games.h"
#include "storage/custom_games.h"
#include "storage/settings_file.h"

namespace quillo {

void PlayChosenGame(Game& g, const std::string& customGamesPath, std::vector<RecentGame>& recent, int game,
                    int32_t custom)
{
    TableState& t = g.T;
    t.CurrentGame = game;
    t.CurrentCustom = -1;
    SetupGame(g, SetupForm::Full);
    if (custom != -1 && LoadCustomGame(g, customGamesPath, custom)) t.CurrentCustom = custom;
    NewDeal(g, DealKind::New);
    MoveToFrontOfRecent(recent, {t.CurrentGame, t.CurrentCustom});
}

}  // namespace quillo
