#include "statistics_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "storage/statistics.h"
#include "storage/streaks.h"

namespace quillo {

namespace {

constexpr int SortKeyRole = Qt::UserRole + 1;
constexpr int RowRole = Qt::UserRole + 2;

// Sorts by its number rather than by its text.
class NumberItem : public QTableWidgetItem {
public:
    NumberItem(const QString& text, double key) : QTableWidgetItem(text) { setData(SortKeyRole, key); }
    bool operator<(const QTableWidgetItem& other) const override
    {
        return data(SortKeyRole).toDouble() < other.data(SortKeyRole).toDouble();
    }
};

double WinRate(int played, int won)
{
    return played > 0 ? 100.0 * won / played : 0.0;
}

// Hours are not wrapped at a day: a total may be of many days.
QString Duration(int seconds)
{
    return QString("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'));
}

QString Percent(double rate)
{
    return QString::number(rate, 'f', 1) + "%";
}

}  // namespace

void ResetStatistics(GameRowTable& table, GameRow& row)
{
    table.Removed.emplace_back(row.Game, row.Key);
    row.Played = 0;
    row.Won = 0;
    row.BestPlayer.clear();
    row.BestTime.clear();
    ResetStreaks(table, row.Game, row.Key);
}

TF_Statistics::TF_Statistics(GameRowTable& table, QWidget* parent) : QDialog(parent), Table_(table)
{
    setObjectName("F_Statistics");
    setWindowTitle("Statistics");

    T_Stats = new QTableWidget(0, StatisticsSectionCount, this);
    T_Stats->setObjectName("T_Stats");
    T_Stats->setHorizontalHeaderLabels({"Game", "Played", "Won", "Win %", "Best Time", "Best Player", "Current Streak",
                                       "Longest Streak", "Time Played"});
    T_Stats->verticalHeader()->hide();
    T_Stats->setSelectionBehavior(QAbstractItemView::SelectRows);
    T_Stats->setSelectionMode(QAbstractItemView::SingleSelection);
    T_Stats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    T_Stats->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    T_Stats->horizontalHeader()->setSectionResizeMode(StatsGame, QHeaderView::Stretch);
    // Wide enough for every column without scrolling.
    T_Stats->setMinimumSize(860, 320);

    L_Totals = new QLabel(this);
    L_Totals->setObjectName("L_Totals");

    B_Reset = new QPushButton("&Reset", this);
    B_Reset->setObjectName("B_Reset");
    B_ResetAll = new QPushButton("Reset &All", this);
    B_ResetAll->setObjectName("B_ResetAll");
    B_Close = new QPushButton("&Close", this);
    B_Close->setObjectName("B_Close");
    B_Close->setDefault(true);
    connect(B_Reset, &QPushButton::clicked, this, &TF_Statistics::ResetSelected);
    connect(B_ResetAll, &QPushButton::clicked, this, &TF_Statistics::ResetAll);
    connect(B_Close, &QPushButton::clicked, this, &QDialog::accept);
    connect(T_Stats, &QTableWidget::itemSelectionChanged, this,
            [this] { B_Reset->setEnabled(!T_Stats->selectedItems().isEmpty()); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(B_Reset);
    buttons->addWidget(B_ResetAll);
    buttons->addStretch();
    buttons->addWidget(B_Close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(T_Stats);
    layout->addWidget(L_Totals);
    layout->addLayout(buttons);

    T_Stats->horizontalHeader()->setSortIndicator(StatsGame, Qt::AscendingOrder);
    Reload();
}

void TF_Statistics::Reload()
{
    const auto& rows = Table_.Rows();
    const int sortColumn = T_Stats->horizontalHeader()->sortIndicatorSection();
    const Qt::SortOrder order = T_Stats->horizontalHeader()->sortIndicatorOrder();
    T_Stats->setSortingEnabled(false);
    T_Stats->setRowCount(0);
    int played = 0;
    int won = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const GameRow& r = rows[i];
        if (r.Played <= 0) continue;
        played += r.Played;
        won += r.Won;
        const int at = T_Stats->rowCount();
        T_Stats->insertRow(at);
        auto* name = new QTableWidgetItem(QString::fromStdString(r.Name));
        name->setData(RowRole, static_cast<int>(i));
        T_Stats->setItem(at, StatsGame, name);
        T_Stats->setItem(at, StatsPlayed, new NumberItem(QString::number(r.Played), r.Played));
        T_Stats->setItem(at, StatsWon, new NumberItem(QString::number(r.Won), r.Won));
        const double rate = WinRate(r.Played, r.Won);
        T_Stats->setItem(at, StatsWinRate, new NumberItem(Percent(rate), rate));
        // Unrecorded times sort after every recorded one.
        const std::optional<int> seconds = ParseTimeOfDay(r.BestTime);
        T_Stats->setItem(at, StatsBestTime,
                         new NumberItem(QString::fromStdString(r.BestTime), seconds ? *seconds : 1e9));
        T_Stats->setItem(at, StatsBestPlayer, new QTableWidgetItem(QString::fromStdString(r.BestPlayer)));
        T_Stats->setItem(at, StatsStreak, new NumberItem(QString::number(r.Streak), r.Streak));
        T_Stats->setItem(at, StatsLongestStreak, new NumberItem(QString::number(r.LongestStreak), r.LongestStreak));
        T_Stats->setItem(at, StatsTimePlayed, new NumberItem(Duration(r.SecondsPlayed), r.SecondsPlayed));
        for (int c = StatsStreak; c <= StatsTimePlayed; ++c)
            T_Stats->item(at, c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (int c = StatsPlayed; c <= StatsBestTime; ++c)
            T_Stats->item(at, c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    T_Stats->setSortingEnabled(true);
    T_Stats->sortItems(sortColumn, order);
    L_Totals->setText(QString("Total: %1 played, %2 won (%3)").arg(played).arg(won).arg(Percent(WinRate(played, won))));
    B_Reset->setEnabled(!T_Stats->selectedItems().isEmpty());
    B_ResetAll->setEnabled(T_Stats->rowCount() > 0);
}

int TF_Statistics::GameRowOf(int tableRow) const
{
    const QTableWidgetItem* name = T_Stats->item(tableRow, StatsGame);
    return name ? name->data(RowRole).toInt() : -1;
}

void TF_Statistics::ResetSelected()
{
    const QList<QTableWidgetItem*> picked = T_Stats->selectedItems();
    if (picked.isEmpty()) return;
    const int row = GameRowOf(picked.front()->row());
    if (row < 0 || row >= static_cast<int>(Table_.Rows().size())) return;
    GameRow& r = Table_.Rows()[static_cast<size_t>(row)];
    if (Ask && !Ask(QString("Reset the statistics of %1?").arg(QString::fromStdString(r.Name)))) return;
    ResetStatistics(Table_, r);
    if (Written) Written();
    Reload();
}

void TF_Statistics::ResetAll()
{
    if (Ask && !Ask("Reset the statistics of every game?")) return;
    for (GameRow& r : Table_.Rows()) ResetStatistics(Table_, r);
    if (Written) Written();
    Reload();
}

}  // namespace quillo
