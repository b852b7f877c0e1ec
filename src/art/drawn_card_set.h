#pragma once
// A card set drawn in memory for any card size, instead of read from a file.
// The store it gives is the one LoadCardSet fills: upright sheet, frames
// picture and the eight CardSizes records. The turned sheets (classes 0..2
// and their quarter turns 4..7) are left empty and built from the upright
// sheet when a card is first drawn from them (BuildTurnedSheet), so only
// the upright faces and backs are drawn up front.

#include <cstdint>

#include "card_look.h"
#include "presentation/card_store.h"

namespace quillo::art {

// The frames index of a drawn set: beyond the eight frames files, so its
// frames are never taken for a file's.
inline constexpr int32_t DrawnFramesIndex = 8;

// Card edges a drawn set may have.
inline constexpr int32_t MinDrawnEdge = 8;
inline constexpr int32_t MaxDrawnEdge = 768;

// The look and the backs of the drawn set the program offers.
CardLook DrawnSetLook();
inline constexpr int32_t DrawnSetBacks = 3;

// Draws the set for upright cards of width x height (each edge within
// MinDrawnEdge..MaxDrawnEdge; otherwise the store comes back empty, not
// Loaded()). backs is clamped to 1..look.Backs.size().
CardImageStore DrawCardSet(int32_t width, int32_t height, const CardLook& look = DrawnSetLook(),
                           int32_t backs = DrawnSetBacks);

// The small picture the deck picker shows for a set in the store: its first
// back behind the king of hearts, as in a card-set file's preview.
PixelBuffer PreviewOf(const CardImageStore& store);

}  // namespace quillo::art
