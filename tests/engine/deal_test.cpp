// The generator, the shuffle and the deals of every laid-out game.

#include <gtest/gtest.h>

#include <set>

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
        EXPECT_EQ(c.Suit, (i % 52) / 13);
        EXPECT_EQ(c.Rank, i % 13);
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
                EXPECT_EQ(c.X, pile.X + StockStackOffset(pile, static_cast<int>(k))) << what;
                EXPECT_EQ(c.Y, pile.Y + StockStackOffset(pile, static_cast<int>(k))) << what;
                continue;
            }
            EXPECT_EQ(c.X, x) << what << " pile " << p << " position " << k;
            EXPECT_EQ(c.Y, y) << what << " pile " << p << " position " << k;
            EXPECT_EQ(c.Orientation, pile.Orientation) << what;
            x += c.FaceUp ? pile.FanX : pile.DownFanX;
            y += c.FaceUp ? pile.FanY : pile.DownFanY;
        }
        const bool hidden = (t.CurrentGame == games::MonteCarlo || t.CurrentGame == games::RoyalMarriage ||
                             t.CurrentGame == games::Pyramid) &&
                            r.IsFoundation(p);
        if (hidden) continue;
        const CardSize& s = r.CardSizes[static_cast<size_t>(pile.Orientation)];
        EXPECT_GE(pile.X, 0) << what << " pile " << p;
        EXPECT_GE(pile.Y, 0) << what << " pile " << p;
        EXPECT_LE(pile.X + s.Width, r.FieldWidth) << what << " pile " << p;
        EXPECT_LE(pile.Y + s.Height, r.FieldHeight) << what << " pile " << p;
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

TEST(Deal, NewContinuesTheGeneratorStream)
{
    Game a, b;
    SetUpAndDeal(a, games::Klondike, 5);
    SetUpAndDeal(b, games::Klondike, 5);
    NewDeal(a, DealKind::New);
    NewDeal(b, DealKind::New);
    EXPECT_EQ(a.T.Rules.GameNumber, b.T.Rules.GameNumber);
    EXPECT_TRUE(a.T.Cards == b.T.Cards);
}

TEST(Deal, KlondikeRoundRobin)
{
    Game g;
    SetUpAndDeal(g, games::Klondike, 123456);
    const TableState& t = g.T;
    for (int k = 0; k < 7; ++k) {
        const Card& c = t.CardAt(t.DealOrder[static_cast<size_t>(k)].CardIndex);
        EXPECT_EQ(c.PileIndex, 6 + k);
        EXPECT_EQ(c.Order, 0);
        EXPECT_EQ(c.FaceUp, k == 0);
    }
    const Card& last = t.CardAt(t.DealOrder[27].CardIndex);
    EXPECT_EQ(last.PileIndex, 12);
    EXPECT_EQ(last.Order, 6);
    EXPECT_TRUE(last.FaceUp);
    const auto stock = CardsOf(t, 0);
    ASSERT_EQ(stock.size(), 24u);
    EXPECT_EQ(stock.back(), t.DealOrder[51].CardIndex);
    for (int c : stock) EXPECT_FALSE(t.CardAt(c).FaceUp);
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

TEST(Deal, StarPutsTheAcesOnTheFoundations)
{
    Game g;
    SetUpAndDeal(g, games::Star, 1);
    std::set<int> suits;
    for (int p = 0; p < 4; ++p) {
        const auto cards = CardsOf(g.T, p);
        ASSERT_EQ(cards.size(), 1u);
        EXPECT_EQ(g.T.CardAt(cards[0]).Rank, RankAce);
        suits.insert(g.T.CardAt(cards[0]).Suit);
    }
    EXPECT_EQ(suits.size(), 4u);
    for (int p = 4; p < 16; ++p) EXPECT_EQ(g.T.PileAt(p).Count, 4);
}

TEST(Deal, BraidLeansTwentyCards)
{
    Game g;
    SetUpAndDeal(g, games::Braid, 8);
    const TableState& t = g.T;
    const auto braid = CardsOf(t, 21);
    ASSERT_EQ(braid.size(), 20u);
    for (size_t k = 0; k < braid.size(); ++k) {
        const Card& c = t.CardAt(braid[k]);
        EXPECT_NE(c.Orientation, Upright) << "leaning";
        EXPECT_TRUE(c.FaceUp);
    }
    EXPECT_EQ(t.PileAt(0).Count, 104 - 1 - 12 - 20);
}

TEST(Deal, RoyalMarriageQueenFirstKingLast)
{
    for (uint32_t number : {1u, 2u, 3u, 99u}) {
        Game g;
        SetUpAndDeal(g, games::RoyalMarriage, number);
        const TableState& t = g.T;
        EXPECT_EQ(CardsOf(t, 1), std::vector<int>{24});
        const auto stock = CardsOf(t, 0);
        ASSERT_EQ(stock.size(), 51u);
        EXPECT_EQ(stock[0], 25);
        EXPECT_EQ(t.CardAt(25).X, t.PileAt(0).X);
    }
}

// A view that records what the deal asked it to show.
class RecordingView : public TableView {
public:
    std::vector<std::string> Sounds;
    std::string Caption;
    std::optional<std::string> StartRank, Stock, Redeals, Time;
    bool DealButton = false;
    int Effects = 0, Redraws = 0, Clocks = 0;
    void PlaySound(const char* f) override { Sounds.emplace_back(f); }
    void SetCaption(const std::string& c) override { Caption = c; }
    void ShowNewDealEffect() override { ++Effects; }
    void RedrawField() override { ++Redraws; }
    void StartClock() override { ++Clocks; }
    void SetDealButtonVisible(bool v) override { DealButton = v; }
    void SetLabel(StatusLabel l, const std::optional<std::string>& text) override
    {
        switch (l) {
        case StatusLabel::StartRank: StartRank = text; break;
        case StatusLabel::StockAndWaste: Stock = text; break;
        case StatusLabel::RedealsLeft: Redeals = text; break;
        case StatusLabel::Time: Time = text; break;
        }
    }
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
    EXPECT_EQ(view.Sounds, std::vector<std::string>{"new.wav"});
    EXPECT_EQ(view.Effects, 1);
    EXPECT_EQ(view.Redraws, 1);
    EXPECT_EQ(view.Clocks, 1);
    EXPECT_EQ(view.StartRank, "Starting Rank: Ace");
    EXPECT_EQ(view.Stock, "Stock: 24  Waste: 0");
    EXPECT_EQ(view.Redeals, std::nullopt);
    EXPECT_EQ(view.Time, "Time: 00:00:00");
    EXPECT_TRUE(g.T.PlayedPending);
    EXPECT_EQ(g.Undo.Count(), 1);

    g.T.Opt.Sound = g.T.Opt.Animation = false;
    g.T.CurrentGame = games::Canfield;
    SetupGame(g, SetupForm::Full);
    g.T.Rules.GameNumber = 1;
    NewDeal(g, DealKind::Restart);
    EXPECT_EQ(view.Sounds.size(), 1u);
    EXPECT_EQ(view.Effects, 1);
    EXPECT_EQ(view.Redeals, "Redeals Left: 3");
    EXPECT_EQ(view.StartRank, "Starting Rank: " + RankName(g.T.Rules.StartRank));

    g.T.CurrentGame = games::MonteCarlo;
    SetupGame(g, SetupForm::Full);
    NewDeal(g, DealKind::New);
    EXPECT_EQ(view.StartRank, std::nullopt);
    EXPECT_EQ(view.Stock, "Stock: 27");
    EXPECT_EQ(view.Redeals, std::nullopt);  // one pass of the stock: no redeal to count
    EXPECT_TRUE(view.DealButton);
}

TEST(Labels, RankNamesAndElapsedTime)
{
    EXPECT_EQ(RankName(0), "Ace");
    EXPECT_EQ(RankName(1), "2");
    EXPECT_EQ(RankName(9), "10");
    EXPECT_EQ(RankName(10), "Jack");
    EXPECT_EQ(RankName(12), "King");
    EXPECT_EQ(ElapsedText((3600.0 + 62.0) / 86400.0), "01:01:02");
}

TEST(Deal, PreviewLeavesTheViewAlone)
{
    RecordingView view;
    Game g(view);
    g.T.CurrentGame = games::Klondike;
    SetupGame(g, SetupForm::Preview);
    NewDeal(g, DealKind::Preview);
    EXPECT_TRUE(view.Sounds.empty());
    EXPECT_EQ(view.Redraws, 0);
    EXPECT_TRUE(view.Caption.empty());
    EXPECT_EQ(g.Undo.Count(), 0);
}

}  // namespace
}  // namespace quillo
