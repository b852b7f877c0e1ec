#pragma once
// Cards and piles: the two records the table is made of. Their byte layouts
// are stored whole in undo snapshots and saved games (see records.h).

#include <cstdint>

namespace quillo {

constexpr int MaxCards = 104;
constexpr int MaxPiles = 52;
constexpr int CardsPerDeck = 52;
constexpr int RanksPerSuit = 13;

constexpr int32_t RankAce = 0;
constexpr int32_t RankJack = 10;
constexpr int32_t RankQueen = 11;
constexpr int32_t RankKing = 12;

// Turning classes of card pictures. 0..2 are the card turned 60, 45 and 30
// degrees clockwise, 3 is upright, 4..7 are 0..3 turned a further 90 degrees.
constexpr int32_t OrientationCount = 8;
constexpr int32_t Upright = 3;
constexpr int32_t Sideways = 7;

struct Card {
    int32_t Suit = 0;
    int32_t Rank = 0;
    bool FaceUp = false;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Order = 0;
    bool InPlay = false;
    int32_t PileIndex = -1;
    bool Moving = false;
    int32_t Orientation = Upright;

    bool operator==(const Card&) const = default;
};

// Pile kinds.
constexpr int32_t KindStock = 0;
constexpr int32_t KindFoundation = 1;
constexpr int32_t KindOther = 2;

// Fan directions.
enum FanDirection : uint8_t {
    FanNone = 0,
    FanLeft = 1,
    FanRight = 2,
    FanUp = 3,
    FanDown = 4,
    FanStockStack = 5,
};

constexpr int32_t NoBaseRank = 14;
// Colour marks of an empty pile.
constexpr int32_t BaseColorAny = 0;
constexpr int32_t BaseColorBlack = 1;
constexpr int32_t BaseColorRed = 2;
constexpr int32_t BaseColorPlain = 3;

struct Pile {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Layer = 0;
    int32_t Kind = KindOther;
    int32_t Count = 0;
    uint8_t FanDir = FanNone;
    int32_t Orientation = Upright;
    int32_t FanX = 0;
    int32_t FanY = 0;
    int32_t DownFanX = 0;
    int32_t DownFanY = 0;
    uint8_t Unused = 0;
    uint8_t ConsVal = 0;
    uint8_t ConsSuit = 0;
    int32_t BaseRank = NoBaseRank;
    int32_t BaseColor = BaseColorPlain;

    bool operator==(const Pile&) const = default;
};

// Suits 0 and 1 share one colour, 2 and 3 the other.
inline bool ColoursDiffer(int32_t suitA, int32_t suitB)
{
    return (suitA <= 1) != (suitB <= 1);
}

}  // namespace quillo
