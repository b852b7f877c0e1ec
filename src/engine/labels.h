#pragma once
// Texts of the status labels and the window caption.

#include <optional>
#include <string>

#include "table_state.h"

namespace quillo {

class Game;

std::string RankName(int32_t rank);
// "Starting Rank: Ace", or none when the game has no starting rank.
std::optional<std::string> StartRankLabelText(const TableState& t);
// "Stock: 24  Waste: 0"; empty without a stock.
std::string StockWasteLabelText(const TableState& t);
// "Redeals Left: 3", or none when the label is hidden.
std::optional<std::string> RedealsLeftLabelText(const TableState& t);
// "Quillotaire - Klondike [123456]".
std::string DealCaption(const TableState& t);
// "hh:nn:ss" of an elapsed time in days.
std::string ElapsedText(double days);

void UpdateStockLabels(Game& g);

}  // namespace quillo
