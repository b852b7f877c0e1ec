#pragma once
// What a press, a drag and a release on the field do, given the card or pile
// under the pointer. Finding that card and all drawing are the view's.

#include "game.h"
#include "game_table.h"
#include "moves.h"

namespace quillo {

// I_FieldMouseDown after the hit test: press.Card is the card under the
// pointer (-1 for none), press.Pile the pile whose place is under it (used
// when no card was hit).
void FieldPress(Game& g, const Press& press);
// The standard click rule.
void StandardClick(Game& g, const Press& press);
// Picks up ActiveCard and every card above it; (x, y) is the pointer.
void PickUp(Game& g, int x, int y);
// Raises a pile above all others in the stacking order.
void RaisePile(TableState& t, int pile);
// Rebuilds PileOrder from the piles' Layer values.
void SortPileOrder(TableState& t);
// Where the top card of a pile lies: the point drops are measured against.
Offset DropPoint(const TableState& t, int pile);
// Whether a group whose active card lies at (x, y) is over the drop box at
// point. The box is 40 pixels each way for cards up to 71 wide, and grows
// with larger cards, so that it keeps its size against the whole layout.
bool NearDropPoint(const TableState& t, int32_t x, int32_t y, Offset point);
// A pointer move while dragging: snaps the group onto an accepting pile.
void DragTo(Game& g, int x, int y);
// Lays the picked group out on a pile's drop point as a snap would.
void SnapGroupTo(Game& g, int pile);
// The pile whose drop box holds ActiveCard, accepting or not; -1 if none.
int FindDropPile(const TableState& t);
// I_FieldMouseUp: drops the group (or sends it back), then the win test.
void FieldRelease(Game& g);
// The pile a release now would move the picked group to, by the release's
// own rule; -1 when the group would go back. The table is not touched (the
// drop rule is asked on a copy), so a view may ask at every pointer move.
int ReleaseTarget(const TableState& t);
// Lays the picked group out from ActiveCard at (x, y), fanned and turned as
// the pile would show it.
void LayOutGroupFor(TableState& t, int pile, int32_t x, int32_t y);

// Size of a card drawn in an orientation.
inline int CardWidthIn(const TableState& t, int32_t orientation)
{
    return t.Rules.CardSizes[static_cast<size_t>(orientation & 7)].Width;
}
inline int CardHeightIn(const TableState& t, int32_t orientation)
{
    return t.Rules.CardSizes[static_cast<size_t>(orientation & 7)].Height;
}

}  // namespace quillo
