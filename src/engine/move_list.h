#pragma once
// The legal player actions of a position, for hints, the solver and tests.
// Listing works on the table alone; playing an action goes through the same
// press, drag and release functions as the mouse, so it follows every rule.

#include <array>
#include <cstdint>
#include <vector>

#include "game.h"
#include "legality.h"
#include "moves.h"

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

// Pieces the games' own listers are made of.
// The standard lister: picks and turns of every card, then the stock.
void ListStandardActions(const TableState& t, std::vector<PlayerAction>& out);
// Picks and turns of every card off the stock (tableau cards only when
// tableauOnly); s is a scratch copy of t.
void AddPickActions(TableState& s, const TableState& t, std::vector<PlayerAction>& out, bool tableauOnly);
// What the drags of one listing share: the table's top cards and its piles'
// drop points, each worked out at first need. Picking a group changes
// neither, so one listing serves them to every group.
class DragFacts {
public:
    explicit DragFacts(const TableState& t) : T_(t) {}
    Offset DropPointOf(int pile);
    const TopCards& Tops();

private:
    const TableState& T_;
    std::array<Offset, MaxPiles> Points_;
    std::array<bool, MaxPiles> Known_{};
    TopCards Tops_;
    bool TopsKnown_ = false;
};

// Drops of the group picked at card; s is a scratch copy of t, facts those of t.
void AddDrags(TableState& s, const TableState& t, int card, std::vector<PlayerAction>& out);
void AddDrags(TableState& s, const TableState& t, int card, std::vector<PlayerAction>& out, DragFacts& facts);
// A press on the stock, or on its empty place while a redeal is left. A stock
// that deals onto empty piles only waits for one, unless the game's own click
// rule deals regardless.
void AddStockActions(const TableState& t, std::vector<PlayerAction>& out, bool dealsRegardless = false);
bool AnyPileEmpty(const TableState& t, int32_t first, int32_t last);
int CountEmptyPiles(const TableState& t, int32_t first, int32_t last);
// Plays an action as presses and a release would.
void PlayAction(Game& g, const PlayerAction& a);
// Plays an action that ListActions gave for this very table, to the same
// table PlayAction makes, without the drag's search for the drop box.
void PlayListedAction(Game& g, const PlayerAction& a);

}  // namespace quillo
