// Klondike and Chinese.
//
//   [0] [1]     [2] [3] [4] [5]      stock, waste, four foundations
//   [6] [7] [8] [9] [10] [11] [12]   seven tableau piles, fanned down

#include "../deal_ops.h"
#include "../game.h"
#include "../heuristic.h"
#include "../placement.h"
#include "games.h"

namespace quillo::games {

namespace {

void LayOutKlondikeFamily(Game& g, int32_t faceDownFan, int firstFoundationCol)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 13;
    r.FaceDownFan = faceDownFan;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 5;
    r.TableFirst = 6;
    r.TableLast = 12;

    PlacePile(t, 0, 0, 7, -1, 15);
    t.PileAt(1).X = t.PileAt(0).X + r.CardWidth() + 10;
    t.PileAt(1).Y = 15;
    PlacePileRow(t, 2, 5, firstFoundationCol, 0, -1, 15, 1, 7);
    PlacePileRow(t, 6, 12, 0, 0, -1, r.CardHeight() + 35, 1, 7);
    SetFans(t, 1);

    r.TableConsVal = ConsDescending;
    r.TableConsSuit = SuitAlternate;
    r.FoundConsVal = ConsAscending;
    r.FoundConsSuit = SuitSame;
    r.FillFreeTable = FillKing;
    r.StockRedeals = StockUnlimited;
    r.GetDeckCardNum = 1;
    r.StartRank = RankAce;
    r.AutoplayAllowed = true;
    r.FoundTakeCards = true;
    r.EditTableConsVal = r.EditFoundConsVal = r.EditFillFreeTable = r.EditFoundTakeCards = true;
}

}  // namespace

void KlondikeLayout(Game& g)
{
    LayOutKlondikeFamily(g, DownFanHalf, 3);
    g.T.Rules.MoveUnit = MoveLegalRun;
}

void KlondikeDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {1, 2, 3, 4, 5, 6, 7};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::TopUp);
    GatherIntoStock(t);
}

void ChineseLayout(Game& g)
{
    LayOutKlondikeFamily(g, DownFanFull, 2);
    g.T.Rules.MoveUnit = MoveAnyRun;
}

void ChineseDeal(Game& g)
{
    TableState& t = g.T;
    Patterns patterns;
    const char* rows[] = {"FFFFFFF", "FFFFFFF", "FFFFFFF", "SSSFFFF", "SSSSFFF", "SSSSSFF", "SSSSSSF"};
    for (int i = 0; i < 7; ++i) patterns[static_cast<size_t>(6 + i)] = rows[i];
    DealPatterns(t, patterns, t.Rules.TableFirst, t.Rules.TableLast, true);
    GatherIntoStock(t);
}

}  // namespace quillo::games

namespace quillo::games {

// Depth first by kind of action wins the easy deals within a few thousand
// positions; best first over progress wins others that depth first wanders
// on through the passes of the stock.
const HeuristicWeights KlondikeWeights = [] {
    HeuristicWeights w;
    w.BestFirst = true;
    w.DepthFirstPositions = 30'000;
    return w;
}();

}  // namespace quillo::games
