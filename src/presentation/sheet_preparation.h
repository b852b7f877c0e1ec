#pragma once
// Building the other orientations of a card set's sheets once per load, so
// that drawing a card is two block transfers.

#include <functional>

#include "card_store.h"

namespace quillo {

// The edge of the square a cell is turned in: 150 pixels, or more for a card
// whose turned picture would not fit (none of the program's own sets).
int RotationWorkSize(const CardSizeTable& sizes);

// Builds sheet k (0, 1, 2: turned 60, 45, 30 degrees) from the upright sheet
// 3, cutting each turned cell to the card shape with the outline and mask of
// frames row k. advance is called after the second and the fourth row.
void RotateUprightSheet(CardImageStore& store, const Frames& frames, int k, const std::function<void()>& advance);

// Sheet k + 4 is sheet k with every cell turned a quarter anticlockwise.
// Loading sets CardSizes record k + 4 (advance is called after each k) and
// leaves the sheet empty: most games never show those forms, and the four of
// them would take half the store's memory. BuildTurnedSheet fills sheet
// k + 4 when a card is first drawn from it; BuildAllSheets fills all of them.
// A set drawn in memory leaves sheets 0..2 empty as well: BuildTurnedSheet
// turns them from the upright sheet on first use.
void DeriveTurnedSizes(CardImageStore& store, const std::function<void()>& advance);
void BuildTurnedSheet(CardImageStore& store, int orientation);
void BuildAllSheets(CardImageStore& store);

// Which cells a sheet holds: the 13 faces in the four suit rows, and a back
// in column 13 of rows 0..BackCount-1.
inline bool SheetHasCell(int column, int row, int backCount)
{
    return column == 13 ? row < backCount || row < 4 : row < 4;
}

}  // namespace quillo
