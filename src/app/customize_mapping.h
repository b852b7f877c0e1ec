#pragma once
// How the Customize dialog shows rule codes: radio items, the two redeal
// bars and their labels, and the name it proposes. No Qt, so the mappings
// are tested on their own.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quillo {

// A radio group: its item captions and the code each item stores.
struct RadioChoice {
    std::vector<std::string> Captions;
    std::vector<int32_t> Values;
    // Item shown for a code no item stores; -1 selects none (the field then
    // keeps its code unless the player picks an item).
    int Fallback = -1;

    int ItemOf(int32_t value) const;
    int32_t ValueOf(int item) const { return Values[static_cast<size_t>(item)]; }
};

const RadioChoice& DeckCardNumChoice();
const RadioChoice& ConsValChoice();
const RadioChoice& ConsSuitChoice();
const RadioChoice& FillFreeTableChoice();
const RadioChoice& MoveUnitChoice();

// Both bars run from 0 to 11; 11 means unlimited.
constexpr int BarMax = 11;

int StockBarPosition(int32_t stockRedeals);
int32_t StockRedealsOf(int position);
int TableBarPosition(int32_t tableRedeals);
int32_t TableRedealsOf(int position);
// Label of a bar at a position; the stock bar's stored "not used" shows its own text.
std::string BarLabel(int position);
std::string StockBarLabel(int32_t stockRedeals);
std::string TableBarLabel(int32_t tableRedeals);

// "Custom <name> <n>" with the smallest n from 1 on that is not taken.
std::string ProposeCustomName(const std::string& gameName, const std::function<bool(const std::string&)>& taken);

// The name with blanks and control characters stripped from both ends.
std::string TrimName(const std::string& name);

}  // namespace quillo
