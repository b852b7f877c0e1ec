#include "card_set_builder.h"

#include <QPainter>
#include <atomic>
#include <cstring>
#include <thread>

#include "card_painter.h"
#include "engine/card_sizes.h"
#include "presentation/card_set_format.h"
#include "presentation/card_set_writer.h"
#include "presentation/image_writer.h"
#include "presentation/raster_ops.h"

namespace quillo::art {

std::vector<CardSetPlan> ShippedCardSets()
{
    CardLook compact = GrandLook();
    compact.Name = "Compact";
    compact.Serif = false;
    compact.Backs.resize(2);
    CardLook mini = ClassicLook();
    mini.Name = "Mini";
    mini.Backs.resize(2);
    CardLook tiny = PlainLook();
    tiny.Name = "Tiny";
    CardLook micro = MiniatureLook();
    micro.Name = "Micro";
    micro.Backs.resize(2);
    return {
        {"wheels.cr3", 71, 96, 2, false, ClassicLook(), 3},
        {"standard.cr3", 71, 96, 2, false, PlainLook(), 2},
        {"parlour.cr3", 71, 96, 2, false, ParlourLook(), 5},
        {"parlour.cr4", 71, 96, 2, true, ParlourLook(), 5},
        {"tall.cr3", 71, 110, 0, false, ModernLook(), 3},
        {"grand.cr4", 71, 106, 1, true, GrandLook(), 4},
        {"compact.cr3", 53, 72, 7, false, compact, 2},
        {"small.cr3", 31, 46, 4, false, MiniatureLook(), 3},
        {"mini.cr3", 26, 36, 3, false, mini, 2},
        {"tiny.cr4", 24, 32, 5, true, tiny, 2},
        {"micro.cr3", 18, 24, 6, false, micro, 2},
    };
}

PixelBuffer ToPixelBuffer(const QImage& image)
{
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    PixelBuffer out(bgr.width(), bgr.height());
    for (int y = 0; y < bgr.height(); ++y)
        std::memcpy(out.Row(y), bgr.constScanLine(y), static_cast<size_t>(bgr.width()) * 3);
    return out;
}

namespace {

// Paints the cells of one row of the class-k sheet and puts them, uncut,
// into that row of the sheet. Rows touch separate pixels, so two threads
// may paint rows of one sheet at once.
void PaintSheetRow(PixelBuffer& sheet, const CardSetPlan& plan, int k, int r)
{
    const CardSizeTable sizes = MakeCardSizes(plan.Width, plan.Height);
    const int w = sizes[k].Width, h = sizes[k].Height;
    const TurnPlacement place = PlacementFor(sizes, k);
    QImage img((w + 1) * SheetColumns, h + 1, QImage::Format_RGB32);
    img.fill(Qt::black);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        for (int c = 0; c < SheetColumns; ++c) {
            const bool face = c < 13 && r < SheetFaceRows;
            const bool back = c == BackColumn && r < plan.Backs;
            if (!face && !back) continue;
            p.save();
            p.setClipRect(QRect((w + 1) * c, 0, w, h));
            p.translate((w + 1) * c, 0);
            if (k != Upright) {
                p.translate(place.TargetX, place.TargetY);
                p.rotate(place.Angle);
                p.translate(-place.SourceX, -place.SourceY);
            }
            if (face)
                PaintFace(p, plan.Width, plan.Height, c, r, plan.Look);
            else
                PaintBack(p, plan.Width, plan.Height, plan.Look.Backs[static_cast<size_t>(r)]);
            p.restore();
        }
    }
    const QImage bgr = img.convertToFormat(QImage::Format_BGR888);
    for (int y = 0; y < h + 1 && (h + 1) * r + y < sheet.Height(); ++y)
        std::memcpy(sheet.Row((h + 1) * r + y), bgr.constScanLine(y), static_cast<size_t>(sheet.Width()) * 3);
}

}  // namespace

PixelBuffer PaintSheet(const CardSetPlan& plan, int k, const std::function<void()>& first)
{
    const CardSizeTable sizes = MakeCardSizes(plan.Width, plan.Height);
    const int w = sizes[k].Width, h = sizes[k].Height;
    const int rows = std::max(SheetFaceRows, plan.Backs);
    PixelBuffer sheet((w + 1) * SheetColumns, (h + 1) * rows);
    // Two painters share out the rows as they come free.
    std::atomic<int> next{0};
    auto paint = [&] {
        for (int r = next++; r < rows; r = next++) PaintSheetRow(sheet, plan, k, r);
    };
    std::thread helper([&] {
        if (first) first();
        paint();
    });
    paint();
    helper.join();
    return sheet;
}

void CutSheet(PixelBuffer& sheet, const CardSetPlan& plan, int k, const FramesPicture& frames)
{
    const CardSizeTable sizes = MakeCardSizes(plan.Width, plan.Height);
    const int w = sizes[k].Width, h = sizes[k].Height;
    const int rows = std::max(SheetFaceRows, plan.Backs);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < SheetColumns; ++c) CutToShape(sheet, (w + 1) * c, (h + 1) * r, frames, k, w, h);
}

PixelBuffer BuildSheet(const CardSetPlan& plan, int k, const FramesPicture& frames)
{
    PixelBuffer sheet = PaintSheet(plan, k);
    CutSheet(sheet, plan, k, frames);
    return sheet;
}

PixelBuffer BuildPreview(int W, int H, const PixelBuffer& upright, const PixelBuffer& frames, int pitch)
{
    const int dx = std::max(2, W * 3 / 10), dy = std::max(2, H / 6);
    PixelBuffer preview(W + dx, H + dy);
    Fill(preview, BgrFromRgb(0xC0C0C0));
    const int mx = FrameMask * pitch + 1, my = Upright * pitch + 1;
    DrawMasked(preview, 0, 0, frames, mx, my, upright, (W + 1) * BackColumn, 0, W, H);
    DrawMasked(preview, dx, dy, frames, mx, my, upright, (W + 1) * 12, (H + 1) * 2, W, H);
    return preview;
}

PixelBuffer BuildPreview(const CardSetPlan& plan, const PixelBuffer& upright, const FramesPicture& frames)
{
    return BuildPreview(plan.Width, plan.Height, upright, frames.Picture, frames.Pitch);
}

std::vector<uint8_t> BuildCardSetFile(const CardSetPlan& plan, const FramesPicture& frames)
{
    const CardSizeTable sizes = MakeCardSizes(plan.Width, plan.Height);
    CardSetContent set;
    set.Version = plan.Version3 ? "3.0" : "2.0";
    set.FramesIndex = plan.FramesIndex;
    set.BackCount = plan.Backs;
    for (int k = 0; k < 4; ++k) set.Sizes[static_cast<size_t>(k)] = sizes[k];
    const PixelBuffer upright = BuildSheet(plan, Upright, frames);
    set.Preview = EncodeBmp(BuildPreview(plan, upright, frames));
    if (plan.Version3) {
        for (int k = 0; k < 3; ++k) set.Pictures.push_back(EncodeBmp(BuildSheet(plan, k, frames)));
    }
    set.Pictures.push_back(EncodeBmp(upright));
    return EncodeCardSet(set);
}

}  // namespace quillo::art
