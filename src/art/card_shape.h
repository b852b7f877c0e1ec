#pragma once
// The shape of a card in every orientation, and the frames picture built
// from it. Turned shapes follow exactly where the loader's rotation puts a
// turned card, so masks, outlines and turned faces line up to the pixel.

#include <array>
#include <vector>

#include "engine/game_rules.h"
#include "presentation/mask_spans.h"
#include "presentation/pixel_buffer.h"

namespace quillo::art {

// Corner radius of an upright card of the given size.
double CornerRadius(int width, int height);

// Where an upright card lands in the cell of turned class k (0..3): cell
// point = Target + R(angle) * (card point - Source), R turning clockwise on
// the screen. Class 3 is the identity.
struct TurnPlacement {
    double Angle = 0;
    double TargetX = 0, TargetY = 0;
    double SourceX = 0, SourceY = 0;
};
TurnPlacement PlacementFor(const CardSizeTable& sizes, int k);

// Whether the pixel (x, y) of a class-k cell lies on the card, grown by
// `grow` pixels on every side.
class CardShape {
public:
    CardShape(const CardSizeTable& sizes, int k, double grow = 0);
    bool Inside(double px, double py) const;  // a point in cell coordinates
    bool PixelInside(int x, int y) const { return Inside(x + 0.5, y + 0.5); }

private:
    TurnPlacement P_;
    double Cos_, Sin_, W_, H_, R_, Grow_;
};

struct FramesPicture {
    PixelBuffer Picture;
    int Pitch = 0;
};

// The frames picture for an upright card of w x h: outline, mask, place
// outline and mask, foundation outline and mask, for the eight classes.
FramesPicture BuildFramesPicture(int width, int height);

// The rim pixels of a class-k cell (0..7) that the card covers only in
// part, with the share it covers: those inside the frames' mask blend their
// own colour, those outside the colour of a neighbour on the card.
std::vector<EdgePixel> SoftEdgeOf(const FramesPicture& frames, int width, int height, int k);
// The soft edge of a w-wide cell turned a quarter anticlockwise.
std::vector<EdgePixel> QuarterTurnEdge(std::vector<EdgePixel> edge, int w);

// Cuts a class-k cell at (x, y) of a sheet to the card shape the way the
// loader cuts turned cells: each byte ANDed with NOT mask and with outline.
void CutToShape(PixelBuffer& sheet, int x, int y, const FramesPicture& frames, int k, int w, int h);

}  // namespace quillo::art
