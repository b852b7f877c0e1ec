#include "action_commands.h"

namespace quillo {

std::vector<std::string> ActionCommands(const PlayerAction& a)
{
    auto left = [](int card) { return "left " + std::to_string(card); };
    switch (a.Kind) {
    case ActionKind::Drag: return { left(a.Card), "drop " + std::to_string(a.Pile) };
    case ActionKind::Press: return { left(a.Card) };
    case ActionKind::EmptyStock: return { "left-pile " + std::to_string(a.Pile) };
    case ActionKind::DealButton: return { "deal" };
    case ActionKind::TwoPresses:
        return { left(a.Card), a.Other != -1 ? left(a.Other) : "left-pile " + std::to_string(a.Pile) };
    }
    return {};
}

std::vector<std::string> LineCommands(const std::vector<PlayerAction>& line)
{
    std::vector<std::string> out;
    for (const PlayerAction& a : line)
        for (auto& c : ActionCommands(a))
            out.push_back(std::move(c));
    return out;
}

} // namespace quillo
