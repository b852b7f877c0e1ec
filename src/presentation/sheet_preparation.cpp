#include "sheet_preparation.h"

#include <cmath>

#include "card_set_format.h"
#include "engine/card_sizes.h"
#include "raster_ops.h"

namespace quillo {

int RotationWorkSize(const CardSizeTable& s)
{
    int size = 150;
    const CardSize& up = s[Upright];
    size = std::max(size, static_cast<int>(std::ceil(std::hypot(up.Width, up.Height))) + 2);
    for (int k = 0; k < 3; ++k) size = std::max({size, s[k].Width + 2, s[k].Height + 2});
    return size;
}

void RotateUprightSheet(CardImageStore& store, const Frames& frames, int k, const std::function<void()>& advance)
{
    const CardSize& up = store.CardSizes[Upright];
    const int W = up.Width, H = up.Height;
    const int w = store.CardSizes[k].Width, h = store.CardSizes[k].Height;
    const int rows = store.SheetRows();
    const int work = RotationWorkSize(store.CardSizes);
    const int centre = work / 2;
    const int ox = (work - w) / 2, oy = (work - h) / 2;
    const PixelBuffer& upright = store.CardSheets[Upright];
    PixelBuffer& target = store.CardSheets[k];
    target.Create((w + 1) * SheetColumns, (h + 1) * rows);
    Fill(target, Bgr{0, 0, 0});

    // Cut mask per pixel and colour byte: NOT mask AND outline. Without a
    // usable frames cell the turned picture is kept whole.
    const bool haveFrames = frames.Loaded() && frames.Picture.Contains(frames.CellX(FrameMask) + w - 1, frames.CellY(k) + h - 1);
    std::vector<uint8_t> cut(static_cast<size_t>(w) * h * 3, 0xFF);
    std::vector<uint8_t> any(static_cast<size_t>(w) * h, 1);
    if (haveFrames) {
        for (int y = 0; y < h; ++y) {
            const uint8_t* outline = frames.Picture.PixelAt(frames.CellX(FrameOutline), frames.CellY(k) + y);
            const uint8_t* mask = frames.Picture.PixelAt(frames.CellX(FrameMask), frames.CellY(k) + y);
            for (int i = 0; i < w * 3; ++i) cut[static_cast<size_t>(y * w * 3 + i)] = static_cast<uint8_t>(~mask[i] & outline[i]);
            for (int x = 0; x < w; ++x) {
                const uint8_t* c = &cut[static_cast<size_t>((y * w + x) * 3)];
                any[static_cast<size_t>(y * w + x)] = (c[0] | c[1] | c[2]) != 0;
            }
        }
    }

    // Every cell turns the same way: find once where each target pixel
    // samples the upright cell, then blend those pixels for all 56 cells.
    // The work square starts black and only its part under the target cell
    // is read, so only that part is computed.
    struct Tap {
        int Target;                 // pixel index in the target cell
        ptrdiff_t O00, O10, O01, O11;  // byte offsets from the cell's top-left pixel in the upright sheet
        double Fx, Fy;
    };
    const PixelBuffer cellShape(W, H);  // only its size matters to the rotation
    const BilinearRotation rot(work, work, cellShape, centre, centre, TurnAngles[k]);
    const ptrdiff_t stride = upright.Stride();
    auto offset = [&](int x, int y) { return 3 * static_cast<ptrdiff_t>(x) - stride * y; };
    std::vector<Tap> taps;
    taps.reserve(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int i = y * w + x;
            BilinearRotation::Taps t;
            if (!any[static_cast<size_t>(i)] || !rot.Locate(x + ox, y + oy, t)) continue;
            taps.push_back({i, offset(t.X0, t.Y0), offset(t.X1, t.Y0), offset(t.X0, t.Y1), offset(t.X1, t.Y1), t.Fx, t.Fy});
        }

    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < SheetColumns; ++c) {
            if (!SheetHasCell(c, r, store.BackCount)) continue;
            const uint8_t* origin = upright.PixelAt((W + 1) * c, (H + 1) * r);
            const int tx = (w + 1) * c, ty = (h + 1) * r;
            for (const Tap& t : taps) {
                const int x = t.Target % w, y = t.Target / w;
                uint8_t* out = target.PixelAt(tx + x, ty + y);
                uint8_t px[3];
                BilinearRotation::Blend(origin + t.O00, origin + t.O10, origin + t.O01, origin + t.O11, t.Fx, t.Fy, px);
                const uint8_t* m = &cut[3 * static_cast<size_t>(t.Target)];
                out[0] = px[0] & m[0];
                out[1] = px[1] & m[1];
                out[2] = px[2] & m[2];
            }
        }
        if ((r == 1 || r == 3) && advance) advance();
    }
}

void DeriveTurnedSizes(CardImageStore& store, const std::function<void()>& advance)
{
    for (int k = 0; k < 4; ++k) {
        store.CardSizes[k + 4] = QuarterTurn(store.CardSizes[k]);
        store.CardSheets[k + 4].Free();
        if (advance) advance();
    }
}

void BuildTurnedSheet(CardImageStore& store, int orientation)
{
    if (orientation < 0 || orientation >= OrientationCount || orientation == Upright) return;
    PixelBuffer& target = store.CardSheets[orientation];
    if (!target.Empty() || store.CardSheets[Upright].Empty()) return;
    if (orientation < Upright) {
        RotateUprightSheet(store, store.CurrentFrames, orientation, {});
        return;
    }
    BuildTurnedSheet(store, orientation - 4);
    const PixelBuffer& source = store.CardSheets[orientation - 4];
    if (source.Empty()) return;
    const CardSize& from = store.CardSizes[orientation - 4];
    const int w = store.CardSizes[orientation].Width, h = store.CardSizes[orientation].Height;
    const int rows = store.SheetRows();
    target.Create((w + 1) * SheetColumns, (h + 1) * rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < SheetColumns; ++c) {
            if (!SheetHasCell(c, r, store.BackCount)) continue;
            TurnCellAnticlockwise(source, (from.Width + 1) * c, (from.Height + 1) * r, from.Width, from.Height, target,
                                  (w + 1) * c, (h + 1) * r);
        }
}

void BuildAllSheets(CardImageStore& store)
{
    for (int o = 0; o < OrientationCount; ++o) BuildTurnedSheet(store, o);
}

}  // namespace quillo
