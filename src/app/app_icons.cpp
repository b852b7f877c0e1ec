#include "app_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace quillo {

namespace {

constexpr int S = 16;

void SmallCard(QPainter& p, QRectF r, const QColor& face)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(face);
    p.drawRoundedRect(r, 1.5, 1.5);
}

void Arrow(QPainter& p, bool full)
{
    QPainterPath path;
    p.setPen(QPen(QColor(20, 60, 170), 2));
    p.setBrush(Qt::NoBrush);
    if (full) {
        path.arcMoveTo(3, 3, 10, 10, 60);
        path.arcTo(3, 3, 10, 10, 60, 280);
        p.drawPath(path);
        p.setBrush(QColor(20, 60, 170));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(9, 0.5), QPointF(13.5, 3.5), QPointF(9, 6.5)}));
    } else {
        path.moveTo(5, 7);
        path.cubicTo(9, 3, 15, 6, 13, 13);
        p.drawPath(path);
        p.setBrush(QColor(20, 60, 170));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(1, 7), QPointF(7, 3), QPointF(7, 11)}));
    }
}

QPixmap Draw(int index)
{
    QPixmap pm(S, S);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0:  // Choose: a fan of cards
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(8, 14);
            p.rotate(-25 + 25 * i);
            SmallCard(p, QRectF(-4, -12, 8, 11), i == 2 ? QColor(255, 255, 240) : QColor(200, 210, 255));
            p.restore();
        }
        break;
    case 1:  // New: a card with a star
        SmallCard(p, QRectF(3, 1, 10, 14), Qt::white);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 170, 0));
        p.drawPolygon(QPolygonF({QPointF(8, 3), QPointF(9.5, 7), QPointF(13, 7.5), QPointF(10, 9.5), QPointF(11, 13),
                                 QPointF(8, 11), QPointF(5, 13), QPointF(6, 9.5), QPointF(3, 7.5), QPointF(6.5, 7)}));
        break;
    case 2: Arrow(p, true); break;    // Restart: a round arrow
    case 3: Arrow(p, false); break;   // Undo: a bent arrow back
    case 4:                           // Background colour: four swatches
        p.setPen(QPen(Qt::black, 0.5));
        p.setBrush(QColor(0, 128, 0)), p.drawRect(QRectF(1, 1, 6.5, 6.5));
        p.setBrush(QColor(200, 30, 30)), p.drawRect(QRectF(8.5, 1, 6.5, 6.5));
        p.setBrush(QColor(30, 60, 200)), p.drawRect(QRectF(1, 8.5, 6.5, 6.5));
        p.setBrush(QColor(240, 200, 20)), p.drawRect(QRectF(8.5, 8.5, 6.5, 6.5));
        break;
    case 5:  // Background texture: a woven square
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                p.fillRect(QRectF(1 + 3.5 * x, 1 + 3.5 * y, 3.5, 3.5),
                           (x + y) % 2 ? QColor(150, 100, 50) : QColor(220, 180, 120));
        break;
    case 6:  // Deck: a stack of cards
        for (int i = 2; i >= 0; --i) SmallCard(p, QRectF(2 + 2 * i, 1 + i, 9, 12), i ? QColor(230, 230, 230) : Qt::white);
        p.setPen(QColor(200, 0, 0));
        p.drawText(QRectF(2, 1, 9, 12), Qt::AlignCenter, QString(QChar(0x2665)));
        break;
    case 7: {  // Back: a patterned card back
        SmallCard(p, QRectF(3, 1, 10, 14), QColor(40, 70, 180));
        p.setPen(QPen(QColor(160, 190, 255), 0.8));
        for (int i = 0; i < 14; i += 3) p.drawLine(QPointF(4, 2 + i), QPointF(12, 2 + i));
        break;
    }
    case 8:  // Customize: three sliders
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        for (int i = 0; i < 3; ++i) p.drawLine(QPointF(2, 3.5 + 4.5 * i), QPointF(14, 3.5 + 4.5 * i));
        p.setBrush(QColor(230, 120, 20));
        p.drawRect(QRectF(4, 2, 3, 3));
        p.drawRect(QRectF(10, 6.5, 3, 3));
        p.drawRect(QRectF(6, 11, 3, 3));
        break;
    case 11:  // Game rules: a book with a question mark
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(250, 240, 190));
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        p.setPen(QColor(20, 60, 170));
        p.setFont(QFont("DejaVu Sans", 9, QFont::Bold));
        p.drawText(QRectF(2.5, 1.5, 11, 13), Qt::AlignCenter, "?");
        break;
    default: break;
    }
    return pm;
}

}  // namespace

QIcon MenuIcon(int index)
{
    return QIcon(Draw(index));
}

QPixmap ProgramIcon(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = size / 16.0;
    p.scale(u, u);
    p.setPen(QPen(Qt::black, 0.4));
    p.setBrush(QColor(40, 70, 180));
    p.save();
    p.translate(7, 9);
    p.rotate(-15);
    p.drawRoundedRect(QRectF(-4.5, -6, 9, 12), 1, 1);
    p.restore();
    p.setBrush(Qt::white);
    p.save();
    p.translate(9.5, 8.5);
    p.rotate(12);
    p.drawRoundedRect(QRectF(-4.5, -6, 9, 12), 1, 1);
    p.setPen(QColor(200, 0, 0));
    p.setFont(QFont("DejaVu Sans", 6));
    p.drawText(QRectF(-4.5, -6, 9, 12), Qt::AlignCenter, QString(QChar(0x2665)));
    p.restore();
    return pm;
}

}  // namespace quillo
