// Card sets drawn in memory at any size: complete like a loaded set, taken
// into the store the same way, and with faces a fanned pile tells apart.

#include <gtest/gtest.h>

#include "art/drawn_card_set.h"
#include "card_set_checks.h"
#include "gui_support.h"
#include "presentation/card_art.h"
#include "presentation/raster_ops.h"

namespace quillo {
namespace {

class DrawnCardSets : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::EnsureGui(); }
};

TEST_F(DrawnCardSets, EverySizeGivesACompleteSetWithTurnedSheetsLeftForLater)
{
    const std::array<int, 2> sizes[] = {{8, 11}, {18, 24}, {41, 55}, {97, 131}, {90, 90}};
    for (const auto [w, h] : sizes) {
        const std::string name = std::to_string(w) + "x" + std::to_string(h);
        CardImageStore store = art::DrawCardSet(w, h);
        ASSERT_TRUE(store.Loaded()) << name;
        EXPECT_EQ(store.FramesIndex, art::DrawnFramesIndex);
        EXPECT_EQ(store.CurrentFrames.FramesIndex, art::DrawnFramesIndex);
        for (int o = 0; o < OrientationCount; ++o)
            EXPECT_EQ(store.CardSheets[o].Empty(), o != Upright) << name << " o" << o;
        test::ExpectCompleteSet(store, w, h, art::DrawnSetBacks, name);
    }
}

TEST_F(DrawnCardSets, EdgesOutsideTheRangeGiveNoSetAndBacksAreClamped)
{
    struct Row {
        int W, H, Backs;
        bool Drawn;
        int BackCount;
    };
    const Row rows[] = {{7, 96, 3, false, 0},   {71, 7, 3, false, 0}, {art::MaxDrawnEdge + 1, 96, 3, false, 0}, {0, 0, 3, false, 0},
                        {-71, 96, 3, false, 0}, {71, 96, 0, true, 1}, {71, 96, 99, true, 3},  {art::MaxDrawnEdge, 8, 2, true, 2}};
    for (const Row& r : rows) {
        const CardImageStore store = art::DrawCardSet(r.W, r.H, art::DrawnSetLook(), r.Backs);
        EXPECT_EQ(store.Loaded(), r.Drawn) << r.W << "x" << r.H;
        EXPECT_EQ(store.BackCount, r.BackCount) << r.W << "x" << r.H << " backs " << r.Backs;
    }
}

// Taken in like a loaded set: the rules get its sizes and backs, and the
// field draws a turned card from a sheet built on first use.
TEST_F(DrawnCardSets, ComesIntoTheStoreAndTheFieldLikeALoadedSet)
{
    CardImageStore live;
    GameRules rules;
    rules.BackIndex = 2;
    std::vector<bool> backOn;
    UseCardSet(art::DrawCardSet(53, 77, art::DrawnSetLook(), 1), live, rules, [&](bool on) { backOn.push_back(on); });
    EXPECT_EQ(rules.CardSizes, MakeCardSizes(53, 77));
    EXPECT_EQ(rules.BackCount, 1);
    EXPECT_EQ(rules.BackIndex, 0);
    EXPECT_EQ(backOn, std::vector<bool>{false});

    const CardArt art = ArtOf(live);
    ASSERT_TRUE(art.Ready());
    const Frames& f = live.CurrentFrames;
    for (int o : {1, 5}) {
        const CardSize& s = live.CardSizes[o];
        PixelBuffer table(s.Width + 4, s.Height + 4);
        Fill(table, BgrFromRgb(0x008000));
        DrawMasked(table, 2, 2, *art.Frames, f.CellX(FrameMask), f.CellY(o), art.Sheet(o), live.CellX(o, 6),
                   live.CellY(o, 0), s.Width, s.Height);
        int card = 0, felt = 0;
        for (int y = 0; y < s.Height; ++y)
            for (int x = 0; x < s.Width; ++x) {
                const bool on = f.Picture.GetPixel(f.CellX(FrameMask) + x, f.CellY(o) + y) == Bgr{0, 0, 0};
                const Bgr px = table.GetPixel(2 + x, 2 + y);
                (on ? card : felt) += px != BgrFromRgb(0x008000);
            }
        EXPECT_GT(card, s.Width * s.Height / 3) << o;
        EXPECT_EQ(felt, 0) << o;
    }
}

// The strip a fanned card leaves showing must tell every face from every
// other, rank and suit: the top 20 of 96 pixels of a pile fanned downwards
// and the left 16 of 71 of one fanned sideways, at the default steps.
TEST_F(DrawnCardSets, TheVisibleStripOfAFannedCardTellsEveryFaceApart)
{
    struct Strip {
        const char* Fan;
        int W71, H96;  // the strip's size on a 71 x 96 card
    };
    const Strip strips[] = {{"down", 71, 20}, {"sideways", 16, 96}};
    for (const auto [w, h] : {std::array{40, 54}, {71, 96}, {165, 223}, {300, 405}}) {
        const CardImageStore store = art::DrawCardSet(w, h);
        ASSERT_TRUE(store.Loaded());
        for (const Strip& st : strips) {
            if (h < 64 && st.H96 == 96) continue;  // small cards fan only downwards legibly
            const int stripW = w * st.W71 / 71, stripH = h * st.H96 / 96;
            auto strip = [&](int rank, int suit) {
                std::vector<uint8_t> bytes;
                for (int y = 0; y < stripH; ++y)
                    for (int x = 0; x < stripW; ++x) {
                        const Bgr p = store.CardSheets[Upright].GetPixel(store.CellX(Upright, rank) + x,
                                                                         store.CellY(Upright, suit) + y);
                        // Coarse enough that only the drawing, not its edge shading, tells cards apart.
                        bytes.push_back(static_cast<uint8_t>((p.R > 128) | (p.G > 128) << 1 | (p.B > 128) << 2));
                    }
                return bytes;
            };
            std::vector<std::vector<uint8_t>> seen;
            for (int suit = 0; suit < 4; ++suit)
                for (int rank = 0; rank < 13; ++rank) seen.push_back(strip(rank, suit));
            for (size_t a = 0; a < seen.size(); ++a)
                for (size_t b = a + 1; b < seen.size(); ++b)
                    EXPECT_NE(seen[a], seen[b]) << w << "x" << h << " fanned " << st.Fan << ": rank " << a % 13
                                                << " suit " << a / 13 << " looks like rank " << b % 13 << " suit " << b / 13;
        }
    }
}

}  // namespace
}  // namespace quillo
