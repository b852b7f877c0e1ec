#pragma once
// The game in progress: the table, its undo history and the view that shows
// it. One exists for the run, owned by the main window.

#include "table_state.h"
#include "table_view.h"
#include "undo.h"

namespace quillo {

class Game {
public:
    Game() : View_(&NoView()) {}
    explicit Game(TableView& view) : View_(&view) {}

    TableState T;
    UndoHistory Undo;
    // Off while a compound action runs, so that it ends in one snapshot.
    bool RecordUndo = true;
    bool UndoEnabled = false;
    bool RedoEnabled = false;
    // Off for a solver's scratch game: no snapshots are kept at all.
    bool KeepHistory = true;
    // The deal has been won (cleared by the next deal).
    bool GameWon = false;

    TableView& View() const { return *View_; }
    void SetView(TableView& view) { View_ = &view; }

private:
    static TableView& NoView()
    {
        static TableView none;
        return none;
    }
    TableView* View_;
};

}  // namespace quillo
