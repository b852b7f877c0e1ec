#pragma once
// The catalogue of built-in games: name, level and help topic of each row of
// the game table. The index is a game's identity in every file and list of
// the program.

#include <array>
#include <string_view>

namespace quillo {

constexpr int CatalogueSize = 55;

struct CatalogueEntry {
    std::string_view Name;
    char Level;  // E, M, H, V or L
    std::string_view HelpTopic;
};

const std::array<CatalogueEntry, CatalogueSize>& Catalogue();
// Level 1..5 of a level letter, 0 for an unknown letter.
int LevelOf(char letter);
std::string_view LevelName(int level);

// Catalogue indexes the engine refers to by name.
namespace games {
constexpr int Klondike = 0;
constexpr int BigHarp = 1;
constexpr int Agnes = 2;
constexpr int MerryTwos = 3;
constexpr int Golf = 4;
constexpr int Chinese = 5;
constexpr int LookOfFortune = 6;
constexpr int Fans = 7;
constexpr int Icebreaker = 8;
constexpr int FourSeasons = 9;
constexpr int Duke = 10;
constexpr int ShiftedCross = 11;
constexpr int Threes = 12;
constexpr int Canfield = 13;
constexpr int Aribert = 14;
constexpr int Trial = 15;
constexpr int DogsToTheBasket = 16;
constexpr int Scorpion = 17;
constexpr int Pyramid = 18;
constexpr int FreeCell = 19;
constexpr int Star = 20;
constexpr int Crescent = 21;
constexpr int Braid = 22;
constexpr int NapoleonsTomb = 23;
constexpr int CatsTail = 24;
constexpr int Peacock = 25;
constexpr int GothicCastle = 26;
constexpr int Parterre = 27;
constexpr int ForestHouse = 28;
constexpr int FairMarket = 29;
constexpr int NewFashioned = 30;
constexpr int Sun = 31;
constexpr int EightSphinxes = 32;
constexpr int FirstAndLast = 33;
constexpr int WindMill = 34;
constexpr int Sultan = 35;
constexpr int WomensKingdom = 36;
constexpr int SwedishPacket = 37;
constexpr int FourPackages = 38;
constexpr int KingsCorners = 39;
constexpr int Octagon = 40;
constexpr int MonteCarlo = 41;
constexpr int BakersDozen = 43;
constexpr int BlackHole = 44;
constexpr int Yukon = 42;
constexpr int EagleWing = 45;
constexpr int RougeEtNoir = 46;
constexpr int FortyThieves = 47;
constexpr int AcesUp = 48;
constexpr int Spider = 49;
constexpr int RoyalMarriage = 50;
constexpr int Chameleon = 51;
constexpr int FlowerGarden = 52;
constexpr int Osmosis = 53;
constexpr int Gaps = 54;
}  // namespace games

}  // namespace quillo
