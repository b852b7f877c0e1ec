#include "game_preview.h"

#include <cstring>

#include "engine/deal.h"
#include "engine/game.h"
#include "engine/setup.h"
#include "presentation/field.h"
#include "engine/layout_cards.h"

namespace quillo {

void PreviewView::ResizePreview(int width, int height, int shownWidth, int shownHeight)
{
    if (!PreviewHasSize(width, height)) Target_.Picture.Create(width, height);
    Target_.ShownWidth = shownWidth;
    Target_.ShownHeight = shownHeight;
}

bool PreviewView::PreviewHasSize(int width, int height) const
{
    return Target_.Picture.Width() == width && Target_.Picture.Height() == height;
}

void PreviewView::PaintPreview()
{
    PixelBuffer& pic = Target_.Picture;
    const Bgr green = BgrFromRgb(0x008000);
    for (int y = 0; y < pic.Height(); ++y)
        for (int x = 0; x < pic.Width(); ++x) pic.SetPixel(x, y, green);
    if (Painter_) Painter_(Table_, Target_.Picture);
    ++Target_.Paints;
}

PreviewPainter FieldPreviewPainter(const Field& field)
{
    return [&field](TableState& t, PixelBuffer& picture) {
        LayOutCards(t);
        field.DrawPilesAndCards(picture, t);
    };
}

QImage ToQImage(const PixelBuffer& picture)
{
    QImage image(picture.Width(), picture.Height(), QImage::Format_BGR888);
    const size_t bytes = static_cast<size_t>(picture.Width()) * 3;
    for (int y = 0; y < picture.Height(); ++y) std::memcpy(image.scanLine(y), picture.Row(y), bytes);
    return image;
}

void PreviewGame(Game& g, int game, PreviewPicture& target, const PreviewPainter& painter)
{
    // The whole table is a plain value; the undo history is not touched.
    const TableState saved = g.T;
    TableView& live = g.View();
    PreviewView preview(live, g.T, target, painter);
    g.SetView(preview);
    g.T.CurrentGame = game;
    // A game without a layout shows an empty box.
    if (SetupGame(g, SetupForm::Preview))
        NewDeal(g, DealKind::Preview);
    else
        target.Picture.Free();
    const uint32_t seed = g.T.RandSeed;
    g.SetView(live);
    g.T = saved;
    g.T.RandSeed = seed;
}

}  // namespace quillo
