// The Options menu's looks: background colour and card back.

#include <QAction>
#include <QColorDialog>

#include "main_window.h"
#include "shirts.h"

namespace quillo {

void F_Main::MI_OptionsBkgColorClick()
{
    BKG_PARAM& bkg = Field_->Bkg;
    const uint32_t rgb = bkg.BackgroundColor;
    const QColor old((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    const QColor picked = PickColour ? PickColour(old) : QColorDialog::getColor(old, this, "Background Color");
    if (!picked.isValid()) return;
    bkg.BackgroundColor = (static_cast<uint32_t>(picked.red()) << 16) | (static_cast<uint32_t>(picked.green()) << 8) |
                          static_cast<uint32_t>(picked.blue());
    bkg.BackgroundMode = BackgroundColour;
    Field_->DrawField(Game_.T);
}

void F_Main::MI_OptionsBackClick()
{
    GameRules& r = Game_.T.Rules;
    if (r.BackCount < 2) return;
    TF_Shirts dialog(Field_->Art, r.CardSizes[Upright], r.BackCount, r.BackIndex, this);
    const bool ok = ShowShirts ? ShowShirts(dialog) : dialog.exec() == QDialog::Accepted;
    if (!ok) return;
    r.BackIndex = dialog.SelectedBack;
    Field_->DrawField(Game_.T);
}

void F_Main::EnableBack(bool on)
{
    MI_OptionsBack->setEnabled(on);
    if (auto* button = findChild<QAction*>("B_Back")) button->setEnabled(on);
}

}  // namespace quillo
