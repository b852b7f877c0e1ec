// Rule codes as the Customize dialog's controls show them.

#include "customize_mapping.h"

#include <algorithm>

#include "engine/rule_codes.h"

namespace quillo {

int RadioChoice::ItemOf(int32_t value) const
{
    const auto it = std::find(Values.begin(), Values.end(), value);
    return it == Values.end() ? Fallback : static_cast<int>(it - Values.begin());
}

const RadioChoice& DeckCardNumChoice()
{
    // Any code but 1 shows "By 3 cards".
    static const RadioChoice c{{"By 1 card", "By 3 cards"}, {1, 3}, 1};
    return c;
}

const RadioChoice& ConsValChoice()
{
    static const RadioChoice c{{"Ascending", "Descending", "One rank higher or lower"},
                               {ConsAscending, ConsDescending, ConsEither},
                               -1};
    return c;
}

const RadioChoice& ConsSuitChoice()
{
    static const RadioChoice c{{"The same suit", "The same color", "Alternating color", "None"},
                               {SuitSame, SuitSameColour, SuitAlternate, SuitNone},
                               -1};
    return c;
}

const RadioChoice& FillFreeTableChoice()
{
    static const RadioChoice c{
        {"Any card", "King (or one rank below starting)", "From waste pile only", "Cannot be filled"},
        {FillAnyCard, FillKing, FillFromWaste, FillNever},
        1};
    return c;
}

const RadioChoice& MoveUnitChoice()
{
    static const RadioChoice c{{"Any sequence", "Legal sequence", "None"}, {MoveAnyRun, MoveLegalRun, MoveSingle}, -1};
    return c;
}

int StockBarPosition(int32_t stockRedeals)
{
    if (stockRedeals == StockUnlimited) return BarMax;
    if (stockRedeals <= StockUnused) return 0;
    return std::min(stockRedeals - 1, BarMax - 1);
}

int32_t StockRedealsOf(int position)
{
    return position >= BarMax ? StockUnlimited : position + 1;
}

int TableBarPosition(int32_t tableRedeals)
{
    if (tableRedeals == RedealsUnlimited) return BarMax;
    // "None" and Monte Carlo's -3 both sit at 0.
    return std::clamp(tableRedeals, 0, BarMax - 1);
}

int32_t TableRedealsOf(int position)
{
    return position >= BarMax ? RedealsUnlimited : position;
}

std::string BarLabel(int position)
{
    return position >= BarMax ? "Unlimited" : std::to_string(position);
}

std::string StockBarLabel(int32_t stockRedeals)
{
    if (stockRedeals == StockUnused) return "Not used";
    return BarLabel(StockBarPosition(stockRedeals));
}

std::string TableBarLabel(int32_t tableRedeals)
{
    if (tableRedeals == RedealsNone) return "Not used";
    return BarLabel(TableBarPosition(tableRedeals));
}

std::string ProposeCustomName(const std::string& gameName, const std::function<bool(const std::string&)>& taken)
{
    for (int n = 1;; ++n) {
        std::string name = "Custom " + gameName + " " + std::to_string(n);
        if (!taken(name)) return name;
    }
}

std::string TrimName(const std::string& name)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == 0x7f; };
    size_t first = 0, last = name.size();
    while (first < last && blank(name[first])) ++first;
    while (last > first && blank(name[last - 1])) --last;
    return name.substr(first, last - first);
}

}  // namespace quillo
