#pragma once
// Keyboard play: a cursor standing on a pile (and, in a fan, on one of its
// face-up cards), moved by the arrow keys, and the key actions that press,
// carry and drop through the same functions as the mouse.

#include <cstdint>

#include "game.h"
#include "moves.h"

namespace quillo {

enum class CursorMove : uint8_t { Left, Right, Up, Down };

struct KeyCursor {
    int Pile = 0;
    // A face-up card below the pile's top, or -1 for the top card (or the
    // empty place). Kept as -1 for the top so that the cursor follows it.
    int Card = -1;
    bool operator==(const KeyCursor&) const = default;
};

// Pixel box of the cursor frame, edges inclusive.
struct CursorBox {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const CursorBox&) const = default;
};

// The cursor made valid for the table: its pile in range, its card still a
// face-up card of that pile and not the top one.
KeyCursor FitCursor(const TableState& t, KeyCursor c);
// The topmost card of a pile that is not being carried, -1 if none.
int TopStill(const TableState& t, int pile);
// The card under the cursor, -1 for an empty place.
int CursorCard(const TableState& t, const KeyCursor& c);
// One arrow key: left and right go to the nearest pile that way, up and down
// first walk a fan's face-up cards, then go to the nearest pile above or
// below. While a group is carried only whole piles are visited.
KeyCursor MoveCursor(const TableState& t, KeyCursor c, CursorMove m, bool carrying);
// What the frame surrounds: the card and the cards lying on it, or the
// empty place.
CursorBox CursorFrame(const TableState& t, const KeyCursor& c);
// A point on the visible part of a card, where a press on it would land.
Offset PressPoint(const TableState& t, int card);

// Space or Enter with nothing carried: a left press on the cursor's card or
// place. Returns whether a group was picked up (it is then carried).
bool KeyPress(Game& g, const KeyCursor& c);
// Shows the carried group on the cursor's pile where it would land; on its
// own pile the group goes back to its places.
void KeyCarryTo(Game& g, const KeyCursor& c);
// Space or Enter while carrying: drops the group on the cursor's pile; a
// refused drop returns it, as a mouse release does.
void KeyDrop(Game& g, const KeyCursor& c);
// Escape while carrying: the group returns.
void KeyCancel(Game& g);
// Shift+Enter: the right-button press on the cursor's card.
void KeySendHome(Game& g, const KeyCursor& c);

// What the keys mean on the table, whichever keys the window binds to them.
enum class KeyCommand : uint8_t { Left, Right, Up, Down, Activate, SendHome, Cancel, Deal };

// The keyboard's side of play: the cursor and whether the keys carry a group
// (a group picked up by the mouse is left to the mouse).
struct KeyPlay {
    KeyCursor Cursor;
    bool Carrying = false;
};

// Plays one key command.
void PlayKey(Game& g, KeyPlay& k, KeyCommand cmd);

}  // namespace quillo
