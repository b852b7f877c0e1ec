#pragma once
// What the engine asks of whoever shows the table. The engine makes every
// data change; the view only shows it. Every call has a do-nothing default so
// that headless users (tests, tools, the solver) override only what they need.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace quillo {

struct ScreenSize {
    int Width = 1920;
    int Height = 1080;
};

// Where setup wants the window: a client area of the given size, either at
// the given edge (0) or centred on the screen along that axis.
struct WindowFit {
    int ClientWidth = 0;
    int ClientHeight = 0;
    bool CentreHorizontally = true;
    bool CentreVertically = true;
};

enum class StatusLabel { StartRank, RedealsLeft, StockAndWaste, Time };

// One card of a move, with where and how it lay before the engine moved it.
// Its new place is already in the table when the view is told.
struct MovedCard {
    int Card = -1;
    int32_t FromX = 0;
    int32_t FromY = 0;
    int32_t FromOrientation = 0;
};

// A move the engine has just made: the group left Source and now lies on
// Destination (equal to Source when it went back). Cards are in increasing
// Order; the first one is the card the glide is measured from.
struct MoveShow {
    int Source = -1;
    int Destination = -1;
    bool Accepted = false;
    std::span<const MovedCard> Cards;
};

class TableView {
public:
    virtual ~TableView() = default;

    // Inputs about the window and the desktop.
    virtual bool IsMaximized() const { return false; }
    virtual int MaximizedClientWidth() const { return 792; }
    virtual int MaximizedClientHeight() const { return 558; }
    virtual ScreenSize Screen() const { return {}; }
    virtual int ToolBarHeight() const { return 32; }
    // Field size a full setup starts from when the window is not maximized.
    virtual int NormalFieldWidth() const { return 792; }
    virtual int NormalFieldHeight() const { return 526; }
    // Time of day as a fraction of a day.
    virtual double TimeOfDay() const { return 0.0; }

    // The window around the field.
    virtual void FitWindow(const WindowFit&) {}
    virtual void ResizeField(int /*width*/, int /*height*/) {}
    virtual void ResizePreview(int /*width*/, int /*height*/, int /*shownWidth*/, int /*shownHeight*/) {}
    virtual bool PreviewHasSize(int /*width*/, int /*height*/) const { return false; }
    virtual void SetCaption(const std::string&) {}
    virtual void SetDealButtonVisible(bool) {}
    virtual void MoveDealButton(int /*x*/, int /*y*/) {}
    // A label's text, or hidden when there is none.
    virtual void SetLabel(StatusLabel, const std::optional<std::string>&) {}
    virtual void StartClock() {}
    virtual void SetUndoEnabled(bool) {}
    virtual void SetRedoEnabled(bool) {}
    virtual void ResetCursor() {}

    // Drawing, effects and sounds.
    // Plays a bare .wav file name; the engine asks only while Sound is on.
    virtual void PlaySound(const char* /*fileName*/) {}
    virtual void ShowNewDealEffect() {}
    virtual void RedrawField() {}
    virtual void PaintPreview() {}
    virtual void StopCelebration() {}

    // Play. The engine has changed the data before each of these calls;
    // the view only shows the change, so a headless view may ignore them.
    // Glide the cards from their old places to their new ones (a single
    // final frame when the table's Animation option is off).
    virtual void ShowMove(const MoveShow&) {}
    // Fade out these cards (either may be -1) while they are still on the
    // table; the engine takes them off afterwards.
    virtual void FadeOutCards(int /*cardA*/, int /*cardB*/) {}
    // Redraw one pile (its mark and cards) with the background under it.
    virtual void RedrawPile(int /*pile*/) {}
    // Redraw one card where it lies (after a turn-up).
    virtual void RedrawCard(int /*card*/) {}
    // Show the field picture on screen at once.
    virtual void Repaint() {}
    // Draw the marked card inverted (in Free Cell with every card above it);
    // unmarking redraws the field instead.
    virtual void ShowMarked(int /*card*/) {}
    // A press picked up a group (Moving cards, ActiveCard at PickX/PickY):
    // save the field without it for the drag.
    virtual void DragStarted() {}
    // The picked group changed size during a drag (Napoleon's Tomb): redraw
    // the picture under the drag without the new group.
    virtual void PickedGroupChanged() {}
    // The pointer shape over an accepting pile while dragging.
    virtual void SetDragCursor() {}
    // A pause between the steps of a compound move, in milliseconds.
    virtual void Pause(int /*milliseconds*/) {}
    // The first press on the field after a deal: count the game as played.
    virtual void GamePlayed() {}
    // An undo snapshot was recorded (one per player action).
    virtual void SnapshotRecorded() {}
    virtual void StopClock() {}
    // The deal is won: start the celebration. With Animation off the view
    // counts the win and deals anew at once, otherwise when the celebration
    // ends.
    virtual void StartCelebration() {}
    virtual bool CelebrationRunning() const { return false; }
    // A press during the celebration: end it, count the win, deal anew.
    virtual void FinishCelebration() {}
};

}  // namespace quillo
