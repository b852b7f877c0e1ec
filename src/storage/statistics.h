#pragma once
// quillo.won: games played and won and the best time of every listed game,
// and the counting of games as they are played and won.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "engine/game_rules.h"
#include "game_rows.h"

namespace quillo {

inline constexpr const char* StatisticsFileName = "quillo.won";

// Best times are stored as text in the player's long time format. The window
// passes its locale's functions; the default is "H:MM:SS".
struct TimeTextFormat {
    std::function<std::string(int seconds)> Format;
    std::function<std::optional<int>(const std::string&)> Parse;
};
TimeTextFormat DefaultTimeTextFormat();
std::string FormatTimeOfDay(int seconds);
// Seconds of a time of day "H:MM:SS" (optionally "AM"/"PM"), or none.
std::optional<int> ParseTimeOfDay(const std::string& text);

struct StatisticsRecord {
    int32_t Game = 0;
    int32_t Key = -1;
    int32_t Played = 0;
    int32_t Won = 0;
    std::string BestPlayer;
    std::string BestTime;
    bool operator==(const StatisticsRecord&) const = default;
};

enum class StatisticsSource {
    None,     // no file: all zero
    File,     // read whole
    Foreign,  // another title or version: all zero
    Damaged,  // complete records kept, a broken tail ignored
    IoError,
};

struct StatisticsRead {
    StatisticsSource Source = StatisticsSource::None;
    std::vector<StatisticsRecord> Records;
    std::string Error;
    // A damaged or foreign file is copied to path + ".bak" when read; SetAside
    // tells whether that copy is new (the player is told once).
    bool SetAside = false;
    std::string SetAsideError;
};

StatisticsRead DecodeStatistics(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodeStatistics(const std::vector<StatisticsRecord>& records);

// Zeroes every row, then fills the rows the file has records for, and
// remembers them as the counts last saved. A damaged file is set aside.
StatisticsRead LoadStatistics(const std::string& path, GameRowTable& table);
// Under the directory lock, re-reads the file and writes a record for every
// row, in the table's order: the file's counts plus what this copy counted
// since its last read or write, and the better best time. Records of games
// the table does not list are kept after them, unless the player deleted
// the game. The rows then show the merged counts. A file there that could
// not be read is first set aside as path + ".bak".
IoResult SaveStatistics(const std::string& path, GameRowTable& table, const WriteFault* fault = nullptr,
                        const TimeTextFormat& fmt = DefaultTimeTextFormat());
// The merge of one record: the file's counts plus mine since saved.
StatisticsRecord MergeCounts(const StatisticsRecord& disk, const StatisticsRecord& mine, const SavedCounts& saved,
                             const TimeTextFormat& fmt = DefaultTimeTextFormat());

// Counting a game played: column 6 of the current game's row.
bool CountPlayed(GameRowTable& table, int32_t game, int32_t key);

// Counting a win: the won count goes up at once; whether the elapsed time is
// a new best decides the finish dialog's record mode.
struct WinCount {
    int Row = -1;  // -1: the game is not listed, nothing was counted
    int ElapsedSeconds = 0;
    bool NewRecord = false;
};
WinCount CountWin(GameRowTable& table, int32_t game, int32_t key, const GameRules& live,
                  const TimeTextFormat& fmt = DefaultTimeTextFormat());
// Stores the record after the finish dialog was closed with OK; does nothing
// for a win that set no record.
void StoreRecord(GameRowTable& table, const WinCount& win, const std::string& playerName,
                 const TimeTextFormat& fmt = DefaultTimeTextFormat());

// What the finish dialog reports: closed with OK, and the name typed there.
struct FinishResult {
    bool Ok = false;
    std::string PlayerName;
};
// CountGame for a column (6 played, 7 won). For a win, showFinish is called
// with the record mode; a record is stored only when it answers OK. Returns
// the row counted, or -1.
int CountGame(GameRowTable& table, int column, int32_t game, int32_t key, const GameRules& live,
              const std::function<FinishResult(bool recordMode)>& showFinish,
              const TimeTextFormat& fmt = DefaultTimeTextFormat());

}  // namespace quillo
