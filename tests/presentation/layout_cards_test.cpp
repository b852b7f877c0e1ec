// Where the cards of a pile lie: fans step over the card below by its face,
// and Pyramid's cards fill centred rows.

#include <gtest/gtest.h>

#include "engine/catalogue.h"
#include "engine/layout_cards.h"

namespace quillo {
namespace {

// One pile at (100, 50) holding a card for each letter of faces, bottom up,
// face-up where it says 'U'. Card indexes run against the order.
TableState OnePile(uint8_t fan, const std::string& faces)
{
    TableState t;
    t.CurrentGame = games::Klondike;
    t.Rules.PileCount = 1;
    t.Rules.TotalCards = 52;
    t.Rules.FaceDownFan = DownFanHalf;  // 20 face up, half that face down
    t.PileAt(0).X = 100;
    t.PileAt(0).Y = 50;
    t.PileAt(0).FanDir = fan;
    const int32_t n = static_cast<int32_t>(faces.size());
    for (int32_t i = 0; i < n; ++i) {
        Card& c = t.CardAt(i);
        c.InPlay = true;
        c.PileIndex = 0;
        c.Order = n - 1 - i;
        c.FaceUp = faces[static_cast<size_t>(c.Order)] == 'U';
    }
    LayOutCards(t);
    return t;
}

const Card& OfOrder(const TableState& t, int order)
{
    return *std::find_if(t.Cards.begin(), t.Cards.end(), [&](const Card& c) { return c.InPlay && c.Order == order; });
}

TEST(LayOutCards, FansBySteppingOverTheCardBelow)
{
    const std::tuple<uint8_t, std::string, std::vector<int32_t>> rows[] = {
        {FanNone, "DDU", {0, 0, 0}}, {FanDown, "DDUU", {0, 10, 20, 40}}, {FanDown, "UUU", {0, 20, 40}},
        {FanDown, "UDU", {0, 20, 30}}};
    for (const auto& [fan, faces, offsetY] : rows) {
        const TableState t = OnePile(fan, faces);
        for (int order = 0; order < static_cast<int>(faces.size()); ++order) {
            const Card& c = OfOrder(t, order);
            EXPECT_EQ(std::pair(c.X, c.Y - 50), std::pair(100, offsetY[static_cast<size_t>(order)]))
                << faces << " " << order;
        }
    }
}

// Seven rows, each below the one above, its cards side by side without
// overlapping and centred under the top card (to a pixel of rounding).
TEST(LayOutCards, PyramidFillsSevenCentredRows)
{
    TableState t = OnePile(FanDown, std::string(28, 'U'));
    t.CurrentGame = games::Pyramid;
    t.Rules.TableFirst = t.Rules.TableLast = 0;
    t.PileAt(0).X = 400;
    LayOutCards(t);
    for (int r = 0, n = 0, rowY = -1; r < 7; ++r) {
        const int first = n;
        double sum = 0;
        for (int j = 0; j <= r; ++j, ++n) {
            const Card& c = OfOrder(t, n);
            EXPECT_EQ(c.Y, j == 0 ? std::max(c.Y, rowY + 1) : rowY) << "row " << r;
            EXPECT_TRUE(j == 0 || c.X - OfOrder(t, n - 1).X >= t.Rules.CardWidth()) << "row " << r;
            rowY = c.Y;
            sum += c.X;
        }
        EXPECT_NEAR(sum / (n - first), 400.0, 1.0) << "row " << r;
    }
}

}  // namespace
}  // namespace quillo
