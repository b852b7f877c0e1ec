// The generator, the shuffle and the deals of every laid-out game.

#include <gtest/gtest.h>

#include <map>

#include "engine/deal_ops.h"
#include "engine/games/games.h"
#include "engine/labels.h"
#include "engine/random.h"
#include "test_support.h"

namespace quillo {
namespace {

using test::CardsOf;
using test::SetUpAndDeal;

TEST(Random, WorkedValues)
{
    uint32_t seed = 1;
    EXPECT_EQ(Random(seed, 52), 1u);
    EXPECT_EQ(seed, 134775814u);
    seed = 0xFFFFFFFFu;
    const uint32_t r = Random(seed, 104);
    EXPECT_EQ(seed, 0xFFFFFFFFu * RandMultiplier + 1u);
    EXPECT_LT(r, 104u);
    EXPECT_EQ(SeedFromTimeOfDay(23, 59, 59, 999), 86399999u);
}

// The table invariants every deal must keep, for every laid-out game.
void ExpectConsistentTable(const TableState& t, const std::string& what)
{
    const GameRules& r = t.Rules;
    int inPlay = 0;
    for (int i = r.TotalCards; i < MaxCards; ++i) EXPECT_FALSE(t.CardAt(i).InPlay) << what;
    for (int i = 0; i < r.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        EXPECT_EQ(std::pair(c.Suit, c.Rank), std::pair((i % 52) / 13, i % 13));
        if (!c.InPlay) continue;
        ++inPlay;
        ASSERT_GE(c.PileIndex, 0) << what;
        ASSERT_LT(c.PileIndex, r.PileCount) << what;
    }
    int counted = 0;
    for (int p = 0; p < r.PileCount; ++p) {
        const Pile& pile = t.PileAt(p);
        const auto cards = CardsOf(t, p);
        counted += pile.Count;
        int32_t x = pile.X, y = pile.Y;
        // The braid leans and the pyramid is a triangle: neither is a fan.
        const bool braid = (t.CurrentGame == games::Braid && p == r.TableLast) ||
                           (t.CurrentGame == games::Pyramid && p == r.TableFirst);
        for (size_t k = 0; k < cards.size(); ++k) {
            ASSERT_NE(cards[k], -1) << what << " pile " << p << " lacks position " << k;
            const Card& c = t.CardAt(cards[k]);
            if (braid) continue;
            if (pile.FanDir == FanStockStack) {
                const int32_t step = StockStackOffset(pile, static_cast<int>(k));
                EXPECT_EQ(std::pair(c.X, c.Y), std::pair(pile.X + step, pile.Y + step)) << what;
                continue;
            }
            EXPECT_EQ((std::vector{ c.X, c.Y, c.Orientation }), (std::vector{ x, y, pile.Orientation }))
                << what << " pile " << p << " position " << k;
            x += c.FaceUp ? pile.FanX : pile.DownFanX;
            y += c.FaceUp ? pile.FanY : pile.DownFanY;
        }
        const bool hidden = (t.CurrentGame == games::MonteCarlo || t.CurrentGame == games::RoyalMarriage ||
                             t.CurrentGame == games::Pyramid) &&
                            r.IsFoundation(p);
        if (hidden) continue;
        const CardSize& s = r.CardSizes[static_cast<size_t>(pile.Orientation)];
        EXPECT_TRUE(pile.X >= 0 && pile.Y >= 0 && pile.X + s.Width <= r.FieldWidth && pile.Y + s.Height <= r.FieldHeight)
            << what << " pile " << p << " off the field";
    }
    EXPECT_EQ(counted, inPlay) << what;
    // Gaps takes its four Aces out of play.
    const int aside = t.CurrentGame == games::Gaps ? 4 : 0;
    EXPECT_EQ(inPlay, r.TotalCards - aside) << what << ": every card is dealt";
}

TEST(Deal, EveryGameKeepsTheTableConsistent)
{
    for (int game : test::LaidOutGames()) {
        for (uint32_t number : {0u, 1u, 2u, 123456u, 0x80000000u, 0xFFFFFFFFu, 987654321u, 55555u}) {
            Game g;
            SetUpAndDeal(g, game, number);
            ExpectConsistentTable(g.T, Catalogue()[static_cast<size_t>(game)].Name.data() + std::string(" #") +
                                           std::to_string(number));
        }
    }
}

TEST(Deal, RestartReproducesTheTable)
{
    for (int game : test::LaidOutGames()) {
        Game g;
        SetUpAndDeal(g, game, 2024);
        const TableState first = g.T;
        NewDeal(g, DealKind::New);
        const TableState second = g.T;
        EXPECT_NE(second.Rules.GameNumber, 2024u);
        NewDeal(g, DealKind::Restart);
        EXPECT_TRUE(g.T.Cards == second.Cards) << game;
        // A typed number deals that game again.
        g.T.Rules.GameNumber = 2024;
        NewDeal(g, DealKind::Restart);
        EXPECT_TRUE(g.T.Cards == first.Cards) << game;
        EXPECT_TRUE(g.T.Piles == first.Piles) << game;
        EXPECT_TRUE(g.T.DealOrder == first.DealOrder) << game;
        EXPECT_EQ(g.T.Rules.StartRank, first.Rules.StartRank) << game;
    }
}

TEST(Deal, KlondikeRoundRobin)
{
    Game g;
    SetUpAndDeal(g, games::Klondike, 123456);
    const TableState& t = g.T;
    std::vector<std::vector<int>> where; // pile, order and face of the cards in dealing order
    for (const int k : { 0, 1, 6, 7, 27, 28, 51 }) {
        const Card& c = t.CardAt(t.DealOrder[static_cast<size_t>(k)].CardIndex);
        where.push_back({ c.PileIndex, c.Order, c.FaceUp });
    }
    EXPECT_EQ(where,
        (std::vector<std::vector<int>>{ { 6, 0, 1 }, { 7, 0, 0 }, { 12, 0, 0 }, { 7, 1, 1 }, { 12, 6, 1 }, { 0, 0, 0 },
            { 0, 23, 0 } }));
}

TEST(Deal, StartingRankFromTheFirstCard)
{
    for (int game : {games::Canfield, games::Braid}) {
        Game g;
        SetUpAndDeal(g, game, 777);
        const TableState& t = g.T;
        const auto found = CardsOf(t, t.Rules.FoundFirst);
        ASSERT_EQ(found.size(), 1u);
        if (game == games::Canfield) {
            EXPECT_EQ(found[0], t.DealOrder[0].CardIndex);
        }
        const Card& first = t.CardAt(found[0]);
        EXPECT_TRUE(first.FaceUp);
        EXPECT_EQ(t.Rules.StartRank, first.Rank);
        for (int p = t.Rules.FoundFirst; p <= t.Rules.FoundLast; ++p) EXPECT_EQ(t.PileAt(p).BaseRank, first.Rank);
    }
}

TEST(Deal, BraidLeansTwentyCards)
{
    Game g;
    SetUpAndDeal(g, games::Braid, 8);
    for (const int card : CardsOf(g.T, 21))
        EXPECT_TRUE(g.T.CardAt(card).Orientation != Upright && g.T.CardAt(card).FaceUp);
}

TEST(Deal, RoyalMarriageQueenFirstKingLast)
{
    for (uint32_t number : { 1u, 2u, 99u }) {
        Game g;
        SetUpAndDeal(g, games::RoyalMarriage, number);
        EXPECT_EQ(CardsOf(g.T, 1), std::vector<int>{ 24 });
        EXPECT_EQ(CardsOf(g.T, 0)[0], 25);
    }
}

// A view that records what the deal asked it to show.
class RecordingView : public TableView {
public:
    std::vector<std::string> Sounds;
    std::string Caption;
    std::map<StatusLabel, std::optional<std::string>> Labels;
    bool DealButton = false;
    int Effects = 0, Redraws = 0, Clocks = 0;
    void PlaySound(const char* f) override { Sounds.emplace_back(f); }
    void SetCaption(const std::string& c) override { Caption = c; }
    void ShowNewDealEffect() override { ++Effects; }
    void RedrawField() override { ++Redraws; }
    void StartClock() override { ++Clocks; }
    void SetDealButtonVisible(bool v) override { DealButton = v; }
    void SetLabel(StatusLabel l, const std::optional<std::string>& text) override { Labels[l] = text; }
};

TEST(Deal, TellsTheViewWhatToShow)
{
    RecordingView view;
    Game g(view);
    g.T.CurrentGame = games::Klondike;
    SetupGame(g, SetupForm::Full);
    EXPECT_EQ(view.Caption, "Quillotaire - Klondike");
    g.T.Rules.GameNumber = 123456;
    NewDeal(g, DealKind::Restart);
    EXPECT_EQ(view.Caption, "Quillotaire - Klondike [123456]");
    EXPECT_EQ(view.Sounds, std::vector<std::string>{ "new.wav" });
    EXPECT_EQ((std::vector{ view.Effects, view.Redraws, view.Clocks }), (std::vector{ 1, 1, 1 }));
    using L = StatusLabel;
    const std::map<StatusLabel, std::optional<std::string>> klondike = { { L::StartRank, "Starting Rank: Ace" },
        { L::StockAndWaste, "Stock: 24  Waste: 0" }, { L::RedealsLeft, std::nullopt }, { L::Time, "Time: 00:00:00" } };
    EXPECT_EQ(view.Labels, klondike);
    EXPECT_TRUE(g.T.PlayedPending);
    EXPECT_EQ(g.Undo.Count(), 1);

    g.T.CurrentGame = games::MonteCarlo;
    SetupGame(g, SetupForm::Full);
    NewDeal(g, DealKind::New);
    EXPECT_EQ(view.Labels[L::StartRank], std::nullopt);
    EXPECT_EQ(view.Labels[L::StockAndWaste], "Stock: 27");
    EXPECT_EQ(view.Labels[L::RedealsLeft], std::nullopt) << "one pass of the stock: no redeal to count";
    EXPECT_TRUE(view.DealButton);
}

TEST(Labels, RankNamesAndElapsedTime)
{
    EXPECT_EQ((std::vector{ RankName(0), RankName(1), RankName(9), RankName(10), RankName(12) }),
        (std::vector<std::string>{ "Ace", "2", "10", "Jack", "King" }));
    EXPECT_EQ(ElapsedText((3600.0 + 62.0) / 86400.0), "01:01:02");
}

TEST(Deal, PreviewLeavesTheViewAlone)
{
    RecordingView view;
    Game g(view);
    g.T.CurrentGame = games::Klondike;
    SetupGame(g, SetupForm::Preview);
    NewDeal(g, DealKind::Preview);
    EXPECT_TRUE(view.Sounds.empty() && view.Caption.empty() && view.Redraws == 0);
    EXPECT_EQ(g.Undo.Count(), 0);
}

}  // namespace
}  // namespace quillo
