// Four Packages: the carry of a pile's own package, the shown ranks, group
// moves and the win with four Aces left alone, over the real layout.

#include <gtest/gtest.h>

#include "engine/autoplay.h"
#include "engine/moves.h"
#include "table_moves.h"

namespace quillo {
namespace {

using test::Arrange;
using test::Ask;
using test::CardOf;
using test::CardsOf;
using test::Drag;
using test::PileCards;
using test::SecondDeck;
using test::SetUpAndDeal;
using test::SuitRun;

constexpr int Clubs = 0, Spades = 1, Hearts = 2, Diamonds = 3;
constexpr int Two = 1, Four = 3, Five = 4, Six = 5, Seven = 6, Nine = 8, Ten = 9;
// Tableau 0..9; package 10 + t lies above pile t.
constexpr int Package = 10;

std::vector<int> Joined(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(FourPackages, DealOneShowsTheRankThatContinuesEachPile)
{
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    const TableState& t = g.T;
    std::vector<int> order, tops, shown, counts;
    for (int k = 0; k < 4; ++k) order.push_back(t.DealOrder[static_cast<size_t>(k)].CardIndex);
    for (int p = 0; p < 10; ++p) {
        tops.push_back(TopCard(t, p));
        shown.push_back(t.PileAt(Package + p).BaseRank);
        counts.push_back(t.PileAt(p).Count);
        EXPECT_EQ(t.PileAt(Package + p).X, t.PileAt(p).X) << "package above its pile";
        for (const int c : CardsOf(t, p)) EXPECT_TRUE(t.CardAt(c).FaceUp);
    }
    EXPECT_EQ(order, (std::vector<int>{21, 78, 14, 68}));
    EXPECT_EQ(tops, (std::vector<int>{8, 34, 70, 55, 51, 58, 16, 63, 76, 97}));
    // Pile 4 ends with a King, so its package shows an Ace.
    EXPECT_EQ(shown, (std::vector<int>{9, 9, 6, 4, 0, 7, 4, 12, 12, 7}));
    EXPECT_EQ(counts, (std::vector<int>{11, 11, 11, 11, 10, 10, 10, 10, 10, 10}));
    // Customize offers the tableau's order, suit, moves and filling only.
    const GameRules& r = t.Rules;
    EXPECT_TRUE(r.EditTableConsVal && r.EditTableConsSuit && r.EditMoveUnit && r.EditFillFreeTable);
    EXPECT_FALSE(r.EditFoundConsVal || r.EditFoundTakeCards || r.AutoplayAllowed);
}

TEST(FourPackages, AnyFaceUpGroupBuildsDownInSuit)
{
    const int nineH = CardOf(Hearts, Nine), kingD = CardOf(Diamonds, RankKing);
    const PileCards group{{0, {CardOf(Spades, Five), nineH, CardOf(Clubs, Four), kingD}}};
    auto with = [&](int pile, std::vector<int> cards) {
        PileCards out = group;
        out.push_back({pile, std::move(cards)});
        return out;
    };
    const int aceD = CardOf(Diamonds, RankAce), aceH = CardOf(Hearts, RankAce);
    const int spades = Package + 2;
    test::ExpectDrops(
        games::FourPackages,
        {
            {"9H 4C KD onto the 10H", with(1, {CardOf(Hearts, Ten)}), nineH, 1, true},
            {"the group into an empty pile", group, nineH, 2, true},
            {"the group onto the 10S", with(1, {CardOf(Spades, Ten)}), nineH, 1, false},
            {"the group onto another card", with(1, {CardOf(Hearts, RankJack)}), nineH, 1, false},
            {"a King group onto the Ace of its suit", with(1, {aceD}), kingD, 1, true},
            {"a King group onto another Ace", with(1, {aceH}), kingD, 1, false},
            {"a group to a package", with(spades, SuitRun(Hearts, Two, 7)), nineH, spades, false},
            {"an empty package takes a Two", with(3, {CardOf(Spades, Two)}), CardOf(Spades, Two), spades, true},
            {"an empty package takes no Ace", with(3, {CardOf(Spades, RankAce)}), CardOf(Spades, RankAce), spades,
             false},
            {"an empty package takes no Three", with(3, {CardOf(Spades, 2)}), CardOf(Spades, 2), spades, false},
            {"an empty package takes no King", with(3, {CardOf(Spades, RankKing)}), CardOf(Spades, RankKing), spades,
             false},
        });
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    Arrange(g.T, group);
    test::Press(g, nineH);
    EXPECT_EQ(g.T.PickedCount, 3) << "the 9H picks every card above it";
}

TEST(FourPackages, APackageGoesTwoToKingThenAceOnly)
{
    const int home = Package + 5;
    const std::vector<int> run = SuitRun(Spades, Two, RankKing);
    const std::vector<int> runAndAce = Joined(run, {CardOf(Spades, RankAce)});
    const std::vector<int> joined = Joined(runAndAce, SuitRun(Spades, Two, RankKing, 1));
    const int aceS2 = SecondDeck + CardOf(Spades, RankAce), twoS2 = SecondDeck + CardOf(Spades, Two);
    test::ExpectDrops(games::FourPackages,
                      {
                          {"2S..KS takes the AS", {{home, run}, {0, {aceS2}}}, aceS2, home, true},
                          {"2S..KS AS refuses a second 2S", {{home, runAndAce}, {0, {twoS2}}}, twoS2, home, false},
                          {"a joined package takes the other AS as its 26th card",
                           {{home, joined}, {0, {aceS2}}},
                           aceS2,
                           home,
                           true},
                      });
}

struct CarryRow {
    const char* What;
    PileCards Table;
    int Card;
    int Target;
    std::vector<int> TargetAfter;
    int CarriedFrom;  // the package left empty, -1 for none
};

TEST(FourPackages, APlayOntoAnotherPackageCarriesThePilesOwnPackage)
{
    const int sevenC = CardOf(Clubs, Seven);
    const std::vector<int> clubs = SuitRun(Clubs, Two, Six);
    const std::vector<int> diamonds = SuitRun(Diamonds, Two, 2);
    const CarryRow rows[] = {
        {"onto its own package", {{2, {sevenC}}, {Package + 2, clubs}, {Package + 1, diamonds}}, sevenC,
         Package + 2, Joined(clubs, {sevenC}), -1},
        {"own package empty", {{2, {sevenC}}, {Package + 5, clubs}}, sevenC, Package + 5, Joined(clubs, {sevenC}),
         -1},
        {"a package buried", {{4, {sevenC}}, {Package + 4, diamonds}, {Package + 1, clubs}}, sevenC, Package + 1,
         Joined(Joined(clubs, {sevenC}), diamonds), Package + 4},
    };
    for (const CarryRow& row : rows) {
        test::RecordingView view;
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
    Arrange(g.T, {{4, {sevenC}}, {Package + 4, diamonds}, {Package + 1, clubs}, {0, {CardOf(Diamonds, Four)}}});
    Drag(g, sevenC, Package + 1);
    EXPECT_EQ(Ask(g.T, CardOf(Diamonds, Four), Package + 1), Package + 1);
}

TEST(FourPackages, AnAceOnAKingJoinsTwoPackagesAndOneUndoTakesItBack)
{
    test::RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::FourPackages, 1);
    TableState& t = g.T;
    const int aceS = CardOf(Spades, RankAce);
    Arrange(t, {{3, {aceS}},
                {Package + 3, SuitRun(Spades, Two, RankKing)},
                {Package + 5, SuitRun(Spades, Two, RankKing, 1)},
                {7, {CardOf(Hearts, Four)}}});
    test::Rebase(g);
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
    test::Press(g, sevenC, Button::Right);
    EXPECT_EQ(CardsOf(g.T, Package + 1), Joined(Joined(SuitRun(Clubs, Two, Six), {sevenC}), second));
    EXPECT_EQ(g.T.PileAt(Package + 5).Count, 0);
}

TEST(FourPackages, AMoveBetweenPilesResetsEveryShownRank)
{
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    TableState& t = g.T;
    const int nineH = CardOf(Hearts, Nine);
    Arrange(t, {{0, {CardOf(Spades, Five), nineH}}, {1, {CardOf(Hearts, Ten)}}, {2, {CardOf(Diamonds, RankAce)}},
                {3, {CardOf(Clubs, RankKing)}}});
    Drag(g, nineH, 1);
    std::vector<int> shown;
    for (int p = 0; p < 10; ++p) shown.push_back(t.PileAt(Package + p).BaseRank);
    // Under an Ace: a Two; under a King: an Ace; under an empty pile: no rank.
    const int none = RankKing + 1;
    EXPECT_EQ(shown, (std::vector<int>{Six, Ten, Two, RankAce, none, none, none, none, none, none}));
}

// The 100 cards packed as four joined packages, eight packages or a mix;
// the second deck's Aces lie alone on piles 0..3.
PileCards Ending(int joinedSuits)
{
    PileCards out;
    int package = Package;
    for (int s = 0; s < 4; ++s) {
        const std::vector<int> first = Joined(SuitRun(s, Two, RankKing), {CardOf(s, RankAce)});
        const std::vector<int> second = SuitRun(s, Two, RankKing, 1);
        if (s < joinedSuits) {
            out.push_back({package++, Joined(first, second)});
        } else {
            out.push_back({package++, first});
            out.push_back({package++, second});
        }
        out.push_back({s, {SecondDeck + CardOf(s, RankAce)}});
    }
    return out;
}

// Moves one card from where Ending put it to the top of pile.
PileCards Shifted(PileCards table, int card, int pile)
{
    for (auto& [p, cards] : table) std::erase(cards, card);
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
    for (int p = 0; p < 4; ++p) EXPECT_EQ(g.T.PileAt(p).Count, 1) << p;
}

}  // namespace
}  // namespace quillo
