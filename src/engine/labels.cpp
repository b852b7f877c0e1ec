#include "labels.h"

#include <cmath>
#include <cstdio>

#include "game.h"

namespace quillo {

std::string RankName(int32_t rank)
{
    switch (rank) {
    case RankAce: return "Ace";
    case RankJack: return "Jack";
    case RankQueen: return "Queen";
    case RankKing: return "King";
    default: return std::to_string(rank + 1);
    }
}

std::optional<std::string> StartRankLabelText(const TableState& t)
{
    if (t.Rules.StartRank < 0 || t.Rules.StartRank > RankKing) return std::nullopt;
    return "Starting Rank: " + RankName(t.Rules.StartRank);
}

std::string StockWasteLabelText(const TableState& t)
{
    const GameRules& r = t.Rules;
    if (r.StockPile == -1) return {};
    std::string text = "Stock: " + std::to_string(t.PileAt(r.StockPile).Count);
    if (r.WasteFirst != -1 && r.WasteFirst == r.WasteLast)
        text += "  Waste: " + std::to_string(t.PileAt(r.WasteFirst).Count);
    return text;
}

std::optional<std::string> RedealsLeftLabelText(const TableState& t)
{
    const GameRules& r = t.Rules;
    int left;
    if (r.TableRedeals == RedealsNone || r.TableRedeals == RedealsShowStockPasses) {
        // A single pass is no redeal: a "0" from the start only puzzles.
        if (r.StockRedeals < 2) return std::nullopt;
        left = r.StockRedeals - r.StockPass;
    } else {
        if (r.TableRedeals < 1) return std::nullopt;
        left = r.TableRedeals - r.TableRedealsUsed;
    }
    return "Redeals Left: " + std::to_string(left);
}

std::string DealCaption(const TableState& t)
{
    return "Quillotaire - " + t.GameName + " [" + std::to_string(t.Rules.GameNumber) + "]";
}

std::string ElapsedText(double days)
{
    long seconds = std::lround(std::max(0.0, days) * 86400.0);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return buf;
}

void UpdateStockLabels(Game& g)
{
    g.View().SetLabel(StatusLabel::StockAndWaste, StockWasteLabelText(g.T));
    g.View().SetLabel(StatusLabel::RedealsLeft, RedealsLeftLabelText(g.T));
}

}  // namespace quillo
