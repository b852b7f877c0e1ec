#include <gtest/gtest.h>

#include "engine/catalogue.h"
#include "engine/layout_cards.h"

namespace quillo {
namespace {

// One pile at (100, 50) holding count cards, Order 0..count-1, face-up where
// faces says 'U'.
TableState OnePile(uint8_t fan, const std::string& faces)
{
    TableState t;
    t.CurrentGame = games::Klondike;
    t.Rules.PileCount = 1;
    t.Rules.TotalCards = 52;
    // Steps come from the card size: 20 face up, half that face down.
    t.Rules.FaceDownFan = DownFanHalf;
    Pile& p = t.PileAt(0);
    p.X = 100;
    p.Y = 50;
    p.FanDir = fan;
    for (size_t i = 0; i < faces.size(); ++i) {
        Card& c = t.Cards[i];
        c.InPlay = true;
        c.PileIndex = 0;
        // Reverse the card indexes so that order does not follow them.
        t.Cards[i].Order = static_cast<int32_t>(faces.size() - 1 - i);
        c.FaceUp = faces[faces.size() - 1 - i] == 'U';
    }
    return t;
}

TEST(LayOutCards, FansBySteppingOverTheCardBelow)
{
    struct Row {
        uint8_t Fan;
        std::string Faces;            // bottom up
        std::vector<int32_t> OffsetY;  // by Order
    };
    const Row rows[] = {
        {FanNone, "DDU", {0, 0, 0}},
        {FanDown, "DDUU", {0, 10, 20, 40}},
        {FanDown, "UUU", {0, 20, 40}},
        {FanDown, "UDU", {0, 20, 30}},
    };
    for (const Row& row : rows) {
        TableState t = OnePile(row.Fan, row.Faces);
        LayOutCards(t);
        for (size_t i = 0; i < row.Faces.size(); ++i) {
            const Card& c = t.Cards[i];
            EXPECT_EQ(c.X, 100) << row.Faces;
            EXPECT_EQ(c.Y - 50, row.OffsetY[static_cast<size_t>(c.Order)]) << row.Faces << " order " << c.Order;
        }
    }
}

TEST(LayOutCards, PyramidFillsSevenCentredRows)
{
    TableState t = OnePile(FanDown, std::string(28, 'U'));
    t.CurrentGame = games::Pyramid;
    t.Rules.TableFirst = t.Rules.TableLast = 0;
    t.PileAt(0).X = 400;
    LayOutCards(t);
    const int w = t.Rules.CardWidth();
    int n = 0, rowY = -1, prevX = 0;
    for (int r = 0; r < 7; ++r) {
        long sum = 0;
        for (int j = 0; j <= r; ++j, ++n) {
            const Card* c = nullptr;
            for (const Card& k : t.Cards)
                if (k.InPlay && k.Order == n) c = &k;
            ASSERT_NE(c, nullptr);
            // A row lies below the one above it, its cards side by side without overlapping.
            if (j == 0) {
                EXPECT_GT(c->Y, rowY) << "row " << r;
                rowY = c->Y;
            }
            EXPECT_EQ(c->Y, rowY) << "row " << r;
            sum += c->X;
            if (j > 0) {
                EXPECT_GE(c->X - prevX, w) << "row " << r;
            }
            prevX = c->X;
        }
        // Each row is centred under the top card (to a pixel of rounding).
        EXPECT_NEAR(static_cast<double>(sum) / (r + 1), 400.0, 1.0) << "row " << r;
    }
}

}  // namespace
}  // namespace quillo
