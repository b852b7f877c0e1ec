#include "loading_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "engine/random.h"

namespace quillo {

namespace {

constexpr int BarWidth = 258;
constexpr int BarHeight = 24;

// Three looks of the bar: stripes, blocks and a gradient.
QPixmap DrawBar(int look)
{
    QPixmap bar(BarWidth, BarHeight);
    QPainter p(&bar);
    p.fillRect(bar.rect(), QColor(0, 90, 0));
    switch (look) {
    case 0:
        for (int x = -BarHeight; x < BarWidth; x += 12) {
            p.setPen(QPen(QColor(250, 210, 40), 5));
            p.drawLine(x, BarHeight, x + BarHeight, 0);
        }
        break;
    case 1:
        for (int x = 2; x + 10 < BarWidth; x += 13) p.fillRect(x, 3, 10, BarHeight - 6, QColor(120, 230, 120));
        break;
    default: {
        QLinearGradient g(0, 0, 0, BarHeight);
        g.setColorAt(0, QColor(200, 255, 200));
        g.setColorAt(1, QColor(20, 140, 40));
        p.fillRect(bar.rect().adjusted(1, 1, -1, -1), g);
        break;
    }
    }
    return bar;
}

}  // namespace

TF_Loading::TF_Loading(uint32_t& randSeed, QWidget* parent) : QDialog(parent), Seed_(randSeed)
{
    setObjectName("F_Loading");
    setWindowTitle("Quillotaire");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    L_Process = new QLabel("Loading cards...", this);
    layout->addWidget(L_Process);
    auto* panel = new QFrame(this);
    panel->setObjectName("P_Progress");
    panel->setStyleSheet("#P_Progress { background: #008000; }");
    panel->setFixedSize(BarWidth + 8, BarHeight + 8);
    I_Progress = new QLabel(panel);
    I_Progress->move(4, 4);
    I_Progress->resize(0, BarHeight);
    layout->addWidget(panel);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (int i = 0; i < 3; ++i) Bars_[static_cast<size_t>(i)] = DrawBar(i);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &TF_Loading::Timer1Timer);
}

void TF_Loading::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    Timer1.stop();
    Bar_ = static_cast<int>(Random(Seed_, 3));
    I_Progress->setPixmap(Bars_[static_cast<size_t>(Bar_)]);
    Shown_ = 0;
    I_Progress->resize(0, BarHeight);
    Success_ = false;
    if (Loader_) Success_ = Loader_([this] { Stage(); });
    Timer1.start();
}

void TF_Loading::Stage()
{
    Shown_ = std::min(BarWidth, Shown_ + BarWidth / 8);
    I_Progress->resize(Shown_, BarHeight);
    I_Progress->repaint();
}

void TF_Loading::Timer1Timer()
{
    Timer1.stop();
    done(Success_ ? QDialog::Accepted : QDialog::Rejected);
}

}  // namespace quillo
