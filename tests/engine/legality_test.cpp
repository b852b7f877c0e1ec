// What may be picked up and where it may go, over real layouts.

#include <gtest/gtest.h>

#include "engine/legality.h"
#include "test_support.h"

namespace quillo {
namespace {

using test::Arrange;
using test::CardOf;
using test::Ask;
using test::PickGroup;
using test::SetUpAndDeal;

TEST(RankFits, EveryCodeWrapsBetweenKingAndAce)
{
    Game g;
    SetUpAndDeal(g, games::Klondike, 1);
    struct Row {
        uint8_t Code;
        int Moving, Target;
        bool Fits;
    } rows[] = {
        {ConsAscending, RankAce, RankKing, true},   {ConsAscending, RankKing, RankAce, false},
        {ConsAscending, 5, 4, true},                {ConsAscending, 4, 5, false},
        {ConsDescending, RankKing, RankAce, true},  {ConsDescending, RankAce, RankKing, false},
        {ConsDescending, 4, 5, true},               {ConsEither, RankAce, RankKing, true},
        {ConsEither, RankKing, RankAce, true},      {ConsEither, 7, 9, false},
        {ConsNoOrder, 7, 2, true},                  {ConsKeepPile, 5, 4, false},
    };
    for (const Row& row : rows) {
        Card m, t;
        m.Rank = row.Moving;
        t.Rank = row.Target;
        t.PileIndex = -1;
        EXPECT_EQ(RankFits(g.T, row.Code, m, t, false), row.Fits)
            << int(row.Code) << ' ' << row.Moving << " on " << row.Target;
    }
}

TEST(SuitFits, Codes)
{
    struct Row {
        uint8_t Code;
        int A, B;
        bool Fits;
    } rows[] = {
        {SuitSame, 2, 2, true},          {SuitSame, 2, 3, false},       {SuitAlternate, 0, 2, true},
        {SuitAlternate, 1, 0, false},    {SuitSameColour, 3, 2, true},  {SuitSameColour, 1, 3, false},
        {SuitNone, 0, 3, true},          {9, 0, 3, true},
    };
    for (const Row& row : rows) {
        Card a, b;
        a.Suit = row.A;
        b.Suit = row.B;
        EXPECT_EQ(SuitFits(row.Code, a, b), row.Fits) << int(row.Code) << ' ' << row.A << ' ' << row.B;
    }
}

// Braid (two decks, eight foundations): a foundation begun with a 5 runs
// through King and Ace up to the 4; the second 5 is refused only with
// FullFoundations.
TEST(Foundation, BegunWithFiveStopsBelowItsStartUnderFullFoundations)
{
    for (const bool full : {true, false}) {
        Game g;
        SetUpAndDeal(g, games::Braid, 77);
        TableState& t = g.T;
        t.Rules.FullFoundations = full;
        t.Rules.StartRank = 4;
        Arrange(t, {{1, {CardOf(0, 4)}}});
        for (int k = 1; k <= 12; ++k) {
            const int card = CardOf(0, (4 + k) % 13);
            Arrange(t, {{1, test::CardsOf(t, 1)}, {22, {card}}});
            ASSERT_EQ(Ask(t, card, 1), 1) << "rank " << (4 + k) % 13;
            EXPECT_EQ(Ask(t, card, 2), -1) << "an empty foundation takes only the starting rank";
            std::vector<int> grown = test::CardsOf(t, 1);
            grown.push_back(card);
            Arrange(t, {{1, grown}});
        }
        const std::vector<int> all = test::CardsOf(t, 1);
        const int second = 52 + CardOf(0, 4);
        Arrange(t, {{1, all}, {22, {second}}});
        EXPECT_EQ(Ask(t, second, 1), full ? -1 : 1) << "full foundations " << full;
    }
}

TEST(Foundation, NoStartingRankRefusesEveryCardOnAnEmptyOne)
{
    Game g;
    SetUpAndDeal(g, games::Klondike, 3);
    g.T.Rules.StartRank = -1;
    for (int rank = 0; rank < 13; ++rank) {
        Arrange(g.T, {{1, {CardOf(1, rank)}}});
        EXPECT_EQ(Ask(g.T, CardOf(1, rank), 2), -1) << rank;
    }
}

TEST(Tableau, DropRules)
{
    // Klondike: 0 stock, 1 waste, 2..5 foundations, 6..12 tableau.
    Game g;
    SetUpAndDeal(g, games::Klondike, 5);
    TableState& t = g.T;
    const int red9 = CardOf(2, 8), black8 = CardOf(0, 7), red8 = CardOf(3, 7), king = CardOf(1, RankKing);
    struct Row {
        const char* What;
        int BuildFrom;
        bool TargetDown;
        int Source;
        int Card;
        bool Accepted;
    } rows[] = {
        {"alternate colours, one lower", BuildFromAny, false, 7, black8, true},
        {"same colour", BuildFromAny, false, 7, red8, false},
        {"face-down top card blocks", BuildFromAny, true, 7, black8, false},
        {"building from a tableau pile when only waste may build", BuildFromWasteOrReserve, false, 7, black8, false},
        {"from the waste when only waste may build", BuildFromWasteOrReserve, false, 1, black8, true},
        {"nothing builds", BuildFromNone, false, 1, black8, false},
    };
    for (const Row& row : rows) {
        t.Rules.TableBuildFrom = row.BuildFrom;
        Arrange(t, {{6, {red9}}, {row.Source, {row.Card}}}, row.TargetDown ? std::vector<int>{red9} : std::vector<int>{});
        EXPECT_EQ(Ask(t, row.Card, 6), row.Accepted ? 6 : -1) << row.What;
    }
    t.Rules.TableBuildFrom = BuildFromAny;
    // An empty pile takes a King only (FillRank of code -1 with Aces up).
    Arrange(t, {{7, {king}}, {8, {red9}}});
    EXPECT_EQ(Ask(t, king, 6), 6);
    EXPECT_EQ(Ask(t, red9, 6), -1);
}

TEST(Tableau, FillingCodes)
{
    // Canfield: 0 stock, 1 waste, 6 reserve, 7..10 tableau.
    Game g;
    SetUpAndDeal(g, games::Canfield, 9);
    TableState& t = g.T;
    t.Rules.FillRank = RankKing;
    const int seven = CardOf(1, 6), king = CardOf(2, RankKing), other = CardOf(3, 2);
    struct Row {
        const char* What;
        int32_t Fill;
        int Source;
        int Card;
        bool ReserveHasCards, StockHasCards, WasteHasCards, NoPassLeft;
        bool Accepted;
    } rows[] = {
        {"any card", FillAnyCard, 8, seven, false, false, false, false, true},
        {"from the waste only: waste", FillFromWaste, 1, seven, false, false, false, false, true},
        {"from the waste only: tableau", FillFromWaste, 8, seven, false, false, false, false, false},
        {"by rank", FillKing, 8, king, false, false, false, false, true},
        {"by rank, wrong rank", FillKing, 8, seven, false, false, false, false, false},
        {"-7 from the reserve", FillGameRule7, 6, seven, false, false, false, false, true},
        {"-7 from the tableau falls back to the rank", FillGameRule7, 8, seven, false, false, false, false, false},
        {"-6 from the reserve", FillGameRule6, 6, seven, true, false, false, false, true},
        {"-6 from the waste while the reserve has cards", FillGameRule6, 1, king, true, false, false, false, false},
        {"-6 from the waste once the reserve is empty", FillGameRule6, 1, seven, false, false, false, false, true},
        {"-8 while the stock has cards", FillGameRule8, 1, seven, false, true, false, false, false},
        {"-8 stock empty, a pass left, waste cards", FillGameRule8, 1, seven, false, false, true, false, false},
        {"-8 the same with the filling rank", FillGameRule8, 1, king, false, false, true, false, true},
        {"-8 stock empty, no pass left", FillGameRule8, 1, seven, false, false, true, true, true},
        {"-8 stock and waste empty", FillGameRule8, 8, seven, false, false, false, false, true},
    };
    for (const Row& row : rows) {
        t.Rules.FillFreeTable = row.Fill;
        t.Rules.StockRedeals = 3;
        t.Rules.StockPass = row.NoPassLeft ? 3 : 1;
        std::vector<int> reserve, stock, waste;
        if (row.ReserveHasCards) reserve.push_back(other);
        if (row.StockHasCards) stock.push_back(CardOf(3, 4));
        if (row.WasteHasCards) waste.push_back(CardOf(3, 5));
        if (row.Source == 6) reserve.push_back(row.Card);
        if (row.Source == 1) waste.push_back(row.Card);
        std::vector<int> source = row.Source == 8 ? std::vector<int>{row.Card} : std::vector<int>{};
        Arrange(t, {{6, reserve}, {0, stock}, {1, waste}, {8, source}});
        EXPECT_EQ(Ask(t, row.Card, 7), row.Accepted ? 7 : -1) << row.What;
    }
}

TEST(PickUp, RunsAndFaces)
{
    Game g;
    SetUpAndDeal(g, games::Klondike, 11);
    TableState& t = g.T;
    const int k = CardOf(0, 12), q = CardOf(2, 11), j = CardOf(1, 10), jRed = CardOf(3, 10);
    t.Rules.MoveUnit = MoveLegalRun;
    Arrange(t, {{6, {k, q, j}}});
    EXPECT_EQ(PickRule(t, k), PickAction::PickUp) << "a legal run";
    Arrange(t, {{6, {k, q, jRed}}});
    EXPECT_EQ(PickRule(t, k), PickAction::Nothing) << "an illegal run under the pressed card";
    EXPECT_EQ(PickRule(t, jRed), PickAction::PickUp) << "the top card alone";
    Arrange(t, {{6, {k, q, j}}}, {q});
    EXPECT_FALSE(IsLegalRunFrom(t, k, SuitAlternate, ConsDescending)) << "a face-down card inside a run";
    EXPECT_EQ(PickRule(t, q), PickAction::Nothing) << "a covered face-down card";
    Arrange(t, {{6, {k, q}}}, {q});
    EXPECT_EQ(PickRule(t, q), PickAction::TurnUp);
    t.Rules.MoveUnit = MoveAnyRun;
    Arrange(t, {{6, {k, q, jRed}}});
    EXPECT_EQ(PickRule(t, k), PickAction::PickUp) << "any run";
    t.Rules.FoundTakeCards = false;
    Arrange(t, {{2, {CardOf(0, 0)}}, {1, {q, j}}});
    EXPECT_EQ(PickRule(t, CardOf(0, 0)), PickAction::Nothing) << "foundation cards stay";
    EXPECT_EQ(PickRule(t, q), PickAction::Nothing) << "only the waste's top card";
    EXPECT_EQ(PickRule(t, j), PickAction::PickUp);
}

TEST(FreeCells, AnEmptyCellTakesOneCardNeverTwo)
{
    // Free Cell: 0..3 cells, 4..7 foundations, 8..15 tableau.
    Game g;
    SetUpAndDeal(g, games::FreeCell, 2);
    TableState& t = g.T;
    Arrange(t, {{8, {CardOf(0, 9), CardOf(2, 8)}}, {9, {CardOf(1, 5)}}, {1, {CardOf(3, 3)}}});
    EXPECT_EQ(Ask(t, CardOf(1, 5), 0), 0);
    EXPECT_EQ(Ask(t, CardOf(0, 9), 0), -1);
    EXPECT_EQ(Ask(t, CardOf(1, 5), 1), -1) << "a full cell";
}

TEST(OwnDropRules, Braid)
{
    // Braid: 1..8 foundations, 9..20 tableau, 21 the braid, 22 waste.
    Game g;
    SetUpAndDeal(g, games::Braid, 4);
    TableState& t = g.T;
    const int fromWaste = CardOf(0, 6), fromBraid = CardOf(1, 6), fromTableau = CardOf(2, 6);
    Arrange(t, {{22, {fromWaste}}, {21, {CardOf(3, 1), fromBraid}}, {10, {fromTableau}}});
    struct Row {
        int Card, Pile;
        bool Accepted;
    } rows[] = {
        {fromWaste, 9, true},     {fromWaste, 16, true},   {fromWaste, 17, false},  {fromBraid, 17, true},
        {fromBraid, 20, true},    {fromBraid, 9, false},   {fromTableau, 9, false}, {fromTableau, 17, false},
        {fromWaste, 21, false},   {fromWaste, 10, false},
    };
    for (const Row& row : rows) EXPECT_EQ(Ask(t, row.Card, row.Pile), row.Accepted ? row.Pile : -1) << row.Pile;
    Arrange(t, {{22, {fromWaste}}});
    EXPECT_EQ(Ask(t, fromWaste, 21), -1) << "the empty braid itself accepts nothing";
}

TEST(OwnDropRules, AribertFoundationTakesAWholeSuit)
{
    // Aribert: 0..11 tableau, 12 stock, 13 foundation.
    Game g;
    SetUpAndDeal(g, games::Aribert, 8);
    TableState& t = g.T;
    std::vector<int> run{CardOf(0, RankAce)};
    for (int k = 0; k < 12; ++k) run.push_back(CardOf(k % 2 == 0 ? 2 : 0, RankKing - k));
    Arrange(t, {{0, run}});
    EXPECT_EQ(Ask(t, run[0], 13), 13);
    EXPECT_EQ(Ask(t, run[1], 13), -1) << "twelve cards";
    EXPECT_TRUE(IsLegalRunFrom(t, run[0], SuitAlternate, ConsDescending));
}

TEST(OwnDropRules, NapoleonsTombReformsTheGroup)
{
    // Napoleon's Tomb: 0 stock, 1..5 waste, 6..9 foundations, 10 centre,
    // 11..14 around it, 15..18 corners.
    Game g;
    SetUpAndDeal(g, games::NapoleonsTomb, 6);
    TableState& t = g.T;
    const int ace = CardOf(2, 0), two = CardOf(2, 1), three = CardOf(2, 2);
    Arrange(t, {{11, {CardOf(1, 9), ace, two, three}}, {12, {CardOf(2, 5)}}});
    // Pressing the Ace picks it with all above it; the rule first keeps only the top card.
    EXPECT_EQ(Ask(t, ace, 12), -1);
    t.ActiveCard = ace;
    t.PickedCount = 3;
    for (const int c : {ace, two, three}) t.CardAt(c).Moving = true;
    t.DropPile = 10;
    EXPECT_EQ(CanDrop(t), 10) << "the centre takes the run from the Ace";
    EXPECT_EQ(t.ActiveCard, ace);
    EXPECT_EQ(t.PickedCount, 3);
    t.DropPile = 13;
    EXPECT_EQ(CanDrop(t), 13) << "an empty side pile takes any single card";
    EXPECT_EQ(t.ActiveCard, three);
    EXPECT_EQ(t.PickedCount, 1);
    EXPECT_FALSE(t.CardAt(ace).Moving);
    for (const int c : {ace, two, three}) t.CardAt(c).Moving = false;
    // Kings start foundations, one per suit.
    Arrange(t, {{1, {CardOf(3, RankKing)}}, {2, {52 + CardOf(3, RankKing)}}, {6, {CardOf(3, RankKing), CardOf(3, 11)}}});
    EXPECT_EQ(Ask(t, 52 + CardOf(3, RankKing), 7), -1) << "a second foundation of that suit";
    Arrange(t, {{1, {CardOf(3, RankKing)}}, {6, {CardOf(1, RankKing)}}});
    EXPECT_EQ(Ask(t, CardOf(3, RankKing), 7), 7);
    EXPECT_EQ(Ask(t, CardOf(3, RankKing), 15), -1) << "the corner piles take nothing";
    EXPECT_EQ(Ask(t, CardOf(3, RankKing), 6), -1) << "the foundation builds down in suit";
}

}  // namespace
}  // namespace quillo
