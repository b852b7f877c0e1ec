#pragma once
// A small card art drawn in code for the drawing and pointer suites: every
// face one flat colour, backs blue, masks with cut-off corners, so that
// pixel checks can tell cards, backs, marks and corners apart.

#include <algorithm>
#include <array>

#include "engine/card_sizes.h"
#include "presentation/field.h"
#include "presentation/pixel_buffer.h"

namespace quillo::test {

// Corners: pixels this close (in x plus y) to a card corner are transparent.
constexpr int CornerCut = 4;

inline bool InCorner(int x, int y, int w, int h)
{
    return std::min(x, w - 1 - x) + std::min(y, h - 1 - y) < CornerCut;
}

inline Bgr FaceColour(int rank, int suit)
{
    return {static_cast<uint8_t>(10 + rank * 15), static_cast<uint8_t>(20 + suit * 50), 200};
}

inline Bgr BackColour(int back)
{
    return {static_cast<uint8_t>(120 + back), 30, 30};
}

constexpr Bgr MarkColour{250, 250, 250};

struct DrawnArt {
    std::array<PixelBuffer, OrientationCount> Sheets;
    PixelBuffer Frames;
    int Pitch = 0;

    explicit DrawnArt(const CardSizeTable& sizes = DefaultCardSizes())
    {
        for (const CardSize& s : sizes) Pitch = std::max({Pitch, s.Width + 5, s.Height + 5});
        Frames.Create(6 * Pitch + 2, OrientationCount * Pitch + 2);  // white
        for (int o = 0; o < OrientationCount; ++o) {
            const CardSize& s = sizes[static_cast<size_t>(o)];
            const int w = s.Width, h = s.Height, top = o * Pitch + 1;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    Frames.SetPixel(Pitch + 1 + x, top + y, InCorner(x, y, w, h) ? Bgr{255, 255, 255} : Bgr{});
            // Place outlines: a light frame line, black elsewhere; masks black on the line.
            for (int column : {2, 4}) {
                const int bw = column == 4 ? w + 4 : w, bh = column == 4 ? h + 4 : h;
                for (int y = 0; y < bh; ++y)
                    for (int x = 0; x < bw; ++x) {
                        const bool line = x == 0 || y == 0 || x == bw - 1 || y == bh - 1;
                        Frames.SetPixel(column * Pitch + 1 + x, top + y, line ? MarkColour : Bgr{});
                        Frames.SetPixel((column + 1) * Pitch + 1 + x, top + y, line ? Bgr{} : Bgr{255, 255, 255});
                    }
            }
            PixelBuffer& sheet = Sheets[static_cast<size_t>(o)];
            sheet.Create((w + 1) * 14, (h + 1) * 4);
            for (int row = 0; row < 4; ++row)
                for (int col = 0; col < 14; ++col) {
                    const Bgr c = col == 13 ? BackColour(row) : FaceColour(col, row);
                    for (int y = 0; y < h; ++y)
                        for (int x = 0; x < w; ++x)
                            sheet.SetPixel((w + 1) * col + x, (h + 1) * row + y, InCorner(x, y, w, h) ? Bgr{} : c);
                }
        }
    }

    void Attach(Field& f) const
    {
        for (int o = 0; o < OrientationCount; ++o) f.Art.Sheets[static_cast<size_t>(o)] = &Sheets[static_cast<size_t>(o)];
        f.Art.Frames = &Frames;
        f.Art.FramePitch = Pitch;
    }
};

// Records what the drawing asked the window to show.
struct RecordingSurface : FieldSurface {
    std::vector<FieldRect> Invalidated;
    int Repaints = 0;
    int Sleeps = 0;
    void Invalidate(const FieldRect& r) override { Invalidated.push_back(r); }
    void RepaintNow() override { ++Repaints; }
    void Sleep(int) override { ++Sleeps; }
};

}  // namespace quillo::test
