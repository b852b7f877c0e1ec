#pragma once
// Card sets made from a look: sheets drawn with QPainter, cut to the card
// shape of the matching frames picture, packed into the card-set format.

#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "card_look.h"
#include "card_shape.h"
#include "presentation/pixel_buffer.h"

namespace quillo::art {

struct CardSetPlan {
    std::string FileName;
    int Width = 71, Height = 96;
    int FramesIndex = 2;
    bool Version3 = false;  // "3.0": all four turned sheets stored
    CardLook Look;
    int Backs = 2;
};

// The card sets the program ships.
std::vector<CardSetPlan> ShippedCardSets();

PixelBuffer ToPixelBuffer(const QImage& image);

// The sheet of class k (0..3) for the given look, uncut. Two threads paint
// it; `first`, when given, runs on the second one before it starts painting.
PixelBuffer PaintSheet(const CardSetPlan& plan, int k, const std::function<void()>& first = {});
// Cuts every cell of a painted sheet to the card shape.
void CutSheet(PixelBuffer& sheet, const CardSetPlan& plan, int k, const FramesPicture& frames);
// Both: the sheet of class k (0..3) for the given look.
PixelBuffer BuildSheet(const CardSetPlan& plan, int k, const FramesPicture& frames);

// The small picture the deck picker shows: a back behind the king of hearts.
PixelBuffer BuildPreview(const CardSetPlan& plan, const PixelBuffer& upright, const FramesPicture& frames);
PixelBuffer BuildPreview(int width, int height, const PixelBuffer& upright, const PixelBuffer& frames, int pitch);

// The whole card-set file.
std::vector<uint8_t> BuildCardSetFile(const CardSetPlan& plan, const FramesPicture& frames);

}  // namespace quillo::art
