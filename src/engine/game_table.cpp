#include "game_table.h"

#include "games/games.h"

namespace quillo {

using namespace games;

const std::array<GameHooks, CatalogueSize>& GameTable()
{
    // clang-format off
    static const std::array<GameHooks, CatalogueSize> table = [] {
        std::array<GameHooks, CatalogueSize> t{};
        constexpr auto none = nullptr;
        //  index                layout               deal               after the deal  drop  click  follow-up  win   traits
        t[Klondike]        = {KlondikeLayout,      KlondikeDeal,      none,           none, none,  none,      none};
        t[Chinese]         = {ChineseLayout,       ChineseDeal,       none,           none, none,  none,      none};
        t[Canfield]        = {CanfieldLayout,      CanfieldDeal,      none,           none, none,  none,      none};
        t[Aribert]         = {AribertLayout,       AribertDeal,       none,           none, none,  none,      none, TraitAlwaysTurnUp};
        t[Scorpion]        = {ScorpionLayout,      ScorpionDeal,      none,           none, none,  none,      none};
        t[FreeCell]        = {FreeCellLayout,      FreeCellDeal,      none,           none, none,  none,      none};
        t[Star]            = {StarLayout,          StarDeal,          none,           none, none,  none,      none};
        t[Braid]           = {BraidLayout,         BraidDeal,         BraidLeanCards, none, none,  none,      none, TraitPutBackOneCard};
        t[NapoleonsTomb]   = {NapoleonsTombLayout, NapoleonsTombDeal, none,           none, none,  none,      none, TraitShrinkingWastes | TraitRegroupsDrag};
        t[MonteCarlo]      = {MonteCarloLayout,    MonteCarloDeal,    none,           none, none,  none,      none};
        t[RoyalMarriage]   = {RoyalMarriageLayout, RoyalMarriageDeal, none,           none, none,  none,      none};
        t[DogsToTheBasket] = {none,                none,              none,           none, none,  none,      none, TraitGatherTableauOnRedeal};
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
