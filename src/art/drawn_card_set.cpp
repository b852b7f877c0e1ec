#include "drawn_card_set.h"

#include <algorithm>

#include "card_set_builder.h"
#include "engine/card_sizes.h"
#include "presentation/card_set_format.h"
#include "presentation/sheet_preparation.h"

namespace quillo::art {

CardLook DrawnSetLook()
{
    return ClassicLook();
}

CardImageStore DrawCardSet(int32_t width, int32_t height, const CardLook& look, int32_t backs)
{
    CardImageStore store;
    auto edge = [](int32_t v) { return v >= MinDrawnEdge && v <= MaxDrawnEdge; };
    if (!edge(width) || !edge(height) || look.Backs.empty()) return store;
    CardSetPlan plan;
    plan.Width = width;
    plan.Height = height;
    plan.FramesIndex = DrawnFramesIndex;
    plan.Look = look;
    plan.Backs = std::clamp<int32_t>(backs, 1, static_cast<int32_t>(look.Backs.size()));

    // The frames picture is made while the faces are painted.
    FramesPicture frames;
    PixelBuffer sheet = PaintSheet(plan, Upright, [&] { frames = BuildFramesPicture(width, height); });
    CutSheet(sheet, plan, Upright, frames);
    store.CardSizes = MakeCardSizes(width, height);
    store.BackCount = plan.Backs;
    store.FramesIndex = DrawnFramesIndex;
    store.Version = 2;  // one upright sheet; the turned ones come from it
    store.CardSheets[Upright] = std::move(sheet);
    for (int k = 0; k < 4; ++k) {
        auto& edge = store.SoftEdges[static_cast<size_t>(k)];
        edge = SoftEdgeOf(frames, width, height, k);
        store.SoftEdges[static_cast<size_t>(k + 4)] = QuarterTurnEdge(edge, store.CardSizes[k].Width);
    }
    store.CurrentFrames.Picture = std::move(frames.Picture);
    store.CurrentFrames.FramePitch = frames.Pitch;
    store.CurrentFrames.FramesIndex = DrawnFramesIndex;
    store.CurrentFrames.Reserved = {width, height, FramesColumns, OrientationCount, 0, 0, 0, 0};
    return store;
}

PixelBuffer PreviewOf(const CardImageStore& store)
{
    if (!store.Loaded() || store.CardSheets[Upright].Empty()) return {};
    return BuildPreview(store.CardSizes[Upright].Width, store.CardSizes[Upright].Height, store.CardSheets[Upright],
                        store.CurrentFrames.Picture, store.CurrentFrames.FramePitch);
}

}  // namespace quillo::art
