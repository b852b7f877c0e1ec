#pragma once
// How far a position has come towards a win, for ordering the solver's
// search. The same measure serves every game; a game may weigh it its own way.

#include "table_state.h"

namespace quillo {

struct HeuristicWeights {
    int Home = 10; // per card on a foundation or out of play
    int FaceDown = -3; // per hidden card
    int EmptyPile = 4; // per empty tableau pile
    int EmptyCell = 4; // per empty free cell
    int Ordered = 2; // per tableau card lying on a card it may be built on
    int KingRun = 0; // per card of a one-suit run down from a King at a pile's foot
    int Buried = -1; // per tableau card lying above a lower one, which it keeps from home
    int Waiting = -1; // per card lying above the lowest card of its suit not yet home
    int OnTableau = 0; // per card on the tableau, where clearing it is the aim
    int InStock = 0; // per card still in the stock, where the stock is a reserve to spend slowly
    // The first pass skips moves seldom needed; where they are needed often
    // (Free Cell's card swaps between columns) that costs more than it saves.
    bool SkipSeldom = true;
    // Best first over progress rather than depth first by kind of action:
    // better where many moves only shuffle cards (Free Cell), worse where
    // progress shows late (the stock games).
    bool BestFirst = false;
    // Best first weighs a position's progress four times and takes this off
    // per action on its line: a line that shuffles cards without gain falls
    // behind a shorter one, so the search wanders less.
    int DepthCost = 0;
    // Piles (one bit each) that cards only ever join: the order below the top
    // makes no other position, so the solver's table of seen ones ignores it.
    uint64_t Heaps = 0;
    // Best first has a heavy tail: a deal one measure wanders on, another
    // often wins at once. After this many positions without a win a pass
    // starts afresh under the weights Then (0 or null: one pass to the end).
    long PassPositions = 0;
    const HeuristicWeights* Then = nullptr;
    // Best first may begin with a depth-first pass of this many positions:
    // where the two win different deals, a short look by kind of action
    // wins the easy deals of the one before the other takes over.
    long DepthFirstPositions = 0;
    // A King laid on an Ace (building wraps) never helps, so where cards go
    // home safely an Ace goes at once.
    bool AcesSafeHome = false;
    // A position from which the game's rules leave no win; the search drops it.
    bool (*Hopeless)(const TableState&) = nullptr;
};

HeuristicWeights WeightsFor(int game);
int Heuristic(const TableState& t, const HeuristicWeights& w);

} // namespace quillo
