// Byte layouts of the stored records, pinned byte by byte.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "engine/records.h"
#include "engine/undo.h"
#include "test_support.h"

namespace quillo {
namespace {

// The bytes in hex, a space after every four.
std::string Hex(const uint8_t* b, size_t n)
{
    std::string out;
    char two[3];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(two, sizeof two, "%02x", b[i]);
        out += two;
        if (i % 4 == 3 && i + 1 < n) out += ' ';
    }
    return out;
}

TEST(Records, CardAndPileLayouts)
{
    const Card c{ .Suit = 3, .Rank = 12, .FaceUp = true, .X = -5, .Y = 700, .Order = 17, .InPlay = true,
        .PileIndex = 9, .Moving = true, .Orientation = 6 };
    ByteWriter cw;
    EncodeCard(c, cw);
    EXPECT_EQ(Hex(cw.Bytes().data(), cw.Bytes().size()),
        "03000000 0c000000 01000000 fbffffff bc020000 11000000 01000000 09000000 01000000 06000000");
    ByteReader cr(cw.Bytes());
    Card cardBack;
    DecodeCard(cr, cardBack);
    EXPECT_TRUE(cr.Ok());
    EXPECT_EQ(cardBack, c);

    const Pile p{ .X = 36, .Y = 131, .Layer = 4, .Kind = 1, .Count = 13, .FanDir = FanUp, .Orientation = 7,
        .FanX = -16, .FanY = -20, .DownFanX = -8, .DownFanY = -10, .Unused = 0, .ConsVal = 2, .ConsSuit = 3,
        .BaseRank = 14, .BaseColor = 2 };
    ByteWriter pw;
    EncodePile(p, pw);
    EXPECT_EQ(Hex(pw.Bytes().data(), pw.Bytes().size()),
        "24000000 83000000 04000000 01000000 0d000000 03000000 07000000 f0ffffff ecffffff f8ffffff f6ffffff "
        "00020300 0e000000 02000000");
    ByteReader pr(pw.Bytes());
    Pile pileBack;
    DecodePile(pr, pileBack);
    EXPECT_EQ(pileBack, p);
}

// Cards at 40 bytes each from 0, piles at 56 from 4160, then the stock pass
// and the redeals used.
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
    EXPECT_EQ(Hex(s.data() + 5 * 40, 40), Hex(card5.Bytes().data(), 40));
    EXPECT_EQ(Hex(s.data() + 4160 + 12 * 56, 56), Hex(pile12.Bytes().data(), 56));
    EXPECT_EQ(Hex(s.data() + 7072, 8), "03000000 02000000");

    TableState copy = g.T;
    copy.CardAt(5).X += 100;
    copy.PileAt(12).Count = 0;
    copy.Rules.StockPass = copy.Rules.TableRedealsUsed = 1;
    ReadSnapshot(s, copy);
    EXPECT_TRUE(test::SameCardsAndPiles(copy, g.T));
    EXPECT_EQ(copy.Rules.StockPass, 3);
    EXPECT_EQ(copy.Rules.TableRedealsUsed, 2);
}

}  // namespace
}  // namespace quillo
