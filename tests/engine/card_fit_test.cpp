// Fitted card sizes and squeezed fans: no card off the field.

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "engine/card_fit.h"
#include "engine/card_sizes.h"
#include "engine/catalogue.h"
#include "engine/fan_fit.h"
#include "engine/pointer.h"
#include "support/random_play.h"
#include "test_support.h"

namespace quillo {
namespace {

using test::SetUpAndDeal;

// A maximized window whose client area is the field.
class FieldView : public TableView {
public:
    FieldView(int w, int h) : W(w), H(h) {}
    bool IsMaximized() const override { return true; }
    int MaximizedClientWidth() const override { return W; }
    int MaximizedClientHeight() const override { return H + ToolBarHeight(); }
    int W, H;
};

// The game dealt with the cards that fit the view's field.
CardFit DealFitted(Game& g, int game, uint32_t number)
{
    const auto& v = static_cast<const FieldView&>(g.View());
    g.T.CurrentGame = game;
    const CardFit fit = FitCards(g, v.W, v.H);
    g.T.Rules.CardSizes = MakeCardSizes(fit.Width, fit.Height);
    SetUpAndDeal(g, game, number);
    return fit;
}

// The first card that lies outside the field, described, or empty. Cards
// on a pile wholly beyond the field are out of play by the game's design.
std::string CardOutside(const TableState& t)
{
    const GameRules& r = t.Rules;
    for (int i = 0; i < r.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || c.PileIndex < 0) continue;
        const Pile& p = t.PileAt(c.PileIndex);
        if (p.X >= r.FieldWidth || p.Y >= r.FieldHeight) continue;
        const CardSize& s = r.CardSizes[static_cast<size_t>(c.Orientation & 7)];
        if (c.X < 0 || c.Y < 0 || c.X + s.Width > r.FieldWidth || c.Y + s.Height > r.FieldHeight)
            return "card " + std::to_string(i) + " of pile " + std::to_string(c.PileIndex) + " at " +
                   std::to_string(c.X) + "," + std::to_string(c.Y);
    }
    return {};
}

struct FieldSize {
    int W, H;
};
constexpr FieldSize Screens[] = {{800, 600}, {1280, 1024}, {1920, 1080}, {3840, 2160}};

TEST(CardFit, EveryGameDealsInsideTheFieldAtEveryScreenSize)
{
    for (const FieldSize s : Screens) {
        for (const int game : test::LaidOutGames()) {
            FieldView view(s.W, s.H);
            Game g(view);
            const CardFit fit = DealFitted(g, game, 1);
            SCOPED_TRACE(Catalogue()[static_cast<size_t>(game)].Name);
            EXPECT_EQ(g.T.Rules.FieldWidth, s.W);
            EXPECT_EQ(g.T.Rules.FieldHeight, s.H);
            EXPECT_EQ(g.T.Rules.CardHeight(), fit.Height);
            EXPECT_EQ(CardOutside(g.T), "");
            // The fit used the room it had: cards at least a tenth of the
            // smaller side, and Klondike's a fifth of a large screen's height.
            EXPECT_GE(fit.Height * 10, std::min(s.W, s.H)) << s.W << "x" << s.H;
            if (game == games::Klondike && s.H >= 1080) {
                EXPECT_GE(fit.Height * 5, s.H) << s.W << "x" << s.H;
            }
        }
    }
}

TEST(CardFit, StopsAtTheLargestEdgeAsked)
{
    for (const int game : {games::Scorpion, games::Pyramid}) {
        FieldView view(3840, 2160);
        Game g(view);
        g.T.CurrentGame = game;
        const CardFit free = FitCards(g, 3840, 2160);
        const CardFit capped = FitCards(g, 3840, 2160, 512);
        EXPECT_GT(free.Height, 512);
        EXPECT_LE(capped.Height, 512);
        EXPECT_GE(capped.Height, 500);
    }
}

TEST(CardFit, LeavesTheLiveGameAlone)
{
    FieldView view(800, 600);
    Game g(view);
    SetUpAndDeal(g, games::Yukon, 3);
    const TableState before = g.T;
    FitCards(g, 1920, 1080);
    EXPECT_TRUE(g.T.Cards == before.Cards);
    EXPECT_TRUE(g.T.Piles == before.Piles);
    EXPECT_TRUE(g.T.Rules.CardSizes == before.Rules.CardSizes);
}

TEST(CardFit, RandomPlayKeepsEveryCardInside)
{
    for (const int game : {games::Klondike, games::Scorpion, games::Yukon, games::Spider, games::Star}) {
        FieldView view(800, 600);
        Game g(view);
        DealFitted(g, game, 11);
        SCOPED_TRACE(Catalogue()[static_cast<size_t>(game)].Name);
        uint32_t x = 0x9e3779b9u + static_cast<uint32_t>(game);
        std::vector<PlayerAction> scratch;
        for (int step = 0; step < 300; ++step) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            test::PlayRandomStep(g, x, scratch);
            ASSERT_EQ(CardOutside(g.T), "") << "after step " << step;
        }
    }
}

// How a fan step stands: F full, S shrunk but readable, L at the least
// readable step, B below it.
char StepClass(int step, int full, int least)
{
    return step == full ? 'F' : step == least ? 'L' : step > least ? 'S' : 'B';
}

// Klondike's first column (pile 6, at Y 131 with 71 x 96 cards) holding
// Down face-down cards under Up face-up ones, in a field Height tall; Steps
// matches the face-up step's class, then the face-down one's.
TEST(FanFit, StepsShrinkFaceDownFirstThenFaceUpThenFurther)
{
    const struct {
        int Down, Up, Height;
        const char* Steps;
    } rows[] = {
        { 6, 1, 526, "FF" }, { 6, 13, 526, "F[SL]" }, { 6, 13, 440, "[SL]L" }, { 6, 13, 380, "B." },
        { 0, 13, 420, "[SL]." }, { 0, 20, 260, "B." },
    };
    for (const auto& row : rows) {
        Game g;
        SetUpAndDeal(g, games::Klondike, 1);
        g.T.Rules.FieldHeight = row.Height;
        std::vector<int> column, down;
        for (int k = 0; k < row.Down + row.Up; ++k) {
            column.push_back(k);
            if (k < row.Down) down.push_back(k);
        }
        test::Arrange(g.T, { { 6, column } }, down);
        FitFans(g.T);
        const Pile& p = g.T.PileAt(6);
        const std::string steps
            = { StepClass(p.FanY, 20, MinFaceUpStep96), StepClass(p.DownFanY, 10, MinFaceDownStep96) };
        EXPECT_TRUE(std::regex_match(steps, std::regex(row.Steps))) << steps << " for " << row.Down << " down, "
                                                                    << row.Up << " up, " << row.Height << " tall";
        EXPECT_EQ(CardOutside(g.T), "");
        // The top card reaches close to the bottom: the squeeze wastes little.
        if (steps != "FF") {
            EXPECT_GT(g.T.CardAt(column.back()).Y + 96 + row.Up + row.Down, row.Height);
        }
    }
}

TEST(FanFit, ASqueezedFanGrowsBackAsThePileShrinks)
{
    FieldView view(800, 600);
    Game g(view);
    DealFitted(g, games::Klondike, 1);
    const PileSteps full = SetUpSteps(g.T, g.T.PileAt(6));
    std::vector<int> column;
    for (int k = 0; k < 26; ++k) column.push_back(k);
    test::Arrange(g.T, {{6, column}});
    ASSERT_TRUE(FitFans(g.T));
    EXPECT_LT(g.T.PileAt(6).FanY, full.Up.Y);
    EXPECT_EQ(CardOutside(g.T), "");

    // Moving the top cards away through the engine lays the column out again
    // with its full step.
    for (int n = 0; n < 24; ++n) {
        const std::vector<int> left = test::CardsOf(g.T, 6);
        g.T.ActiveCard = left.back();
        PickUp(g, g.T.CardAt(left.back()).X, g.T.CardAt(left.back()).Y);
        PerformMove(g, 7, true);
    }
    EXPECT_EQ(g.T.PileAt(6).FanY, full.Up.Y);
    const std::vector<int> left = test::CardsOf(g.T, 6);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(g.T.CardAt(left[1]).Y - g.T.CardAt(left[0]).Y, full.Up.Y);
    EXPECT_EQ(CardOutside(g.T), "");
}

}  // namespace
}  // namespace quillo
