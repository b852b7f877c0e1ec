#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <array>
#include <cmath>
#include <vector>

#include "card_painter.h"

namespace quillo::art {

namespace {

const char* const RankText[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

// Pip centres of ranks 2..10 (index rank - 1): x in {0 left, 0.5, 1 right},
// y from 0 (top row) to 1 (bottom row).
const std::vector<std::array<double, 2>>& PipLayout(int rank)
{
    static const std::vector<std::array<double, 2>> layouts[13] = {
        {{0.5, 0.5}},
        {{0.5, 0}, {0.5, 1}},
        {{0.5, 0}, {0.5, 0.5}, {0.5, 1}},
        {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0, 1.0 / 3}, {1, 1.0 / 3}, {0.5, 0.5}, {0, 2.0 / 3}, {1, 2.0 / 3}, {0, 1}, {1, 1}},
        {{0, 0},
         {1, 0},
         {0.5, 1.0 / 6},
         {0, 1.0 / 3},
         {1, 1.0 / 3},
         {0, 2.0 / 3},
         {1, 2.0 / 3},
         {0.5, 5.0 / 6},
         {0, 1},
         {1, 1}},
        {}, {}, {}};
    return layouts[rank];
}

QFont IndexFont(const CardLook& look, double pixelSize)
{
    QFont f(look.Serif ? "DejaVu Serif" : "DejaVu Sans");
    f.setPixelSize(std::max(6, static_cast<int>(std::lround(pixelSize))));
    f.setBold(true);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// The rank with its cap height `capHeight`, its left edge at x and its top
// at top, squeezed to at most maxWidth. Returns the width drawn.
double DrawRankAt(QPainter& p, int rank, const CardLook& look, double capHeight, double x, double top,
                  double maxWidth, const QColor& colour)
{
    // Bold DejaVu capitals and figures stand about 0.73 of the pixel size.
    const QFont f = IndexFont(look, capHeight / 0.73);
    const QFontMetricsF fm(f);
    const QString text = RankText[rank];
    const QRectF tight = fm.tightBoundingRect(text);
    const double squeeze = std::min(1.0, maxWidth / std::max(1.0, tight.width()));
    const double scaleY = capHeight / std::max(1.0, tight.height());
    p.save();
    p.setFont(f);
    p.setPen(colour);
    p.translate(x, top);
    p.scale(squeeze, scaleY);
    p.drawText(QPointF(-tight.left(), -tight.top()), text);
    p.restore();
    return tight.width() * squeeze;
}

// The rank centred on (cx, top), squeezed to at most maxWidth.
void DrawRank(QPainter& p, int rank, const CardLook& look, double pixelSize, double cx, double top, double maxWidth,
              const QColor& colour)
{
    const QFont f = IndexFont(look, pixelSize);
    const QFontMetricsF fm(f);
    const QString text = RankText[rank];
    const QRectF tight = fm.tightBoundingRect(text);
    const double squeeze = std::min(1.0, maxWidth / std::max(1.0, tight.width()));
    p.save();
    p.setFont(f);
    p.setPen(colour);
    p.translate(cx, top - tight.top());
    p.scale(squeeze, 1.0);
    p.drawText(QPointF(-tight.left() - tight.width() / 2, 0), text);
    p.restore();
}

// The corner index: rank and suit side by side along the top edge, inside
// the strip a card fanned downwards at the default step leaves showing (20
// of 96 pixels); with underRank a second suit sign below the rank, inside
// the strip a card fanned sideways shows (16 of 71). The same turned at the
// opposite corner. Returns where the index ends below the top edge.
double DrawIndexes(QPainter& p, int width, int height, int rank, int suit, const CardLook& look, double capShare,
                   bool underRank = false)
{
    const QColor colour = look.SuitColour(suit);
    const double cap = std::max(5.0, height * capShare);
    const double top = std::round(std::max(2.0, height * 0.035));
    const double left = std::max(2.0, width * 0.065);
    const double suitH = cap * 1.05, suitW = suitH * 0.9;
    for (int end = 0; end < 2; ++end) {
        p.save();
        if (end == 1) {
            p.translate(width, height);
            p.rotate(180);
        }
        const double rankW = DrawRankAt(p, rank, look, cap, left, top, width * 0.2, colour);
        const double gap = std::max(1.0, cap * 0.12);
        DrawSuit(p, suit, QRectF(left + rankW + gap, top + (cap - suitH) / 2, suitW, suitH), colour);
        if (underRank) {
            const double w = suitW * 0.8, h = suitH * 0.8;
            DrawSuit(p, suit, QRectF(left + std::max(0.0, (std::min(rankW, cap) - w) / 2), top + cap + gap * 1.5, w, h), colour);
        }
        p.restore();
    }
    return top + cap;
}

// Whether the painter draws straight onto whole pixels: then a picture
// painted once may be copied, exactly, wherever it is needed.
bool OnPixelGrid(const QPainter& p)
{
    const QTransform& t = p.transform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::round(t.dx()) && t.dy() == std::round(t.dy());
}

// A sign painted once into a picture of its own, to be copied.
QImage Stamp(int suit, double w, double h, const QColor& colour)
{
    QImage img(static_cast<int>(std::ceil(w)), static_cast<int>(std::ceil(h)), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter sp(&img);
    sp.setRenderHint(QPainter::Antialiasing, true);
    DrawSuit(sp, suit, QRectF(0, 0, w, h), colour);
    return img;
}

void DrawPips(QPainter& p, int width, int height, int rank, int suit, const CardLook& look)
{
    const double ph = height * 0.125, pw = ph * 0.84;
    const double left = width * 0.33, right = width * 0.67;
    const double top = height * 0.25, bottom = height * 0.75;
    if (!OnPixelGrid(p)) {
        for (const auto& [u, v] : PipLayout(rank)) {
            const double x = left + (right - left) * u, y = top + (bottom - top) * v;
            DrawSuit(p, suit, QRectF(x - pw / 2, y - ph / 2, pw, ph), look.SuitColour(suit), v > 0.5);
        }
        return;
    }
    // Every pip alike, on whole pixels; the lower ones turned half round
    // about their own centre, which keeps them on the grid too.
    const QImage stamp = Stamp(suit, pw, ph, look.SuitColour(suit));
    for (const auto& [u, v] : PipLayout(rank)) {
        const double x = left + (right - left) * u, y = top + (bottom - top) * v;
        const QPointF at(std::round(x - stamp.width() / 2.0), std::round(y - stamp.height() / 2.0));
        if (v > 0.5) {
            p.save();
            p.translate(at.x() + stamp.width(), at.y() + stamp.height());
            p.rotate(180);
            p.drawImage(QPointF(0, 0), stamp);
            p.restore();
        } else {
            p.drawImage(at, stamp);
        }
    }
}

void DrawAce(QPainter& p, int width, int height, int suit, const CardLook& look)
{
    const double h = height * (suit == 1 ? 0.42 : 0.34), w = h * 0.84;
    const QPointF c(width / 2.0, height / 2.0);
    if (suit == 1) {
        // The ace of spades carries the maker's flourish: a gold ring.
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(look.Gold, std::max(1.0, height / 96.0)));
        p.drawEllipse(c, w * 0.72, h * 0.62);
        p.restore();
    }
    DrawSuit(p, suit, QRectF(c.x() - w / 2, c.y() - h / 2, w, h), look.SuitColour(suit));
}

void DrawCourt(QPainter& p, int width, int height, int rank, int suit, const CardLook& look)
{
    const QRectF frame(std::round(width * 0.15) + 0.5, std::round(height * 0.165) + 0.5,
                       std::round(width * 0.7) - 1, std::round(height * 0.67) - 1);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(look.CourtGround);
    p.drawRect(frame);
    const QRectF half(frame.left(), frame.top(), frame.width(), frame.height() / 2);
    if (OnPixelGrid(p)) {
        // The figure is painted once and copied to both halves: turning
        // the copy about the card's centre keeps it on whole pixels.
        const int ox = static_cast<int>(std::floor(half.left())), oy = static_cast<int>(std::floor(half.top()));
        QImage figure(static_cast<int>(std::ceil(half.right())) - ox, static_cast<int>(std::ceil(half.bottom())) - oy,
                      QImage::Format_ARGB32_Premultiplied);
        figure.fill(Qt::transparent);
        {
            QPainter fp(&figure);
            fp.setRenderHint(QPainter::Antialiasing, true);
            fp.translate(-ox, -oy);
            fp.setClipRect(half);
            PaintCourtHalf(fp, half, rank, suit, look);
        }
        p.drawImage(QPointF(ox, oy), figure);
        p.save();
        p.translate(width, height);
        p.rotate(180);
        p.drawImage(QPointF(ox, oy), figure);
        p.restore();
    } else {
        for (int end = 0; end < 2; ++end) {
            p.save();
            if (end == 1) {
                p.translate(width, height);
                p.rotate(180);
            }
            p.setClipRect(half);
            PaintCourtHalf(p, half, rank, suit, look);
            p.restore();
        }
    }
    QPen line(look.SuitColour(suit), 1.0);
    line.setCosmetic(true);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
    p.restore();
}

// Cards too small for pips and figures: a large index over a large suit;
// the court cards on a gold field.
void DrawCompact(QPainter& p, int width, int height, int rank, int suit, const CardLook& look)
{
    const QColor colour = look.SuitColour(suit);
    const bool court = rank >= 10;
    double indexEnd = 0;
    if (height >= 40) {
        p.save();
        // Only the upper index: the lower one would crowd the big suit.
        p.setClipRect(QRectF(0, 0, width, height / 2.0));
        indexEnd = DrawIndexes(p, width, height, rank, suit, look, 0.15);
        p.restore();
    } else {
        const double rankSize = height * (height <= 24 ? 0.42 : 0.33);
        DrawRank(p, rank, look, rankSize, width * 0.27, height * 0.06, width * 0.46, colour);
        if (height >= 32) {
            const double s = height * 0.17;
            DrawSuit(p, suit, QRectF(width * 0.27 - s * 0.45, height * 0.08 + rankSize * 0.8 + height * 0.04, s * 0.9, s),
                     colour);
        }
    }
    const double big = indexEnd > 0 ? std::min(height * 0.6, height - indexEnd - height * 0.12) : height * (height <= 24 ? 0.44 : 0.42);
    const QRectF box = indexEnd > 0 ? QRectF((width - big * 0.86) / 2, (indexEnd + height - big) / 2 + height * 0.02, big * 0.86, big)
                                    : QRectF(width * 0.93 - big * 0.86, height * 0.93 - big, big * 0.86, big);
    if (court) {
        // A gold field behind the suit tells the court cards apart at a glance.
        const QRectF field = box.adjusted(-big * 0.12, -big * 0.12, big * 0.12, big * 0.1);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(look.Gold);
        p.drawRoundedRect(field, big * 0.15, big * 0.15);
        p.restore();
    }
    DrawSuit(p, suit, box, colour);
}

}  // namespace

void PaintFace(QPainter& p, int width, int height, int rank, int suit, const CardLook& look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(QRectF(0, 0, width, height), look.Paper);
    if (height < 64) {
        DrawCompact(p, width, height, rank, suit, look);
    } else {
        DrawIndexes(p, width, height, rank, suit, look, 0.105, rank < 10);
        if (rank == 0)
            DrawAce(p, width, height, suit, look);
        else if (rank >= 10)
            DrawCourt(p, width, height, rank, suit, look);
        else
            DrawPips(p, width, height, rank, suit, look);
    }
    p.restore();
}

}  // namespace quillo::art
