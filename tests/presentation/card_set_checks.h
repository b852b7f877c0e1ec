#pragma once
// What every complete card set in the store must hold, whether it was read
// from a file or drawn in memory: the size table of its upright card, all
// eight sheets (built on demand), cells black outside the frame mask (the
// field ORs a cell over a hole cut by the mask, so anything else would smear
// the table), and quarter-turned sheets that are quarter turns.

#include <gtest/gtest.h>

#include <string>

#include "engine/card_sizes.h"
#include "presentation/card_set_format.h"
#include "presentation/card_set_reader.h"
#include "presentation/sheet_preparation.h"

namespace quillo::test {

inline void ExpectCompleteSet(CardImageStore& store, int width, int height, int backs, const std::string& name)
{
    SCOPED_TRACE(name);
    ASSERT_TRUE(store.Loaded());
    ASSERT_TRUE(store.CurrentFrames.Loaded());
    EXPECT_EQ(store.CardSizes, MakeCardSizes(width, height));
    EXPECT_EQ(store.BackCount, backs);
    BuildAllSheets(store);
    const Frames& f = store.CurrentFrames;
    for (int o = 0; o < OrientationCount; ++o) {
        const CardSize& s = store.CardSizes[o];
        EXPECT_GE(f.FramePitch, std::max(s.Width, s.Height) + 4) << o;
        ASSERT_TRUE(SheetCovers(store.CardSheets[o], s, std::max(4, backs))) << o;
        ASSERT_TRUE(f.Picture.Contains(f.CellX(FrameMask) + s.Width - 1, f.CellY(o) + s.Height - 1)) << o;
        int inside = 0;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < SheetColumns; ++c)
                for (int y = 0; y < s.Height; ++y)
                    for (int x = 0; x < s.Width; ++x) {
                        const Bgr m = f.Picture.GetPixel(f.CellX(FrameMask) + x, f.CellY(o) + y);
                        const Bgr px = store.CardSheets[o].GetPixel(store.CellX(o, c) + x, store.CellY(o, r) + y);
                        if (m == Bgr{255, 255, 255})
                            ASSERT_EQ(px, (Bgr{0, 0, 0})) << "o" << o << " cell " << c << "," << r << " at " << x << "," << y;
                        else
                            inside += px != Bgr{0, 0, 0};
                    }
        EXPECT_GT(inside, 52 * s.Width * s.Height / 3) << "o" << o;
    }
    for (int k = 0; k < 4; ++k) {
        const CardSize& s = store.CardSizes[k];
        for (auto [c, r, x, y] : {std::array{0, 0, s.Width / 3, s.Height / 4}, {12, 3, s.Width / 2, s.Height / 5},
                                  {13, 2, s.Width - 1, s.Height - 1}})
            EXPECT_EQ(store.CardSheets[k + 4].GetPixel(store.CellX(k + 4, c) + y, store.CellY(k + 4, r) + s.Width - 1 - x),
                      store.CardSheets[k].GetPixel(store.CellX(k, c) + x, store.CellY(k, r) + y))
                << k << " cell " << c << "," << r;
    }
}

}  // namespace quillo::test
