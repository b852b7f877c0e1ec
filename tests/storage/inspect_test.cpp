// quillo-tool inspect on the program's own files: the row chosen by the
// file's title, the fields shown, damaged files refused.

#include <gtest/gtest.h>

#include "engine/test_support.h"
#include "inspect.h"
#include "storage/custom_games.h"
#include "storage/saved_game.h"
#include "storage/settings_file.h"
#include "storage/statistics.h"
#include "storage_support.h"

namespace quillo {
namespace {

struct Shown {
    bool Ok = false;
    std::string Json, Error;
};

Shown Inspect(const std::vector<uint8_t>& bytes)
{
    std::string title;
    for (size_t i = 0; i < bytes.size() && bytes[i] != 0; ++i) title += static_cast<char>(bytes[i]);
    for (const FileInspector& row : FileInspectors()) {
        if (row.Title != title) continue;
        JsonWriter j;
        Shown s;
        s.Ok = row.Inspect(bytes, j, s.Error);
        s.Json = j.Text();
        return s;
    }
    return {false, "", "no inspector"};
}

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

    const std::pair<std::vector<uint8_t>, std::vector<std::string>> table[] = {
        {EncodeSettings(settings),
         {"\"Title\":\"CARDSSET\"", "\"Version\":\"4.1\"", "\"TexturePath\":\"caf\xC3\xA9.bmp\"",
          "\"RecentGames\":[{\"Game\":19,\"Custom\":-1}]", "\"Autoplay\":true"}},
        {EncodeSavedGame(CaptureSavedGame(g)),
         {"\"Title\":\"SAVEGAME\"", "\"Version\":\"1.2\"", "\"CurrentGame\":19", "\"UndoCount\":20",
          "\"Caption\":\"Quillotaire - Free Cell [77]\"", "\"ChosenRules\":{", "\"CardCount\":52"}},
    };
    for (const auto& [bytes, members] : table) {
        Shown s = Inspect(bytes);
        EXPECT_TRUE(s.Ok) << s.Error;
        for (const std::string& m : members) EXPECT_NE(s.Json.find(m), std::string::npos) << m << "\n" << s.Json;
    }
}

}  // namespace
}  // namespace quillo
