#pragma once
// The little pictures beside the Customize dialog's groups: a few cards
// that show what the selected rule means.

#include <QPixmap>

namespace quillo {

enum class RulePicture {
    GetDeckCardNum1,
    GetDeckCardNum3,
    ConsValInc,
    ConsValDec,
    ConsValIncDec,
    ConsSuitOne,
    ConsSuitOneColor,
    ConsSuitOpp,
    ConsSuitAny,
    MoveUnitAny,
    MoveUnitLegal,
    MoveUnitNo,
};

constexpr int RulePictureWidth = 96;
constexpr int RulePictureHeight = 84;

QPixmap DrawRulePicture(RulePicture which);

}  // namespace quillo
