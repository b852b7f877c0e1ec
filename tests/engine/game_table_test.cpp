// The game table checks itself: each fault a row can carry is named.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "engine/game_table.h"

namespace quillo {
namespace {

void SomeClick(Game&, const Press&) {}

TEST(GameTable, TheBuiltTableHoldsEveryGameInCatalogueOrder)
{
    EXPECT_EQ(CheckGameTable(GameTable().data(), CatalogueSize), "");
    for (int i = 0; i < CatalogueSize; ++i) {
        EXPECT_EQ(Catalogue()[static_cast<size_t>(i)].Name, GameTable()[static_cast<size_t>(i)].Name);
        EXPECT_TRUE(IsPlayable(i)) << i;
    }
    EXPECT_EQ(Catalogue()[static_cast<size_t>(DefaultGame())].Name, "Star");
}

TEST(GameTable, EachFaultOfARowIsFound)
{
    struct Row {
        const char* What;
        std::function<void(std::array<GameHooks, CatalogueSize>&)> Spoil;
        const char* Found;
    };
    const Row rows[] = {
        {"two rows swapped", [](auto& t) { std::swap(t[3], t[4]); }, "out of catalogue order"},
        {"a name twice", [](auto& t) { t[7].Name = t[2].Name; }, "no name of its own"},
        {"a topic twice", [](auto& t) { t[9].HelpTopic = t[1].HelpTopic; }, "no help topic of its own"},
        {"no level", [](auto& t) { t[5].Level = 'X'; }, "no level"},
        {"no layout", [](auto& t) { t[11].Layout = nullptr; }, "no layout or no deal"},
        {"no deal", [](auto& t) { t[12].Deal = nullptr; }, "no layout or no deal"},
        {"a click rule without actions", [](auto& t) { t[0].Click = SomeClick; }, "no action lister"},
        {"no default game", [](auto& t) { for (auto& r : t) r.Traits &= ~TraitDefaultGame; }, "0 default games"},
    };
    for (const Row& row : rows) {
        std::array<GameHooks, CatalogueSize> t = GameTable();
        row.Spoil(t);
        EXPECT_NE(CheckGameTable(t.data(), CatalogueSize).find(row.Found), std::string::npos) << row.What;
    }
    EXPECT_NE(CheckGameTable(GameTable().data(), CatalogueSize - 1), "");
}

}  // namespace
}  // namespace quillo
