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

// Spider: 0 stock, 1..8 foundations, 9..18 tableau.
TEST(Spider, TheStockDealsOnlyWhileEveryPileHoldsACard)
{
    Game g;
    SetUpAndDeal(g, games::Spider, 12);
    const std::string piles = "0: AC'-KC' AS'-7S'; 9: TC; 10: JC; 11: QC; 12: KC; 14: 2S; 15: 3S; 16: 4S; 17: 5S; 18: 6S";
    Lay(g.T, piles);
    Rebase(g);
    const TableState before = g.T;
    Left(g, TopCard(g.T, 0));
    EXPECT_TRUE(g.T.Cards == before.Cards) << "the press raises the stock, nothing more";
    EXPECT_EQ(g.Undo.Count(), 1);
    Lay(g.T, piles + "; 13: AS");
    Left(g, TopCard(g.T, 0));
    EXPECT_EQ(Counts(g.T, 9, 18), std::vector<int>(10, 2));
    EXPECT_EQ(g.T.PileAt(0).Count, 10);
}

TEST(RunGames, DropsAndPicks)
{
    using namespace games;
    // Spider: 0 stock, 1..8 foundations, 9..18 tableau. Rouge et Noir: 0
    // stock, 1..4 colour foundations, 5..8 run foundations, 9..18 tableau.
    const char* spiderRuns = "9: 9S 8S 7H; 10: 9S' 8S' 7S'; 11: TD";
    const char* spiderHome = "9: KS-AS; 10: AH'; 11: KD";
    const char* rouge = "9: KS QH JS TH 9S 8H 7S 6H 5S 4H 3S 2H AS; "
                        "10: KS' QH' JS' TH' 9S' 8H' 7S' 6S' 5S' 4H' 3S' 2H' AS'";
    const char* colours = "1: AH; 2: AD; 9: AH'; 10: AS";
    const char* noWrap = "9: AS; 10: KH; 11: AH KS; 12: QD; 13: KC QD'; 15: 3H";
    ExpectDrops({
        {Spider, "onto a Ten of any suit", spiderRuns, "9S'", 11, true},
        {Spider, "into a space", spiderRuns, "9S'", 12, true},
        {Spider, "a whole suit from the King home", spiderHome, "KS", 1, true},
        {Spider, "twelve cards", spiderHome, "QS", 1, false},
        {Spider, "a single Ace", spiderHome, "AH'", 1, false},
        {Spider, "no King on an Ace", spiderHome, "KD", 10, false},
        {Spider, "an occupied foundation", "9: KS-AS; 2: KC'", "KS", 2, false},
        {RougeEtNoir, "a whole alternating run home", rouge, "KS", 5, true},
        {RougeEtNoir, "twelve cards", rouge, "QH", 5, false},
        {RougeEtNoir, "a run to a colour foundation", rouge, "KS", 1, false},
        {RougeEtNoir, "a colour break", rouge, "KS'", 6, false},
        {RougeEtNoir, "a third red foundation", colours, "AH'", 3, false},
        {RougeEtNoir, "a fourth red foundation", colours, "AH'", 4, false},
        {RougeEtNoir, "a black foundation", colours, "AS", 3, true},
        {RougeEtNoir, "a King on an Ace", noWrap, "KH", 9, false},
        {RougeEtNoir, "a space takes only a King", noWrap, "QD", 14, false},
        {RougeEtNoir, "a King with its run into a space", noWrap, "KC", 14, true},
    });
    ExpectPicks({
        {Spider, spiderRuns, "8S", PickAction::Nothing},
        {Spider, spiderRuns, "7H", PickAction::PickUp},
        {Spider, spiderRuns, "9S'", PickAction::PickUp},
        {RougeEtNoir, noWrap, "AH", PickAction::PickUp},
    });
    Game g;
    SetUpAndDeal(g, RougeEtNoir, 23);
    Lay(g.T, noWrap);
    for (int p = 1; p <= 18; ++p)
        EXPECT_EQ(Ask(g.T, C("AH"), p), -1) << "A, K goes nowhere: " << p;
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

TEST(FourPackages, Drops)
{
    using games::FourPackages;
    ExpectDrops({
        {FourPackages, "9H 4C KD onto the 10H", "0: 5S 9H 4C KD; 1: TH", "9H", 1, true},
        {FourPackages, "the group into an empty pile", "0: 5S 9H 4C KD", "9H", 2, true},
        {FourPackages, "the group onto the 10S", "0: 5S 9H 4C KD; 1: TS", "9H", 1, false},
        {FourPackages, "the group onto another card", "0: 5S 9H 4C KD; 1: JH", "9H", 1, false},
        {FourPackages, "a King group onto the Ace of its suit", "0: 5S 9H 4C KD; 1: AD", "KD", 1, true},
        {FourPackages, "a King group onto another Ace", "0: 5S 9H 4C KD; 1: AH", "KD", 1, false},
        {FourPackages, "a group to a package", "0: 5S 9H 4C KD; 12: 2H-8H", "9H", 12, false},
        {FourPackages, "an empty package takes a Two", "3: 2S", "2S", 12, true},
        {FourPackages, "an empty package takes no Ace", "3: AS", "AS", 12, false},
        {FourPackages, "an empty package takes no Three", "3: 3S", "3S", 12, false},
        {FourPackages, "an empty package takes no King", "3: KS", "KS", 12, false},
        {FourPackages, "2S..KS takes the AS", "15: 2S-KS; 0: AS'", "AS'", 15, true},
        {FourPackages, "2S..KS AS refuses a second 2S", "15: 2S-KS AS; 0: 2S'", "2S'", 15, false},
        {FourPackages, "a joined package takes the other AS as its 26th card", "15: 2S-KS AS 2S'-KS'; 0: AS'", "AS'",
            15, true},
    });
    Game g;
    SetUpAndDeal(g, FourPackages, 1);
    Lay(g.T, "0: 5S 9H 4C KD");
    Left(g, C("9H"));
    EXPECT_EQ(g.T.PickedCount, 3) << "the 9H picks every card above it";
}

// Tableau 0..9; package 10 + t lies above pile t. A play onto another
// package carries the pile's own package along.
TEST(FourPackages, APlayOntoAnotherPackageCarriesThePilesOwnPackage)
{
    const struct {
        const char* What;
        const char* Table;
        int Target;
        const char* TargetAfter;
        int CarriedFrom; // the package left empty, -1 for none
    } rows[] = {
        {"onto its own package", "2: 7C; 12: 2C-6C; 11: 2D-3D", 12, "2C-7C", -1},
        {"own package empty", "2: 7C; 15: 2C-6C", 15, "2C-7C", -1},
        {"a package buried", "4: 7C; 14: 2D-3D; 11: 2C-6C", 11, "2C-7C 2D-3D", 14},
    };
    for (const auto& row : rows) {
        RecordingView view;
        Game g(view);
        SetUpAndDeal(g, games::FourPackages, 1);
        g.T.Opt.Sound = true;
        Lay(g.T, row.Table);
        Drag(g, C("7C"), row.Target);
        EXPECT_EQ(CardsOf(g.T, row.Target), Cards(row.TargetAfter)) << row.What;
        if (row.CarriedFrom != -1) {
            EXPECT_EQ(g.T.PileAt(row.CarriedFrom).Count, 0) << row.What;
        }
        EXPECT_EQ(view.Count("found.wav"), row.CarriedFrom != -1 ? 2 : 1) << row.What;
        EXPECT_EQ(view.Count("snapshot"), 1) << row.What;
        // The buried package goes on: 2C..7C 2D 3D takes the 4D.
        if (row.CarriedFrom != -1) {
            Lay(g.T, std::string(row.Table) + "; 0: 4D");
            Drag(g, C("7C"), row.Target);
            EXPECT_EQ(Ask(g.T, C("4D"), row.Target), row.Target);
        }
    }
}

TEST(FourPackages, AnAceOnAKingJoinsTwoPackagesAndOneUndoTakesItBack)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::FourPackages, 1);
    TableState& t = g.T;
    Lay(t, "3: AS; 13: 2S-KS; 15: 2S'-KS'; 7: 4H");
    Rebase(g);
    const TableState before = t;
    Drag(g, C("AS"), 15);
    EXPECT_EQ(Counts(t, { 15, 13 }), (std::vector<int>{ 25, 0 }));
    EXPECT_EQ(t.PileAt(13).BaseRank, RankKing + 1) << "pile 3 is empty: the plain token";
    EXPECT_EQ(t.PileAt(17).BaseRank, 4);
    EXPECT_EQ(view.Moves, 2) << "the carried package is shown moving";
    EXPECT_FALSE(g.GameWon);
    UndoMove(g);
    EXPECT_TRUE(SameCardsAndPiles(t, before)) << "shown ranks included";
}

TEST(FourPackages, ARightClickTakesTheFirstPackageAndCarries)
{
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    Lay(g.T, "5: 7C; 15: 2C'-6C'; 11: 2C-6C");
    Right(g, C("7C"));
    EXPECT_EQ(CardsOf(g.T, 11), Cards("2C-7C 2C'-6C'"));
    EXPECT_EQ(g.T.PileAt(15).Count, 0);
}

TEST(FourPackages, AMoveBetweenPilesResetsEveryShownRank)
{
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    Lay(g.T, "0: 5S 9H; 1: TH; 2: AD; 3: KC");
    Drag(g, C("9H"), 1);
    std::vector<int> shown;
    for (int p = 10; p < 20; ++p)
        shown.push_back(g.T.PileAt(p).BaseRank);
    // Under an Ace: a Two; under a King: an Ace; under an empty pile: no rank.
    const int none = RankKing + 1;
    EXPECT_EQ(shown, (std::vector<int>{ 5, 9, 1, RankAce, none, none, none, none, none, none }));
}

// Every pack but the diamonds' as eight packages, the second deck's Aces
// alone on piles 0..2.
constexpr const char* Packed = "10: 2C-KC AC; 11: 2C'-KC'; 0: AC'; 12: 2S-KS AS; 13: 2S'-KS'; 1: AS'; "
                               "14: 2H-KH AH; 15: 2H'-KH'; 2: AH'; 16: 2D-KD AD; ";

TEST(FourPackages, WonWithFourAcesAloneAndTheRestPacked)
{
    const struct {
        const char* What;
        std::string Table;
        bool Won;
    } rows[] = {
        {"four joined packages", "10: 2C-KC AC 2C'-KC'; 0: AC'; 11: 2S-KS AS 2S'-KS'; 1: AS'; "
                                 "12: 2H-KH AH 2H'-KH'; 2: AH'; 13: 2D-KD AD 2D'-KD'; 3: AD'", true},
        {"two joined and four packages", "10: 2C-KC AC 2C'-KC'; 0: AC'; 11: 2S-KS AS 2S'-KS'; 1: AS'; "
                                         "12: 2H-KH AH; 13: 2H'-KH'; 2: AH'; 14: 2D-KD AD; 15: 2D'-KD'; 3: AD'", true},
        {"eight packages", std::string(Packed) + "17: 2D'-KD'; 3: AD'", true},
        {"a fifth pile holds a card", std::string(Packed) + "17: 2D'-QD'; 3: AD'; 4: KD'", false},
        {"an Ace pile holds two cards", std::string(Packed) + "17: 2D'-QD'; 3: AD' KD'", false},
        {"a single card is no Ace", std::string(Packed) + "17: 2D'-QD' AD'; 3: KD'", false},
        {"five Aces packed", std::string(Packed) + "17: 2D'-KD' AD'", false},
    };
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    for (const auto& row : rows) {
        Lay(g.T, row.Table);
        EXPECT_EQ(IsWon(g.T), row.Won) << row.What;
    }
}

TEST(FourPackages, TheLastKingWinsAndAutoplayLeavesTheAces)
{
    Game g;
    SetUpAndDeal(g, games::FourPackages, 1);
    g.T.Opt.Autoplay = true;
    Lay(g.T, std::string(Packed) + "17: 2D'-QD'; 3: AD'; 8: KD'");
    Drag(g, C("KD'"), 17);
    EXPECT_TRUE(g.GameWon);
    EXPECT_EQ(Counts(g.T, 0, 3), std::vector<int>(4, 1));
}

} // namespace
} // namespace quillo
