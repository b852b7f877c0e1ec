#include "field_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>
#include <cmath>
#include <cstring>

#include "presentation/field.h"

namespace quillo {

namespace {

// The frame is drawn this far around the box, three pixels wide.
constexpr int FrameGap = 2;
constexpr int FrameWidth = 3;

}  // namespace

FieldWidget::FieldWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
}

void FieldWidget::SetScale(qreal scale)
{
    Scale_ = scale > 0 ? scale : 1;
    Pending_ = QRegion();
    CursorShown_ = DropShown_ = QRect();
    update();
}

int FieldWidget::ToField(int widgetLength) const
{
    return static_cast<int>(std::lround(widgetLength * Scale_));
}

int FieldWidget::ToWidget(int fieldLength) const
{
    // Whole widget pixels that cover the field's length.
    return static_cast<int>(std::ceil(fieldLength / Scale_ - 1e-9));
}

QRect FieldWidget::ToWidget(const QRect& fieldRect) const
{
    if (fieldRect.isNull()) return {};
    const int left = static_cast<int>(std::floor(fieldRect.x() / Scale_));
    const int top = static_cast<int>(std::floor(fieldRect.y() / Scale_));
    const int right = ToWidget(fieldRect.x() + fieldRect.width());
    const int bottom = ToWidget(fieldRect.y() + fieldRect.height());
    return QRect(left, top, right - left, bottom - top);
}

QRect FieldWidget::FrameArea(const QRect& fieldBox) const
{
    const int m = FrameGap + FrameWidth + 1;
    return fieldBox.isNull() ? QRect() : ToWidget(fieldBox).adjusted(-m, -m, m, m);
}

// A dark edge around a light one shows on cards and cloth alike. The box is
// placed at the field's precision; the frame keeps its width in widget pixels.
void FieldWidget::PaintFrame(QPainter& p, const QRect& fieldBox, const QColor& light) const
{
    if (fieldBox.isNull()) return;
    const QRectF box(fieldBox.x() / Scale_, fieldBox.y() / Scale_, fieldBox.width() / Scale_,
                     fieldBox.height() / Scale_);
    const QRectF frame = box.adjusted(-FrameGap, -FrameGap, FrameGap, FrameGap);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 20, 20), FrameWidth + 2));
    p.drawRect(frame);
    p.setPen(QPen(light, FrameWidth - 1));
    p.drawRect(frame);
}

void FieldWidget::MoveFrame(const std::function<QRect()>& where, QRect& shown)
{
    const QRect box = where ? where() : QRect();
    if (box == shown) return;
    update(FrameArea(shown));
    update(FrameArea(box));
    shown = box;
}

void FieldWidget::RefreshCursor()
{
    MoveFrame(CursorBox, CursorShown_);
}

void FieldWidget::RefreshDropBox()
{
    MoveFrame(DropBox, DropShown_);
}

void FieldWidget::Invalidate(const FieldRect& r)
{
    if (r.Empty()) return;
    // Right and bottom are drawn inclusive by some callers: one pixel more.
    const QRect rect = ToWidget(QRect(r.Left, r.Top, r.Width() + 1, r.Height() + 1));
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
        const QRect r = QRect(QPoint(ToField(asked.left()), ToField(asked.top())),
                              QPoint(ToField(asked.right() + 1) - 1, ToField(asked.bottom() + 1) - 1)) &
                        whole;
        if (r.isEmpty()) continue;
        // The picture is stored bottom-up: copy the rows the right way round.
        QImage part(r.width(), r.height(), QImage::Format_BGR888);
        for (int y = 0; y < r.height(); ++y)
            std::memcpy(part.scanLine(y), pic->PixelAt(r.x(), r.y() + y), static_cast<size_t>(3 * r.width()));
        part.setDevicePixelRatio(Scale_);
        p.drawImage(QPointF(r.x() / Scale_, r.y() / Scale_), part);
    }
    const QRegion outside = e->region() - QRect(0, 0, ToWidget(pic->Width()), ToWidget(pic->Height()));
    for (const QRect& r : outside) p.fillRect(r, QColor(0, 128, 0));
    // The table may have changed under the cursor since it was last shown.
    RefreshCursor();
    RefreshDropBox();
    PaintFrame(p, DropShown_, QColor(255, 200, 0));
    PaintFrame(p, CursorShown_, QColor(0, 210, 255));
}

void FieldWidget::mousePressEvent(QMouseEvent* e)
{
    const QPoint pos = (e->position() * Scale_).toPoint();
    if (MouseDown) MouseDown(e->button() == Qt::LeftButton, pos.x(), pos.y());
}

void FieldWidget::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = (e->position() * Scale_).toPoint();
    if (MouseMove) MouseMove(pos.x(), pos.y());
}

void FieldWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (MouseUp) MouseUp(e->button() == Qt::LeftButton);
}

void FieldWidget::keyPressEvent(QKeyEvent* e)
{
    if (KeyDown && KeyDown(e->key(), e->modifiers())) return;
    QWidget::keyPressEvent(e);
}

bool FieldWidget::focusNextPrevChild(bool)
{
    // Tab stays on the table: there is nothing else to reach by it.
    return false;
}

}  // namespace quillo
