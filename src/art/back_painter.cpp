#include <cmath>

#include "card_painter.h"

namespace quillo::art {

namespace {

QPen Cosmetic(const QColor& c, double w)
{
    QPen pen(c, w);
    pen.setCosmetic(true);
    return pen;
}

void Wheels(QPainter& p, const QRectF& r, double s, const QColor& ink)
{
    p.setBrush(Qt::NoBrush);
    const QPointF c = r.center();
    for (int j = -8; j <= 8; ++j)
        for (int i = -8; i <= 8; ++i) {
            const QPointF o(c.x() + (i + (j & 1) * 0.5) * s, c.y() + j * s * 0.87);
            if (!r.adjusted(-s, -s, s, s).contains(o)) continue;
            p.setPen(Cosmetic(ink, 1.0));
            p.drawEllipse(o, s * 0.42, s * 0.42);
            for (int k = 0; k < 6; ++k) {
                const double a = k * 3.14159265 / 3;
                p.drawLine(o, o + QPointF(std::cos(a), std::sin(a)) * s * 0.42);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(o, s * 0.12, s * 0.12);
            p.setBrush(Qt::NoBrush);
        }
}

void Lattice(QPainter& p, const QRectF& r, double s, const QColor& ink)
{
    p.setPen(Cosmetic(ink, 1.0));
    const QPointF c = r.center();
    const double span = r.width() + r.height();
    for (double d = -span; d <= span; d += s) {
        p.drawLine(QPointF(c.x() + d - span, c.y() - span), QPointF(c.x() + d + span, c.y() + span));
        p.drawLine(QPointF(c.x() + d + span, c.y() - span), QPointF(c.x() + d - span, c.y() + span));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (double y = -span; y <= span; y += s)
        for (double x = -span; x <= span; x += s) {
            const QPointF o(c.x() + x + s / 2, c.y() + y);
            if (r.adjusted(-2, -2, 2, 2).contains(o)) p.drawEllipse(o, s * 0.14, s * 0.14);
        }
}

void Checks(QPainter& p, const QRectF& r, double s, const QColor& ink)
{
    p.setPen(Qt::NoPen);
    QColor soft = ink;
    soft.setAlpha(110);
    p.setBrush(soft);
    const QPointF c = r.center();
    for (int j = -30; j <= 30; ++j)
        for (int i = -30; i <= 30; ++i) {
            if ((i + j) & 1) continue;
            const QRectF cell(c.x() + i * s - s / 2, c.y() + j * s - s / 2, s, s);
            if (cell.intersects(r)) p.drawRect(cell);
        }
    p.setPen(Cosmetic(ink, 1.0));
    for (int i = -30; i <= 30; i += 3) {
        p.drawLine(QPointF(c.x() + i * s, r.top()), QPointF(c.x() + i * s, r.bottom()));
        p.drawLine(QPointF(r.left(), c.y() + i * s), QPointF(r.right(), c.y() + i * s));
    }
}

void Dots(QPainter& p, const QRectF& r, double s, const QColor& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const QPointF c = r.center();
    for (int j = -30; j <= 30; ++j)
        for (int i = -30; i <= 30; ++i) {
            const QPointF o(c.x() + (i + (j & 1) * 0.5) * s, c.y() + j * s * 0.5);
            if (r.adjusted(-s, -s, s, s).contains(o)) p.drawEllipse(o, s * 0.2, s * 0.2);
        }
}

void Waves(QPainter& p, const QRectF& r, double s, const QColor& ink)
{
    p.setPen(Cosmetic(ink, 1.0));
    p.setBrush(Qt::NoBrush);
    const double cy = r.center().y();
    for (int j = -30; j <= 30; ++j) {
        const double y0 = cy + j * s * 0.5;
        if (y0 < r.top() - s || y0 > r.bottom() + s) continue;
        QPainterPath w;
        for (double x = r.left() - 2; x <= r.right() + 2; x += 0.5) {
            const double y = y0 + std::sin((x - r.center().x()) / s * 2 * 3.14159265) * s * 0.22;
            if (x == r.left() - 2)
                w.moveTo(x, y);
            else
                w.lineTo(x, y);
        }
        p.drawPath(w);
    }
}

void Stars(QPainter& p, const QRectF& r, double s, const QColor& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const QPointF c = r.center();
    for (int j = -30; j <= 30; ++j)
        for (int i = -30; i <= 30; ++i) {
            const QPointF o(c.x() + (i + (j & 1) * 0.5) * s, c.y() + j * s * 0.8);
            if (!r.adjusted(-s, -s, s, s).contains(o)) continue;
            QPainterPath star;
            for (int k = 0; k < 10; ++k) {
                const double a = -3.14159265 / 2 + k * 3.14159265 / 5;
                const double rad = (k % 2 == 0 ? 0.32 : 0.13) * s;
                const QPointF pt = o + QPointF(std::cos(a), std::sin(a)) * rad;
                if (k == 0)
                    star.moveTo(pt);
                else
                    star.lineTo(pt);
            }
            star.closeSubpath();
            p.drawPath(star);
        }
}

}  // namespace

void PaintBack(QPainter& p, int width, int height, const BackDesign& back)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(QRectF(0, 0, width, height), back.Margin);
    const double m = std::max(1.5, width * 0.065);
    const QRectF inner(m, m, width - 2 * m, height - 2 * m);
    const double radius = std::max(1.0, std::min(width, height) * 0.05);
    QPainterPath field;
    field.addRoundedRect(inner, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(back.Ground);
    p.drawPath(field);
    p.setClipPath(field);
    const double s = std::max(3.0, width * (back.Pattern == BackPattern::Wheels ? 0.26 : 0.13));
    switch (back.Pattern) {
    case BackPattern::Wheels: Wheels(p, inner, s, back.Ink); break;
    case BackPattern::Lattice: Lattice(p, inner, s, back.Ink); break;
    case BackPattern::Checks: Checks(p, inner, s, back.Ink); break;
    case BackPattern::Dots: Dots(p, inner, s, back.Ink); break;
    case BackPattern::Waves: Waves(p, inner, s, back.Ink); break;
    case BackPattern::Stars: Stars(p, inner, s * 1.4, back.Ink); break;
    }
    if (height >= 64) {
        // A medallion in the middle, as on printed backs.
        const QPointF c = inner.center();
        const double rx = inner.width() * 0.26, ry = inner.height() * 0.16;
        p.setBrush(back.Ground);
        p.setPen(Cosmetic(back.Ink, 1.0));
        p.drawEllipse(c, rx, ry);
        p.drawEllipse(c, rx * 0.72, ry * 0.66);
        p.setPen(Qt::NoPen);
        p.setBrush(back.Ink);
        p.drawEllipse(c, rx * 0.2, ry * 0.25);
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(Cosmetic(back.Ground, 1.0));
    p.drawPath(field);
    p.restore();
}

}  // namespace quillo::art
