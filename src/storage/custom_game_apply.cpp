// Puts a custom game onto the live game: the one place a custom-games record
// touches the engine.

#include "custom_games.h"
#include "engine/game_table.h"
#include "engine/setup.h"
#include "table_check.h"

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

namespace {

// The record of (base game, key) in what was read, or null: Missing when
// the file has none, Refused (with why) when it may not be played.
const CustomGameRecord* FindRecord(const CustomGamesRead& read, const std::string& path, int32_t baseGame, int32_t key,
                                   CustomLoad& outcome, std::string* refused)
{
    outcome = CustomLoad::Missing;
    for (const SetAsideRecord& aside : read.SetAside) {
        if (aside.Key != key) continue;
        outcome = CustomLoad::Refused;
        if (refused) *refused = SetAsideMessage(path, aside);
        return nullptr;
    }
    for (const CustomGameRecord& rec : read.Records) {
        if (rec.Key != key) continue;
        if (rec.BaseGame == baseGame) {
            outcome = CustomLoad::Loaded;
            return &rec;
        }
        // The caller's game and the record's base game disagree: the rules
        // were never checked against the game about to be set up.
        outcome = CustomLoad::Refused;
        if (refused)
            *refused = "The custom game \"" + rec.Name + "\" in " + path + " is a game of " + GameNameOf(rec.BaseGame) +
                       ", not of " + GameNameOf(baseGame) + "; it was not loaded.";
        return nullptr;
    }
    return nullptr;
}

}  // namespace

CustomLoad LoadCustomGame(Game& g, const std::string& path, int32_t baseGame, int32_t key, std::string* refused)
{
    const CustomGamesRead read = ReadCustomGames(path);
    CustomLoad outcome;
    if (const CustomGameRecord* rec = FindRecord(read, path, baseGame, key, outcome, refused))
        ApplyCustomRules(g, *rec, read.Version);
    return outcome;
}

bool SetUpCustomGame(Game& g, const std::string& path, int32_t baseGame, int32_t key, std::string* refused)
{
    if (baseGame < 0 || baseGame >= CatalogueSize || !IsPlayable(baseGame)) return false;
    CustomGamesRead read;
    const CustomGameRecord* rec = nullptr;
    if (key >= 0) {
        read = ReadCustomGames(path);
        CustomLoad outcome;
        rec = FindRecord(read, path, baseGame, key, outcome, refused);
        if (outcome == CustomLoad::Refused) return false;
    }
    g.T.CurrentGame = baseGame;
    g.T.CurrentCustom = key;
    SetupGame(g, SetupForm::Full);
    // A key gone from the file behind the program's back leaves the base
    // game, as itself.
    if (rec)
        ApplyCustomRules(g, *rec, read.Version);
    else
        g.T.CurrentCustom = -1;
    return true;
}

}  // namespace quillo
