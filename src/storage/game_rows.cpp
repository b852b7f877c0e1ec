#include "game_rows.h"

#include <algorithm>

#include "engine/catalogue.h"

namespace quillo {

std::string GameRow::Column(int column) const
{
    switch (column) {
    case ColName: return Name;
    case ColLevel: return Level;
    case ColCustomMark: return Custom ? "C" : "";
    case ColGame: return std::to_string(Game);
    case ColKey: return std::to_string(Key);
    case ColPlayed: return std::to_string(Played);
    case ColWon: return std::to_string(Won);
    case ColBestPlayer: return BestPlayer;
    case ColBestTime: return BestTime;
    case ColHelpTopic: return HelpTopic;
    default: return {};
    }
}

GameRowTable GameRowTable::WithCatalogue()
{
    GameRowTable t;
    const auto& cat = Catalogue();
    for (int i = 0; i < CatalogueSize; ++i) {
        const CatalogueEntry& e = cat[static_cast<size_t>(i)];
        GameRow row;
        row.Name = std::string(e.Name);
        const int level = LevelOf(e.Level);
        row.Level = level > 0 ? std::to_string(level) : std::string(1, e.Level);
        row.Game = i;
        row.HelpTopic = std::string(e.HelpTopic);
        t.Rows_.push_back(std::move(row));
    }
    return t;
}

int GameRowTable::Find(int32_t game, int32_t key) const
{
    for (size_t i = 0; i < Rows_.size(); ++i)
        if (Rows_[i].Game == game && Rows_[i].Key == key) return static_cast<int>(i);
    return -1;
}

void GameRowTable::AppendCustom(const std::string& name, int32_t baseGame, int32_t key)
{
    GameRow row;
    row.Name = name;
    row.Level.assign(1, '0');  // custom games have level 0
    row.Custom = true;
    row.Game = baseGame;
    row.Key = key;
    Rows_.push_back(std::move(row));
}

bool GameRowTable::Remove(int32_t game, int32_t key)
{
    const int i = Find(game, key);
    if (i < 0) return false;
    Rows_.erase(Rows_.begin() + i);
    Removed.emplace_back(game, key);
    return true;
}

StatisticsLabels GameRowTable::LabelsOf(int row) const
{
    if (row < 0 || row >= static_cast<int>(Rows_.size())) return {};
    const GameRow& r = Rows_[static_cast<size_t>(row)];
    return {std::to_string(r.Played), std::to_string(r.Won), r.BestPlayer, r.BestTime};
}

void GameRowTable::Sort(int column, bool descending)
{
    // Texts compare as unsigned byte strings, which std::string does.
    auto key = [column](const GameRow& r) { return r.Column(column); };
    std::stable_sort(Rows_.begin(), Rows_.end(), [&](const GameRow& a, const GameRow& b) {
        return descending ? key(b) < key(a) : key(a) < key(b);
    });
    if (column != ColName) {
        auto first = Rows_.begin();
        while (first != Rows_.end()) {
            auto last = std::find_if(first, Rows_.end(), [&](const GameRow& r) { return key(r) != key(*first); });
            std::stable_sort(first, last, [](const GameRow& a, const GameRow& b) { return a.Name < b.Name; });
            first = last;
        }
    }
    SortColumn_ = column;
    SortDescending_ = descending;
}

NameLookup FindGameByName(const GameRowTable& table, const std::string& name)
{
    for (const GameRow& r : table.Rows()) {
        if (r.Name != name) continue;
        if (r.Custom || r.Key != -1) return {NameLookup::Custom, r.Key};
        return {NameLookup::BuiltIn, -1};
    }
    return {};
}

}  // namespace quillo
