#pragma once
// Card sizes and fan steps for every turning class, derived from the upright
// card. Card sets store classes 0..3; 4..7 are always derived from them.

#include "game_rules.h"

namespace quillo {

// Fan steps of an upright card of the given size: 16 x 20 pixels for the
// 71 x 96 card, other sizes in proportion.
CardSize UprightCardSize(int32_t width, int32_t height);

// The upright card turned clockwise by degrees: its bounding box and its
// steps turned by the same angle.
CardSize TurnCardSize(const CardSize& upright, double degrees);

// Class k+4 from class k: the size turned a further 90 degrees.
CardSize QuarterTurn(const CardSize& s);

// Fills classes 4..7 from 0..3.
void DeriveTurnedClasses(CardSizeTable& sizes);

// The full table for an upright card of the given size.
CardSizeTable MakeCardSizes(int32_t width, int32_t height);

// The table used until a card set is loaded: the default 71 x 96 set.
const CardSizeTable& DefaultCardSizes();

// Turning angles of classes 0, 1 and 2.
constexpr double TurnAngles[3] = {60.0, 45.0, 30.0};

}  // namespace quillo
