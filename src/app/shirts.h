#pragma once
// The back picker (F_Shirts): the backs of the current card set side by
// side; a click lowers one, OK makes it the back the cards show.

#include <QDialog>
#include <array>

#include "presentation/field.h"

class QFrame;
class QLabel;
class QPushButton;

namespace quillo {

constexpr int ShirtPlaces = 5;

// Back b of the set, masked by the upright card's shape over the given colour.
PixelBuffer BackPicture(const CardArt& art, const CardSize& upright, int back, Bgr face);

class TF_Shirts : public QDialog {
    Q_OBJECT
public:
    // backIndex is the back in use; backCount of the set's backs are offered.
    TF_Shirts(const CardArt& art, const CardSize& upright, int backCount, int backIndex, QWidget* parent = nullptr);

    int SelectedBack = 0;
    // A click on the picture of a back (its tag); places without a back do nothing.
    void I_ShirtClick(int back);
    void B_OkClick();

    std::array<QFrame*, ShirtPlaces> P_Shirt{};
    std::array<QLabel*, ShirtPlaces> I_Shirt{};
    QPushButton* B_Ok = nullptr;
    QPushButton* B_Cancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Lower(int back);
    int BackCount_;
};

}  // namespace quillo
