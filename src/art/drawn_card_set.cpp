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

    FramesPicture frames = BuildFramesPicture(width, height);
    store.CardSizes = MakeCardSizes(width, height);
    store.BackCount = plan.Backs;
    store.FramesIndex = DrawnFramesIndex;
    store.Version = 2;  // one upright sheet; the turned ones come from it
    store.CardSheets[Upright] = BuildSheet(plan, Upright, frames);
    store.CurrentFrames.Picture = std::move(frames.Picture);
    store.CurrentFrames.FramePitch = frames.Pitch;
    store.CurrentFrames.FramesIndex = DrawnFramesIndex;
    store.CurrentFrames.Reserved = {width, height, FramesColumns, OrientationCount, 0, 0, 0, 0};
    return store;
}

}  // namespace quillo::art
