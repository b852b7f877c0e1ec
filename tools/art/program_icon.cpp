// Two cards, a blue back and a heart face, tilted apart. Drawn in a 64-unit
// box; the same shapes feed QPainter and the SVG text.

#include "program_icon.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <vector>

#include "data_generator.h"

namespace quillo::art {

namespace {

constexpr double Box = 64;

struct Card {
    double Cx, Cy, Angle;   // centre and clockwise tilt in degrees
    uint32_t Fill;          // 0xRRGGBB
    bool Back;              // a back shows an inner border, a face a heart
};

constexpr double CardW = 34, CardH = 46, Corner = 4, Stroke = 1.5;
constexpr uint32_t Ink = 0x1A1A2E, Border = 0xBFD0FF, Heart = 0xD01C1C;

const std::vector<Card>& Cards()
{
    static const std::vector<Card> cards{{25, 34, -15, 0x2846B4, true}, {39, 32, 12, 0xFFFFFF, false}};
    return cards;
}

// The heart in card coordinates (the card's centre at 0,0): move, then cubic
// segments of three points each.
struct Pt {
    double X, Y;
};
const Pt HeartStart{0, 13};
const std::vector<Pt> HeartCurves{{-4, 8}, {-13, 3}, {-13, -4},  {-13, -10}, {-6, -13}, {0, -7},
                                  {6, -13}, {13, -10}, {13, -4},  {13, 3},    {4, 8},    {0, 13}};

QColor Rgb(uint32_t c)
{
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

std::string Hex(uint32_t c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", c & 0xFFFFFF);
    return buf;
}

std::string Num(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

}  // namespace

QImage ProgramIconImage(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Box, size / Box);
    for (const Card& c : Cards()) {
        p.save();
        p.translate(c.Cx, c.Cy);
        p.rotate(c.Angle);
        p.setPen(QPen(Rgb(Ink), Stroke));
        p.setBrush(Rgb(c.Fill));
        p.drawRoundedRect(QRectF(-CardW / 2, -CardH / 2, CardW, CardH), Corner, Corner);
        if (c.Back) {
            p.setPen(QPen(Rgb(Border), Stroke));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(-CardW / 2 + 4, -CardH / 2 + 4, CardW - 8, CardH - 8), 2, 2);
        } else {
            QPainterPath heart(QPointF(HeartStart.X, HeartStart.Y));
            for (size_t i = 0; i + 2 < HeartCurves.size(); i += 3)
                heart.cubicTo(QPointF(HeartCurves[i].X, HeartCurves[i].Y),
                              QPointF(HeartCurves[i + 1].X, HeartCurves[i + 1].Y),
                              QPointF(HeartCurves[i + 2].X, HeartCurves[i + 2].Y));
            p.setPen(Qt::NoPen);
            p.setBrush(Rgb(Heart));
            p.drawPath(heart);
        }
        p.restore();
    }
    return img;
}

std::string ProgramIconSvg()
{
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(Box) + "\" height=\"" + Num(Box) +
                    "\" viewBox=\"0 0 " + Num(Box) + " " + Num(Box) + "\">\n";
    for (const Card& c : Cards()) {
        s += "  <g transform=\"translate(" + Num(c.Cx) + " " + Num(c.Cy) + ") rotate(" + Num(c.Angle) + ")\">\n";
        s += "    <rect x=\"" + Num(-CardW / 2) + "\" y=\"" + Num(-CardH / 2) + "\" width=\"" + Num(CardW) +
             "\" height=\"" + Num(CardH) + "\" rx=\"" + Num(Corner) + "\" fill=\"" + Hex(c.Fill) + "\" stroke=\"" +
             Hex(Ink) + "\" stroke-width=\"" + Num(Stroke) + "\"/>\n";
        if (c.Back) {
            s += "    <rect x=\"" + Num(-CardW / 2 + 4) + "\" y=\"" + Num(-CardH / 2 + 4) + "\" width=\"" +
                 Num(CardW - 8) + "\" height=\"" + Num(CardH - 8) + "\" rx=\"2\" fill=\"none\" stroke=\"" +
                 Hex(Border) + "\" stroke-width=\"" + Num(Stroke) + "\"/>\n";
        } else {
            std::string d = "M" + Num(HeartStart.X) + "," + Num(HeartStart.Y);
            for (size_t i = 0; i < HeartCurves.size(); ++i)
                d += (i % 3 == 0 ? " C" : " ") + Num(HeartCurves[i].X) + "," + Num(HeartCurves[i].Y);
            s += "    <path d=\"" + d + " Z\" fill=\"" + Hex(Heart) + "\"/>\n";
        }
        s += "  </g>\n";
    }
    return s + "</svg>\n";
}

bool WriteProgramIcons(const std::string& dir, const std::string& name, std::string& error)
{
    const QString root = QString::fromStdString(dir) + "/hicolor/";
    auto place = [&](const QString& sub) {
        if (QDir().mkpath(root + sub)) return true;
        error = (root + sub).toStdString() + ": cannot make the folder";
        return false;
    };
    if (!place("scalable/apps")) return false;
    const std::string svg = ProgramIconSvg();
    if (!WriteDataFile((root + "scalable/apps/").toStdString() + name + ".svg",
                       std::vector<uint8_t>(svg.begin(), svg.end()), error))
        return false;
    for (int size : IconSizes) {
        const QString sub = QString("%1x%1/apps").arg(size);
        if (!place(sub)) return false;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!ProgramIconImage(size).save(&buffer, "PNG")) {
            error = "cannot encode the " + std::to_string(size) + " px icon";
            return false;
        }
        if (!WriteDataFile((root + sub + "/").toStdString() + name + ".png",
                           std::vector<uint8_t>(png.begin(), png.end()), error))
            return false;
    }
    return true;
}

}  // namespace quillo::art
