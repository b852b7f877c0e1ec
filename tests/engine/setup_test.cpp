// Setup: card sizes, placement, the worked layouts and the computed rules.

#include <gtest/gtest.h>

#include "engine/card_sizes.h"
#include "engine/placement.h"

#include <tuple>
#include "test_support.h"

namespace quillo {
namespace {

class FieldView : public TableView {
public:
    int Width = 792, Height = 526;
    ScreenSize ScreenArea{1920, 1080};
    int NormalFieldWidth() const override { return Width; }
    int NormalFieldHeight() const override { return Height; }
    ScreenSize Screen() const override { return ScreenArea; }
    bool DealButton = false;
    void SetDealButtonVisible(bool v) override { DealButton = v; }
};

Game LaidOut(int game, FieldView& view)
{
    Game g(view);
    g.T.CurrentGame = game;
    EXPECT_TRUE(SetupGame(g, SetupForm::Full));
    return g;
}

TEST(Setup, StarPilesFanAwayFromTheCentre)
{
    FieldView view;
    Game g = LaidOut(games::Star, view);
    const TableState& t = g.T;
    const int cx = t.Rules.FieldWidth / 2, cy = t.Rules.FieldHeight / 2;
    for (int p = 4; p <= 15; ++p) {
        const Pile& pile = t.PileAt(p);
        const CardSize& s = t.Rules.CardSizes[static_cast<size_t>(pile.Orientation)];
        const int px = pile.X + s.Width / 2 - cx, py = pile.Y + s.Height / 2 - cy;
        EXPECT_GT(px * pile.FanX + py * pile.FanY, 0) << "pile " << p << " fans towards the centre";
    }
}

TEST(Setup, HiddenDiscardPilesAndTheDealButton)
{
    FieldView view;
    Game mc = LaidOut(games::MonteCarlo, view);
    EXPECT_GT(mc.T.PileAt(26).X, mc.T.Rules.FieldWidth);
    EXPECT_TRUE(view.DealButton);
    Game rm = LaidOut(games::RoyalMarriage, view);
    EXPECT_GT(rm.T.PileAt(31).X, rm.T.Rules.FieldWidth);
    EXPECT_FALSE(view.DealButton);
}

TEST(Setup, ApplyRulesRespectsKeepCodes)
{
    FieldView view;
    Game g = LaidOut(games::Klondike, view);
    TableState& t = g.T;
    t.PileAt(7).ConsVal = ConsEither;
    t.Rules.TableConsVal = ConsKeepPile;
    t.Rules.TableConsSuit = SuitSameColour;
    ApplyRules(t);
    EXPECT_EQ(t.PileAt(7).ConsVal, ConsEither);
    EXPECT_EQ(t.PileAt(6).ConsVal, ConsDescending);
    EXPECT_EQ(t.PileAt(7).ConsSuit, SuitSameColour);
}

// The rank that fills a space follows the dealt starting rank; codes that
// fill by no rank clear whatever an earlier deal left behind.
TEST(Setup, FillRankFollowsTheStartingRank)
{
    const struct {
        int32_t Fill, Start, Expected;
    } rows[] = {{FillKing, RankAce, RankKing}, {FillKing, RankKing, RankQueen}, {FillKing, -1, -2},
                {FillStartRank, 4, 4},         {FillNever, 4, -1}};
    GameRules r;
    for (const auto& row : rows) {
        r.FillFreeTable = row.Fill;
        r.StartRank = row.Start;
        ComputeFillRank(r);
        EXPECT_EQ(r.FillRank, row.Expected) << row.Fill << ' ' << row.Start;
    }
}

TEST(Setup, IndexesOutsideTheCatalogueAreRefused)
{
    for (const int game : {-1, CatalogueSize, 1000}) {
        Game g;
        g.T.CurrentGame = game;
        const TableState before = g.T;
        EXPECT_FALSE(SetupGame(g, SetupForm::Full)) << game;
        EXPECT_TRUE(g.T.Piles == before.Piles) << game;
    }
}

TEST(Setup, RelayoutKeepsACustomGamesRulesAndTheDealsCounters)
{
    FieldView view;
    Game g(view);
    test::SetUpAndDeal(g, games::Klondike, 321);
    TableState& t = g.T;
    // A custom Klondike: same suit, any card fills a gap, three passes.
    t.CurrentCustom = 4;
    t.GameName = "My Klondike";
    t.Rules.TableConsSuit = SuitSame;
    t.Rules.FillFreeTable = FillAnyCard;
    t.Rules.StockRedeals = 3;
    ApplyRules(t);
    t.Rules.StockPass = 2;
    t.Rules.StartTime = 0.25;
    const GameRules before = t.Rules;
    const auto cards = t.Cards;

    t.Rules.FieldWidth = 1100;
    ASSERT_TRUE(RelayoutGame(g));
    auto kept = [](const GameRules& r) {
        return std::tuple(r.TableConsSuit, r.FillFreeTable, r.StockRedeals, r.StockPass, r.StartTime, r.GameNumber);
    };
    EXPECT_EQ(t.Rules.FieldWidth, 1100);
    EXPECT_EQ(kept(t.Rules), kept(before));
    EXPECT_EQ(t.PileAt(8).ConsSuit, SuitSame);
    EXPECT_EQ(t.GameName, "My Klondike");
    EXPECT_TRUE(t.Cards == cards);

    // A built-in game takes its own rules from its layout again.
    t.CurrentCustom = -1;
    ASSERT_TRUE(RelayoutGame(g));
    EXPECT_EQ(t.Rules.TableConsSuit, SuitAlternate);
    EXPECT_EQ(t.Rules.StockPass, 2);
    // A relayout keeps the starting rank the deal drew.
    test::SetUpAndDeal(g, games::Canfield, 99);
    const int32_t rank = t.Rules.StartRank;
    t.Rules.FieldWidth = 1000;
    ASSERT_TRUE(SetupGame(g, SetupForm::Relayout));
    EXPECT_EQ(t.Rules.StartRank, rank);
    for (int p = 2; p <= 5; ++p)
        EXPECT_EQ(t.PileAt(p).BaseRank, rank);
}

}  // namespace
}  // namespace quillo
