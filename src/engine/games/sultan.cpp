// Sultan: seven Kings and an Ace build up in suit to the Queen around the
// Sultan, who takes nothing; a divan of eight single-card places on each side
// holds any one card.
//
//   [11]  [2]  [9]  [3]  [15]
//   [12]  [4] [10]  [5]  [16]     [10] the Sultan (second reserve)
//   [13]  [6]  [8]  [7]  [17]
//   [14]  [0]  [1]       [18]     stock, waste

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"

namespace quillo::games {

namespace {

struct Spot {
    int Pile, Col, Row;
};

constexpr Spot Spots[] = {
    {2, 1, 0}, {3, 3, 0}, {4, 1, 1}, {5, 3, 1}, {6, 1, 2}, {7, 3, 2}, {9, 2, 0}, {10, 2, 1}, {8, 2, 2},
    {0, 1, 3}, {1, 2, 3},
};

// Card -> pile: Kings of suits 0, 1 and 3 of both decks, the second King of
// suit 2, the Ace of suit 2 and the Sultan (the first King of suit 2).
constexpr int FixedCards[][2] = {
    {12, 2}, {64, 3}, {25, 4}, {77, 5}, {51, 6}, {103, 7}, {90, 8}, {26, 9}, {38, 10},
};

}  // namespace

void SultanLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 19;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 9;
    r.Reserve2First = r.Reserve2Last = 10;
    r.ReserveFirst = 11;
    r.ReserveLast = 18;

    r.MinFieldHeight = 4 * r.CardHeight() + 40;
    ComputeFieldSize(g);
    SetFans(t, 0);
    PlacePileRow(t, 11, 14, 0, 1, 4, 0, 0, 5);
    PlacePileRow(t, 15, 18, 4, 1, 4, 0, 0, 5);
    for (const Spot& s : Spots) PlacePile(t, s.Pile, s.Col, 5, 4, s.Row);

    // No starting rank: an empty foundation takes nothing, so the fixed
    // Kings and the Ace keep their places.
    r.StartRank = -1;
    r.FreeCells = true;
    r.StockRedeals = 3;
}

void SultanDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    for (const auto& [card, pile] : FixedCards) PutAlone(t, card, pile);
    DealEach(t, r.ReserveFirst, r.ReserveLast, 1, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
