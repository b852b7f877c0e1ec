#include "token_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstring>

namespace quillo {

PixelBuffer ToPixelBuffer(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_BGR888);
    PixelBuffer out(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(out.Row(y), rgb.constScanLine(y), static_cast<size_t>(3 * rgb.width()));
    return out;
}

namespace {

// Masked pieces are black outside their shape, the masks black inside.
QImage BlackCanvas(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

void Disc(QPainter& p, QRectF r, const QColor& rim, const QColor& face)
{
    QRadialGradient g(r.center() - QPointF(5, 6), r.width() * 0.7);
    g.setColorAt(0, face.lighter(130));
    g.setColorAt(1, face);
    p.setPen(QPen(rim, 1.5));
    p.setBrush(g);
    p.drawEllipse(r.adjusted(1, 1, -1, -1));
}

}  // namespace

PixelBuffer FoundationTokens(int scale)
{
    const int k = std::max(1, scale);
    QImage img = BlackCanvas(561 * k, 118 * k);
    QPainter p(&img);
    p.scale(k, k);
    p.setRenderHint(QPainter::Antialiasing);
    const char* ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    const QColor ink[] = {QColor(120, 120, 120), QColor(10, 10, 10), QColor(200, 20, 20)};
    QFont font("DejaVu Sans", 13, QFont::Bold);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 13; ++col) {
            const QRectF cell(col * 40 + 1, row * 39 + 1, 39, 38);
            Disc(p, cell, QColor(90, 90, 90), QColor(225, 225, 210));
            p.setPen(ink[row]);
            font.setPixelSize(col == 9 ? 15 : 19);
            p.setFont(font);
            p.drawText(cell, Qt::AlignCenter, ranks[col]);
        }
    Disc(p, QRectF(521, 1, 39, 38), QColor(90, 90, 90), QColor(225, 225, 210));
    // The token mask: a black disc on white.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(521, 40, 39, 38), Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(522, 41, 37, 36));
    p.end();
    // Outside the discs the tokens must be black, so that the mask decides.
    QImage mask = img.copy(521 * k, 40 * k, 39 * k, 38 * k);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 14; ++col) {
            if (col == 13 && row > 0) continue;
            for (int y = 0; y < 38 * k; ++y)
                for (int x = 0; x < 39 * k; ++x)
                    if (mask.pixelColor(x, y) == Qt::white)
                        img.setPixelColor((col * 40 + 1) * k + x, (row * 39 + 1) * k + y, Qt::black);
        }
    return ToPixelBuffer(img);
}

PixelBuffer StockArrows(int scale)
{
    const int k = std::max(1, scale);
    QImage img = BlackCanvas(109 * k, 40 * k);
    QPainter p(&img);
    p.scale(k, k);
    p.setRenderHint(QPainter::Antialiasing);
    auto arrow = [&p](double x0, const QColor& c, bool mask) {
        QPainterPath path;
        path.arcMoveTo(x0 + 6, 7, 23, 25, 90);
        path.arcTo(x0 + 6, 7, 23, 25, 90, 270);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c, mask ? 8 : 5, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(path);
        p.setPen(mask ? QPen(c, 3) : Qt::NoPen);
        p.setBrush(c);
        p.drawPolygon(QPolygonF({QPointF(x0 + 17, 1.5), QPointF(x0 + 26, 7.5), QPointF(x0 + 17, 14.5)}));
    };
    arrow(1, QColor(40, 90, 230), false);
    arrow(37, QColor(245, 140, 20), false);
    p.fillRect(QRectF(73, 1, 35, 38), Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);
    arrow(73, Qt::black, true);
    p.end();
    return ToPixelBuffer(img);
}

}  // namespace quillo
