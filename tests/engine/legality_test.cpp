// What may be picked up and where it may go, over real layouts.

#include <gtest/gtest.h>

#include "engine/legality.h"
#include "test_support.h"

namespace quillo {
namespace {

using namespace test;

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
    for (const bool full : { true, false }) {
        Game g;
        SetUpAndDeal(g, games::Braid, 77);
        TableState& t = g.T;
        t.Rules.FullFoundations = full;
        t.Rules.StartRank = 4;
        std::vector<int> grown = Cards("5C");
        for (int k = 1; k <= 12; ++k) {
            const int card = CardOf(Clubs, (4 + k) % 13);
            Arrange(t, { { 1, grown }, { 22, { card } } });
            ASSERT_EQ(Ask(t, card, 1), 1) << "rank " << (4 + k) % 13;
            EXPECT_EQ(Ask(t, card, 2), -1) << "an empty foundation takes only the starting rank";
            grown.push_back(card);
        }
        Arrange(t, { { 1, grown }, { 22, Cards("5C'") } });
        EXPECT_EQ(Ask(t, C("5C'"), 1), full ? -1 : 1) << "full foundations " << full;
    }
}

TEST(Foundation, NoStartingRankRefusesEveryCardOnAnEmptyOne)
{
    Game g;
    SetUpAndDeal(g, games::Klondike, 3);
    g.T.Rules.StartRank = -1;
    for (int rank = 0; rank < 13; ++rank) {
        Arrange(g.T, { { 1, { CardOf(Spades, rank) } } });
        EXPECT_EQ(Ask(g.T, CardOf(Spades, rank), 2), -1) << rank;
    }
}

// Klondike: 0 stock, 1 waste, 2..5 foundations, 6..12 tableau; the drops go
// to pile 6.
TEST(Tableau, DropRules)
{
    Game g;
    SetUpAndDeal(g, games::Klondike, 5);
    const struct {
        const char* What;
        int BuildFrom;
        const char* Table;
        const char* Card;
        bool Accepted;
    } rows[] = {
        { "alternate colours, one lower", BuildFromAny, "6: 9H; 7: 8C", "8C", true },
        { "same colour", BuildFromAny, "6: 9H; 7: 8D", "8D", false },
        { "face-down top card blocks", BuildFromAny, "6: ~9H; 7: 8C", "8C", false },
        { "from a tableau pile when only the waste builds", BuildFromWasteOrReserve, "6: 9H; 7: 8C", "8C", false },
        { "from the waste when only the waste builds", BuildFromWasteOrReserve, "6: 9H; 1: 8C", "8C", true },
        { "nothing builds", BuildFromNone, "6: 9H; 1: 8C", "8C", false },
        { "an empty pile takes a King", BuildFromAny, "7: KS; 8: 9H", "KS", true },
        { "and nothing else", BuildFromAny, "7: KS; 8: 9H", "9H", false },
    };
    for (const auto& row : rows) {
        g.T.Rules.TableBuildFrom = row.BuildFrom;
        Lay(g.T, row.Table);
        EXPECT_EQ(Ask(g.T, C(row.Card), 6), row.Accepted ? 6 : -1) << row.What;
    }
}

// Canfield: 0 stock, 1 waste, 6 reserve, 7..10 tableau; the drops go to the
// empty pile 7, three passes allowed.
TEST(Tableau, FillingCodes)
{
    Game g;
    SetUpAndDeal(g, games::Canfield, 9);
    TableState& t = g.T;
    t.Rules.FillRank = RankKing;
    t.Rules.StockRedeals = 3;
    const struct {
        const char* What;
        int32_t Fill;
        const char* Table;
        const char* Card;
        bool NoPassLeft, Accepted;
    } rows[] = {
        { "any card", FillAnyCard, "8: 7S", "7S", false, true },
        { "from the waste only: waste", FillFromWaste, "1: 7S", "7S", false, true },
        { "from the waste only: tableau", FillFromWaste, "8: 7S", "7S", false, false },
        { "by rank", FillKing, "8: KH", "KH", false, true },
        { "by rank, wrong rank", FillKing, "8: 7S", "7S", false, false },
        { "-7 from the reserve", FillGameRule7, "6: 7S", "7S", false, true },
        { "-7 from the tableau falls back to the rank", FillGameRule7, "8: 7S", "7S", false, false },
        { "-6 from the reserve", FillGameRule6, "6: 3D 7S", "7S", false, true },
        { "-6 from the waste while the reserve has cards", FillGameRule6, "6: 3D; 1: KH", "KH", false, false },
        { "-6 from the waste once the reserve is empty", FillGameRule6, "1: 7S", "7S", false, true },
        { "-8 while the stock has cards", FillGameRule8, "0: 5D; 1: 7S", "7S", false, false },
        { "-8 stock empty, a pass left, waste cards", FillGameRule8, "1: 6D 7S", "7S", false, false },
        { "-8 the same with the filling rank", FillGameRule8, "1: 6D KH", "KH", false, true },
        { "-8 stock empty, no pass left", FillGameRule8, "1: 6D 7S", "7S", true, true },
        { "-8 stock and waste empty", FillGameRule8, "8: 7S", "7S", false, true },
    };
    for (const auto& row : rows) {
        t.Rules.FillFreeTable = row.Fill;
        t.Rules.StockPass = row.NoPassLeft ? 3 : 1;
        Lay(t, row.Table);
        EXPECT_EQ(Ask(t, C(row.Card), 7), row.Accepted ? 7 : -1) << row.What;
    }
}

TEST(PickUp, RunsAndFaces)
{
    Game g;
    SetUpAndDeal(g, games::Klondike, 11);
    TableState& t = g.T;
    t.Rules.MoveUnit = MoveLegalRun;
    Lay(t, "6: KC QH JS");
    EXPECT_EQ(PickRule(t, C("KC")), PickAction::PickUp) << "a legal run";
    Lay(t, "6: KC QH JD");
    EXPECT_EQ(PickRule(t, C("KC")), PickAction::Nothing) << "an illegal run under the pressed card";
    EXPECT_EQ(PickRule(t, C("JD")), PickAction::PickUp) << "the top card alone";
    Lay(t, "6: KC ~QH JS");
    EXPECT_FALSE(IsLegalRunFrom(t, C("KC"), SuitAlternate, ConsDescending)) << "a face-down card inside a run";
    EXPECT_EQ(PickRule(t, C("QH")), PickAction::Nothing) << "a covered face-down card";
    Lay(t, "6: KC ~QH");
    EXPECT_EQ(PickRule(t, C("QH")), PickAction::TurnUp);
    t.Rules.MoveUnit = MoveAnyRun;
    Lay(t, "6: KC QH JD");
    EXPECT_EQ(PickRule(t, C("KC")), PickAction::PickUp) << "any run";
    t.Rules.FoundTakeCards = false;
    Lay(t, "2: AC; 1: QH JS");
    EXPECT_EQ(PickRule(t, C("AC")), PickAction::Nothing) << "foundation cards stay";
    EXPECT_EQ(PickRule(t, C("QH")), PickAction::Nothing) << "only the waste's top card";
    EXPECT_EQ(PickRule(t, C("JS")), PickAction::PickUp);
}

TEST(OwnDropRules, Drops)
{
    using namespace games;
    // Braid: 1..8 foundations, 9..20 tableau, 21 the braid, 22 waste.
    const char* braid = "22: 7C; 21: 2D 7S; 10: 7H";
    const char* aribert = "0: AC KH QC JH TC 9H 8C 7H 6C 5H 4C 3H 2C";
    ExpectDrops({
        // Free Cell: 0..3 cells, 4..7 foundations, 8..15 tableau.
        {FreeCell, "a card to an empty cell", "8: TC 9H; 9: 6S; 1: 4D", "6S", 0, true},
        {FreeCell, "two cards to an empty cell", "8: TC 9H; 9: 6S; 1: 4D", "TC", 0, false},
        {FreeCell, "a card to a full cell", "8: TC 9H; 9: 6S; 1: 4D", "6S", 1, false},
        {Braid, "waste to the first tableau pile", braid, "7C", 9, true},
        {Braid, "waste to the left side", braid, "7C", 16, true},
        {Braid, "waste to the right side", braid, "7C", 17, false},
        {Braid, "braid to the right side", braid, "7S", 17, true},
        {Braid, "braid to the last right place", braid, "7S", 20, true},
        {Braid, "braid to the left", braid, "7S", 9, false},
        {Braid, "tableau to tableau", braid, "7H", 9, false},
        {Braid, "tableau to the right side", braid, "7H", 17, false},
        {Braid, "onto the braid", braid, "7C", 21, false},
        {Braid, "onto a tableau card", braid, "7C", 10, false},
        {Braid, "the empty braid itself accepts nothing", "22: 7C", "7C", 21, false},
        // Aribert: 0..11 tableau, 12 stock, 13 foundation.
        {Aribert, "a whole suit", aribert, "AC", 13, true},
        {Aribert, "twelve cards", aribert, "KH", 13, false},
    });
}

// Napoleon's Tomb: 0 stock, 1..5 waste, 6..9 foundations, 10 centre, 11..14
// around it, 15..18 corners.
TEST(OwnDropRules, NapoleonsTombReformsTheGroup)
{
    Game g;
    SetUpAndDeal(g, games::NapoleonsTomb, 6);
    TableState& t = g.T;
    Lay(t, "11: TS AH 2H 3H; 12: 6H");
    // Pressing the Ace picks it with all above it; the rule first keeps only the top card.
    EXPECT_EQ(Ask(t, C("AH"), 12), -1);
    PickGroup(t, C("AH"));
    t.DropPile = 10;
    EXPECT_EQ(CanDrop(t), 10) << "the centre takes the run from the Ace";
    EXPECT_EQ(std::pair(t.ActiveCard, t.PickedCount), std::pair(C("AH"), 3));
    t.DropPile = 13;
    EXPECT_EQ(CanDrop(t), 13) << "an empty side pile takes any single card";
    EXPECT_EQ(std::pair(t.ActiveCard, t.PickedCount), std::pair(C("3H"), 1));
    EXPECT_FALSE(t.CardAt(C("AH")).Moving);
    // Kings start foundations, one per suit.
    Lay(t, "1: KD; 2: KD'; 6: KD QD");
    EXPECT_EQ(Ask(t, C("KD'"), 7), -1) << "a second foundation of that suit";
    Lay(t, "1: KD; 6: KS");
    EXPECT_EQ(Ask(t, C("KD"), 7), 7);
    EXPECT_EQ(Ask(t, C("KD"), 15), -1) << "the corner piles take nothing";
    EXPECT_EQ(Ask(t, C("KD"), 6), -1) << "the foundation builds down in suit";
}

}  // namespace
}  // namespace quillo
