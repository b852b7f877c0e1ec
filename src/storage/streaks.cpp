#include "streaks.h"

#include <algorithm>
#include <climits>

#include "file_head.h"

namespace quillo {

namespace {

constexpr const char* Title = "CARDSSTRK";
constexpr const char* Version = "1.0";
constexpr size_t MaxStreaksFile = 4u << 20;
constexpr size_t RecordSize = 20;

int32_t AddClamped(int32_t a, int64_t b)
{
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{a} + b, 0, INT32_MAX));
}

StreakSince& SinceOf(GameRowTable& table, int32_t game, int32_t key)
{
    for (StreakSince& s : table.Streaks)
        if (s.Game == game && s.Key == key) return s;
    table.Streaks.push_back({game, key, {}, 0, false});
    return table.Streaks.back();
}

const StreakSince* FindSince(const GameRowTable& table, int32_t game, int32_t key)
{
    for (const StreakSince& s : table.Streaks)
        if (s.Game == game && s.Key == key) return &s;
    return nullptr;
}

void ShowRecord(GameRow& row, const StreakRecord& rec)
{
    row.Streak = rec.Streak;
    row.LongestStreak = rec.Longest;
    row.SecondsPlayed = rec.Seconds;
}

}  // namespace

StreaksRead DecodeStreaks(std::span<const uint8_t> bytes)
{
    StreaksRead out;
    ByteReader r(bytes);
    const std::string title = ReadHeadField(r, 10);
    const std::string version = ReadHeadField(r, 10);
    if (!r.Ok() || title != Title || version != Version) {
        out.Source = StreaksSource::Foreign;
        return out;
    }
    out.Source = StreaksSource::File;
    while (r.Remaining() >= RecordSize) {
        StreakRecord rec;
        rec.Game = r.GetI32();
        rec.Key = r.GetI32();
        rec.Streak = std::max(0, r.GetI32());
        rec.Longest = std::max(rec.Streak, r.GetI32());
        rec.Seconds = std::max(0, r.GetI32());
        out.Records.push_back(rec);
    }
    if (r.Remaining() != 0) out.Source = StreaksSource::Damaged;
    return out;
}

std::vector<uint8_t> EncodeStreaks(const std::vector<StreakRecord>& records)
{
    ByteWriter w;
    WriteHead(w, Title, 10, Version);
    for (const StreakRecord& rec : records) {
        w.PutI32(rec.Game);
        w.PutI32(rec.Key);
        w.PutI32(rec.Streak);
        w.PutI32(rec.Longest);
        w.PutI32(rec.Seconds);
    }
    return w.Take();
}

StreakRecord ReplayOutcomes(StreakRecord disk, const StreakSince& mine)
{
    if (mine.Reset) disk = {disk.Game, disk.Key, 0, 0, 0};
    for (bool won : mine.Outcomes) {
        disk.Streak = won ? AddClamped(disk.Streak, 1) : 0;
        disk.Longest = std::max(disk.Longest, disk.Streak);
    }
    disk.Seconds = AddClamped(disk.Seconds, mine.Seconds);
    return disk;
}

void CountOutcome(GameRowTable& table, int32_t game, int32_t key, bool won, int seconds)
{
    seconds = std::max(0, seconds);
    StreakSince& since = SinceOf(table, game, key);
    since.Outcomes.push_back(won);
    since.Seconds = AddClamped(since.Seconds, seconds);
    const int i = table.Find(game, key);
    if (i < 0) return;
    GameRow& row = table.Rows()[static_cast<size_t>(i)];
    ShowRecord(row, ReplayOutcomes({game, key, row.Streak, row.LongestStreak, row.SecondsPlayed},
                                   {game, key, {won}, seconds, false}));
}

void ResetStreaks(GameRowTable& table, int32_t game, int32_t key)
{
    StreakSince& since = SinceOf(table, game, key);
    since = {game, key, {}, 0, true};
    const int i = table.Find(game, key);
    if (i >= 0) ShowRecord(table.Rows()[static_cast<size_t>(i)], {game, key, 0, 0, 0});
}

StreaksRead LoadStreaks(const std::string& path, GameRowTable& table)
{
    table.Streaks.clear();
    for (GameRow& row : table.Rows()) ShowRecord(row, {});
    std::string error;
    auto bytes = ReadWholeFile(path, error, MaxStreaksFile);
    if (!bytes) {
        StreaksRead out;
        out.Source = error.empty() ? StreaksSource::None : StreaksSource::IoError;
        out.Error = error;
        return out;
    }
    StreaksRead read = DecodeStreaks(*bytes);
    for (const StreakRecord& rec : read.Records) {
        const int i = table.Find(rec.Game, rec.Key);
        if (i >= 0) ShowRecord(table.Rows()[static_cast<size_t>(i)], rec);
    }
    if (read.Source == StreaksSource::Foreign || read.Source == StreaksSource::Damaged)
        read.SetAsideError = SetAsideUnreadable(path, &read.SetAside).Error;
    return read;
}

IoResult SaveStreaks(const std::string& path, GameRowTable& table, const WriteFault* fault)
{
    // Another copy may have written since this one read: what is on disk now
    // is the base, and this copy's games since are replayed on it.
    DirectoryLock lock(path);
    std::string error;
    auto old = ReadWholeFile(path, error, MaxStreaksFile);
    if (!old && !error.empty()) return IoResult::Fail(error);
    StreaksRead disk;
    if (old) {
        disk = DecodeStreaks(*old);
        if (disk.Source != StreaksSource::File) {
            if (IoResult moved = SetAsideUnreadable(path); !moved.Ok()) return moved;
        }
    }
    auto removed = [&](int32_t game, int32_t key) {
        return std::find(table.Removed.begin(), table.Removed.end(), std::pair{game, key}) != table.Removed.end();
    };
    std::vector<StreakRecord> records;
    records.reserve(table.Rows().size() + disk.Records.size());
    std::vector<bool> used(disk.Records.size(), false);
    auto replayed = [&](StreakRecord base) {
        const StreakSince* since = FindSince(table, base.Game, base.Key);
        return since ? ReplayOutcomes(base, *since) : base;
    };
    for (const GameRow& row : table.Rows()) {
        StreakRecord base{row.Game, row.Key, 0, 0, 0};
        auto on = std::find_if(disk.Records.begin(), disk.Records.end(),
                               [&](const StreakRecord& r) { return r.Game == row.Game && r.Key == row.Key; });
        if (on != disk.Records.end()) {
            used[static_cast<size_t>(on - disk.Records.begin())] = true;
            // A deleted game's streaks do not pass to a new game of its key.
            if (!removed(row.Game, row.Key)) base = *on;
        }
        records.push_back(replayed(base));
    }
    // Rows this copy does not list (a custom games file it could not read,
    // another copy's new games) are kept as they are, unless deleted here.
    for (size_t i = 0; i < disk.Records.size(); ++i)
        if (!used[i] && !removed(disk.Records[i].Game, disk.Records[i].Key)) records.push_back(disk.Records[i]);

    if (IoResult written = WriteFileAtomic(path, EncodeStreaks(records), fault); !written.Ok()) return written;
    for (size_t i = 0; i < table.Rows().size(); ++i) ShowRecord(table.Rows()[i], records[i]);
    table.Streaks.clear();
    return {};
}

}  // namespace quillo
