#pragma once
// quillo.cus: the player's custom games, each a name, a key, the built-in
// game it was made from and its whole rules record.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "engine/game.h"
#include "game_rows.h"

namespace quillo {

inline constexpr const char* CustomGamesFileName = "quillo.cus";
inline constexpr const char* CustomGamesTempName = "quillo.cut";
constexpr size_t CustomGameRecordSize = 565;
constexpr size_t CustomNameWidth = 101;

struct CustomGameRecord {
    int32_t Key = 0;
    std::string Name;  // at most 100 bytes
    int32_t BaseGame = 0;
    GameRules Rules;
};

enum class CustomVersion { V1_1, V1_0 };

// A record whose rules do not fit the game it names: never offered nor
// dealt, and written back byte for byte so that nothing of it is lost.
struct SetAsideRecord {
    int32_t Key = 0;
    std::string Name;
    int32_t BaseGame = 0;
    std::string Why;
    std::vector<uint8_t> Bytes;
};

enum class CustomGamesSource {
    None,     // no file
    File,     // read whole
    Foreign,  // another title or version: no games
    Damaged,  // the complete records are kept, a broken tail is not
    IoError,
};

struct CustomGamesRead {
    CustomGamesSource Source = CustomGamesSource::None;
    CustomVersion Version = CustomVersion::V1_1;
    std::vector<CustomGameRecord> Records;
    std::vector<SetAsideRecord> SetAside;
    std::string Error;
    // Keys given anew to records that repeated an earlier record's key.
    std::vector<std::string> Notes;
};

// "The custom game "NAME" in PATH does not fit GAME (WHY); it is set aside."
std::string SetAsideMessage(const std::string& path, const SetAsideRecord& rec);

CustomGamesRead DecodeCustomGames(std::span<const uint8_t> bytes);
// Always version "1.1"; the records set aside follow, as they were read.
std::vector<uint8_t> EncodeCustomGames(const std::vector<CustomGameRecord>& records,
                                       const std::vector<SetAsideRecord>& setAside = {});
// Reads the file; a record repeating an earlier record's key gets the next
// free key (with a note).
CustomGamesRead ReadCustomGames(const std::string& path);
std::vector<std::string> RepairDuplicateKeys(std::vector<CustomGameRecord>& records);

// Appends a chooser row per record; returns the highest key (-1 for none),
// counting the keys of records set aside so that none is handed out twice.
// What the player must be told (a file set aside as path + ".bak", keys
// repaired and written back, a file that could not be read) goes to notes.
int32_t ListCustomGames(const std::string& path, GameRowTable& table, std::vector<std::string>* notes = nullptr);

enum class CustomLoad {
    Loaded,
    Missing,  // no record of the key and base game: the base game's rules stay
    Refused,  // the record is set aside or names another base game
};
// Puts the custom game (base game, key) onto the live game, whose base game
// the caller has just set up: its rules except field size and card sizes,
// its name, the piles' building rules. On Refused, refused says why,
// naming the file and the game.
CustomLoad LoadCustomGame(Game& g, const std::string& path, int32_t baseGame, int32_t key,
                          std::string* refused = nullptr);
void ApplyCustomRules(Game& g, const CustomGameRecord& rec, CustomVersion version);
// The choose command's whole step: a full setup of the base game, then the
// custom game's rules over it (none for key -1). Returns false, changing
// nothing, when the base game cannot be set up, or when the record is
// refused (refused then says why). A key gone from the file leaves the base
// game as itself, with CurrentCustom -1.
bool SetUpCustomGame(Game& g, const std::string& path, int32_t baseGame, int32_t key, std::string* refused = nullptr);

// Stores the live rules as the custom game (key, name) made from the
// current game. A new game (key -1 or highestKey + 1) gets the key after the
// highest in the file, read under the directory lock, is appended and gets a
// chooser row, and highestKey and g.T.CurrentCustom follow it; an existing
// key is overwritten in place.
// Records of a "1.0" file are carried over; an unreadable file is set aside
// as path + ".bak" rather than destroyed.
IoResult SaveCustomGame(const std::string& path, GameRowTable& table, int32_t& highestKey, Game& g, int32_t key,
                        const std::string& name, const WriteFault* fault = nullptr);

// Removes the record of (base game, key), writing the rest through the
// temporary twin quillo.cut beside the file.
IoResult DeleteCustomGame(const std::string& path, int32_t baseGame, int32_t key, const WriteFault* fault = nullptr);

}  // namespace quillo
