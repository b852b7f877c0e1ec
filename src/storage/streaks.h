#pragma once
// quillo.str: per game the current and the longest run of wins and the time
// played, kept apart from quillo.won so that its layout stays as it is.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "game_rows.h"

namespace quillo {

inline constexpr const char* StreaksFileName = "quillo.str";

struct StreakRecord {
    int32_t Game = 0;
    int32_t Key = -1;
    int32_t Streak = 0;
    int32_t Longest = 0;
    int32_t Seconds = 0;
    bool operator==(const StreakRecord&) const = default;
};

enum class StreaksSource {
    None,     // no file: all zero
    File,     // read whole
    Foreign,  // another title or version: all zero
    Damaged,  // complete records kept, a broken tail ignored
    IoError,
};

struct StreaksRead {
    StreaksSource Source = StreaksSource::None;
    std::vector<StreakRecord> Records;
    std::string Error;
    // A damaged or foreign file is copied to path + ".bak" when read; SetAside
    // tells whether that copy is new (the player is told once).
    bool SetAside = false;
    std::string SetAsideError;
};

StreaksRead DecodeStreaks(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodeStreaks(const std::vector<StreakRecord>& records);

// A game that ended: a win extends the streak, anything else ends it. The
// row shows it at once; the next write replays it on the file.
void CountOutcome(GameRowTable& table, int32_t game, int32_t key, bool won, int seconds);
// Clears a game's streaks and time, here and, at the next write, in the file.
void ResetStreaks(GameRowTable& table, int32_t game, int32_t key);

// What the file holds with this copy's games since its last write replayed
// on it in order: the streak after the last outcome, the longest ever seen,
// the times added.
StreakRecord ReplayOutcomes(StreakRecord disk, const StreakSince& mine);

// Zeroes the streaks of every row, then fills the rows the file has records
// for. A damaged file is set aside.
StreaksRead LoadStreaks(const std::string& path, GameRowTable& table);
// Under the directory lock, re-reads the file and writes a record for every
// row, in the table's order, with this copy's games since replayed on it;
// records of games the table does not list are kept after them, unless the
// player deleted the game (the table's Removed list, which this leaves for
// the statistics write to clear). A file there that could not be read is
// first set aside as path + ".bak".
IoResult SaveStreaks(const std::string& path, GameRowTable& table, const WriteFault* fault = nullptr);

}  // namespace quillo
