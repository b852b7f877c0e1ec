#pragma once
// What the engine asks of whoever shows the table. The engine makes every
// data change; the view only shows it. Every call has a do-nothing default so
// that headless users (tests, tools, the solver) override only what they need.

#include <optional>
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
    virtual void ResetCursor() {}

    // Drawing, effects and sounds.
    virtual void PlaySound(const char* /*fileName*/) {}
    virtual void ShowNewDealEffect() {}
    virtual void RedrawField() {}
    virtual void PaintPreview() {}
    virtual void StopCelebration() {}
};

}  // namespace quillo
