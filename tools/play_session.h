#pragma once
// quillo-tool play: one deal driven by text commands, as a player would
// drive it with the mouse, each command answered with what the view was
// asked to do.

#include <string>
#include <vector>

#include "engine/game.h"
#include "tool_view.h"

namespace quillo {

struct SavedGame;

// The tool's view: remembers what the engine asked for, in order.
class PlayView : public ToolView {
public:
    std::vector<std::string> Events;

    void PlaySound(const char* fileName) override { Events.emplace_back(fileName); }
    void SnapshotRecorded() override { Events.emplace_back("snapshot"); }
    void SetUndoEnabled(bool on) override { Events.emplace_back(on ? "undo-enabled" : "undo-disabled"); }
    void SetRedoEnabled(bool on) override { Events.emplace_back(on ? "redo-enabled" : "redo-disabled"); }
    void StartCelebration() override { Events.emplace_back("win"); }
    void GamePlayed() override { Events.emplace_back("played"); }
};

class PlaySession {
public:
    // Sets up the game and deals the numbered deal.
    PlaySession(int game, uint32_t number);
    // Puts a saved game on the table; Loaded() tells whether it could be set up.
    explicit PlaySession(const SavedGame& saved);
    bool Loaded() const { return Loaded_; }

    // Runs one command line and returns the lines it prints. A blank line or
    // one starting with '#' does nothing and prints nothing.
    std::vector<std::string> Run(const std::string& line);

    Game& G() { return Game_; }
    const PlayView& View() const { return View_; }

    // Where a press on a card lands: the centre of its visible part.
    static void PressPoint(const TableState& t, int card, int& x, int& y);

private:
    std::string StateJson() const;
    std::string EventsJson() const;

    PlayView View_;
    Game Game_;
    bool Loaded_ = true;
};

}  // namespace quillo
