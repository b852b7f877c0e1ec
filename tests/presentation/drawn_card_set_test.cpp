// Card sets drawn in memory at any size: complete like a loaded set, taken
// into the store the same way, and with faces a fanned pile tells apart.

#include <gtest/gtest.h>

#include <map>
#include <tuple>

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
        EXPECT_EQ(std::pair(store.FramesIndex, store.CurrentFrames.FramesIndex),
                  std::pair(art::DrawnFramesIndex, art::DrawnFramesIndex));
        for (int o = 0; o < OrientationCount; ++o)
            EXPECT_EQ(store.CardSheets[o].Empty(), o != Upright) << name << " o" << o;
        test::ExpectCompleteSet(store, w, h, art::DrawnSetBacks, name);
    }
}

TEST_F(DrawnCardSets, ComesIntoTheStoreAndTheFieldLikeALoadedSet)
{
    CardImageStore live;
    GameRules rules;
    rules.BackIndex = 2;
    std::vector<bool> backOn;
    UseCardSet(art::DrawCardSet(53, 77, art::DrawnSetLook(), 1), live, rules, [&](bool on) { backOn.push_back(on); });
    EXPECT_EQ(std::tie(rules.CardSizes, rules.BackCount, rules.BackIndex, backOn),
              std::tuple(MakeCardSizes(53, 77), 1, 0, std::vector<bool>{false}));

    // Turned sheets are built when a card is first drawn from them.
    const CardArt art = ArtOf(live);
    ASSERT_TRUE(art.Ready());
    for (int o : {1, 5}) EXPECT_TRUE(SheetCovers(art.Sheet(o), live.CardSizes[o], 4)) << o;
}

// The strip a fanned card leaves showing must tell every face from every
// other, rank and suit: the top 20 of 96 pixels of a pile fanned downwards
// and the left 16 of 71 of one fanned sideways, at the default steps.
TEST_F(DrawnCardSets, TheVisibleStripOfAFannedCardTellsEveryFaceApart)
{
    // The strip's size on a 71 x 96 card.
    const std::tuple<const char*, int, int> strips[] = {{"down", 71, 20}, {"sideways", 16, 96}};
    for (const auto [w, h] : {std::array{40, 54}, {71, 96}, {165, 223}, {300, 405}}) {
        const CardImageStore store = art::DrawCardSet(w, h);
        ASSERT_TRUE(store.Loaded());
        for (const auto& [fan, w71, h96] : strips) {
            if (h < 64 && h96 == 96) continue;  // small cards fan only downwards legibly
            const int stripW = w * w71 / 71, stripH = h * h96 / 96;
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
            std::map<std::vector<uint8_t>, int> seen;
            for (int card = 0; card < 52; ++card) {
                const auto [first, added] = seen.emplace(strip(card % 13, card / 13), card);
                EXPECT_TRUE(added) << w << "x" << h << " fanned " << fan << ": rank " << card % 13 << " suit "
                                   << card / 13 << " looks like rank " << first->second % 13 << " suit "
                                   << first->second / 13;
            }
        }
    }
}

}  // namespace
}  // namespace quillo
