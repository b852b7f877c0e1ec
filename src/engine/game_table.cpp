#include "game_table.h"

#include <set>

namespace quillo {

const GameHooks& HooksOf(int catalogueIndex)
{
    static const GameHooks none;
    if (catalogueIndex < 0 || catalogueIndex >= CatalogueSize) return none;
    return GameTable()[static_cast<size_t>(catalogueIndex)];
}

bool IsPlayable(int catalogueIndex)
{
    const GameHooks& h = HooksOf(catalogueIndex);
    return h.Layout != nullptr && h.Deal != nullptr;
}

bool HasTrait(int catalogueIndex, GameTrait trait)
{
    return (HooksOf(catalogueIndex).Traits & trait) != 0;
}

int DefaultGame()
{
    for (const GameHooks& row : GameTable())
        if ((row.Traits & TraitDefaultGame) != 0) return row.Index;
    return 0;
}

std::string CheckGameTable(const GameHooks* rows, int count)
{
    if (count != CatalogueSize) return "the table has " + std::to_string(count) + " rows";
    std::set<std::string_view> names, topics;
    int defaults = 0;
    for (int i = 0; i < count; ++i) {
        const GameHooks& row = rows[i];
        const std::string at = "row " + std::to_string(i) + " (" + std::string(row.Name) + ")";
        if (row.Index != i) return at + " is out of catalogue order";
        if (row.Name.empty() || !names.insert(row.Name).second) return at + " has no name of its own";
        if (row.HelpTopic.empty() || !topics.insert(row.HelpTopic).second) return at + " has no help topic of its own";
        if (LevelOf(row.Level) == 0) return at + " has no level";
        if (row.Layout == nullptr || row.Deal == nullptr) return at + " has no layout or no deal";
        if (row.Click != nullptr && row.Actions == nullptr) return at + " has its own click rule but no action lister";
        defaults += (row.Traits & TraitDefaultGame) != 0 ? 1 : 0;
    }
    if (defaults != 1) return "the table names " + std::to_string(defaults) + " default games";
    return {};
}

}  // namespace quillo
