#include "qt_table_view.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTime>

#include "main_window.h"

namespace quillo {

double CurrentTimeOfDay();

bool QtTableView::IsMaximized() const
{
    return W_.isMaximized();
}

int QtTableView::MaximizedClientWidth() const
{
    const QSize frame = W_.frameGeometry().size() - W_.geometry().size();
    return W_.screen()->availableGeometry().width() - frame.width();
}

int QtTableView::MaximizedClientHeight() const
{
    const QSize frame = W_.frameGeometry().size() - W_.geometry().size();
    const int menu = W_.menuBar()->sizeHint().height();
    return W_.screen()->availableGeometry().height() - frame.height() - menu;
}

ScreenSize QtTableView::Screen() const
{
    const QRect g = W_.screen()->geometry();
    return {g.width(), g.height()};
}

int QtTableView::ToolBarHeight() const
{
    return W_.ToolBarHeight();
}

int QtTableView::NormalFieldWidth() const
{
    return 792;
}

int QtTableView::NormalFieldHeight() const
{
    return 526;
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

void QtTableView::ResetCursor()
{
    W_.unsetCursor();
}

void QtTableView::PlaySound(const char* fileName)
{
    W_.PlaySound(fileName);
}

void QtTableView::ShowNewDealEffect() {}

void QtTableView::RedrawField()
{
    W_.RedrawField();
}

void QtTableView::StopCelebration() {}

}  // namespace quillo
