#pragma once
// The game chooser's table: one row per listed game, built-in or custom, with
// its statistics. Plain data; the chooser dialog shows it, the statistics and
// custom-games files fill it.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quillo {

// Column numbers of a row, as the chooser and the statistics refer to them.
enum GameColumn : int {
    ColName = 0,
    ColLevel = 1,
    ColCustomMark = 2,
    ColGame = 4,
    ColKey = 5,
    ColPlayed = 6,
    ColWon = 7,
    ColBestPlayer = 8,
    ColBestTime = 9,
    ColHelpTopic = 10,
};
constexpr int GameColumnCount = 11;

struct GameRow {
    std::string Name;
    std::string Level;  // "1".."5" for built-in games, "0" for custom ones
    bool Custom = false;
    int32_t Game = 0;  // catalogue index; of the base game for a custom game
    int32_t Key = -1;  // custom key, -1 for a built-in game
    int32_t Played = 0;
    int32_t Won = 0;
    std::string BestPlayer;
    std::string BestTime;  // empty when never won with a recorded time
    std::string HelpTopic;

    // The text of a column as the chooser shows and sorts it.
    std::string Column(int column) const;
    bool operator==(const GameRow&) const = default;
};

// The four statistics labels of the chooser.
struct StatisticsLabels {
    std::string Played;      // L_Play
    std::string Won;         // L_Win
    std::string BestPlayer;  // L_BestPlayer
    std::string BestTime;    // L_BestTime
};

// A row's counts as the statistics file held them when this copy last read
// or wrote it: a write adds only what was counted since, so that two copies
// running at once both keep their games.
struct SavedCounts {
    int32_t Game = 0;
    int32_t Key = -1;
    int32_t Played = 0;
    int32_t Won = 0;
    std::string BestTime;
};

class GameRowTable {
public:
    // A row for every catalogue game, in catalogue order.
    static GameRowTable WithCatalogue();

    std::vector<GameRow>& Rows() { return Rows_; }
    const std::vector<GameRow>& Rows() const { return Rows_; }

    // The first row of (game, key), or -1.
    int Find(int32_t game, int32_t key) const;
    void AppendCustom(const std::string& name, int32_t baseGame, int32_t key);
    // Removes the row of (game, key); false when there is none.
    bool Remove(int32_t game, int32_t key);
    StatisticsLabels LabelsOf(int row) const;
    // Sorts by column 0, 1 or 2; ties of columns 1 and 2 are put in name
    // order whatever the direction.
    void Sort(int column, bool descending);
    int SortColumn() const { return SortColumn_; }
    bool SortDescending() const { return SortDescending_; }

    std::vector<SavedCounts> Saved;
    // Rows the player deleted: their statistics go at the next write.
    std::vector<std::pair<int32_t, int32_t>> Removed;

private:
    std::vector<GameRow> Rows_;
    int SortColumn_ = 0;
    bool SortDescending_ = false;
};

// What a name stands for among the listed games.
struct NameLookup {
    enum Kind { NotFound, BuiltIn, Custom };
    Kind Found = NotFound;
    int32_t Key = -1;
};
NameLookup FindGameByName(const GameRowTable& table, const std::string& name);

}  // namespace quillo
