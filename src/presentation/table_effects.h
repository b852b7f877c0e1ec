#pragma once
// Moving pictures of the table: the dragged group, glides of moves, fading
// pairs and the new-deal effect. The engine has changed the data already;
// these only show it, frame by frame, through the field's surface.

#include <bitset>

#include "engine/table_state.h"
#include "engine/table_view.h"
#include "presentation/field.h"

namespace quillo {

using CardSet = std::bitset<MaxCards>;

// Repaints r on the store picture without the excluded cards: background,
// then the marks and the other cards of every pile r touches.
void RebuildStoreUnder(Field& f, TableState& t, const FieldRect& r, const CardSet& excluded);

// Union of the rectangles of the Moving cards.
FieldRect MovingRect(const TableState& t);

// Steps of a glide over (dx, dy): one per 50 pixels, 1 to 15.
int GlideSteps(int dx, int dy);

class DragPainter {
public:
    // The group was picked up: keep the field without it in the store.
    void Start(Field& f, TableState& t);
    // The group has new places: erase it from its old ones, draw it anew and
    // show both. extra is shown as well (Napoleon's Tomb's centre piles).
    void Frame(Field& f, TableState& t, const FieldRect& extra = {});
    // The group lost cards while dragging: they belong to the store again.
    void GroupChanged(Field& f, TableState& t);
    // Whether the store holds the field without the Moving cards.
    bool StoreReady() const { return Ready_; }
    void Reset() { Ready_ = false; }

private:
    FieldRect Last_;
    bool Ready_ = false;
};

// Glides the moved cards from their old places to the new ones.
// storeReady: the store already holds the field without them (a drag).
void ShowMove(Field& f, TableState& t, const MoveShow& move, bool animate, bool storeReady);

// Fades one or two cards into what lies beneath them (five frames).
void FadeOutCards(Field& f, TableState& t, int cardA, int cardB);

// Two face-down cards sliding apart in the middle of the field.
void NewDealEffect(Field& f, TableState& t);

}  // namespace quillo
