#pragma once
// Card pictures drawn with QPainter into the rectangle (0, 0, width, height)
// of the painter's current coordinates. The painter may be turned: the
// turned sheets of "3.0" sets are drawn straight from these.

#include <QPainter>
#include <QPainterPath>

#include "card_look.h"

namespace quillo::art {

// The outline of a suit sign in the unit square.
QPainterPath SuitPath(int suit);

// Draws a suit sign filling the box, turned upside down when asked.
void DrawSuit(QPainter& p, int suit, const QRectF& box, const QColor& colour, bool upsideDown = false);

// Rank 0 (Ace) .. 12 (King), suit 0..3.
void PaintFace(QPainter& p, int width, int height, int rank, int suit, const CardLook& look);
void PaintBack(QPainter& p, int width, int height, const BackDesign& back);

// The court figure (rank 10 Jack, 11 Queen, 12 King) in the upper half of
// a frame, facing the viewer; the caller mirrors it for the lower half.
void PaintCourtHalf(QPainter& p, const QRectF& half, int rank, int suit, const CardLook& look);

}  // namespace quillo::art
