// count-games: one run of the program's player files without its window, for
// checking that two copies at once keep each other's games. The same calls
// as the program, in its order: the chooser lists the custom games and loads
// the statistics, Customize stores a new custom game, every counted game is
// written at once, and closing writes the statistics once more.

#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>

#include "args.h"
#include "commands.h"
#include "engine/catalogue.h"
#include "engine/game.h"
#include "engine/game_table.h"
#include "engine/setup.h"
#include "json_writer.h"
#include "storage/custom_games.h"
#include "storage/statistics.h"
#include "storage/streaks.h"

namespace quillo {

namespace {

// Both copies are made to read the files before either writes: the case
// where a key handed out from memory would be handed out twice.
void MeetOtherCopy(const std::string& ready, const std::string& other)
{
    if (!ready.empty()) WriteFileAtomic(ready, {});
    if (other.empty()) return;
    for (int i = 0; i < 3000 && !FileExists(other); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!FileExists(other)) throw UsageError("--wait: " + other + " never appeared");
}

void Check(const IoResult& done, const std::string& what)
{
    if (!done.Ok()) throw std::runtime_error(what + ": " + done.Error);
}

}  // namespace

int CountGamesCommand(const Args& args)
{
    auto opts = ParseOptions(args, {"dir", "game", "name", "played", "won", "seconds", "ready", "wait"});
    if (!opts.count("dir")) throw UsageError("count-games needs --dir DIR");
    const std::string dir = opts["dir"] + "/";
    // Without --game: the catalogue's first game.
    const int game = opts.count("game") ? static_cast<int>(ParseInteger(opts["game"], 0, CatalogueSize - 1, "--game")) : 0;
    if (!IsPlayable(game)) throw UsageError("game " + std::to_string(game) + " has no layout yet");
    const int played = static_cast<int>(ParseInteger(opts.count("played") ? opts["played"] : "0", 0, 10000, "--played"));
    const int won = static_cast<int>(ParseInteger(opts.count("won") ? opts["won"] : "0", 0, played, "--won"));
    const std::string cus = dir + CustomGamesFileName;
    const int seconds =
        static_cast<int>(ParseInteger(opts.count("seconds") ? opts["seconds"] : "0", 0, 86399, "--seconds"));
    const std::string wonPath = dir + StatisticsFileName;
    const std::string strPath = dir + StreaksFileName;

    GameRowTable table = GameRowTable::WithCatalogue();
    std::vector<std::string> notes;
    int32_t highest = ListCustomGames(cus, table, &notes);
    const StatisticsRead stats = LoadStatistics(wonPath, table);
    if (stats.Source == StatisticsSource::IoError) throw std::runtime_error(wonPath + ": " + stats.Error);
    const StreaksRead streaks = LoadStreaks(strPath, table);
    if (streaks.Source == StreaksSource::IoError) throw std::runtime_error(strPath + ": " + streaks.Error);
    MeetOtherCopy(opts.count("ready") ? opts["ready"] : "", opts.count("wait") ? opts["wait"] : "");

    Game g;
    g.T.CurrentGame = game;
    SetupGame(g, SetupForm::Full);
    int32_t key = -1;
    if (opts.count("name")) {
        Check(SaveCustomGame(cus, table, highest, g, highest + 1, opts["name"]), cus);
        key = g.T.CurrentCustom;
    }
    // The first games are won, the rest left unfinished; each took --seconds.
    for (int i = 0; i < played; ++i) {
        CountPlayed(table, game, key);
        if (i < won) CountWin(table, game, key, g.T.Rules);
        CountOutcome(table, game, key, i < won, seconds);
        Check(SaveStreaks(strPath, table), strPath);
        Check(SaveStatistics(wonPath, table), wonPath);
    }
    Check(SaveStreaks(strPath, table), strPath);
    Check(SaveStatistics(wonPath, table), wonPath);

    JsonWriter j;
    j.BeginObject();
    j.Key("key").Int(key);
    j.Key("notes").BeginArray();
    for (const std::string& note : notes) j.Str(note);
    j.EndArray();
    j.EndObject();
    std::cout << j.Text() << '\n';
    return 0;
}

}  // namespace quillo
