// Byte layouts of the stored records, pinned field by field.

#include <gtest/gtest.h>

#include <cstring>

#include "engine/records.h"
#include "engine/undo.h"
#include "test_support.h"

namespace quillo {
namespace {

int32_t I32At(const std::vector<uint8_t>& b, size_t off)
{
    int32_t v;
    std::memcpy(&v, b.data() + off, 4);
    return v;
}

TEST(Records, CardLayout)
{
    Card c{.Suit = 3, .Rank = 12, .FaceUp = true, .X = -5, .Y = 700, .Order = 17, .InPlay = true,
           .PileIndex = 9, .Moving = true, .Orientation = 6};
    ByteWriter w;
    EncodeCard(c, w);
    const auto& b = w.Bytes();
    ASSERT_EQ(b.size(), CardRecordSize);
    EXPECT_EQ(I32At(b, 0), 3);
    EXPECT_EQ(I32At(b, 4), 12);
    EXPECT_EQ(b[8], 1);
    EXPECT_EQ(b[9] | b[10] | b[11], 0);
    EXPECT_EQ(I32At(b, 12), -5);
    EXPECT_EQ(I32At(b, 16), 700);
    EXPECT_EQ(I32At(b, 20), 17);
    EXPECT_EQ(b[24], 1);
    EXPECT_EQ(I32At(b, 28), 9);
    EXPECT_EQ(b[32], 1);
    EXPECT_EQ(I32At(b, 36), 6);

    ByteReader r(b);
    Card back;
    DecodeCard(r, back);
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(back, c);
}

TEST(Records, PileLayout)
{
    Pile p{.X = 36, .Y = 131, .Layer = 4, .Kind = 1, .Count = 13, .FanDir = FanUp, .Orientation = 7, .FanX = -16,
           .FanY = -20, .DownFanX = -8, .DownFanY = -10, .Unused = 0, .ConsVal = 2, .ConsSuit = 3, .BaseRank = 14,
           .BaseColor = 2};
    ByteWriter w;
    EncodePile(p, w);
    const auto& b = w.Bytes();
    ASSERT_EQ(b.size(), PileRecordSize);
    EXPECT_EQ(I32At(b, 0), 36);
    EXPECT_EQ(I32At(b, 4), 131);
    EXPECT_EQ(I32At(b, 8), 4);
    EXPECT_EQ(I32At(b, 12), 1);
    EXPECT_EQ(I32At(b, 16), 13);
    EXPECT_EQ(b[20], FanUp);
    EXPECT_EQ(I32At(b, 24), 7);
    EXPECT_EQ(I32At(b, 28), -16);
    EXPECT_EQ(I32At(b, 32), -20);
    EXPECT_EQ(I32At(b, 36), -8);
    EXPECT_EQ(I32At(b, 40), -10);
    EXPECT_EQ(b[44], 0);
    EXPECT_EQ(b[45], 2);
    EXPECT_EQ(b[46], 3);
    EXPECT_EQ(b[47], 0);
    EXPECT_EQ(I32At(b, 48), 14);
    EXPECT_EQ(I32At(b, 52), 2);

    ByteReader r(b);
    Pile back;
    DecodePile(r, back);
    EXPECT_EQ(back, p);
}

TEST(Records, ShortInputFailsWithoutReadingPastTheEnd)
{
    ByteWriter w;
    EncodeGameRules(GameRules{}, w);
    for (size_t cut : {0u, 1u, 100u, 455u}) {
        ByteReader r(std::span(w.Bytes()).first(cut));
        GameRules g;
        DecodeGameRules(r, g);
        EXPECT_FALSE(r.Ok()) << cut;
    }
}

TEST(Records, UndoSnapshotLayout)
{
    Game g;
    test::SetUpAndDeal(g, games::Klondike, 7);
    g.T.Rules.StockPass = 3;
    g.T.Rules.TableRedealsUsed = 2;
    UndoSnapshot s{};
    WriteSnapshot(g.T, s);
    ByteWriter card5, pile12;
    EncodeCard(g.T.CardAt(5), card5);
    EncodePile(g.T.PileAt(12), pile12);
    EXPECT_EQ(0, std::memcmp(s.data() + 5 * 40, card5.Bytes().data(), 40));
    EXPECT_EQ(0, std::memcmp(s.data() + 4160 + 12 * 56, pile12.Bytes().data(), 56));
    int32_t pass, used;
    std::memcpy(&pass, s.data() + 7072, 4);
    std::memcpy(&used, s.data() + 7076, 4);
    EXPECT_EQ(pass, 3);
    EXPECT_EQ(used, 2);

    TableState copy = g.T;
    copy.CardAt(5).X += 100;
    copy.PileAt(12).Count = 0;
    copy.Rules.StockPass = 1;
    ReadSnapshot(s, copy);
    EXPECT_TRUE(copy.Cards == g.T.Cards);
    EXPECT_TRUE(copy.Piles == g.T.Piles);
    EXPECT_EQ(copy.Rules.StockPass, 3);
}

}  // namespace
}  // namespace quillo
