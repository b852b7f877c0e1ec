#pragma once
// The layout-and-rules record of a game. Its byte layout (records.h) is stored
// whole in custom games and saved games.

#include <array>
#include <cstdint>

#include "card.h"
#include "rule_codes.h"

namespace quillo {

struct Step {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const Step&) const = default;
};

// Size and fan steps of the card pictures of one turning class.
struct CardSize {
    int32_t Width = 0;
    int32_t Height = 0;
    Step HorzStep;
    Step VertStep;
    std::array<int32_t, 2> Unused{};
    bool operator==(const CardSize&) const = default;
};

using CardSizeTable = std::array<CardSize, OrientationCount>;

struct GameRules {
    int32_t FieldWidth = 792;
    int32_t FieldHeight = 526;
    int32_t MinFieldWidth = -1;
    int32_t MinFieldHeight = -1;
    double ScaleX = 1.0;
    double ScaleY = 1.0;
    int32_t BackIndex = 0;
    int32_t StartRank = -1;
    bool StartRankFromDeal = false;
    int32_t PickX = 0;
    int32_t PickY = 0;
    int32_t BackCount = 0;
    int32_t TotalCards = 52;
    int32_t Decks = 1;
    int32_t StockPile = -1;
    int32_t FoundFirst = -1;
    int32_t FoundLast = -1;
    int32_t WasteFirst = -1;
    int32_t WasteLast = -1;
    int32_t TableFirst = -1;
    int32_t TableLast = -1;
    int32_t ReserveFirst = -1;
    int32_t ReserveLast = -1;
    int32_t Reserve2First = -1;
    int32_t Reserve2Last = -1;
    int32_t PileCount = 0;
    int32_t FaceDownFan = DownFanNone;
    double StartTime = 0.0;
    double NowTime = 0.0;
    int32_t StockPass = 1;
    int32_t StockRedeals = StockUnlimited;
    int32_t TableRedealsUsed = 0;
    int32_t TableRedeals = RedealsNone;
    int32_t GetDeckCardNum = 1;
    CardSizeTable CardSizes{};
    int32_t ActiveWastes = 0;
    bool AutoplayAllowed = false;
    uint8_t TableConsVal = ConsDescending;
    uint8_t TableConsSuit = SuitSame;
    uint8_t FoundConsVal = ConsAscending;
    uint8_t FoundConsSuit = SuitSame;
    int32_t FillFreeTable = FillNever;
    int32_t FillRank = -1;
    bool DealToTableau = false;
    uint8_t MoveUnit = MoveSingle;
    uint8_t StockClickMode = StockDealNormal;
    bool FullFoundations = true;
    int32_t TableBuildFrom = BuildFromAny;
    bool FreeCells = false;
    bool EmptyPileClicks = false;
    bool EditTableConsVal = false;
    bool EditTableConsSuit = false;
    bool EditFoundConsVal = false;
    bool EditFoundConsSuit = false;
    bool EditMoveUnit = false;
    bool EditFillFreeTable = false;
    bool EditStockRedeals = false;
    bool EditTableRedeals = false;
    bool EditGetDeckCardNum = false;
    uint32_t GameNumber = 0;
    uint8_t Unused = 0;
    bool FoundTakeCards = false;
    bool EditFoundTakeCards = false;

    bool operator==(const GameRules&) const = default;

    // Range tests: pile roles come from the index ranges.
    static bool InRange(int pile, int32_t first, int32_t last)
    {
        return first != -1 && pile >= first && pile <= last;
    }
    bool IsStock(int pile) const { return StockPile != -1 && pile == StockPile; }
    bool IsFoundation(int pile) const { return InRange(pile, FoundFirst, FoundLast); }
    bool IsWaste(int pile) const { return InRange(pile, WasteFirst, WasteLast); }
    bool IsTableau(int pile) const { return InRange(pile, TableFirst, TableLast); }
    bool IsReserve(int pile) const { return InRange(pile, ReserveFirst, ReserveLast); }
    bool IsReserve2(int pile) const { return InRange(pile, Reserve2First, Reserve2Last); }
    static int RangeSize(int32_t first, int32_t last) { return first == -1 ? 0 : last - first + 1; }

    const CardSize& Upright() const { return CardSizes[quillo::Upright]; }
    int32_t CardWidth() const { return Upright().Width; }
    int32_t CardHeight() const { return Upright().Height; }
};

}  // namespace quillo
