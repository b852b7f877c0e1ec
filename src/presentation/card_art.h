#pragma once
// The field draws from the loaded card set: its eight sheets and the frames
// picture. The pointers stay valid until the store is loaded again.

#include "card_store.h"
#include "field.h"
#include "sheet_preparation.h"

namespace quillo {

inline CardArt ArtOf(CardImageStore& store)
{
    CardArt art;
    for (int o = 0; o < OrientationCount; ++o) art.Sheets[static_cast<size_t>(o)] = &store.CardSheets[static_cast<size_t>(o)];
    art.Frames = &store.CurrentFrames.Picture;
    art.FramePitch = store.CurrentFrames.FramePitch;
    art.SoftEdges = &store.SoftEdges;
    art.BuildSheet = [&store](int o) { BuildTurnedSheet(store, o); };
    return art;
}

}  // namespace quillo
