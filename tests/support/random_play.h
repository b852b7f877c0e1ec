#pragma once
// Random play as a careless or hostile player would drive the window: legal
// actions mixed with presses on any card or pile (either button), drags onto
// any pile, Undo and the Deal button. Shared by the tests and the fuzz
// targets that play what a file reader accepted.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/move_list.h"
#include "engine/moves.h"
#include "engine/pointer.h"
#include "storage/table_check.h"

namespace quillo::test {

// One step, picked by choice. Ends with nothing dragged.
inline void PlayRandomStep(Game& g, uint32_t choice, std::vector<PlayerAction>& scratch)
{
    TableState& t = g.T;
    const uint32_t arg = choice >> 4;
    const int cards = t.Rules.TotalCards, piles = t.Rules.PileCount;
    auto pressCard = [&](int card, Button button) {
        const Card& c = t.CardAt(card);
        FieldPress(g, {button, c.InPlay ? card : -1, c.PileIndex, c.X + 2, c.Y + 2});
    };
    switch (choice % 8) {
    case 0:
    case 1:
    case 2: {
        scratch.clear();
        ListActions(t, scratch);
        if (!scratch.empty()) PlayAction(g, scratch[arg % scratch.size()]);
        break;
    }
    case 3:
        if (cards > 0)
            pressCard(static_cast<int>(arg % static_cast<uint32_t>(cards)), (arg & 1) ? Button::Right : Button::Left);
        break;
    case 4:
        if (piles > 0) {
            const int p = static_cast<int>(arg % static_cast<uint32_t>(piles));
            FieldPress(g, {Button::Left, -1, p, t.PileAt(p).X + 2, t.PileAt(p).Y + 2});
        }
        break;
    case 5:
        if (cards > 0 && piles > 0) {
            pressCard(static_cast<int>(arg % static_cast<uint32_t>(cards)), Button::Left);
            if (t.Dragging) SnapGroupTo(g, static_cast<int>((arg >> 8) % static_cast<uint32_t>(piles)));
        }
        break;
    case 6:
        if (arg & 1)
            RedoMove(g);
        else
            UndoMove(g);
        break;
    default:
        if (t.Rules.TableRedeals != RedealsNone) DealButton(g);
        break;
    }
    if (t.Dragging) FieldRelease(g);
}

// What is wrong with the table after a step, or nothing.
inline std::optional<std::string> PlayedTableFault(const TableState& t)
{
    return CheckTable(t.Rules, t.Cards, t.Piles, PlacesPileOf(t.CurrentGame, t.Rules));
}

// Plays a number of random steps from the xorshift state x; false at the
// first table the checks find broken.
inline bool PlayRandomSteps(Game& g, uint32_t& x, int steps, std::vector<PlayerAction>& scratch)
{
    for (int step = 0; step < steps; ++step) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        PlayRandomStep(g, x, scratch);
        if (PlayedTableFault(g.T)) return false;
    }
    return true;
}

}  // namespace quillo::test
