// quillo-tool inspect on the settings and saved games: the fields shown.

#include <gtest/gtest.h>

#include <tuple>

#include "engine/test_support.h"
#include "inspect.h"
#include "storage/saved_game.h"
#include "storage/settings_file.h"
#include "storage_support.h"

namespace quillo {
namespace {

// Statistics, streaks and custom games are read back through inspect by
// the two-copies script.
TEST(Inspect, ShowsSettingsAndSavedGames)
{
    Game g;
    test::SetUpAndDeal(g, games::FreeCell, 77);
    for (int i = 0; i < 25; ++i) g.Undo.Push(g.T);
    g.UndoEnabled = true;

    Settings settings;
    settings.TexturePath = "caf\xE9.bmp";  // a single-byte letter of an older file
    settings.Recent = {{19, -1}};

    using Inspector = bool (*)(std::span<const uint8_t>, JsonWriter&, std::string&);
    const std::tuple<Inspector, std::vector<uint8_t>, std::vector<std::string>> table[] = {
        {InspectSettings, EncodeSettings(settings),
         {"\"Title\":\"CARDSSET\"", "\"Version\":\"4.1\"", "\"TexturePath\":\"caf\xC3\xA9.bmp\"",
          "\"RecentGames\":[{\"Game\":19,\"Custom\":-1}]", "\"Autoplay\":true"}},
        {InspectSavedGame, EncodeSavedGame(CaptureSavedGame(g)),
         {"\"Title\":\"SAVEGAME\"", "\"Version\":\"1.2\"", "\"CurrentGame\":19", "\"UndoCount\":20",
          "\"Caption\":\"Quillotaire - Free Cell [77]\"", "\"ChosenRules\":{", "\"CardCount\":52"}},
    };
    for (const auto& [inspect, bytes, members] : table) {
        JsonWriter j;
        std::string error;
        EXPECT_TRUE(inspect(bytes, j, error)) << error;
        for (const std::string& m : members) EXPECT_NE(j.Text().find(m), std::string::npos) << m << "\n" << j.Text();
    }
}

}  // namespace
}  // namespace quillo
