// The Options menu's looks: background colour and texture, deck and card back.

#include <QAction>
#include <QColorDialog>

#include "bkg_pics.h"
#include "main_window.h"
#include "engine/labels.h"
#include "engine/setup.h"
#include "presentation/card_set_reader.h"
#include "presentation/image_loader.h"
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

void F_Main::MI_OptionsBkgTextureClick()
{
    BkgPicsContext ctx;
    ctx.Mode = PickerMode::Texture;
    ctx.Directory = Files_.TextureDir;
    ctx.OwnDirectory = Files_.PlayerDir;
    ctx.CurrentPath = Field_->Bkg.TexturePath;
    ctx.LoadPicture = [](const std::string& path, PixelBuffer& picture) { return LoadImageFile(picture, path); };
    ctx.Message = [this](const QString& text) { ShowMessage("Quillotaire", text); };
    TF_BkgPics picker(ctx, this);
    const bool ok = ShowPicker ? ShowPicker(picker) : picker.exec() == QDialog::Accepted;
    if (!ok) return;
    BKG_PARAM& bkg = Field_->Bkg;
    bkg.PickedTexture = picker.Picked();
    bkg.BackgroundMode = BackgroundTiled;
    // A picture that cannot be read turns the background back to the colour.
    PixelBuffer texture;
    if (!LoadImageFile(texture, bkg.PickedTexture)) texture.Free();
    Field_->SetTexture(std::move(texture), bkg.PickedTexture);
    Field_->DrawField(Game_.T);
}

void F_Main::MI_OptionsDeckClick()
{
    BkgPicsContext ctx;
    ctx.Mode = PickerMode::Deck;
    ctx.Directory = Files_.DeckDir;
    ctx.OwnDirectory = Files_.PlayerDir;
    ctx.CurrentPath = PickedDeck;
    ctx.Leading = {{"Fit to window", FittedCardSetName}};
    ctx.LoadPicture = [](const std::string& path, PixelBuffer& picture) {
        if (path == FittedCardSetName) return FittedSetPreview(picture);
        return LoadCardSetPreview(path, picture);
    };
    ctx.Message = [this](const QString& text) { ShowMessage("Quillotaire", text); };
    TF_BkgPics picker(ctx, this);
    const bool ok = ShowPicker ? ShowPicker(picker) : picker.exec() == QDialog::Accepted;
    if (!ok) return;
    // A set that fails to load leaves the cards and the deck in use as they were.
    const std::string inUse = PickedDeck;
    PickedDeck = picker.Picked();
    if (!LoadCards()) {
        ShowError(QString::fromStdString("The card set " + PickedDeck + " could not be read; the cards of " + inUse +
                                         " stay."));
        PickedDeck = inUse;
        return;
    }
    Files_.CardSetPath = PickedDeck;
    Game_.T.Rules.BackIndex = 0;
    // The same deal goes on: its number stays in the caption.
    RelayoutTable();
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
