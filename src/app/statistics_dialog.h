#pragma once
// Game > Statistics: every game played at least once in one sortable table,
// with the totals, and resets for one game or all of them.

#include <QDialog>
#include <functional>

#include "storage/game_rows.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace quillo {

// Columns of the statistics table.
enum StatisticsSection {
    StatsGame,
    StatsPlayed,
    StatsWon,
    StatsWinRate,
    StatsBestTime,
    StatsBestPlayer,
    StatsStreak,
    StatsLongestStreak,
    StatsTimePlayed,
};
constexpr int StatisticsSectionCount = 9;

// Leaves the row as never played, and marks it so that the next write
// stores it as it is instead of adding to the file's counts.
void ResetStatistics(GameRowTable& table, GameRow& row);

class TF_Statistics : public QDialog {
    Q_OBJECT
public:
    // The rows are the chooser's; a reset changes them there and calls
    // Written, which stores them as any count is stored.
    TF_Statistics(GameRowTable& table, QWidget* parent = nullptr);

    std::function<bool(const QString&)> Ask;  // Yes/No, titled "Quillotaire"
    std::function<void()> Written;

    // Fills the table from the rows again.
    void Reload();
    // The table row's game, or -1: the row in the game table.
    int GameRowOf(int tableRow) const;
    void ResetSelected();
    void ResetAll();

    QTableWidget* T_Stats = nullptr;
    QLabel* L_Totals = nullptr;
    QPushButton* B_Reset = nullptr;
    QPushButton* B_ResetAll = nullptr;
    QPushButton* B_Close = nullptr;

private:
    GameRowTable& Table_;
};

}  // namespace quillo
