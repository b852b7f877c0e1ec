#pragma once
// The card size that fits a game to a field: the largest upright card, in
// the 71 x 96 proportions of the file card sets, whose layout fits the
// field as well as the game's layout fits its reference field with the
// 71 x 96 cards. Computed on a scratch table; the live game is untouched.

#include <cstdint>

namespace quillo {

class Game;

struct CardFit {
    int32_t Width = 71;
    int32_t Height = 96;
    bool operator==(const CardFit&) const = default;
};

// Upright card height for a width, in the 71 x 96 proportions.
int32_t FittedCardHeight(int32_t width);

// For the game's current game and a field of the given size (the window's
// client area below the tool bar). A layout fits when
// - the game's MinFieldWidth and MinFieldHeight are within the field,
// - every card of a deal lies inside the field,
// - piles that lie apart at the reference size still lie apart, and
// - each fanned pile has room for as many cards at the narrowest face-up
//   step as it has at the reference size with the full step.
// A field too small for any card size gives the smallest one tried.
CardFit FitCards(const Game& g, int32_t fieldWidth, int32_t fieldHeight);

}  // namespace quillo
