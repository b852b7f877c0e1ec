#include "field_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>
#include <cstring>

#include "presentation/field.h"

namespace quillo {

FieldWidget::FieldWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void FieldWidget::Invalidate(const FieldRect& r)
{
    if (r.Empty()) return;
    // Right and bottom are drawn inclusive by some callers: one pixel more.
    const QRect rect(r.Left, r.Top, r.Width() + 1, r.Height() + 1);
    Pending_ += rect;
    update(rect);
}

void FieldWidget::RepaintNow()
{
    if (Pending_.isEmpty()) return;
    const QRegion region = Pending_;
    Pending_ = QRegion();
    repaint(region);
}

void FieldWidget::Sleep(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void FieldWidget::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const PixelBuffer* pic = Field_ ? &Field_->I_Field : nullptr;
    if (pic == nullptr || pic->Empty()) {
        p.fillRect(e->rect(), QColor(0, 128, 0));
        return;
    }
    const QRect whole(0, 0, pic->Width(), pic->Height());
    for (const QRect& asked : e->region()) {
        const QRect r = asked & whole;
        if (r.isEmpty()) continue;
        // The picture is stored bottom-up: copy the rows the right way round.
        QImage part(r.width(), r.height(), QImage::Format_BGR888);
        for (int y = 0; y < r.height(); ++y)
            std::memcpy(part.scanLine(y), pic->PixelAt(r.x(), r.y() + y), static_cast<size_t>(3 * r.width()));
        p.drawImage(r.topLeft(), part);
    }
    const QRegion outside = e->region() - whole;
    for (const QRect& r : outside) p.fillRect(r, QColor(0, 128, 0));
}

void FieldWidget::mousePressEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    if (MouseDown) MouseDown(e->button() == Qt::LeftButton, pos.x(), pos.y());
}

void FieldWidget::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    if (MouseMove) MouseMove(pos.x(), pos.y());
}

void FieldWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (MouseUp) MouseUp(e->button() == Qt::LeftButton);
}

}  // namespace quillo
