// Inspectors of the program's own files: settings, saved games, statistics
// and custom games, each read by the program's own reader.

#include "engine/catalogue.h"
#include "inspect.h"
#include "core/bytes.h"
#include "storage/custom_games.h"
#include "storage/file_head.h"
#include "storage/saved_game.h"
#include "storage/settings_file.h"
#include "storage/statistics.h"
#include "storage/streaks.h"
#include "table_json.h"

namespace quillo {

namespace {

// Texts in the files are bytes; older files hold single-byte letters. Valid
// UTF-8 is kept, any other byte is taken as Latin-1, so the JSON stays valid.
std::string Utf8(std::string_view s)
{
    std::string out;
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<uint8_t>(s[i]);
        size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        bool valid = len > 0 && i + len <= s.size() && !(len == 2 && c < 0xC2) && !(len == 4 && c > 0xF4);
        for (size_t k = 1; valid && k < len; ++k) valid = (static_cast<uint8_t>(s[i + k]) & 0xC0) == 0x80;
        if (valid) {
            out.append(s.substr(i, len));
            i += len;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
            ++i;
        }
    }
    return out;
}

void WriteHeadJson(JsonWriter& j, std::span<const uint8_t> bytes, size_t titleWidth)
{
    ByteReader r(bytes);
    j.Key("Title").Str(Utf8(ReadHeadField(r, titleWidth)));
    j.Key("Version").Str(Utf8(ReadHeadField(r, 10)));
}

}  // namespace

bool InspectSettings(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error)
{
    // The raw values: no fallbacks for unlisted games or missing card sets.
    SettingsEnv env;
    env.IsListedGame = [](int32_t) { return true; };
    env.FileExists = [](const std::string&) { return true; };
    SettingsLoad load = DecodeSettings(bytes, env);
    if (load.Source != SettingsSource::File) {
        error = load.Source == SettingsSource::Foreign ? "another settings version" : "damaged settings file";
        return false;
    }
    const Settings& s = load.Value;
    j.BeginObject();
    WriteHeadJson(j, bytes, 9);
    j.Key("CurrentGame").Int(s.CurrentGame);
    j.Key("CurrentCustom").Int(s.CurrentCustom);
    j.Key("BackgroundColor").Int(s.BackgroundColor);
    j.Key("BackgroundMode").Int(static_cast<int>(s.Background));
    j.Key("TexturePath").Str(Utf8(s.TexturePath));
    j.Key("CardSetPath").Str(Utf8(s.CardSetPath));
    j.Key("BackIndex").Int(s.BackIndex);
    j.Key("RecentGames");
    j.BeginArray();
    for (const RecentGame& g : s.Recent) {
        j.BeginObject();
        j.Key("Game").Int(g.Game);
        j.Key("Custom").Int(g.Custom);
        j.EndObject();
    }
    j.EndArray();
    j.Key("WindowWidth").Int(s.WindowWidth);
    j.Key("WindowHeight").Int(s.WindowHeight);
    j.Key("WindowLeft").Int(s.WindowLeft);
    j.Key("WindowTop").Int(s.WindowTop);
    j.Key("Sound").Bool(s.Opt.Sound);
    j.Key("Animation").Bool(s.Opt.Animation);
    j.Key("Autoplay").Bool(s.Opt.Autoplay);
    j.EndObject();
    return true;
}

bool InspectSavedGame(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error)
{
    SavedGameRead read = DecodeSavedGame(bytes);
    if (!read.Ok()) {
        error = read.Message.empty() ? "not a saved game" : read.Message;
        return false;
    }
    const SavedGame& s = read.Game;
    j.BeginObject();
    WriteHeadJson(j, bytes, 10);
    j.Key("CurrentGame").Int(s.CurrentGame);
    j.Key("CurrentCustom").Int(s.CurrentCustom);
    j.Key("GameRules");
    WriteGameRulesJson(j, s.Rules);
    j.Key("ChosenRules");
    WriteGameRulesJson(j, s.ChosenRules);
    j.Key("GameName").Str(Utf8(s.GameName));
    j.Key("HelpTopic").Str(Utf8(s.HelpTopic));
    j.Key("CardCount").Int(s.Rules.TotalCards);
    j.Key("PileCount").Int(s.Rules.PileCount);
    int inPlay = 0;
    for (int i = 0; i < s.Rules.TotalCards; ++i) inPlay += s.Cards[static_cast<size_t>(i)].InPlay ? 1 : 0;
    j.Key("CardsInPlay").Int(inPlay);
    j.Key("UndoEnabled").Bool(s.UndoEnabled);
    j.Key("UndoCount").Int(static_cast<int>(s.Undo.size()));
    j.Key("Caption").Str(Utf8(s.Caption));
    j.Key("FoundValLabel").Str(Utf8(s.FoundValLabel));
    j.EndObject();
    return true;
}

bool InspectStatistics(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error)
{
    StatisticsRead read = DecodeStatistics(bytes);
    if (read.Source == StatisticsSource::Foreign) {
        error = "another statistics version";
        return false;
    }
    j.BeginObject();
    WriteHeadJson(j, bytes, 10);
    j.Key("Records");
    j.BeginArray();
    for (const StatisticsRecord& r : read.Records) {
        j.BeginObject();
        j.Key("Game").Int(r.Game);
        j.Key("Key").Int(r.Key);
        j.Key("Played").Int(r.Played);
        j.Key("Won").Int(r.Won);
        j.Key("BestPlayer").Str(Utf8(r.BestPlayer));
        j.Key("BestTime").Str(Utf8(r.BestTime));
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
    if (read.Source == StatisticsSource::Damaged) {
        error = "damaged after record " + std::to_string(read.Records.size());
        return false;
    }
    return true;
}

bool InspectStreaks(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error)
{
    StreaksRead read = DecodeStreaks(bytes);
    if (read.Source == StreaksSource::Foreign) {
        error = "another streaks version";
        return false;
    }
    j.BeginObject();
    WriteHeadJson(j, bytes, 10);
    j.Key("Records");
    j.BeginArray();
    for (const StreakRecord& r : read.Records) {
        j.BeginObject();
        j.Key("Game").Int(r.Game);
        j.Key("Key").Int(r.Key);
        j.Key("Streak").Int(r.Streak);
        j.Key("Longest").Int(r.Longest);
        j.Key("Seconds").Int(r.Seconds);
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
    if (read.Source == StreaksSource::Damaged) {
        error = "damaged after record " + std::to_string(read.Records.size());
        return false;
    }
    return true;
}

bool InspectCustomGames(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error)
{
    CustomGamesRead read = DecodeCustomGames(bytes);
    if (read.Source == CustomGamesSource::Foreign) {
        error = "another custom games version";
        return false;
    }
    j.BeginObject();
    WriteHeadJson(j, bytes, 11);
    j.Key("Records");
    j.BeginArray();
    for (const CustomGameRecord& r : read.Records) {
        j.BeginObject();
        j.Key("Key").Int(r.Key);
        j.Key("Name").Str(Utf8(r.Name));
        j.Key("BaseGame").Int(r.BaseGame);
        j.Key("GameRules");
        WriteGameRulesJson(j, r.Rules);
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
    if (read.Source == CustomGamesSource::Damaged) {
        error = "damaged: " + std::to_string(read.Records.size()) + " sound records read";
        return false;
    }
    return true;
}

}  // namespace quillo
