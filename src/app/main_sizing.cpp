// The window around the field: fitting the field to the window, the window to
// the field, and laying the table out again after a resize.

#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolBar>

#include "engine/labels.h"
#include "engine/setup.h"
#include "field_widget.h"
#include "main_window.h"

namespace quillo {

int F_Main::ClientWidth() const
{
    return width();
}

int F_Main::ClientHeight() const
{
    const int menu = menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
    return height() - menu;
}

int F_Main::ToolBarHeight() const
{
    return TB_Bar->isVisible() ? TB_Bar->height() : TB_Bar->sizeHint().height();
}

void F_Main::FitFieldToWindow()
{
    GameRules& r = Game_.T.Rules;
    r.FieldWidth = I_Field->ToField(ClientWidth());
    r.FieldHeight = I_Field->ToField(ClientHeight() - ToolBarHeight());
    ResizeField(r.FieldWidth, r.FieldHeight);
}

void F_Main::FitWindow(const WindowFit& asked)
{
    // Setup speaks in field pixels; the window in its own.
    WindowFit fit = asked;
    fit.ClientWidth = I_Field->ToWidget(asked.ClientWidth);
    fit.ClientHeight = I_Field->ToWidget(asked.ClientHeight);
    const bool armed = ResizeArmed;
    ResizeArmed = false;
    const int menu = menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
    resize(fit.ClientWidth, fit.ClientHeight + menu);
    const QRect screen = this->screen()->geometry();
    const QSize frame = frameGeometry().size() - geometry().size();
    const int outerW = fit.ClientWidth + frame.width();
    const int outerH = fit.ClientHeight + menu + frame.height();
    move(fit.CentreHorizontally ? (screen.width() - outerW) / 2 : 0,
         fit.CentreVertically ? (screen.height() - outerH) / 2 : 0);
    ResizeArmed = armed;
}

bool F_Main::event(QEvent* e)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (e->type() == QEvent::DevicePixelRatioChange) QTimer::singleShot(0, this, [this] { RescaleField(); });
#endif
    return QMainWindow::event(e);
}

void F_Main::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    FormResize();
}

void F_Main::FitLoadedTable()
{
    TableState& t = Game_.T;
    if (!t.LayoutReady || (t.Rules.FieldWidth == I_Field->ToField(ClientWidth()) &&
                           t.Rules.FieldHeight == I_Field->ToField(ClientHeight() - ToolBarHeight())))
        return;
    FitFieldToWindow();
    if (UsesFittedCards()) DrawFittedCards();
    RelayoutTable();
}

void F_Main::FormResize()
{
    TableState& t = Game_.T;
    if (!t.LayoutReady) return;
    if (!ResizeArmed) {
        ResizeArmed = true;
        return;
    }
    // Setup's own window fit arrives here late on some window systems; a
    // field that already has the window's size needs no new layout.
    // A new density changes the field's size in its own pixels, not the window's.
    const bool rescaled = ApplyFieldScale();
    if (!rescaled && t.Rules.FieldWidth == I_Field->ToField(ClientWidth()) &&
        t.Rules.FieldHeight == I_Field->ToField(ClientHeight() - ToolBarHeight()))
        return;

    SB_Field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SB_Field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FitFieldToWindow();
    RelayoutTable();
    ScheduleRefit(RefitDelayMs);
    SB_Field->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SB_Field->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

}  // namespace quillo
