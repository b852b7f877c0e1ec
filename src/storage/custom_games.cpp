#include "custom_games.h"

#include <algorithm>
#include <climits>

#include "engine/catalogue.h"
#include "engine/game_fit.h"
#include "engine/game_table.h"
#include "engine/records.h"
#include "engine/setup.h"
#include "file_head.h"
#include "table_check.h"

namespace quillo {

namespace {

constexpr const char* Title = "CUSTOMGAME";
constexpr size_t TitleWidth = 11;
constexpr const char* Version11 = "1.1";
constexpr const char* Version10 = "1.0";
constexpr size_t MaxCustomFile = 16u << 20;

std::string TempPathBeside(const std::string& path)
{
    auto slash = path.find_last_of('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + CustomGamesTempName;
}

// The take-from-foundations rule came after version "1.0": such a record
// gets it off, and its editable flag from the base game's built-in rules.
bool BaseEditFoundTakeCards(int32_t baseGame)
{
    if (baseGame < 0 || baseGame >= CatalogueSize || !IsPlayable(baseGame)) return false;
    Game scratch;
    scratch.T.CurrentGame = baseGame;
    SetupGame(scratch, SetupForm::Full);
    return scratch.T.Rules.EditFoundTakeCards;
}

void CarryOverFrom10(std::vector<CustomGameRecord>& records)
{
    for (CustomGameRecord& rec : records) {
        rec.Rules.FoundTakeCards = false;
        rec.Rules.EditFoundTakeCards = BaseEditFoundTakeCards(rec.BaseGame);
    }
}

// Reads the file for a rewrite. Returns false with the error when the file
// exists but cannot be read at all; a file it cannot use is set aside.
bool ReadForRewrite(const std::string& path, std::vector<CustomGameRecord>& records,
                    std::vector<SetAsideRecord>& setAside, IoResult& error)
{
    CustomGamesRead read = ReadCustomGames(path);
    switch (read.Source) {
    case CustomGamesSource::IoError:
        error = IoResult::Fail(read.Error);
        return false;
    case CustomGamesSource::None: return true;
    case CustomGamesSource::Foreign:
    case CustomGamesSource::Damaged:
        error = SetAsideUnreadable(path);
        if (!error.Ok()) return false;
        break;
    case CustomGamesSource::File: break;
    }
    records = std::move(read.Records);
    setAside = std::move(read.SetAside);
    if (read.Version == CustomVersion::V1_0) CarryOverFrom10(records);
    return true;
}

// Rules as the program would play them: a "1.0" record's take-from-
// foundations rule is replaced on load.
GameRules AsPlayed(const CustomGameRecord& rec, CustomVersion version)
{
    GameRules r = rec.Rules;
    if (version == CustomVersion::V1_0) {
        const GameRules* laid = LaidOutRules(rec.BaseGame);
        r.FoundTakeCards = false;
        r.EditFoundTakeCards = laid != nullptr && laid->EditFoundTakeCards;
    }
    return r;
}

}  // namespace

CustomGamesRead DecodeCustomGames(std::span<const uint8_t> bytes)
{
    CustomGamesRead out;
    ByteReader r(bytes);
    const std::string title = ReadHeadField(r, TitleWidth);
    const std::string version = ReadHeadField(r, 10);
    if (!r.Ok() || title != Title || (version != Version11 && version != Version10)) {
        out.Source = CustomGamesSource::Foreign;
        return out;
    }
    out.Version = version == Version11 ? CustomVersion::V1_1 : CustomVersion::V1_0;
    out.Source = CustomGamesSource::File;
    while (r.Remaining() >= 4) {
        if (r.Remaining() < CustomGameRecordSize) {
            out.Source = CustomGamesSource::Damaged;
            break;
        }
        const size_t start = r.Pos();
        CustomGameRecord rec;
        rec.Key = r.GetI32();
        rec.Name = ReadHeadField(r, CustomNameWidth);
        rec.BaseGame = r.GetI32();
        DecodeGameRules(r, rec.Rules);
        // A record the program could not show or play is not taken.
        if (rec.Key < 0 || rec.BaseGame < 0 || rec.BaseGame >= CatalogueSize || CheckRules(rec.Rules)) {
            out.Source = CustomGamesSource::Damaged;
            continue;
        }
        // Rules that do not fit the game they name would be dealt over a
        // layout they do not describe.
        if (auto bad = CheckRulesOfGame(rec.BaseGame, AsPlayed(rec, out.Version))) {
            const auto raw = bytes.subspan(start, CustomGameRecordSize);
            out.SetAside.push_back({rec.Key, rec.Name, rec.BaseGame, *bad, {raw.begin(), raw.end()}});
            continue;
        }
        out.Records.push_back(std::move(rec));
    }
    if (r.Remaining() != 0) out.Source = CustomGamesSource::Damaged;
    return out;
}

std::string SetAsideMessage(const std::string& path, const SetAsideRecord& rec)
{
    return "The custom game \"" + rec.Name + "\" in " + path + " does not fit " + GameNameOf(rec.BaseGame) + " (" +
           rec.Why + "); it is set aside.";
}

std::vector<uint8_t> EncodeCustomGames(const std::vector<CustomGameRecord>& records,
                                       const std::vector<SetAsideRecord>& setAside)
{
    ByteWriter w;
    WriteHead(w, Title, TitleWidth, Version11);
    for (const CustomGameRecord& rec : records) {
        w.PutI32(rec.Key);
        w.PutFixedText(CutText(rec.Name, CustomNameWidth - 1), CustomNameWidth);
        w.PutI32(rec.BaseGame);
        EncodeGameRules(rec.Rules, w);
    }
    for (const SetAsideRecord& rec : setAside) w.PutBytes(rec.Bytes);
    return w.Take();
}

std::vector<std::string> RepairDuplicateKeys(std::vector<CustomGameRecord>& records)
{
    int32_t highest = -1;
    for (const CustomGameRecord& rec : records) highest = std::max(highest, rec.Key);
    std::vector<std::string> notes;
    std::vector<int32_t> seen;
    for (CustomGameRecord& rec : records) {
        if (std::find(seen.begin(), seen.end(), rec.Key) != seen.end() && highest < INT32_MAX) {
            notes.push_back(rec.Name + " had the key " + std::to_string(rec.Key) + " of another custom game; it now has " +
                            std::to_string(highest + 1) + ".");
            rec.Key = ++highest;
        }
        seen.push_back(rec.Key);
    }
    return notes;
}

CustomGamesRead ReadCustomGames(const std::string& path)
{
    std::string error;
    auto bytes = ReadWholeFile(path, error, MaxCustomFile);
    if (!bytes) {
        CustomGamesRead out;
        out.Source = error.empty() ? CustomGamesSource::None : CustomGamesSource::IoError;
        out.Error = error;
        return out;
    }
    CustomGamesRead out = DecodeCustomGames(*bytes);
    // Two copies of an older program could give two games one key; the
    // later one gets a new key, the same at every read until it is written.
    out.Notes = RepairDuplicateKeys(out.Records);
    return out;
}

int32_t ListCustomGames(const std::string& path, GameRowTable& table, std::vector<std::string>* notes)
{
    CustomGamesRead read = ReadCustomGames(path);
    const auto tell = [&](std::string text) {
        if (notes) notes->push_back(std::move(text));
    };
    if (read.Source == CustomGamesSource::IoError)
        tell("Could not read the custom games file " + path + ": " + read.Error + ".");
    if (read.Source == CustomGamesSource::Foreign || read.Source == CustomGamesSource::Damaged) {
        bool copied = false;
        const IoResult kept = SetAsideUnreadable(path, &copied);
        if (!kept.Ok())
            tell("Could not copy the damaged custom games file " + path + " to " + path + ".bak: " + kept.Error + ".");
        else if (copied)
            tell("The custom games file " + path + " is damaged; the games that could not be read are set aside in " +
                 path + ".bak.");
    }
    if (!read.Notes.empty() && read.Source == CustomGamesSource::File) {
        // The repaired keys are written back, so that they hold from now on.
        DirectoryLock lock(path);
        CustomGamesRead again = ReadCustomGames(path);
        if (again.Source == CustomGamesSource::File && !again.Notes.empty()) {
            if (again.Version == CustomVersion::V1_0) CarryOverFrom10(again.Records);
            const IoResult fixed = WriteFileAtomic(path, EncodeCustomGames(again.Records, again.SetAside));
            if (!fixed.Ok()) tell("Could not write the custom games file " + path + ": " + fixed.Error + ".");
        }
        read = std::move(again);
        for (const std::string& note : read.Notes) tell("In the custom games file " + path + ", " + note);
    }
    int32_t highest = -1;
    for (const CustomGameRecord& rec : read.Records) {
        highest = std::max(highest, rec.Key);
        table.AppendCustom(rec.Name, rec.BaseGame, rec.Key);
    }
    for (const SetAsideRecord& rec : read.SetAside) highest = std::max(highest, rec.Key);
    return highest;
}

IoResult SaveCustomGame(const std::string& path, GameRowTable& table, int32_t& highestKey, Game& g, int32_t key,
                        const std::string& name, const WriteFault* fault)
{
    // Another copy may have added games since this one read the file: the
    // new key follows the highest on disk, under the lock.
    DirectoryLock lock(path);
    std::vector<CustomGameRecord> records;
    std::vector<SetAsideRecord> setAside;
    IoResult error;
    if (!ReadForRewrite(path, records, setAside, error)) return error;

    const bool fresh = key < 0 || key == highestKey + 1;
    if (fresh) {
        int32_t top = highestKey;
        for (const CustomGameRecord& r : records) top = std::max(top, r.Key);
        for (const SetAsideRecord& r : setAside) top = std::max(top, r.Key);
        if (top == INT32_MAX) return IoResult::Fail("No custom game key is left");
        key = top + 1;
    }
    CustomGameRecord rec;
    rec.Key = key;
    rec.Name = std::string(CutText(name, CustomNameWidth - 1));
    rec.BaseGame = g.T.CurrentGame;
    rec.Rules = g.T.Rules;

    auto same = std::find_if(records.begin(), records.end(), [&](const auto& r) { return r.Key == key; });
    if (!fresh && same != records.end())
        *same = rec;  // in place: records keep their order
    else
        records.push_back(rec);

    if (IoResult written = WriteFileAtomic(path, EncodeCustomGames(records, setAside), fault); !written.Ok())
        return written;
    if (table.Find(rec.BaseGame, key) < 0) table.AppendCustom(rec.Name, rec.BaseGame, key);
    highestKey = std::max(highestKey, key);
    g.T.CurrentCustom = key;
    return {};
}

IoResult DeleteCustomGame(const std::string& path, int32_t baseGame, int32_t key, const WriteFault* fault)
{
    std::vector<CustomGameRecord> records;
    std::vector<SetAsideRecord> setAside;
    IoResult error;
    // Only the program's own file is rewritten; anything else is left alone.
    const CustomGamesSource source = ReadCustomGames(path).Source;
    if (source == CustomGamesSource::None || source == CustomGamesSource::Foreign) return {};
    DirectoryLock lock(path);
    if (!ReadForRewrite(path, records, setAside, error)) return error;
    std::erase_if(records, [&](const auto& r) { return r.BaseGame == baseGame && r.Key == key; });
    return WriteFileAtomic(path, EncodeCustomGames(records, setAside), fault, TempPathBeside(path));
}

}  // namespace quillo
