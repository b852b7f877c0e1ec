#pragma once
// The game table: one row per catalogue game with everything the program
// knows of it, from its name to its rules. An empty entry means the standard
// behaviour; a game without a layout cannot be set up yet.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"

namespace quillo {

class Game;
struct TableState;
struct PlayerAction;
struct HeuristicWeights;

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
enum GameTrait : uint16_t {
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
    // Empty tableau piles and free cells all serve alike, so a solver tries
    // one of them only, and never moves a whole pile to another.
    TraitAlikeEmptyPiles = 128,
    // Home by suit from the Ace, down on the tableau in alternate colours (one
    // deck), in suit or regardless of suit: a card whose builders are home
    // already may go home at once (with the standard rules only).
    TraitSafeHome = 256,
    // A marked card shows with every card on it.
    TraitMarksRun = 512,
    // The first tableau pile keeps its cards' places: Orders have gaps.
    TraitKeepsPlaces = 1024,
    // The game the program starts with when no other is known.
    TraitDefaultGame = 2048,
};

struct GameHooks {
    // The catalogue: the index is the game's identity in every file and list.
    int Index = -1;
    std::string_view Name;
    char Level = 0;  // E, M, H, V or L
    std::string_view HelpTopic;
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
    // Own action lister: appends the legal actions, exactly those the click
    // and drop rules accept (for the solver, hints and tests).
    void (*Actions)(const TableState&, std::vector<PlayerAction>&) = nullptr;
    // Own card placement: lays out pile p's cards and returns true where the
    // pile is not a plain fan, else false and the pile fans as usual.
    bool (*PlaceCards)(TableState&, int pile) = nullptr;
    // Piles, as bits, that a drag can change besides the group's own frame.
    uint64_t (*DragRedraws)(const TableState&) = nullptr;
    // The solver's measure of progress; the common one when null.
    const HeuristicWeights* Weights = nullptr;
    uint16_t Traits = TraitNone;
};

const std::array<GameHooks, CatalogueSize>& GameTable();
const GameHooks& HooksOf(int catalogueIndex);
bool IsPlayable(int catalogueIndex);
bool HasTrait(int catalogueIndex, GameTrait trait);
// The game the program starts with when no other is known.
int DefaultGame();
// What is wrong with a table of rows: empty when every row is in its
// catalogue place with a unique name and topic, a layout and a deal, and a
// game with its own click rule lists its own actions.
std::string CheckGameTable(const GameHooks* rows, int count);

}  // namespace quillo
