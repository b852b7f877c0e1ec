// Puts a custom game onto the live game: the one place a custom-games record
// touches the engine.

#include "custom_games.h"
#include "engine/game_table.h"
#include "engine/setup.h"

namespace quillo {

void ApplyCustomRules(Game& g, const CustomGameRecord& rec, CustomVersion version)
{
    TableState& t = g.T;
    GameRules chosen = rec.Rules;
    // Field and card sizes belong to this run's window and card set.
    chosen.FieldWidth = t.Rules.FieldWidth;
    chosen.FieldHeight = t.Rules.FieldHeight;
    chosen.CardSizes = t.Rules.CardSizes;
    if (version == CustomVersion::V1_0) {
        chosen.FoundTakeCards = false;
        chosen.EditFoundTakeCards = t.Rules.EditFoundTakeCards;
    }
    t.ChosenRules = chosen;
    t.Rules = chosen;
    t.GameName = rec.Name;
    t.CurrentCustom = rec.Key;
    ApplyRules(t);
}

bool LoadCustomGame(Game& g, const std::string& path, int32_t key)
{
    CustomGamesRead read = ReadCustomGames(path);
    for (const CustomGameRecord& rec : read.Records) {
        if (rec.Key != key) continue;
        ApplyCustomRules(g, rec, read.Version);
        return true;
    }
    return false;
}

bool SetUpCustomGame(Game& g, const std::string& path, int32_t baseGame, int32_t key)
{
    if (baseGame < 0 || baseGame >= CatalogueSize || !IsPlayable(baseGame)) return false;
    g.T.CurrentGame = baseGame;
    g.T.CurrentCustom = key;
    SetupGame(g, SetupForm::Full);
    // A key gone from the file behind the program's back leaves the base
    // game, as itself.
    if (key < 0 || !LoadCustomGame(g, path, key)) g.T.CurrentCustom = -1;
    return true;
}

}  // namespace quillo
