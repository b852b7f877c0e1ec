#include "field_widget.h"

#include <QPainter>
#include <QPaintEvent>

namespace quillo {

FieldWidget::FieldWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FieldWidget::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.fillRect(e->rect(), QColor(0, 128, 0));
}

}  // namespace quillo
