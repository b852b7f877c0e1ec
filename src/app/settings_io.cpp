// The settings file seen from the window: what start-up takes from it and
// what shutdown puts back.

#include <QAction>
#include <QFileInfo>

#include "engine/catalogue.h"
#include "engine/game_table.h"
#include "games_dialog.h"
#include "main_window.h"
#include "presentation/image_loader.h"
#include "window_placement.h"

namespace quillo {

namespace {

// The file keeps colours as 0x00BBGGRR, the field as 0x00RRGGBB.
uint32_t SwapRedBlue(uint32_t c)
{
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

}  // namespace

void F_Main::ReadSettingsFile()
{
    SettingsEnv env;
    env.ProgramDir = Files_.DataDir;
    // A game this program cannot lay out would leave an empty table: such an
    // index starts Star like an unknown one.
    env.IsListedGame = [](int32_t game) { return game >= 0 && game < CatalogueSize && IsPlayable(game); };
    env.FileExists = [](const std::string& path) { return QFileInfo(QString::fromStdString(path)).isFile(); };
    const SettingsLoad load = ReadSettings(Files_.Settings, env);
    const std::string& path = Files_.Settings;
    if (load.Source == SettingsSource::IoError)
        StartNotes_.push_back(QString::fromStdString("Could not read the settings file " + path + ": " + load.Error + "."));
    if (load.Source == SettingsSource::Damaged || load.Source == SettingsSource::Foreign) {
        bool copied = false;
        const IoResult kept = SetAsideUnreadable(path, &copied);
        if (!kept.Ok())
            StartNotes_.push_back(QString::fromStdString("Could not copy the damaged settings file " + path + " to " +
                                                         path + ".bak: " + kept.Error + "."));
        else if (copied)
            StartNotes_.push_back(QString::fromStdString("The settings file " + path +
                                                         " is damaged; the defaults are used and a copy is kept in " +
                                                         path + ".bak."));
    }
    ApplySettings(load.Value);
    // Only a file read whole says where the player left the window.
    StoredPlacement_.reset();
    if (load.Source == SettingsSource::File && load.Value.HasWindowPosition) {
        const Settings& v = load.Value;
        StoredPlacement_ = WindowPlacement{v.WindowLeft, v.WindowTop, v.WindowWidth, v.WindowHeight};
    }
}

void F_Main::ApplySettings(const Settings& s)
{
    TableState& t = Game_.T;
    t.CurrentGame = s.CurrentGame;
    t.CurrentCustom = s.CurrentCustom;

    BKG_PARAM& bkg = Field_->Bkg;
    bkg.BackgroundColor = SwapRedBlue(s.BackgroundColor);
    bkg.BackgroundMode = static_cast<uint8_t>(s.Background);
    bkg.TexturePath = s.TexturePath;
    bkg.PickedTexture = s.TexturePath;
    if (s.NeedsTexture()) {
        // An unreadable picture turns the background back to the colour.
        PixelBuffer texture;
        if (!LoadImageFile(texture, s.TexturePath)) texture.Free();
        Field_->SetTexture(std::move(texture), s.TexturePath);
    }

    // The loading window reads this set; the back is checked against it there.
    PickedDeck = s.CardSetPath;
    Files_.CardSetPath = s.CardSetPath;
    t.Rules.BackIndex = s.BackIndex;
    if (F_Games) F_Games->RecentGames = s.Recent;

    t.Opt = s.Opt;
    MI_OptionsSound->setChecked(s.Opt.Sound);
    MI_OptionsAnimation->setChecked(s.Opt.Animation);
    MI_OptionsAutoplay->setChecked(s.Opt.Autoplay);
}

Settings F_Main::CurrentSettings() const
{
    const TableState& t = Game_.T;
    const BKG_PARAM& bkg = Field_->Bkg;
    Settings s;
    s.CurrentGame = t.CurrentGame;
    s.CurrentCustom = t.CurrentCustom;
    s.BackgroundColor = SwapRedBlue(bkg.BackgroundColor);
    s.Background = static_cast<BackgroundMode>(bkg.BackgroundMode);
    s.TexturePath = bkg.TexturePath;
    s.CardSetPath = PickedDeck.empty() ? Files_.CardSetPath : PickedDeck;
    s.BackIndex = t.Rules.BackIndex;
    if (F_Games) s.Recent = F_Games->RecentGames;
    s.WindowWidth = width();
    s.WindowHeight = height();
    s.WindowLeft = x();
    s.WindowTop = y();
    s.HasWindowPosition = true;
    s.Opt = {MI_OptionsSound->isChecked(), MI_OptionsAnimation->isChecked(), MI_OptionsAutoplay->isChecked()};
    return s;
}

void F_Main::WriteSettingsFile()
{
    const Settings now = CurrentSettings();
    const IoResult done = WriteSettings(Files_.Settings, ForStoring(now, Files_.DataDir));
    if (done.Ok())
        WrittenSettings_ = now;
    else
        ShowWriteError("settings file", Files_.Settings, done.Error);
}

}  // namespace quillo
