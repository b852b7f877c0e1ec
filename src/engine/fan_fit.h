#pragma once
// Fanned piles that stay inside the field. A pile whose fan would run past
// the field's edge gets smaller steps: its face-down steps shrink first,
// then its face-up steps down to a step that still shows the corner index,
// then both further, so that no card ever lies outside the field. The steps
// grow back as the pile shrinks. Steps and positions are derived from the
// pile's cards and the field size each time; nothing new is stored.

#include "table_state.h"

namespace quillo {

struct PileSteps {
    Step Up;    // after a face-up card
    Step Down;  // after a face-down card
    bool operator==(const PileSteps&) const = default;
};

// Smallest face-up and face-down steps a squeeze normally goes to, in 96ths
// of the upright card's height: the face-up one still shows rank and suit.
constexpr int MinFaceUpStep96 = 14;
constexpr int MinFaceDownStep96 = 6;

// The steps of a pile as set up for its fan and orientation, before any
// squeeze.
PileSteps SetUpSteps(const TableState& t, const Pile& pile);
// The steps that keep the pile's cards, as they lie now, inside the field.
PileSteps FittedSteps(const TableState& t, int pile);
// Lays a plain fanned pile out from its corner with its current steps.
void PlaceFannedPile(TableState& t, int pile);
// Gives every fanned pile its fitted steps, leaving the cards where they are
// (for a caller that lays every card out next).
void FitFanSteps(TableState& t);
// Gives every fanned pile its fitted steps and lays out again the piles
// whose steps changed: after any change to the cards. Returns whether any
// pile changed.
bool FitFans(TableState& t);

}  // namespace quillo
