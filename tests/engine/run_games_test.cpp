// Games of whole runs: Spider and Rouge et Noir send a finished run home,
// Four Packages builds packages that carry a pile's own package along.

#include "engine/autoplay.h"
#include "engine/labels.h"
#include "engine/special.h"
#include "test_support.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillo {
namespace {

using namespace test;

TEST(RunGames, DealtPiles)
{
    ExpectDealt({
        {games::Spider, {50, 0, 0, 0, 0, 0, 0, 0, 0, 6, 6, 6, 6, 5, 5, 5, 5, 5, 5}},
        {games::RougeEtNoir, {67, 0, 0, 0, 0, 0, 0, 0, 0, 8, 7, 6, 5, 4, 3, 2, 1, 1, 0}},
        {games::FourPackages, {11, 11, 11, 11, 10, 10, 10, 10, 10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    });
}

// Spider: 0 stock, 1..8 foundations, 9..18 tableau.
TEST(Spider, TheStockDealsOnlyWhileEveryPileHoldsACard)
{
    Game g;
    SetUpAndDeal(g, games::Spider, 12);
    TableState& t = g.T;
    std::vector<int> stock;
    for (int k = 0; k < 20; ++k)
        stock.push_back(SecondDeck + k);
    PileCards piles{{0, stock}};
    for (int p = 9; p <= 18; ++p)
        if (p != 13) piles.push_back({p, {p}});
    Arrange(t, piles);
    Rebase(g);
    const TableState before = t;
    Left(g, TopCard(t, 0));
    EXPECT_TRUE(t.Cards == before.Cards) << "the press raises the stock, nothing more";
    EXPECT_EQ(g.Undo.Count(), 1);
    piles.push_back({13, {13}});
    Arrange(t, piles);
    Left(g, TopCard(t, 0));
    EXPECT_EQ(t.PileAt(0).Count, 10);
    for (int p = 9; p <= 18; ++p)
        EXPECT_EQ(t.PileAt(p).Count, 2) << p;
}

TEST(Spider, OnlyRunsOfOneSuitMoveTogether)
{
    Game g;
    SetUpAndDeal(g, games::Spider, 13);
    TableState& t = g.T;
    const int nine = CardOf(Spades, 8), eight = CardOf(Spades, 7), seven = CardOf(Hearts, 6);
    const int nine2 = SecondDeck + nine, eight2 = SecondDeck + eight, seven2 = SecondDeck + CardOf(Spades, 6);
    Arrange(t, {{9, {nine, eight, seven}}, {10, {nine2, eight2, seven2}}, {11, {CardOf(Diamonds, 9)}}});
    EXPECT_EQ(PickRule(t, eight), PickAction::Nothing);
    EXPECT_EQ(PickRule(t, seven), PickAction::PickUp);
    EXPECT_EQ(PickRule(t, nine2), PickAction::PickUp);
    EXPECT_EQ(Ask(t, nine2, 11), 11) << "onto a Ten of any suit";
    EXPECT_EQ(Ask(t, nine2, 12), 12) << "into a space";
}

TEST(Spider, AFoundationTakesOneWholeSuitFromTheKing)
{
    Game g;
    SetUpAndDeal(g, games::Spider, 14);
    TableState& t = g.T;
    std::vector<int> run;
    for (int r = RankKing; r >= RankAce; --r)
        run.push_back(CardOf(Spades, r));
    const int ace = SecondDeck + CardOf(Hearts, RankAce), king = CardOf(Diamonds, RankKing);
    Arrange(t, {{9, run}, {10, {ace}}, {11, {king}}});
    EXPECT_EQ(Ask(t, run[0], 1), 1);
    EXPECT_EQ(Ask(t, run[1], 1), -1) << "twelve cards";
    EXPECT_EQ(Ask(t, ace, 1), -1) << "a single Ace";
    EXPECT_EQ(Ask(t, king, 10), -1) << "no King on an Ace";
    Arrange(t, {{9, run}, {2, {SecondDeck + CardOf(Clubs, RankKing)}}});
    EXPECT_EQ(Ask(t, run[0], 2), -1) << "an occupied foundation";
}

// Rouge et Noir: 0 stock, 1..4 colour foundations, 5..8 run foundations,
// 9..18 tableau.
TEST(RougeEtNoir, RunFoundationsTakeAWholeAlternatingRun)
{
    Game g;
    SetUpAndDeal(g, games::RougeEtNoir, 21);
    TableState& t = g.T;
    std::vector<int> run, broken;
    for (int r = RankKing; r >= RankAce; --r) {
        run.push_back(CardOf(r % 2 == 0 ? Spades : Hearts, r));
        broken.push_back(SecondDeck + CardOf(r % 2 == 0 || r == 5 ? Spades : Hearts, r));
    }
    Arrange(t, {{9, run}, {10, broken}});
    EXPECT_EQ(Ask(t, run[0], 5), 5);
    EXPECT_EQ(Ask(t, run[1], 5), -1) << "twelve cards";
    EXPECT_EQ(Ask(t, run[0], 1), -1) << "a colour foundation";
    EXPECT_EQ(Ask(t, broken[0], 6), -1) << "a colour break";
}

TEST(RougeEtNoir, TwoColourFoundationsPerColour)
{
    Game g;
    SetUpAndDeal(g, games::RougeEtNoir, 22);
    TableState& t = g.T;
    const int red = SecondDeck + CardOf(Hearts, RankAce), black = CardOf(Spades, RankAce);
    Arrange(t,
        {{1, {CardOf(Hearts, RankAce)}}, {2, {CardOf(Diamonds, RankAce)}}, {9, {red}},
            {10, {black}}});
    EXPECT_EQ(Ask(t, red, 3), -1);
    EXPECT_EQ(Ask(t, red, 4), -1);
    EXPECT_EQ(Ask(t, black, 3), 3);
}

TEST(RougeEtNoir, NoWrapInTheTableau)
{
    Game g;
    SetUpAndDeal(g, games::RougeEtNoir, 23);
    TableState& t = g.T;
    const int ace = CardOf(Spades, RankAce), king = CardOf(Hearts, RankKing), buried = CardOf(Hearts, RankAce);
    const int queen = CardOf(Diamonds, RankQueen), lead = CardOf(Clubs, RankKing);
    Arrange(t,
        {{9, {ace}}, {10, {king}}, {11, {buried, CardOf(Spades, RankKing)}}, {12, {queen}},
            {13, {lead, SecondDeck + queen}}, {15, {CardOf(Hearts, 2)}}});
    EXPECT_EQ(Ask(t, king, 9), -1) << "a King on an Ace";
    ASSERT_EQ(PickRule(t, buried), PickAction::PickUp);
    for (int p = 1; p <= 18; ++p)
        EXPECT_EQ(Ask(t, buried, p), -1) << "A, K goes nowhere: " << p;
    EXPECT_EQ(Ask(t, queen, 14), -1) << "a space takes only a King";
    EXPECT_EQ(Ask(t, lead, 14), 14);
}

constexpr int Two = 1, Four = 3, Five = 4, Six = 5, Seven = 6, Nine = 8, Ten = 9;
// Tableau 0..9; package 10 + t lies above pile t.
constexpr int Package = 10;

std::vector<int> Joined(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Customize offers the tableau's order, suit, moves and filling only.
TEST(FourPackages, CustomizeOffersTheTableauRulesOnly)
{
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    const GameRules& r = g.T.Rules;
    EXPECT_TRUE(r.EditTableConsVal && r.EditTableConsSuit && r.EditMoveUnit && r.EditFillFreeTable);
    EXPECT_FALSE(r.EditFoundConsVal || r.EditFoundTakeCards || r.AutoplayAllowed);
}

TEST(FourPackages, AnyFaceUpGroupBuildsDownInSuit)
{
    const int nineH = CardOf(Hearts, Nine), kingD = CardOf(Diamonds, RankKing);
    const PileCards group{{0, {CardOf(Spades, Five), nineH, CardOf(Clubs, Four), kingD}}};
    auto with = [&](int pile, std::vector<int> cards) {
        PileCards out = group;
        out.push_back({ pile, std::move(cards) });
        return out;
    };
    const int aceD = CardOf(Diamonds, RankAce), aceH = CardOf(Hearts, RankAce);
    const int spades = Package + 2;
    ExpectDrops({
        {games::FourPackages, "9H 4C KD onto the 10H", with(1, {CardOf(Hearts, Ten)}), nineH, 1, true},
        {games::FourPackages, "the group into an empty pile", group, nineH, 2, true},
        {games::FourPackages, "the group onto the 10S", with(1, {CardOf(Spades, Ten)}), nineH, 1, false},
        {games::FourPackages, "the group onto another card", with(1, {CardOf(Hearts, RankJack)}), nineH, 1, false},
        {games::FourPackages, "a King group onto the Ace of its suit", with(1, {aceD}), kingD, 1, true},
        {games::FourPackages, "a King group onto another Ace", with(1, {aceH}), kingD, 1, false},
        {games::FourPackages, "a group to a package", with(spades, SuitRun(Hearts, Two, 7)), nineH, spades, false},
        {games::FourPackages, "an empty package takes a Two", with(3, {CardOf(Spades, Two)}), CardOf(Spades, Two),
            spades, true},
        {games::FourPackages, "an empty package takes no Ace", with(3, {CardOf(Spades, RankAce)}),
            CardOf(Spades, RankAce), spades, false},
        {games::FourPackages, "an empty package takes no Three", with(3, {CardOf(Spades, 2)}), CardOf(Spades, 2),
            spades, false},
        {games::FourPackages, "an empty package takes no King", with(3, {CardOf(Spades, RankKing)}),
            CardOf(Spades, RankKing), spades, false},
    });
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    Arrange(g.T, group);
    Left(g, nineH);
    EXPECT_EQ(g.T.PickedCount, 3) << "the 9H picks every card above it";
}

TEST(FourPackages, APackageGoesTwoToKingThenAceOnly)
{
    const int home = Package + 5;
    const std::vector<int> run = SuitRun(Spades, Two, RankKing);
    const std::vector<int> runAndAce = Joined(run, { CardOf(Spades, RankAce) });
    const std::vector<int> joined = Joined(runAndAce, SuitRun(Spades, Two, RankKing, 1));
    const int aceS2 = SecondDeck + CardOf(Spades, RankAce), twoS2 = SecondDeck + CardOf(Spades, Two);
    ExpectDrops({
        {games::FourPackages, "2S..KS takes the AS", {{home, run}, {0, {aceS2}}}, aceS2, home, true},
        {games::FourPackages, "2S..KS AS refuses a second 2S", {{home, runAndAce}, {0, {twoS2}}}, twoS2, home,
            false},
        {games::FourPackages, "a joined package takes the other AS as its 26th card",
            {{home, joined}, {0, {aceS2}}}, aceS2, home, true},
    });
}

struct CarryRow {
    const char* What;
    PileCards Table;
    int Card;
    int Target;
    std::vector<int> TargetAfter;
    int CarriedFrom; // the package left empty, -1 for none
};

TEST(FourPackages, APlayOntoAnotherPackageCarriesThePilesOwnPackage)
{
    const int sevenC = CardOf(Clubs, Seven);
    const std::vector<int> clubs = SuitRun(Clubs, Two, Six);
    const std::vector<int> diamonds = SuitRun(Diamonds, Two, 2);
    const CarryRow rows[] = {
        {"onto its own package", {{2, {sevenC}}, {Package + 2, clubs}, {Package + 1, diamonds}}, sevenC,
            Package + 2, Joined(clubs, { sevenC }), -1},
        {"own package empty", {{2, {sevenC}}, {Package + 5, clubs}}, sevenC, Package + 5,
            Joined(clubs, { sevenC }), -1},
        {"a package buried", {{4, {sevenC}}, {Package + 4, diamonds}, {Package + 1, clubs}}, sevenC,
            Package + 1, Joined(Joined(clubs, { sevenC }), diamonds), Package + 4},
    };
    for (const CarryRow& row : rows) {
        RecordingView view;
        Game g(view);
        SetUpAndDeal(g, games::FourPackages, 1);
        g.T.Opt.Sound = true;
        Arrange(g.T, row.Table);
        Drag(g, row.Card, row.Target);
        EXPECT_EQ(CardsOf(g.T, row.Target), row.TargetAfter) << row.What;
        if (row.CarriedFrom != -1) {
            EXPECT_EQ(g.T.PileAt(row.CarriedFrom).Count, 0) << row.What;
        }
        EXPECT_EQ(view.Count("found.wav"), row.CarriedFrom != -1 ? 2 : 1) << row.What;
        EXPECT_EQ(view.Count("snapshot"), 1) << row.What;
    }
    // The buried package goes on: 2C..7C 2D 3D takes the 4D.
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    Arrange(g.T,
        {{4, {sevenC}}, {Package + 4, diamonds}, {Package + 1, clubs}, {0, {CardOf(Diamonds, Four)}}});
    Drag(g, sevenC, Package + 1);
    EXPECT_EQ(Ask(g.T, CardOf(Diamonds, Four), Package + 1), Package + 1);
}

TEST(FourPackages, AnAceOnAKingJoinsTwoPackagesAndOneUndoTakesItBack)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::FourPackages, 1);
    TableState& t = g.T;
    const int aceS = CardOf(Spades, RankAce);
    Arrange(t,
        {{3, {aceS}}, {Package + 3, SuitRun(Spades, Two, RankKing)},
            {Package + 5, SuitRun(Spades, Two, RankKing, 1)}, {7, {CardOf(Hearts, Four)}}});
    Rebase(g);
    const TableState before = t;
    Drag(g, aceS, Package + 5);
    EXPECT_EQ(t.PileAt(Package + 5).Count, 25);
    EXPECT_EQ(t.PileAt(Package + 3).Count, 0);
    EXPECT_EQ(t.PileAt(Package + 3).BaseRank, RankKing + 1) << "pile 3 is empty: the plain token";
    EXPECT_EQ(t.PileAt(Package + 7).BaseRank, Five);
    EXPECT_EQ(view.Moves, 2) << "the carried package is shown moving";
    EXPECT_FALSE(g.GameWon);
    UndoMove(g);
    EXPECT_TRUE(t.Cards == before.Cards && t.Piles == before.Piles) << "shown ranks included";
}

TEST(FourPackages, ARightClickTakesTheFirstPackageAndCarries)
{
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    const int sevenC = CardOf(Clubs, Seven);
    const std::vector<int> second = SuitRun(Clubs, Two, Six, 1);
    Arrange(g.T, {{5, {sevenC}}, {Package + 5, second}, {Package + 1, SuitRun(Clubs, Two, Six)}});
    Right(g, sevenC);
    EXPECT_EQ(CardsOf(g.T, Package + 1), Joined(Joined(SuitRun(Clubs, Two, Six), { sevenC }), second));
    EXPECT_EQ(g.T.PileAt(Package + 5).Count, 0);
}

TEST(FourPackages, AMoveBetweenPilesResetsEveryShownRank)
{
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    TableState& t = g.T;
    const int nineH = CardOf(Hearts, Nine);
    Arrange(t,
        {{0, {CardOf(Spades, Five), nineH}}, {1, {CardOf(Hearts, Ten)}}, {2, {CardOf(Diamonds, RankAce)}},
            {3, {CardOf(Clubs, RankKing)}}});
    Drag(g, nineH, 1);
    std::vector<int> shown;
    for (int p = 0; p < 10; ++p)
        shown.push_back(t.PileAt(Package + p).BaseRank);
    // Under an Ace: a Two; under a King: an Ace; under an empty pile: no rank.
    const int none = RankKing + 1;
    EXPECT_EQ(shown, (std::vector<int>{ Six, Ten, Two, RankAce, none, none, none, none, none, none }));
}

// The 100 cards packed as four joined packages, eight packages or a mix;
// the second deck's Aces lie alone on piles 0..3.
PileCards Ending(int joinedSuits)
{
    PileCards out;
    int package = Package;
    for (int s = 0; s < 4; ++s) {
        const std::vector<int> first = Joined(SuitRun(s, Two, RankKing), { CardOf(s, RankAce) });
        const std::vector<int> second = SuitRun(s, Two, RankKing, 1);
        if (s < joinedSuits) {
            out.push_back({ package++, Joined(first, second) });
        } else {
            out.push_back({ package++, first });
            out.push_back({ package++, second });
        }
        out.push_back({s, {SecondDeck + CardOf(s, RankAce)}});
    }
    return out;
}

// Moves one card from where Ending put it to the top of pile.
PileCards Shifted(PileCards table, int card, int pile)
{
    for (auto& [p, cards] : table)
        std::erase(cards, card);
    bool placed = false;
    for (auto& [p, cards] : table) {
        if (p != pile) continue;
        cards.push_back(card);
        placed = true;
    }
    if (!placed) table.push_back({pile, {card}});
    return table;
}

TEST(FourPackages, WonWithFourAcesAloneAndTheRestPacked)
{
    const int kingD2 = SecondDeck + CardOf(Diamonds, RankKing);
    const int aceD2 = SecondDeck + CardOf(Diamonds, RankAce);
    const struct {
        const char* What;
        PileCards Table;
        bool Won;
    } rows[] = {
        {"four joined packages", Ending(4), true},
        {"eight packages", Ending(0), true},
        {"two joined and four packages", Ending(2), true},
        {"a fifth pile holds a card", Shifted(Ending(0), kingD2, 4), false},
        {"an Ace pile holds two cards", Shifted(Ending(0), kingD2, 3), false},
        {"a single card is no Ace", Shifted(Shifted(Ending(0), aceD2, Package + 7), kingD2, 3), false},
        {"five Aces packed", Shifted(Ending(0), aceD2, Package + 7), false},
    };
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    for (const auto& row : rows) {
        Arrange(g.T, row.Table);
        EXPECT_EQ(IsWon(g.T), row.Won) << row.What;
    }
}

TEST(FourPackages, TheLastKingWinsAndAutoplayLeavesTheAces)
{
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    g.T.Opt.Autoplay = true;
    const int kingD2 = SecondDeck + CardOf(Diamonds, RankKing);
    Arrange(g.T, Shifted(Ending(0), kingD2, 8));
    Drag(g, kingD2, Package + 7);
    EXPECT_TRUE(g.GameWon);
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(g.T.PileAt(p).Count, 1) << p;
}

} // namespace
} // namespace quillo
