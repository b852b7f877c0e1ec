#pragma once
// Placement operations of the layout routines. Positions come from the
// upright card size and the field size, so a layout fits every card set and
// window.

#include "table_state.h"

namespace quillo {

// Column col of cols evenly spaced columns (cols -1: col is an absolute X);
// likewise row of rows for Y.
void PlacePile(TableState& t, int pile, int col, int cols, int rows, int row);
// Piles first..last, the first at (col0, row0), each next one colStep columns
// and rowStep rows further; the gaps are computed once.
void PlacePileRow(TableState& t, int first, int last, int col0, int rowStep, int rows, int row0, int colStep,
                  int cols);
// A point of the reference field scaled to the field (half to even).
void PlacePileScaled(TableState& t, int pile, double x, double y, int32_t orientation);

enum class MirrorAxis { LeftRight = 0, TopBottom = 1 };
void MirrorPile(TableState& t, int source, int target, MirrorAxis axis);

// Every pile upright and stacked, except the tableau in mode 1 (fanned down)
// and mode 2 (fanned right).
void SetFans(TableState& t, int mode);

// Sets a range of piles to one fan direction and orientation.
void SetPileFans(TableState& t, int first, int last, uint8_t fanDir, int32_t orientation);

}  // namespace quillo
