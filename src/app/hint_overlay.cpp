#include "hint_overlay.h"

#include <QPainter>

namespace quillo {

namespace {

constexpr int FlashCount = 6;

void Frame(QPainter& p, const QRect& r, const QColor& light)
{
    // A dark edge around a light one shows on cards and cloth alike.
    const QRect box = r.adjusted(-2, -2, 2, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 20, 20), 5));
    p.drawRect(box);
    p.setPen(QPen(light, 3));
    p.drawRect(box);
}

} // namespace

HintOverlay::HintOverlay(QWidget* field)
    : QWidget(field)
{
    setObjectName("HintOverlay");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
    Flash_.setInterval(180);
    connect(&Flash_, &QTimer::timeout, this, [this] {
        if (++Flashes_ >= FlashCount) Flash_.stop();
        update();
    });
}

void HintOverlay::Show(const std::vector<QRect>& cards, const QRect& target)
{
    Cards_ = cards;
    Target_ = target;
    Flashes_ = 0;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
    Flash_.start();
}

void HintOverlay::Clear()
{
    Flash_.stop();
    Cards_.clear();
    Target_ = QRect();
    hide();
}

void HintOverlay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!Target_.isNull()) Frame(p, Target_, QColor(0, 210, 255));
    // The cards blink while flashing and stay framed after.
    if (Flash_.isActive() && Flashes_ % 2 == 1) return;
    for (const QRect& r : Cards_)
        Frame(p, r, QColor(255, 220, 0));
}

} // namespace quillo
