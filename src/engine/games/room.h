#pragma once
// Room checks shared by the layouts with a tableau row under the top row.

#include "../game.h"
#include "../game_rules.h"
#include "../placement.h"
#include "../setup.h"

namespace quillo::games {

// Field height that shows a tableau column at Y = H + 35 with `down`
// face-down cards (half steps) under `up` face-up cards, plus a margin.
inline int32_t ColumnFieldHeight(const GameRules& r, int down, int up)
{
    const int32_t vs = r.Upright().VertStep.Y;
    return 2 * r.CardHeight() + 45 + down * (vs / 2) + (up - 1) * vs;
}

// X of column c (0..12) of thirteen: all stay inside the field at any width,
// overlapping on narrow fields with their left index visible.
inline int32_t ThirteenColumnX(const GameRules& r, int c)
{
    return 4 + (c * (r.FieldWidth - r.CardWidth() - 8)) / 12;
}

// Y of the tableau row below a top row at Y 15.
inline int32_t LowerRowY(const GameRules& r)
{
    return r.CardHeight() + 35;
}

// The rule fields of a game built down on the tableau and up in suit on
// the foundations; the Customize dialog may change the order of building,
// the filling of spaces and taking cards back.
struct BuildRules {
    uint8_t TableSuit = SuitSame;
    int32_t Fill = FillAnyCard;
    uint8_t Move = MoveSingle;
    int32_t StockRedeals = 1;
    int32_t DeckCards = 1;
    int32_t StartRank = RankAce;  // -1: the first card dealt sets it
    bool TakeBack = false;
};

inline void SetBuildRules(GameRules& r, const BuildRules& b)
{
    r.TableConsVal = ConsDescending;
    r.TableConsSuit = b.TableSuit;
    r.FoundConsVal = ConsAscending;
    r.FoundConsSuit = SuitSame;
    r.FillFreeTable = b.Fill;
    r.MoveUnit = b.Move;
    r.StockRedeals = b.StockRedeals;
    r.GetDeckCardNum = b.DeckCards;
    r.StartRankFromDeal = b.StartRank == -1;
    if (b.StartRank != -1) r.StartRank = b.StartRank;
    r.AutoplayAllowed = true;
    r.FoundTakeCards = b.TakeBack;
    r.EditTableConsVal = r.EditFoundConsVal = r.EditFillFreeTable = r.EditFoundTakeCards = true;
}

// The common row layout: stock at col 0 and waste at col 1 of `cols`, the
// foundations from column foundCol on, all at Y 15; the tableau in cols
// 0.. of `cols` at LowerRowY. Reads the pile ranges from the rules.
inline void PlaceRowsOfColumns(TableState& t, int cols, int foundCol)
{
    const GameRules& r = t.Rules;
    PlacePile(t, r.StockPile, 0, cols, -1, 15);
    PlacePile(t, r.WasteFirst, 1, cols, -1, 15);
    PlacePileRow(t, r.FoundFirst, r.FoundLast, foundCol, 0, -1, 15, 1, cols);
    PlacePileRow(t, r.TableFirst, r.TableLast, 0, 0, -1, LowerRowY(r), 1, cols);
}

// The usual pile ranges: stock 0, waste 1, then `foundations` foundations
// and `tableau` tableau piles; face-down cards on half steps.
inline void SetRowRanges(GameRules& r, int32_t decks, int32_t foundations, int32_t tableau)
{
    r.Decks = decks;
    r.PileCount = 2 + foundations + tableau;
    r.FaceDownFan = DownFanHalf;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 1 + foundations;
    r.TableFirst = 2 + foundations;
    r.TableLast = 1 + foundations + tableau;
}

// Canfield's family: stock 0, waste 1, foundations 2..5, the reserve 6 and
// `tableau` piles from 7, one deck.
inline void SetReserveRowRanges(GameRules& r, int32_t tableau)
{
    SetRowRanges(r, 1, 4, tableau);
    r.PileCount += 1;
    r.ReserveFirst = r.ReserveLast = 6;
    r.TableFirst = 7;
    r.TableLast = 6 + tableau;
}

// Two decks on ten columns: stock 0 and waste 1, foundations 2..9 in the
// top row, tableau 10..19 below it fanned down, on a field tall enough for
// columns of `down` face-down and `up` face-up cards.
inline void LayOutTenColumnsTwoDecks(Game& g, int down, int up)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    SetRowRanges(r, 2, 8, 10);
    r.MinFieldHeight = ColumnFieldHeight(r, down, up);
    ComputeFieldSize(g);
    PlaceRowsOfColumns(t, 10, 2);
    SetFans(t, 1);
}

}  // namespace quillo::games
