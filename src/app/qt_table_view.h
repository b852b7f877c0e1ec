#pragma once
// The engine's view of the main window: what the engine asks to be shown,
// and what it needs to know about the window and the desktop.

#include "engine/table_view.h"

namespace quillo {

class F_Main;

class QtTableView : public TableView {
public:
    explicit QtTableView(F_Main& window) : W_(window) {}

    bool IsMaximized() const override;
    int MaximizedClientWidth() const override;
    int MaximizedClientHeight() const override;
    ScreenSize Screen() const override;
    int ToolBarHeight() const override;
    int NormalFieldWidth() const override;
    int NormalFieldHeight() const override;
    double TimeOfDay() const override;

    void FitWindow(const WindowFit& fit) override;
    void ResizeField(int width, int height) override;
    void SetCaption(const std::string& caption) override;
    void SetDealButtonVisible(bool visible) override;
    void MoveDealButton(int x, int y) override;
    void SetLabel(StatusLabel which, const std::optional<std::string>& text) override;
    void StartClock() override;
    void SetUndoEnabled(bool enabled) override;
    void SetRedoEnabled(bool enabled) override;
    void ResetCursor() override;

    void PlaySound(const char* fileName) override;
    void ShowNewDealEffect() override;
    void RedrawField() override;
    void StopCelebration() override;

    void ShowMove(const MoveShow& move) override;
    void FadeOutCards(int cardA, int cardB) override;
    void RedrawPile(int pile) override;
    void RedrawCard(int card) override;
    void Repaint() override;
    void ShowMarked(int card) override;
    void DragStarted() override;
    void PickedGroupChanged() override;
    void SetDragCursor() override;
    void Pause(int milliseconds) override;
    void GamePlayed() override;
    void GameLeft() override;
    void SnapshotRecorded() override;
    void StopClock() override;
    void StartCelebration() override;
    bool CelebrationRunning() const override;
    void FinishCelebration() override;

private:
    F_Main& W_;
};

}  // namespace quillo
