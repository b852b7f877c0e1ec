#include "catalogue.h"

namespace quillo {

const std::array<CatalogueEntry, CatalogueSize>& Catalogue()
{
    static constexpr std::array<CatalogueEntry, CatalogueSize> entries{{
        {"Klondike", 'M', "H_klondike"},
        {"Big Harp", 'M', "H_big_harp"},
        {"Agnes", 'M', "H_agnes"},
        {"Merry Twos", 'H', "H_merry_twos"},
        {"Golf", 'L', "H_golf"},
        {"Chinese", 'V', "H_chinese"},
        {"Look of Fortune", 'E', "H_fortune"},
        {"Fans", 'H', "H_fans"},
        {"Icebreaker", 'L', "H_icebreaker"},
        {"Four Seasons", 'L', "H_seasons"},
        {"Duke", 'E', "H_duke"},
        {"Shifted Cross", 'M', "H_cross"},
        {"Threes", 'V', "H_threes"},
        {"Canfield", 'L', "H_canfield"},
        {"Aribert", 'L', "H_aribert"},
        {"Trial", 'M', "H_trial"},
        {"Dogs to the Basket", 'M', "H_dogs"},
        {"Scorpion", 'E', "H_scorpion"},
        {"Pyramid", 'H', "H_pyramid"},
        {"Free Cell", 'H', "H_free_cell"},
        {"Star", 'H', "H_star"},
        {"Crescent", 'V', "H_crescent"},
        {"Braid", 'M', "H_braid"},
        {"Napoleon's Tomb", 'H', "H_napoltomb"},
        {"Cat's Tail", 'H', "H_cat_tail"},
        {"Peacock", 'E', "H_peacock"},
        {"Gothic Castle", 'L', "H_castle"},
        {"Parterre", 'E', "H_parter"},
        {"Forest House", 'H', "H_house"},
        {"Fair Market", 'E', "H_market"},
        {"New Fashioned", 'E', "H_newfash"},
        {"Sun", 'E', "H_sun"},
        {"Eight Sphinxes", 'M', "H_sphinx"},
        {"First and Last", 'M', "H_first_last"},
        {"WindMill", 'V', "H_windmill"},
        {"Sultan", 'E', "H_sultan"},
        {"Women's Kingdom", 'H', "H_women"},
        {"Swedish Packet", 'E', "H_swedish"},
        {"Four Packages", 'E', "H_quarter"},
        {"Kings Corners", 'V', "H_kings_corners"},
        {"Octagon", 'E', "H_octagon"},
        {"Monte Carlo", 'M', "H_monte_carlo"},
        {"Yukon", 'M', "H_yukon"},
        {"Baker's Dozen", 'M', "H_baker_dozen"},
        {"Black Hole", 'M', "H_black_hole"},
        {"Eagle Wing", 'E', "H_eagle_wing"},
        {"Rouge et Noir", 'V', "H_rouge_et_noir"},
        {"Forty Thieves", 'V', "H_forty_thieves"},
        {"Aces Up", 'L', "H_aces_up"},
        {"Spider", 'H', "H_spider"},
        {"Royal Marriage", 'E', "H_royal_marriage"},
        {"Chameleon", 'L', "H_chameleon"},
        {"Flower Garden", 'H', "H_flower_garden"},
        {"Osmosis", 'M', "H_osmosis"},
        {"Gaps", 'M', "H_gaps"},
    }};
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
