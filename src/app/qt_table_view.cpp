#include "qt_table_view.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTime>

#include <QThread>

#include "field_widget.h"
#include "main_window.h"
#include "presentation/table_effects.h"

namespace quillo {

double CurrentTimeOfDay();

// The sizes setup reads and sets are in field pixels, which are device
// pixels while the field is drawn at them (see FieldWidget::Scale).

bool QtTableView::IsMaximized() const
{
    return W_.isMaximized();
}

int QtTableView::MaximizedClientWidth() const
{
    const QSize frame = W_.frameGeometry().size() - W_.geometry().size();
    return W_.I_Field->ToField(W_.screen()->availableGeometry().width() - frame.width());
}

int QtTableView::MaximizedClientHeight() const
{
    const QSize frame = W_.frameGeometry().size() - W_.geometry().size();
    const int menu = W_.menuBar()->sizeHint().height();
    return W_.I_Field->ToField(W_.screen()->availableGeometry().height() - frame.height() - menu);
}

ScreenSize QtTableView::Screen() const
{
    const QRect g = W_.screen()->geometry();
    return {W_.I_Field->ToField(g.width()), W_.I_Field->ToField(g.height())};
}

int QtTableView::ToolBarHeight() const
{
    return W_.I_Field->ToField(W_.ToolBarHeight());
}

// A new game takes the field the window has: the player sized it, and the
// layout spreads over it. Setup still grows it to the game's least field.
int QtTableView::NormalFieldWidth() const
{
    return W_.I_Field->ToField(W_.ClientWidth());
}

int QtTableView::NormalFieldHeight() const
{
    return W_.I_Field->ToField(W_.ClientHeight() - W_.ToolBarHeight());
}

double QtTableView::TimeOfDay() const
{
    return CurrentTimeOfDay();
}

void QtTableView::FitWindow(const WindowFit& fit)
{
    W_.FitWindow(fit);
}

void QtTableView::ResizeField(int width, int height)
{
    W_.ResizeField(width, height);
}

void QtTableView::SetCaption(const std::string& caption)
{
    W_.setWindowTitle(QString::fromStdString(caption));
    // Every deal, setup and loaded game ends by naming itself.
    W_.ScheduleAutosave();
    W_.ScheduleRefit(0);
}

void QtTableView::SetDealButtonVisible(bool visible)
{
    W_.SetDealButtonVisible(visible);
}

void QtTableView::MoveDealButton(int x, int y)
{
    W_.MoveDealButton(x, y);
}

void QtTableView::SetLabel(StatusLabel which, const std::optional<std::string>& text)
{
    W_.SetStatusLabel(which, text);
}

void QtTableView::StartClock()
{
    W_.StartClock();
}

void QtTableView::SetUndoEnabled(bool enabled)
{
    W_.SetUndoEnabled(enabled);
}

void QtTableView::SetRedoEnabled(bool enabled)
{
    W_.SetRedoEnabled(enabled);
}

void QtTableView::ResetCursor()
{
    W_.I_Field->unsetCursor();
}

void QtTableView::PlaySound(const char* fileName)
{
    W_.PlaySound(fileName);
}

void QtTableView::ShowNewDealEffect()
{
    NewDealEffect(W_.TableField(), W_.CurrentGame().T);
}

void QtTableView::RedrawField()
{
    W_.RedrawField();
}

void QtTableView::StopCelebration()
{
    W_.T_Finish.stop();
}

void QtTableView::ShowMove(const MoveShow& move)
{
    W_.ShowMove(move);
}

void QtTableView::FadeOutCards(int cardA, int cardB)
{
    quillo::FadeOutCards(W_.TableField(), W_.CurrentGame().T, cardA, cardB);
}

void QtTableView::RedrawPile(int pile)
{
    W_.TableField().RedrawPile(W_.CurrentGame().T, pile, true);
}

void QtTableView::RedrawCard(int card)
{
    W_.TableField().RedrawCard(W_.CurrentGame().T, card);
}

void QtTableView::Repaint()
{
    W_.I_Field->RepaintNow();
}

void QtTableView::ShowMarked(int card)
{
    W_.TableField().ShowMarked(W_.CurrentGame().T, card);
}

void QtTableView::DragStarted()
{
    W_.DragStarted();
}

void QtTableView::PickedGroupChanged()
{
    W_.PickedGroupChanged();
}

void QtTableView::SetDragCursor()
{
    W_.I_Field->setCursor(Qt::DragMoveCursor);
}

void QtTableView::Pause(int milliseconds)
{
    W_.I_Field->RepaintNow();
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void QtTableView::GameLeft()
{
    W_.LeaveGame();
}

void QtTableView::GamePlayed()
{
    if (W_.OnGamePlayed) W_.OnGamePlayed();
}

void QtTableView::SnapshotRecorded()
{
    W_.WatchPosition();
    W_.ScheduleAutosave();
}

void QtTableView::StopClock()
{
    W_.StopClock();
}

void QtTableView::StartCelebration()
{
    W_.StartCelebration();
}

bool QtTableView::CelebrationRunning() const
{
    return W_.T_Finish.isActive();
}

void QtTableView::FinishCelebration()
{
    W_.FinishCelebration();
}

}  // namespace quillo
