#pragma once
// The field picture I_Field: shows the off-screen field picture and passes
// the pointer and key events on. It is the window side of the drawing:
// invalidated rectangles are repainted from the picture, and the keyboard
// cursor's frame is drawn over it.
//
// The picture may hold Scale() device pixels per widget pixel (a drawn card
// set on a high-density screen): it is then painted pixel for pixel, and
// pointer positions and rectangles are turned between the two.

#include <QRegion>
#include <QWidget>
#include <functional>

#include "presentation/field_rect.h"

class QPainter;

namespace quillo {

class Field;

class FieldWidget : public QWidget, public FieldSurface {
    Q_OBJECT
public:
    explicit FieldWidget(QWidget* parent = nullptr);

    void SetField(const Field* field) { Field_ = field; }

    // Field pixels per widget pixel; 1 unless the field is drawn at device pixels.
    qreal Scale() const { return Scale_; }
    void SetScale(qreal scale);
    int ToField(int widgetLength) const;
    int ToWidget(int fieldLength) const;
    // The widget pixels a field rectangle touches.
    QRect ToWidget(const QRect& fieldRect) const;

    void Invalidate(const FieldRect& r) override;
    void RepaintNow() override;
    void Sleep(int milliseconds) override;

    // Pointer events in field coordinates; right is any button but the left.
    std::function<void(bool left, int x, int y)> MouseDown;
    std::function<void(int x, int y)> MouseMove;
    std::function<void(bool left)> MouseUp;
    // A key press on the table; returns whether it was used.
    std::function<bool(int key, Qt::KeyboardModifiers modifiers)> KeyDown;
    // The keyboard cursor's box in field coordinates; empty when hidden.
    std::function<QRect()> CursorBox;
    // Shows the cursor where CursorBox now puts it.
    void RefreshCursor();
    // The pile a carried group would land on now, in field coordinates;
    // empty when nothing is carried or the group would go back.
    std::function<QRect()> DropBox;
    // Outlines the pile where DropBox now puts it.
    void RefreshDropBox();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;

private:
    const Field* Field_ = nullptr;
    qreal Scale_ = 1;
    QRegion Pending_;
    QRect CursorShown_;
    QRect DropShown_;
    QRect FrameArea(const QRect& fieldBox) const;
    // Repaints a frame that moved from shown to where it now is.
    void MoveFrame(const std::function<QRect()>& where, QRect& shown);
    void PaintFrame(QPainter& p, const QRect& fieldBox, const QColor& light) const;
};

}  // namespace quillo
