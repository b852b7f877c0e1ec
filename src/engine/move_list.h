#pragma once
// The legal player actions of a position, for hints, the solver and tests.
// Listing works on the table alone; playing an action goes through the same
// press, drag and release functions as the mouse, so it follows every rule.

#include <cstdint>
#include <vector>

#include "game.h"

namespace quillo {

enum class ActionKind : uint8_t {
    Drag,         // press Card, drop the group on Pile
    Press,        // a left press on Card (deal, turn up, own click rule)
    EmptyStock,   // a left press on the empty stock place
    DealButton,   // the Deal button
    TwoPresses,   // press Card, then press Other (pairs, runs): Other -1 = the empty Pile
};

struct PlayerAction {
    ActionKind Kind = ActionKind::Press;
    int Card = -1;
    int Pile = -1;
    int Other = -1;
    bool operator==(const PlayerAction&) const = default;
};

// Appends the actions that change the table. Leaves t as it found it.
void ListActions(const TableState& t, std::vector<PlayerAction>& out);
// Plays an action as presses and a release would.
void PlayAction(Game& g, const PlayerAction& a);

}  // namespace quillo
