#pragma once
// The field picture I_Field: shows the off-screen field picture and passes
// the pointer events on. It is the window side of the drawing: invalidated
// rectangles are repainted from the picture.

#include <QRegion>
#include <QWidget>
#include <functional>

#include "presentation/field_rect.h"

namespace quillo {

class Field;

class FieldWidget : public QWidget, public FieldSurface {
    Q_OBJECT
public:
    explicit FieldWidget(QWidget* parent = nullptr);

    void SetField(const Field* field) { Field_ = field; }

    void Invalidate(const FieldRect& r) override;
    void RepaintNow() override;
    void Sleep(int milliseconds) override;

    // Pointer events in field coordinates; right is any button but the left.
    std::function<void(bool left, int x, int y)> MouseDown;
    std::function<void(int x, int y)> MouseMove;
    std::function<void(bool left)> MouseUp;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const Field* Field_ = nullptr;
    QRegion Pending_;
};

}  // namespace quillo
