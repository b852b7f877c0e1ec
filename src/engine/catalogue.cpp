#include "catalogue.h"

#include "game_table.h"

namespace quillo {

const std::array<CatalogueEntry, CatalogueSize>& Catalogue()
{
    static const std::array<CatalogueEntry, CatalogueSize> entries = [] {
        std::array<CatalogueEntry, CatalogueSize> e{};
        for (size_t i = 0; i < e.size(); ++i) e[i] = {GameTable()[i].Name, GameTable()[i].Level, GameTable()[i].HelpTopic};
        return e;
    }();
    return entries;
}

int LevelOf(char letter)
{
    switch (letter) {
    case 'E': return 1;
    case 'M': return 2;
    case 'H': return 3;
    case 'V': return 4;
    case 'L': return 5;
    default: return 0;
    }
}

std::string_view LevelName(int level)
{
    static constexpr std::string_view names[] = {"", "Easy", "Middle", "Hard", "Very Hard", "Challenging"};
    return level >= 1 && level <= 5 ? names[level] : names[0];
}

}  // namespace quillo
