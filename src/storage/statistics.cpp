#include "statistics.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

#include "file_head.h"

namespace quillo {

namespace {

constexpr const char* Title = "CARDSSTAT";
constexpr const char* Version = "3.0";
constexpr size_t MaxStatisticsFile = 4u << 20;

int32_t Bump(int32_t v)
{
    return v < INT32_MAX ? v + 1 : v;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

void RememberSaved(GameRowTable& table)
{
    table.Saved.clear();
    for (const GameRow& row : table.Rows()) table.Saved.push_back({row.Game, row.Key, row.Played, row.Won, row.BestTime});
}

SavedCounts SavedOf(const GameRowTable& table, int32_t game, int32_t key)
{
    for (const SavedCounts& s : table.Saved)
        if (s.Game == game && s.Key == key) return s;
    return {game, key, 0, 0, {}};
}

int32_t AddCounts(int32_t disk, int32_t now, int32_t saved)
{
    const int64_t sum = int64_t{disk} + std::max<int64_t>(0, int64_t{now} - saved);
    return static_cast<int32_t>(std::min<int64_t>(sum, INT32_MAX));
}

}  // namespace

StatisticsRecord MergeCounts(const StatisticsRecord& disk, const StatisticsRecord& mine, const SavedCounts& saved,
                             const TimeTextFormat& fmt)
{
    StatisticsRecord out = disk;
    out.Played = AddCounts(disk.Played, mine.Played, saved.Played);
    out.Won = AddCounts(disk.Won, mine.Won, saved.Won);
    // This copy's best time goes in only when it set one since its last
    // write and it beats the file's (a time that cannot be read counts as none).
    if (mine.BestTime != saved.BestTime && !mine.BestTime.empty()) {
        std::optional<int> theirs, ours;
        if (fmt.Parse) {
            if (!disk.BestTime.empty()) theirs = fmt.Parse(disk.BestTime);
            ours = fmt.Parse(mine.BestTime);
        }
        if (!theirs || (ours && *ours < *theirs)) {
            out.BestPlayer = mine.BestPlayer;
            out.BestTime = mine.BestTime;
        }
    }
    return out;
}

std::string FormatTimeOfDay(int seconds)
{
    seconds = std::clamp(seconds, 0, 86399);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return buf;
}

std::optional<int> ParseTimeOfDay(const std::string& text)
{
    // H:MM:SS or HH:MM:SS, then optionally " AM" / " PM" (12-hour clocks).
    size_t i = 0;
    int parts[3] = {0, 0, 0};
    for (int p = 0; p < 3; ++p) {
        if (p > 0) {
            if (i >= text.size() || text[i] != ':') return std::nullopt;
            ++i;
        }
        size_t start = i;
        while (i < text.size() && IsDigit(text[i]) && i - start < 2) parts[p] = parts[p] * 10 + (text[i++] - '0');
        if (i == start || (p > 0 && i - start != 2)) return std::nullopt;
    }
    std::string rest = text.substr(i);
    while (!rest.empty() && rest.front() == ' ') rest.erase(rest.begin());
    int h = parts[0];
    if (rest == "AM" || rest == "am" || rest == "PM" || rest == "pm") {
        if (h < 1 || h > 12) return std::nullopt;
        h %= 12;
        if (rest[0] == 'P' || rest[0] == 'p') h += 12;
    } else if (!rest.empty()) {
        return std::nullopt;
    }
    if (h > 23 || parts[1] > 59 || parts[2] > 59) return std::nullopt;
    return h * 3600 + parts[1] * 60 + parts[2];
}

TimeTextFormat DefaultTimeTextFormat()
{
    return {FormatTimeOfDay, ParseTimeOfDay};
}

StatisticsRead DecodeStatistics(std::span<const uint8_t> bytes)
{
    StatisticsRead out;
    ByteReader r(bytes);
    const std::string title = ReadHeadField(r, 10);
    const std::string version = ReadHeadField(r, 10);
    if (!r.Ok() || title != Title || version != Version) {
        out.Source = StatisticsSource::Foreign;
        return out;
    }
    out.Source = StatisticsSource::File;
    while (r.Remaining() >= 4) {
        StatisticsRecord rec;
        rec.Game = r.GetI32();
        rec.Key = r.GetI32();
        rec.Played = std::max(0, r.GetI32());
        rec.Won = std::max(0, r.GetI32());
        rec.BestPlayer = r.GetCountedText();
        rec.BestTime = r.GetCountedText();
        if (!r.Ok()) {
            out.Source = StatisticsSource::Damaged;
            return out;
        }
        out.Records.push_back(std::move(rec));
    }
    // Fewer than four bytes left end the records, as they do for every reader.
    if (r.Remaining() != 0) out.Source = StatisticsSource::Damaged;
    return out;
}

std::vector<uint8_t> EncodeStatistics(const std::vector<StatisticsRecord>& records)
{
    ByteWriter w;
    WriteHead(w, Title, 10, Version);
    for (const StatisticsRecord& rec : records) {
        w.PutI32(rec.Game);
        w.PutI32(rec.Key);
        w.PutI32(rec.Played);
        w.PutI32(rec.Won);
        PutText(w, rec.BestPlayer);
        PutText(w, rec.BestTime);
    }
    return w.Take();
}

StatisticsRead LoadStatistics(const std::string& path, GameRowTable& table)
{
    table.Removed.clear();
    for (GameRow& row : table.Rows()) {
        row.Played = row.Won = 0;
        row.BestPlayer.clear();
        row.BestTime.clear();
    }
    std::string error;
    auto bytes = ReadWholeFile(path, error, MaxStatisticsFile);
    if (!bytes) {
        StatisticsRead out;
        out.Source = error.empty() ? StatisticsSource::None : StatisticsSource::IoError;
        out.Error = error;
        return out;
    }
    StatisticsRead read = DecodeStatistics(*bytes);
    for (const StatisticsRecord& rec : read.Records) {
        const int i = table.Find(rec.Game, rec.Key);
        if (i < 0) continue;
        GameRow& row = table.Rows()[static_cast<size_t>(i)];
        row.Played = rec.Played;
        row.Won = rec.Won;
        row.BestPlayer = rec.BestPlayer;
        row.BestTime = rec.BestTime;
    }
    RememberSaved(table);
    // Keep what could not be understood before anything is written over it.
    if (read.Source == StatisticsSource::Foreign || read.Source == StatisticsSource::Damaged)
        read.SetAsideError = SetAsideUnreadable(path, &read.SetAside).Error;
    return read;
}

IoResult SaveStatistics(const std::string& path, GameRowTable& table, const WriteFault* fault,
                        const TimeTextFormat& fmt)
{
    // Another copy may have written since this one read: under the lock, what
    // is on disk now is the base, and this copy adds what it counted since.
    DirectoryLock lock(path);
    std::string error;
    auto old = ReadWholeFile(path, error, MaxStatisticsFile);
    if (!old && !error.empty()) return IoResult::Fail(error);
    StatisticsRead disk;
    if (old) {
        disk = DecodeStatistics(*old);
        if (disk.Source != StatisticsSource::File) {
            if (IoResult moved = SetAsideUnreadable(path); !moved.Ok()) return moved;
        }
    }
    auto removed = [&](int32_t game, int32_t key) {
        return std::find(table.Removed.begin(), table.Removed.end(), std::pair{game, key}) != table.Removed.end();
    };
    std::vector<StatisticsRecord> records;
    records.reserve(table.Rows().size() + disk.Records.size());
    std::vector<bool> used(disk.Records.size(), false);
    for (const GameRow& row : table.Rows()) {
        StatisticsRecord rec{row.Game, row.Key, row.Played, row.Won, row.BestPlayer, row.BestTime};
        auto on = std::find_if(disk.Records.begin(), disk.Records.end(),
                               [&](const StatisticsRecord& r) { return r.Game == row.Game && r.Key == row.Key; });
        if (on != disk.Records.end()) {
            used[static_cast<size_t>(on - disk.Records.begin())] = true;
            // A deleted game's old counts do not pass to a new game of its key.
            if (!removed(row.Game, row.Key)) rec = MergeCounts(*on, rec, SavedOf(table, row.Game, row.Key), fmt);
        }
        records.push_back(std::move(rec));
    }
    // Rows this copy does not list (a custom games file it could not read,
    // another copy's new games) are kept as they are, unless deleted here.
    for (size_t i = 0; i < disk.Records.size(); ++i)
        if (!used[i] && !removed(disk.Records[i].Game, disk.Records[i].Key)) records.push_back(disk.Records[i]);

    if (IoResult written = WriteFileAtomic(path, EncodeStatistics(records), fault); !written.Ok()) return written;
    for (size_t i = 0; i < table.Rows().size(); ++i) {
        GameRow& row = table.Rows()[i];
        row.Played = records[i].Played;
        row.Won = records[i].Won;
        row.BestPlayer = records[i].BestPlayer;
        row.BestTime = records[i].BestTime;
    }
    RememberSaved(table);
    table.Removed.clear();
    return {};
}

bool CountPlayed(GameRowTable& table, int32_t game, int32_t key)
{
    const int i = table.Find(game, key);
    if (i < 0) return false;
    GameRow& row = table.Rows()[static_cast<size_t>(i)];
    row.Played = Bump(row.Played);
    return true;
}

WinCount CountWin(GameRowTable& table, int32_t game, int32_t key, const GameRules& live, const TimeTextFormat& fmt)
{
    WinCount win;
    win.Row = table.Find(game, key);
    if (win.Row < 0) return win;
    GameRow& row = table.Rows()[static_cast<size_t>(win.Row)];
    row.Won = Bump(row.Won);
    double elapsed = live.NowTime - live.StartTime;
    if (elapsed < 0) elapsed += 1.0;  // the clock passed midnight
    // The clock shows whole seconds, and so does the stored best time.
    const double seconds = std::clamp(elapsed * 86400.0, 0.0, 86399.0);
    win.ElapsedSeconds = static_cast<int>(std::lround(seconds));
    std::optional<int> best;
    if (!row.BestTime.empty() && fmt.Parse) best = fmt.Parse(row.BestTime);
    // A best time that cannot be read (another locale's format) counts as
    // absent. An equal time is not a record.
    win.NewRecord = !best || *best > win.ElapsedSeconds;
    return win;
}

void StoreRecord(GameRowTable& table, const WinCount& win, const std::string& playerName, const TimeTextFormat& fmt)
{
    if (!win.NewRecord || win.Row < 0 || win.Row >= static_cast<int>(table.Rows().size())) return;
    GameRow& row = table.Rows()[static_cast<size_t>(win.Row)];
    row.BestPlayer = std::string(CutText(playerName, MaxCountedText));
    row.BestTime = fmt.Format ? fmt.Format(win.ElapsedSeconds) : FormatTimeOfDay(win.ElapsedSeconds);
}

int CountGame(GameRowTable& table, int column, int32_t game, int32_t key, const GameRules& live,
              const std::function<FinishResult(bool recordMode)>& showFinish, const TimeTextFormat& fmt)
{
    if (column == ColPlayed) return CountPlayed(table, game, key) ? table.Find(game, key) : -1;
    if (column != ColWon) return -1;
    WinCount win = CountWin(table, game, key, live, fmt);
    if (win.Row < 0) return -1;
    FinishResult result = showFinish ? showFinish(win.NewRecord) : FinishResult{};
    if (win.NewRecord && result.Ok) StoreRecord(table, win, result.PlayerName, fmt);
    return win.Row;
}

}  // namespace quillo
