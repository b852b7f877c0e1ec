#pragma once
// Sending cards home, finishing a solved table, win tests and what follows a win.

#include "game.h"

namespace quillo {

// Sends ActiveCard (pressed at x, y) to the first foundation that takes it;
// then finishes and tests for a win. True if the card moved.
bool SendToFoundation(Game& g, int x, int y);
// With Autoplay on and allowed, sends every card home once the table is solved.
void AutoFinish(Game& g);
// Is the table solved in the sense AutoFinish needs?
bool IsSolved(const TableState& t);
// The current game's win test.
bool IsWon(const TableState& t);
// Every in-play card on a foundation (or in the second reserve range).
bool StandardWon(const TableState& t);
void WinGame(Game& g);
// AutoFinish, then the win test, then WinGame on a win (once per deal).
void FinishAndTestWin(Game& g);

}  // namespace quillo
