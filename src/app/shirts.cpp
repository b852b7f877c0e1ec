#include "shirts.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "game_preview.h"
#include "presentation/raster_ops.h"

namespace quillo {

namespace {

constexpr int Pad = 10;      // a panel is the card plus 5 pixels each side
constexpr int Gap = 10;      // between panels
constexpr int Margin = 8;    // outer panel right of the last place
constexpr int ButtonGap = 20;

}  // namespace

PixelBuffer BackPicture(const CardArt& art, const CardSize& upright, int back, Bgr face)
{
    const int w = upright.Width, h = upright.Height;
    PixelBuffer pic(w, h);
    Fill(pic, face);
    if (!art.Ready()) return pic;
    const int P = art.FramePitch;
    DrawMasked(pic, 0, 0, *art.Frames, P + 1, Upright * P + 1, *art.Sheets[Upright], (w + 1) * 13, (h + 1) * back, w,
               h);
    return pic;
}

TF_Shirts::TF_Shirts(const CardArt& art, const CardSize& upright, int backCount, int backIndex, QWidget* parent)
    : QDialog(parent), BackCount_(std::clamp(backCount, 0, ShirtPlaces))
{
    setObjectName("F_Shirts");
    setWindowTitle("Choose Back");
    const int w = upright.Width, h = upright.Height;
    const QColor faceColour = palette().color(QPalette::Button);
    const Bgr face{static_cast<uint8_t>(faceColour.blue()), static_cast<uint8_t>(faceColour.green()),
                   static_cast<uint8_t>(faceColour.red())};

    int left = Gap;
    for (int i = 0; i < ShirtPlaces; ++i) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QString("P_Shirt%1").arg(i + 1));
        panel->setGeometry(left, Gap, w + Pad, h + Pad);
        panel->setFrameStyle(QFrame::Panel | QFrame::Plain);
        panel->setLineWidth(0);
        auto* image = new QLabel(panel);
        image->setObjectName(QString("I_Shirt%1").arg(i + 1));
        image->setGeometry(Pad / 2, Pad / 2, w, h);
        image->setProperty("tag", i);
        image->hide();
        image->installEventFilter(this);
        P_Shirt[static_cast<size_t>(i)] = panel;
        I_Shirt[static_cast<size_t>(i)] = image;
        if (i < BackCount_) {
            image->setPixmap(QPixmap::fromImage(ToQImage(BackPicture(art, upright, i, face))));
            image->show();
        }
        if (i + 1 < ShirtPlaces) left += w + Pad + Gap;
    }
    const int width = left + w + Pad + Margin;

    B_Ok = new QPushButton("OK", this);
    B_Cancel = new QPushButton("Cancel", this);
    B_Ok->setDefault(true);
    const QSize bs = B_Cancel->sizeHint().expandedTo(QSize(75, 25));
    const int buttonsTop = Gap + h + Pad + 12;
    B_Cancel->setGeometry(width - ButtonGap - bs.width(), buttonsTop, bs.width(), bs.height());
    B_Ok->setGeometry(B_Cancel->x() - ButtonGap - bs.width(), buttonsTop, bs.width(), bs.height());
    connect(B_Ok, &QPushButton::clicked, this, &TF_Shirts::B_OkClick);
    connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(width, buttonsTop + bs.height() + 12);

    SelectedBack = backIndex;
    Lower(backIndex);
}

void TF_Shirts::Lower(int back)
{
    for (int i = 0; i < ShirtPlaces; ++i) {
        QFrame* panel = P_Shirt[static_cast<size_t>(i)];
        const bool lowered = i == back;
        panel->setFrameStyle(QFrame::Panel | (lowered ? QFrame::Sunken : QFrame::Plain));
        panel->setLineWidth(lowered ? 2 : 0);
    }
}

void TF_Shirts::I_ShirtClick(int back)
{
    if (back < 0 || back >= BackCount_) return;
    Lower(back);
    SelectedBack = back;
}

void TF_Shirts::B_OkClick()
{
    accept();
}

bool TF_Shirts::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
        const int back = watched->property("tag").toInt();
        I_ShirtClick(back);
        if (e->type() == QEvent::MouseButtonDblClick && back < BackCount_) B_OkClick();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace quillo
