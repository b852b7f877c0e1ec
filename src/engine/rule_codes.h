#pragma once
// Rule parameter codes shared by the engine, the Customize dialog and every
// stored rules record.

#include <cstdint>

namespace quillo {

// Order of building (TableConsVal, FoundConsVal, Pile::ConsVal).
constexpr uint8_t ConsNoOrder = 0;
constexpr uint8_t ConsAscending = 1;
constexpr uint8_t ConsDescending = 2;
constexpr uint8_t ConsEither = 3;
constexpr uint8_t ConsKeepPile = 4;  // leave each pile's own value

// Suit restriction (TableConsSuit, FoundConsSuit, Pile::ConsSuit).
constexpr uint8_t SuitNone = 0;
constexpr uint8_t SuitSame = 1;
constexpr uint8_t SuitAlternate = 2;
constexpr uint8_t SuitSameColour = 3;
constexpr uint8_t SuitKeepPile = 4;

// What may fill an empty tableau pile (FillFreeTable).
constexpr int32_t FillAnyCard = -2;
constexpr int32_t FillKing = -1;  // or one below the starting rank
constexpr int32_t FillFromWaste = -4;
constexpr int32_t FillNever = -3;
constexpr int32_t FillStartRank = -5;
constexpr int32_t FillGameRule6 = -6;
constexpr int32_t FillGameRule7 = -7;
constexpr int32_t FillGameRule8 = -8;

// Moving several cards at once (MoveUnit).
constexpr uint8_t MoveSingle = 0;
constexpr uint8_t MoveLegalRun = 1;
constexpr uint8_t MoveAnyRun = 2;

// Stock click modes (StockClickMode).
constexpr uint8_t StockDealNormal = 0;
constexpr uint8_t StockDealIntoEmpty = 1;
constexpr uint8_t StockDealOneIntoEmpty = 2;

// Sources that may build on a non-empty tableau pile (TableBuildFrom).
constexpr int32_t BuildFromAny = 0;
constexpr int32_t BuildFromNone = 1;
constexpr int32_t BuildFromWasteOrReserve = 2;

// Stock passes (StockRedeals) and tableau redeals (TableRedeals).
constexpr int32_t StockUnlimited = -1;
constexpr int32_t StockUnused = 0;
constexpr int32_t RedealsNone = -1;
constexpr int32_t RedealsUnlimited = -2;
constexpr int32_t RedealsShowStockPasses = -3;

// Face-down fanning (FaceDownFan).
constexpr int32_t DownFanNone = 0;
constexpr int32_t DownFanHalf = 1;
constexpr int32_t DownFanFull = 2;

}  // namespace quillo
