#pragma once
// Per-game behaviour: one row per catalogue game. An empty entry means the
// standard behaviour; a game without a layout cannot be set up yet.

#include <array>
#include <cstdint>

#include "catalogue.h"

namespace quillo {

class Game;
struct TableState;

enum class Button { Left, Right };

// A press on the field as the click rules see it: the card hit (-1 for
// none), the pile pressed (the card's pile, or the empty pile found), the
// pointer position.
struct Press {
    Button Btn = Button::Left;
    int Card = -1;
    int Pile = -1;
    int X = 0;
    int Y = 0;
};

// What a move did, for the follow-up rules: the group left Source for
// Target; Completed is false when it went back.
struct MoveOutcome {
    int Source = -1;
    int Target = -1;
    bool Completed = false;
};

// Small behaviours that need no function of their own.
enum GameTrait : uint8_t {
    TraitNone = 0,
    // Turning the stock first gathers the tableau onto the waste.
    TraitGatherTableauOnRedeal = 1,
    // Face-down top cards turn up after moves even without AutoplayAllowed.
    TraitAlwaysTurnUp = 2,
    // A refused move puts back one card only, leaning as the braid does.
    TraitPutBackOneCard = 4,
    // Each turn of the stock serves one waste pile fewer (ActiveWastes).
    TraitShrinkingWastes = 8,
    // The drop rule re-forms the dragged group (asked again off every pile).
    TraitRegroupsDrag = 16,
    // The Deal button closes the gaps of the tableau and refills it.
    TraitDealClosesGaps = 32,
    // The Deal button moves each tableau pile's bottom card to its top.
    TraitDealTurnsPiles = 64,
};

struct GameHooks {
    // Fixes decks, pile ranges, positions, fans and the rules that differ
    // from the base values.
    void (*Layout)(Game&) = nullptr;
    // Lays the shuffled cards onto the piles.
    void (*Deal)(Game&) = nullptr;
    // Runs after every card has taken its pile's orientation.
    void (*AfterDeal)(Game&) = nullptr;
    // Own drop rule: DropPile when the picked group may go there, else -1.
    // Works on the table alone so that a solver can ask it on copies.
    int (*Drop)(TableState&) = nullptr;
    // Own click rule: what a press on the field does.
    void (*Click)(Game&, const Press&) = nullptr;
    // Runs after every move PerformMove makes, whether it completed or not.
    void (*FollowUp)(Game&, const MoveOutcome&) = nullptr;
    // Own win test.
    bool (*Won)(const TableState&) = nullptr;
    uint8_t Traits = TraitNone;
    // Own card placement: lays out pile p's cards and returns true where the
    // pile is not a plain fan, else false and the pile fans as usual.
    bool (*PlaceCards)(TableState&, int pile) = nullptr;
};

const std::array<GameHooks, CatalogueSize>& GameTable();
const GameHooks& HooksOf(int catalogueIndex);
bool IsPlayable(int catalogueIndex);

}  // namespace quillo
