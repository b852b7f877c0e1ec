#include "game_table.h"

#include "games/games.h"

namespace quillo {

using namespace games;

const std::array<GameHooks, CatalogueSize>& GameTable()
{
    // clang-format off
    static const std::array<GameHooks, CatalogueSize> table = [] {
        std::array<GameHooks, CatalogueSize> t{};
        //  index                 layout                 deal                after the deal
        t[Klondike]        = {KlondikeLayout,      KlondikeDeal};
        t[Chinese]         = {ChineseLayout,       ChineseDeal};
        t[Canfield]        = {CanfieldLayout,      CanfieldDeal};
        t[Aribert]         = {AribertLayout,       AribertDeal};
        t[Scorpion]        = {ScorpionLayout,      ScorpionDeal};
        t[FreeCell]        = {FreeCellLayout,      FreeCellDeal};
        t[Star]            = {StarLayout,          StarDeal};
        t[Braid]           = {BraidLayout,         BraidDeal,          BraidLeanCards};
        t[NapoleonsTomb]   = {NapoleonsTombLayout, NapoleonsTombDeal};
        t[MonteCarlo]      = {MonteCarloLayout,    MonteCarloDeal};
        t[RoyalMarriage]   = {RoyalMarriageLayout, RoyalMarriageDeal};
        return t;
    }();
    // clang-format on
    return table;
}

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

}  // namespace quillo
