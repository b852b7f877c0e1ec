#pragma once
// The card image store: the eight card sheets of the loaded card set, its
// sizes and backs, and the frames picture that gives the cards their shape.

#include <array>
#include <string>
#include <vector>

#include "engine/game_rules.h"
#include "mask_spans.h"
#include "pixel_buffer.h"

namespace quillo {

struct Frames {
    PixelBuffer Picture;  // the frames picture; cell (c, r) starts at (c * FramePitch + 1, r * FramePitch + 1)
    int32_t FramePitch = 0;
    int32_t FramesIndex = -1;  // -1 until a frames file has loaded
    std::array<int32_t, 8> Reserved{};

    bool Loaded() const { return FramesIndex >= 0 && !Picture.Empty(); }
    // Top-left pixel of a cell's content.
    int CellX(int column) const { return column * FramePitch + 1; }
    int CellY(int orientation) const { return orientation * FramePitch + 1; }
};

struct CardImageStore {
    std::array<PixelBuffer, OrientationCount> CardSheets;
    CardSizeTable CardSizes{};
    int32_t BackCount = 0;
    int32_t FramesIndex = -1;  // the frames file the set names
    int Version = 0;           // 2 or 3 once a set has loaded
    Frames CurrentFrames;
    // Drawn sets only: the rim pixels each orientation's card covers in part,
    // blended when a card is drawn. File sets keep their hard frames.
    std::array<std::vector<EdgePixel>, OrientationCount> SoftEdges;

    bool Loaded() const { return Version != 0; }
    // Rows of back cells in every sheet: four, or more for a fifth back.
    int SheetRows() const { return BackCount > 4 ? BackCount : 4; }
    // Top-left pixel of the cell of a face (rank 0..12, suit 0..3) or of back b (rank 13, suit b).
    int CellX(int orientation, int column) const { return (CardSizes[orientation].Width + 1) * column; }
    int CellY(int orientation, int row) const { return (CardSizes[orientation].Height + 1) * row; }
};

}  // namespace quillo
