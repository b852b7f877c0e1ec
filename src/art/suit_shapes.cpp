#include "card_painter.h"

namespace quillo::art {

namespace {

QPainterPath Heart()
{
    QPainterPath h;
    h.moveTo(0.5, 0.97);
    h.cubicTo(0.36, 0.80, 0.0, 0.60, 0.0, 0.31);
    h.cubicTo(0.0, 0.12, 0.14, 0.02, 0.28, 0.02);
    h.cubicTo(0.40, 0.02, 0.47, 0.09, 0.5, 0.19);
    h.cubicTo(0.53, 0.09, 0.60, 0.02, 0.72, 0.02);
    h.cubicTo(0.86, 0.02, 1.0, 0.12, 1.0, 0.31);
    h.cubicTo(1.0, 0.60, 0.64, 0.80, 0.5, 0.97);
    h.closeSubpath();
    return h;
}

QPainterPath Diamond()
{
    QPainterPath d;
    d.moveTo(0.5, 0.0);
    d.quadTo(0.64, 0.28, 0.9, 0.5);
    d.quadTo(0.64, 0.72, 0.5, 1.0);
    d.quadTo(0.36, 0.72, 0.1, 0.5);
    d.quadTo(0.36, 0.28, 0.5, 0.0);
    d.closeSubpath();
    return d;
}

// The union of two shapes. QPainterPath flattens curves for a boolean
// operation to the path's own units, which on these unit-sized shapes leaves
// facets that show on large cards: the union is made a thousand times larger.
QPainterPath United(const QPainterPath& a, const QPainterPath& b)
{
    const QTransform up = QTransform::fromScale(1000, 1000);
    return up.inverted().map(up.map(a).united(up.map(b)).simplified());
}

// The flared foot shared by spades and clubs.
QPainterPath Stem()
{
    QPainterPath s;
    s.moveTo(0.47, 0.62);
    s.quadTo(0.45, 0.90, 0.27, 1.0);
    s.lineTo(0.73, 1.0);
    s.quadTo(0.55, 0.90, 0.53, 0.62);
    s.closeSubpath();
    return s;
}

QPainterPath Spade()
{
    QPainterPath s;
    s.moveTo(0.5, 0.0);
    s.cubicTo(0.64, 0.18, 1.0, 0.36, 1.0, 0.60);
    s.cubicTo(1.0, 0.77, 0.87, 0.85, 0.75, 0.85);
    s.cubicTo(0.64, 0.85, 0.55, 0.79, 0.5, 0.70);
    s.cubicTo(0.45, 0.79, 0.36, 0.85, 0.25, 0.85);
    s.cubicTo(0.13, 0.85, 0.0, 0.77, 0.0, 0.60);
    s.cubicTo(0.0, 0.36, 0.36, 0.18, 0.5, 0.0);
    s.closeSubpath();
    return United(s, Stem());
}

QPainterPath Club()
{
    QPainterPath c;
    c.setFillRule(Qt::WindingFill);
    const double r = 0.235;
    c.addEllipse(QPointF(0.5, 0.26), r, r);
    c.addEllipse(QPointF(0.255, 0.58), r, r);
    c.addEllipse(QPointF(0.745, 0.58), r, r);
    c.addEllipse(QPointF(0.5, 0.52), 0.13, 0.13);
    return United(c, Stem());
}

}  // namespace

QPainterPath SuitPath(int suit)
{
    static const QPainterPath paths[4] = {Club(), Spade(), Heart(), Diamond()};
    return paths[suit & 3];
}

void DrawSuit(QPainter& p, int suit, const QRectF& box, const QColor& colour, bool upsideDown)
{
    p.save();
    p.translate(box.center());
    if (upsideDown) p.rotate(180);
    p.translate(-box.width() / 2, -box.height() / 2);
    p.scale(box.width(), box.height());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(SuitPath(suit));
    p.restore();
}

}  // namespace quillo::art
