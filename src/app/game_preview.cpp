#include "game_preview.h"

#include "engine/deal.h"
#include "engine/game.h"
#include "engine/setup.h"

namespace quillo {

void PreviewView::ResizePreview(int width, int height, int shownWidth, int shownHeight)
{
    if (Target_.Picture.width() != width || Target_.Picture.height() != height)
        Target_.Picture = QImage(width, height, QImage::Format_RGB888);
    Target_.ShownWidth = shownWidth;
    Target_.ShownHeight = shownHeight;
}

bool PreviewView::PreviewHasSize(int width, int height) const
{
    return Target_.Picture.width() == width && Target_.Picture.height() == height;
}

void PreviewView::PaintPreview()
{
    Target_.Picture.fill(QColor(0, 128, 0));
    if (Painter_) Painter_(Table_, Target_.Picture);
    ++Target_.Paints;
}

void PreviewGame(Game& g, int game, PreviewPicture& target, const PreviewPainter& painter)
{
    // The whole table is a plain value; the undo history is not touched.
    const TableState saved = g.T;
    TableView& live = g.View();
    PreviewView preview(live, g.T, target, painter);
    g.SetView(preview);
    g.T.CurrentGame = game;
    if (SetupGame(g, SetupForm::Preview)) NewDeal(g, DealKind::Preview);
    const uint32_t seed = g.T.RandSeed;
    g.SetView(live);
    g.T = saved;
    g.T.RandSeed = seed;
}

}  // namespace quillo
