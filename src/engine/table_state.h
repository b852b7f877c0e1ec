#pragma once
// The table: every card, every pile, the live rules record and the few
// indexes beside them. A plain value, cheap to copy, so that a solver can
// play on copies without touching the live game.

#include <array>
#include <cstdint>
#include <string>

#include "card.h"
#include "card_sizes.h"
#include "game_rules.h"

namespace quillo {

struct DealPair {
    int32_t Key = 0;
    int32_t CardIndex = 0;
    bool operator==(const DealPair&) const = default;
};

struct PilePair {
    int32_t Key = 0;
    int32_t PileIndex = 0;
    bool operator==(const PilePair&) const = default;
};

// The Options menu's three check marks.
struct Options {
    bool Sound = true;
    bool Animation = true;
    bool Autoplay = true;
    bool operator==(const Options&) const = default;
};

struct TableState {
    std::array<Card, MaxCards> Cards{};
    std::array<Pile, MaxPiles> Piles{};
    GameRules Rules;
    GameRules ChosenRules;
    std::array<DealPair, MaxCards> DealOrder{};
    std::array<PilePair, MaxPiles> PileOrder{};

    int CurrentGame = 0;
    int32_t CurrentCustom = -1;  // key of the custom game, -1 for a built-in one
    std::string GameName;
    std::string HelpTopic;

    // Play fields: the pressed card, the pile under test, the picked group.
    int ActiveCard = -1;
    int DropPile = -1;
    int PickedCount = 0;
    bool Dragging = false;
    int MarkedCard = -1;
    // Drag geometry: pointer minus ActiveCard's position at pick-up (home
    // grip) and now (current grip), and the pile the group is laid out for.
    int32_t HomeGripX = 0, HomeGripY = 0;
    int32_t GripX = 0, GripY = 0;
    int HoverPile = -1;

    uint32_t RandSeed = 0;

    // Reference field of the layout routines; Star and Braid enlarge it.
    int32_t BaseWidth = 792;
    int32_t BaseHeight = 526;
    bool PreviewMode = false;
    bool LayoutReady = false;
    // The deal is not yet counted as played; the first press counts it.
    bool PlayedPending = false;

    Options Opt;

    // Until a card set is loaded, cards have the default set's sizes.
    TableState() { Rules.CardSizes = DefaultCardSizes(); }

    Card& CardAt(int i) { return Cards[static_cast<size_t>(i)]; }
    const Card& CardAt(int i) const { return Cards[static_cast<size_t>(i)]; }
    Pile& PileAt(int i) { return Piles[static_cast<size_t>(i)]; }
    const Pile& PileAt(int i) const { return Piles[static_cast<size_t>(i)]; }
};

}  // namespace quillo
