// Pictures of the rule choices, drawn from small cards: a rank and a suit
// sign on white, red or black.

#include "rule_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace quillo {

namespace {

constexpr int CardW = 28;
constexpr int CardH = 36;
const QColor Green(0, 128, 0);

enum Suit { Clubs, Diamonds, Hearts, Spades };

struct Mini {
    const char* Rank;
    Suit S;
};

bool IsRed(Suit s)
{
    return s == Diamonds || s == Hearts;
}

QString SuitSign(Suit s)
{
    static const std::array<QString, 4> signs{QString(QChar(0x2663)), QString(QChar(0x2666)),
                                              QString(QChar(0x2665)), QString(QChar(0x2660))};
    return signs[static_cast<size_t>(s)];
}

void DrawFace(QPainter& p, int x, int y, const Mini& c)
{
    const QRectF r(x + 0.5, y + 0.5, CardW - 1, CardH - 1);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(IsRed(c.S) ? QColor(200, 0, 0) : Qt::black);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    // The corner shows rank and suit, so that a fanned card still reads.
    p.drawText(QRect(x + 2, y + 1, CardW - 3, 12), Qt::AlignLeft | Qt::AlignTop, QString(c.Rank) + SuitSign(c.S));
    f.setPixelSize(16);
    p.setFont(f);
    p.drawText(QRect(x, y + 12, CardW, CardH - 12), Qt::AlignCenter, SuitSign(c.S));
}

void DrawBack(QPainter& p, int x, int y)
{
    const QRectF r(x + 0.5, y + 0.5, CardW - 1, CardH - 1);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(QColor(30, 60, 160));
    p.drawRoundedRect(r, 3, 3);
    p.setPen(QColor(120, 150, 230));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 2, 2);
}

// A column of cards fanned downwards from (x, y).
void DrawColumn(QPainter& p, int x, int y, std::initializer_list<Mini> cards)
{
    for (const Mini& c : cards) {
        DrawFace(p, x, y, c);
        y += 14;
    }
}

void DrawArrow(QPainter& p, QPointF from, QPointF to, QColor colour)
{
    p.setPen(QPen(colour, 2));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::max(1.0, std::hypot(d.x(), d.y()));
    const QPointF u(d.x() / len, d.y() / len), n(-u.y(), u.x());
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to - u * 7 + n * 4);
    head.lineTo(to - u * 7 - n * 4);
    head.closeSubpath();
    p.fillPath(head, colour);
}

void DrawCross(QPainter& p, QPointF c)
{
    p.setPen(QPen(QColor(220, 30, 30), 3));
    p.drawLine(c + QPointF(-7, -7), c + QPointF(7, 7));
    p.drawLine(c + QPointF(-7, 7), c + QPointF(7, -7));
}

void DrawDeal(QPainter& p, int cards)
{
    DrawBack(p, 6, 24);
    DrawArrow(p, QPointF(36, 42), QPointF(48, 42), Qt::yellow);
    const Mini shown[] = {{"4", Clubs}, {"9", Hearts}, {"J", Spades}};
    int x = 52;
    for (int i = 3 - cards; i < 3; ++i) {
        DrawFace(p, x, 24, shown[i]);
        x += 12;
    }
}

void DrawMove(QPainter& p, RulePicture which)
{
    // A column whose lower cards move onto the ten of the other column.
    const QColor arrow = Qt::yellow;
    DrawColumn(p, 62, 6, {{"10", Diamonds}});
    if (which == RulePicture::MoveUnitAny) {
        DrawColumn(p, 8, 6, {{"Q", Hearts}, {"4", Clubs}, {"J", Diamonds}});
        DrawArrow(p, QPointF(34, 27), QPointF(60, 27), arrow);
    } else {
        DrawColumn(p, 8, 6, {{"Q", Hearts}, {"9", Spades}, {"8", Hearts}});
        DrawArrow(p, QPointF(34, 27), QPointF(60, 27), arrow);
        if (which == RulePicture::MoveUnitNo) DrawCross(p, QPointF(47, 27));
    }
}

}  // namespace

QPixmap DrawRulePicture(RulePicture which)
{
    QPixmap pm(RulePictureWidth, RulePictureHeight);
    pm.fill(Green);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    switch (which) {
    case RulePicture::GetDeckCardNum1: DrawDeal(p, 1); break;
    case RulePicture::GetDeckCardNum3: DrawDeal(p, 3); break;
    case RulePicture::ConsValInc: DrawColumn(p, 35, 6, {{"5", Spades}, {"6", Hearts}, {"7", Clubs}, {"8", Diamonds}}); break;
    case RulePicture::ConsValDec: DrawColumn(p, 35, 6, {{"8", Spades}, {"7", Hearts}, {"6", Clubs}, {"5", Diamonds}}); break;
    case RulePicture::ConsValIncDec:
        DrawColumn(p, 35, 6, {{"6", Spades}, {"7", Hearts}, {"6", Clubs}, {"5", Diamonds}});
        break;
    case RulePicture::ConsSuitOne: DrawColumn(p, 35, 6, {{"9", Spades}, {"8", Spades}, {"7", Spades}, {"6", Spades}}); break;
    case RulePicture::ConsSuitOneColor:
        DrawColumn(p, 35, 6, {{"9", Hearts}, {"8", Diamonds}, {"7", Diamonds}, {"6", Hearts}});
        break;
    case RulePicture::ConsSuitOpp:
        DrawColumn(p, 35, 6, {{"9", Spades}, {"8", Hearts}, {"7", Clubs}, {"6", Diamonds}});
        break;
    case RulePicture::ConsSuitAny: DrawColumn(p, 35, 6, {{"9", Hearts}, {"8", Hearts}, {"7", Clubs}, {"6", Spades}}); break;
    case RulePicture::MoveUnitAny:
    case RulePicture::MoveUnitLegal:
    case RulePicture::MoveUnitNo: DrawMove(p, which); break;
    }
    return pm;
}

}  // namespace quillo
