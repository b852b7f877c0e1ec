// The court figures: a crowned king with beard and sword, a queen with long
// hair, tiara and flower, a jack in a feathered cap with a halberd. Each is a
// bust in the upper half of the frame, drawn in unit coordinates.

#include <cmath>

#include "card_painter.h"

namespace quillo::art {

namespace {

// Outlines one pixel wide on a card of 70 pixels or so, wider on larger cards.
QPen Line(const QPainter& p, const QColor& c, double width = 1.0)
{
    const QTransform& t = p.transform();
    const double unit = std::hypot(t.m11(), t.m12());
    QPen pen(c, width * std::max(1.0, unit / 45.0));
    pen.setCosmetic(true);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

const QColor Ink(40, 30, 30);

void Robe(QPainter& p, const CardLook& look, int rank, int suit)
{
    QPainterPath robe;
    robe.moveTo(0.16, 1.02);
    robe.lineTo(0.12, 0.86);
    robe.cubicTo(0.12, 0.74, 0.24, 0.68, 0.36, 0.68);
    robe.lineTo(0.64, 0.68);
    robe.cubicTo(0.76, 0.68, 0.88, 0.74, 0.88, 0.86);
    robe.lineTo(0.84, 1.02);
    robe.closeSubpath();
    // Each suit dresses its courts differently, as printed packs do.
    const bool swap = ((rank + suit) & 1) != 0;
    const QColor main = swap ? look.RobeB : look.RobeA;
    const QColor second = swap ? look.RobeA : look.RobeB;
    p.setPen(Line(p, Ink));
    p.setBrush(main);
    p.drawPath(robe);
    // Front panel and a gold trim, the way printed courts are banded.
    QPainterPath panel;
    panel.moveTo(0.41, 0.70);
    panel.lineTo(0.59, 0.70);
    panel.lineTo(0.64, 1.02);
    panel.lineTo(0.36, 1.02);
    panel.closeSubpath();
    p.setBrush(second);
    p.drawPath(panel);
    p.setPen(Line(p, look.Gold, 1.0));
    p.drawLine(QPointF(0.41, 0.70), QPointF(0.36, 1.0));
    p.drawLine(QPointF(0.59, 0.70), QPointF(0.64, 1.0));
    // Jewels down the panel and a patterned sleeve.
    p.setPen(Qt::NoPen);
    p.setBrush(look.Gold);
    for (double y : {0.80, 0.93}) p.drawEllipse(QPointF(0.5, y), 0.03, 0.025);
    for (double y : {0.84, 0.96})
        for (double x : {0.22, 0.29, 0.71, 0.78}) p.drawEllipse(QPointF(x, y), 0.018, 0.016);
}

// A sleeve from the shoulder to a hand holding the figure's emblem at (x, y).
void Arm(QPainter& p, const CardLook& look, const QColor& sleeve, double x, double y)
{
    const double fromX = x < 0.5 ? 0.26 : 0.74;
    QPen pen(sleeve.darker(115), 1.0);
    pen.setCosmetic(true);
    QPainterPath arm;
    arm.moveTo(fromX, 0.74);
    arm.quadTo((fromX + x) / 2, y + 0.08, x, y + 0.01);
    QPen thick(sleeve, 0.09);
    thick.setCapStyle(Qt::RoundCap);
    p.setBrush(Qt::NoBrush);
    p.setPen(thick);
    p.drawPath(arm);
    p.setPen(Line(p, Ink));
    p.setBrush(look.Skin);
    p.drawEllipse(QPointF(x, y), 0.045, 0.04);
}

void Collar(QPainter& p, const CardLook& look)
{
    QPainterPath c;
    c.moveTo(0.34, 0.68);
    c.quadTo(0.5, 0.80, 0.66, 0.68);
    c.quadTo(0.5, 0.72, 0.34, 0.68);
    p.setPen(Line(p, Ink));
    p.setBrush(look.Gold);
    p.drawPath(c);
}

void Head(QPainter& p, const CardLook& look)
{
    p.setPen(Line(p, Ink));
    p.setBrush(look.Skin);
    p.drawRect(QRectF(0.44, 0.54, 0.12, 0.14));  // neck
    p.drawEllipse(QPointF(0.5, 0.42), 0.15, 0.17);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(0.45, 0.40), 0.02, 0.02);
    p.drawEllipse(QPointF(0.55, 0.40), 0.02, 0.02);
    p.setBrush(QColor(235, 150, 140));
    p.drawEllipse(QPointF(0.42, 0.47), 0.025, 0.02);
    p.drawEllipse(QPointF(0.58, 0.47), 0.025, 0.02);
    p.setPen(Line(p, QColor(180, 50, 50)));
    p.drawLine(QPointF(0.47, 0.51), QPointF(0.53, 0.51));
}

void Crown(QPainter& p, const CardLook& look, double base, double height, int points)
{
    QPainterPath c;
    const double left = 0.34, right = 0.66;
    c.moveTo(left, base);
    const double step = (right - left) / (2 * points - 2);
    for (int i = 0; i < 2 * points - 1; ++i)
        c.lineTo(left + i * step, i % 2 == 0 ? base - height : base - height * 0.45);
    c.lineTo(right, base);
    c.closeSubpath();
    p.setPen(Line(p, Ink));
    p.setBrush(look.Gold);
    p.drawPath(c);
    p.setPen(Qt::NoPen);
    p.setBrush(look.RobeA);
    p.drawEllipse(QPointF(0.5, base - height * 0.2), 0.025, 0.025);
}

void King(QPainter& p, const CardLook& look, int suit)
{
    // Sword behind the shoulder.
    p.setPen(Line(p, QColor(120, 130, 140), 1.5));
    p.drawLine(QPointF(0.87, 0.10), QPointF(0.87, 0.98));
    p.setPen(Line(p, look.Gold, 1.5));
    p.drawLine(QPointF(0.80, 0.66), QPointF(0.94, 0.66));
    Robe(p, look, 12, suit);
    Arm(p, look, ((suit & 1) != 0) ? look.RobeA : look.RobeB, 0.87, 0.74);
    Collar(p, look);
    Head(p, look);
    // Beard and moustache.
    QPainterPath beard;
    beard.moveTo(0.36, 0.44);
    beard.cubicTo(0.37, 0.60, 0.45, 0.68, 0.5, 0.69);
    beard.cubicTo(0.55, 0.68, 0.63, 0.60, 0.64, 0.44);
    beard.quadTo(0.5, 0.55, 0.36, 0.44);
    p.setPen(Line(p, Ink));
    p.setBrush(look.Hair);
    p.drawPath(beard);
    Crown(p, look, 0.29, 0.22, 3);
}

void Queen(QPainter& p, const CardLook& look, int suit)
{
    // Long hair falls behind the head to the shoulders.
    QPainterPath hair;
    hair.moveTo(0.5, 0.22);
    hair.cubicTo(0.27, 0.22, 0.27, 0.52, 0.26, 0.72);
    hair.lineTo(0.74, 0.72);
    hair.cubicTo(0.73, 0.52, 0.73, 0.22, 0.5, 0.22);
    p.setPen(Line(p, Ink));
    p.setBrush(look.Hair);
    p.drawPath(hair);
    Robe(p, look, 11, suit);
    Collar(p, look);
    Head(p, look);
    // Fringe over the brow.
    QPainterPath fringe;
    fringe.moveTo(0.35, 0.39);
    fringe.cubicTo(0.38, 0.24, 0.62, 0.24, 0.65, 0.39);
    fringe.quadTo(0.5, 0.31, 0.35, 0.39);
    p.setBrush(look.Hair);
    p.drawPath(fringe);
    // Tiara: a band with three pearls.
    p.setBrush(look.Gold);
    p.drawRect(QRectF(0.37, 0.22, 0.26, 0.045));
    for (double x : {0.40, 0.5, 0.60}) p.drawEllipse(QPointF(x, 0.20), 0.032, 0.032);
    // A flower held before the shoulder.
    p.setPen(Line(p, QColor(40, 120, 50)));
    p.drawLine(QPointF(0.2, 0.95), QPointF(0.2, 0.62));
    p.setPen(Line(p, Ink));
    p.setBrush(look.RobeA.lighter(140));
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * 3.14159265 / 5;
        p.drawEllipse(QPointF(0.2 + 0.05 * std::cos(a), 0.57 + 0.045 * std::sin(a)), 0.04, 0.035);
    }
    p.setBrush(look.Gold);
    p.drawEllipse(QPointF(0.2, 0.57), 0.025, 0.022);
    Arm(p, look, ((suit & 1) != 0) ? look.RobeB : look.RobeA, 0.2, 0.78);
}

void Jack(QPainter& p, const CardLook& look, int suit)
{
    // Halberd on the far side.
    p.setPen(Line(p, QColor(110, 80, 50), 1.5));
    p.drawLine(QPointF(0.14, 0.14), QPointF(0.14, 0.98));
    QPainterPath blade;
    blade.moveTo(0.14, 0.06);
    blade.quadTo(0.24, 0.16, 0.14, 0.26);
    blade.quadTo(0.06, 0.16, 0.14, 0.06);
    p.setPen(Line(p, Ink));
    p.setBrush(QColor(190, 200, 210));
    p.drawPath(blade);
    Robe(p, look, 10, suit);
    Collar(p, look);
    // Short hair at the sides.
    p.setBrush(look.Hair);
    p.drawEllipse(QPointF(0.36, 0.44), 0.045, 0.08);
    p.drawEllipse(QPointF(0.64, 0.44), 0.045, 0.08);
    Head(p, look);
    // Cap with a brim and a feather.
    QPainterPath feather;
    feather.moveTo(0.60, 0.26);
    feather.cubicTo(0.72, 0.20, 0.80, 0.10, 0.78, 0.03);
    feather.cubicTo(0.70, 0.10, 0.64, 0.16, 0.56, 0.24);
    p.setBrush(look.RobeA.lighter(120));
    p.drawPath(feather);
    QPainterPath cap;
    cap.moveTo(0.36, 0.30);
    cap.cubicTo(0.36, 0.13, 0.64, 0.13, 0.64, 0.30);
    cap.closeSubpath();
    p.setBrush(((suit & 1) != 0) ? look.RobeA : look.RobeB);
    p.drawPath(cap);
    p.setBrush(look.Gold);
    p.drawRect(QRectF(0.31, 0.28, 0.38, 0.045));
    Arm(p, look, ((suit & 1) != 0) ? look.RobeB : look.RobeA, 0.14, 0.76);
}

}  // namespace

void PaintCourtHalf(QPainter& p, const QRectF& half, int rank, int suit, const CardLook& look)
{
    p.save();
    p.translate(half.topLeft());
    p.scale(half.width(), half.height());
    switch (rank) {
    case 10:
        // The jack looks the other way: his halberd stands clear of the suit sign.
        p.translate(1, 0);
        p.scale(-1, 1);
        Jack(p, look, suit);
        break;
    case 11: Queen(p, look, suit); break;
    default: King(p, look, suit); break;
    }
    p.restore();
    // The suit sign in the frame's left corner, opposite the weapons, where
    // a card fanned sideways still shows it.
    const double s = half.height() * 0.24;
    const double x = half.left() + 2;
    DrawSuit(p, suit, QRectF(x, half.top() + 2, s * 0.9, s), look.SuitColour(suit));
}

}  // namespace quillo::art
