// Settings carried from one run to the next: written when the window closes,
// read and applied at the next start, with their fallbacks.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "app/file_bytes.h"
#include "app/games_dialog.h"
#include "app/running_window.h"
#include "engine/catalogue.h"
#include "storage/settings_file.h"

namespace quillo {
namespace {

using test::WriteBytes;

TEST(SettingsAcrossRuns, WrittenAtCloseAndTakenBackAtTheNextStart)
{
    test::ProgramDir dir;
    WriteBytes(dir.File("tiny.cr3"), "not read here");
    {
        F_Main w(dir.Path());
        // A fresh installation: Klondike, cards fitted to the window, green, all options on.
        w.ReadSettingsFile();
        Settings s = w.CurrentSettings();
        EXPECT_EQ(s.CurrentGame, games::Klondike);
        EXPECT_EQ(s.CardSetPath, FittedCardSetName);
        EXPECT_EQ(w.TableField().Bkg.BackgroundColor, 0x008000u);
        EXPECT_EQ(s.Opt, (Options{true, true, true}));

        s.CurrentGame = games::FreeCell;
        s.CardSetPath = dir.File("tiny.cr3");
        s.BackIndex = 2;
        s.BackgroundColor = 0x302010;  // blue 0x30, green 0x20, red 0x10
        s.Recent = {{games::FreeCell, -1}, {games::Klondike, -1}};
        s.Opt = {false, true, false};
        w.ApplySettings(s);
        // The field keeps red in the high byte; the check marks are the options.
        EXPECT_EQ(w.TableField().Bkg.BackgroundColor, 0x102030u);
        EXPECT_FALSE(w.MI_OptionsSound->isChecked());
        EXPECT_FALSE(w.CurrentGame().T.Opt.Autoplay);
        w.close();
    }
    {
        // The next start deals the game of the settings.
        F_Main w(dir.Path());
        w.ShowError = [](const QString&) {};  // the deck is not a card set
        w.StartUp(true);
        const Settings s = w.CurrentSettings();
        EXPECT_EQ(w.CurrentGame().T.CurrentGame, games::FreeCell);
        EXPECT_TRUE(w.CurrentGame().T.LayoutReady);
        EXPECT_EQ(s.CardSetPath, dir.File("tiny.cr3"));
        EXPECT_EQ(s.BackIndex, 2);
        EXPECT_EQ(w.TableField().Bkg.BackgroundColor, 0x102030u);
        EXPECT_EQ(w.F_Games->RecentGames, (std::vector<RecentGame>{{games::FreeCell, -1}, {games::Klondike, -1}}));
        EXPECT_EQ(w.CurrentGame().T.Opt, (Options{false, true, false}));
        EXPECT_FALSE(w.MI_OptionsAutoplay->isChecked());
        EXPECT_TRUE(w.MI_OptionsAnimation->isChecked());
    }
}

TEST(SettingsAcrossRuns, UnknownGamesAndMissingDecksFallBack)
{
    struct Row {
        int Game;
        bool DeckExists;
        int StartsGame;
        const char* Deck;
    };
    const Row rows[] = {
        {games::FreeCell, false, games::FreeCell, "standard.cr3"},
        {games::FourPackages, true, games::FourPackages, "tiny.cr3"},
        {CatalogueSize, true, games::Star, "tiny.cr3"},
        {-3, false, games::Star, "standard.cr3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Game);
        test::ProgramDir dir;
        if (row.DeckExists) WriteBytes(dir.File("tiny.cr3"), "x");
        Settings s;
        s.CurrentGame = row.Game;
        s.CurrentCustom = 4;
        s.CardSetPath = dir.File("tiny.cr3");
        ASSERT_TRUE(WriteSettings(dir.File(SettingsFileName), s).Ok());
        F_Main w(dir.Path());
        w.ReadSettingsFile();
        EXPECT_EQ(w.CurrentGame().T.CurrentGame, row.StartsGame);
        EXPECT_EQ(w.CurrentGame().T.CurrentCustom, row.StartsGame == row.Game ? 4 : -1);
        EXPECT_EQ(w.CurrentSettings().CardSetPath, dir.File(row.Deck));
    }
}

TEST(SettingsAcrossRuns, TexturedBackgroundIsLoadedOrFallsBackToTheColour)
{
    test::ProgramDir dir;
    QImage tile(8, 8, QImage::Format_RGB888);
    tile.fill(QColor(200, 100, 50));
    ASSERT_TRUE(tile.save(QString::fromStdString(dir.File("tile.bmp"))));
    struct Row {
        const char* Texture;
        BackgroundMode Mode;
        uint8_t FieldMode;
        Bgr Corner;
    };
    const Row rows[] = {
        {"tile.bmp", BackgroundMode::Tiled, BackgroundTiled, {50, 100, 200}},
        {"gone.bmp", BackgroundMode::Tiled, BackgroundColour, {0x30, 0x20, 0x10}},
        {"tile.bmp", BackgroundMode::Plain, BackgroundColour, {0x30, 0x20, 0x10}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Texture);
        Settings s;
        s.BackgroundColor = 0x302010;
        s.Background = row.Mode;
        s.TexturePath = dir.File(row.Texture);
        ASSERT_TRUE(WriteSettings(dir.File(SettingsFileName), s).Ok());
        F_Main w(dir.Path());
        w.ResizeField(792, 526);
        w.ReadSettingsFile();
        Field& f = w.TableField();
        EXPECT_EQ(f.Bkg.BackgroundMode, row.FieldMode);
        f.DrawBackground(f.I_Field);
        EXPECT_EQ(f.I_Field.GetPixel(f.Width() - 1, f.Height() - 1), row.Corner);
    }
}

// Counted games and changed settings reach the disk as soon as the current
// event is done, without the window closing (a signal or a lost display may
// end the run at any moment); a damaged settings file is kept as .bak.
TEST(SettingsAcrossRuns, WrittenWhenChangedAndDamagedFilesKept)
{
    test::ProgramDir dir;
    const QByteArray damaged("CARDSSET\0broken", 15);
    WriteBytes(dir.File("quillo.set"), damaged);
    F_Main w(dir.Path());
    w.ReadSettingsFile();
    EXPECT_EQ(test::ReadBytes(dir.File("quillo.set.bak")), damaged);
    test::StartGame(w.CurrentGame(), games::Klondike);

    w.MI_OptionsSound->setChecked(false);
    w.OnGamePlayed();
    w.OnGamePlayed();
    QApplication::processEvents();
    SettingsEnv env;
    EXPECT_FALSE(ReadSettings(dir.File("quillo.set"), env).Value.Opt.Sound);
    EXPECT_EQ(test::StoredRow(dir, games::Klondike).Played, 2);
}

// A game counted as played ends won or left: a new deal, a restart or
// another game leave it and break the streak.
TEST(StreaksAcrossRuns, LeavingAGameBreaksTheStreak)
{
    test::ProgramDir dir;
    {
        F_Main w(dir.Path());
        w.ShowWinForm = [] {};
        test::StartGame(w.CurrentGame(), games::Klondike);
        w.OnGamePlayed();
        w.MI_GameNewClick();  // left
        for (int i = 0; i < 2; ++i) {
            w.OnGamePlayed();
            w.CountWin();
            w.MI_GameNewClick();  // after a win nothing is left
        }
        w.MI_GameRestartClick();  // a restart before the first press leaves nothing
        QApplication::processEvents();
        EXPECT_EQ(test::StoredRow(dir, games::Klondike).Streak, 2);
        w.OnGamePlayed();
        w.MI_GameRestartClick();  // left
        w.OnGamePlayed();
        w.CountWin();
        w.close();
    }
    const GameRow k = test::StoredRow(dir, games::Klondike);
    EXPECT_EQ(std::tie(k.Played, k.Won, k.Streak, k.LongestStreak), std::make_tuple(5, 3, 1, 2));
}

// Damaged player files are told once, after the welcome box, naming the
// file and its copy; the next start says nothing more about them.
TEST(SettingsAcrossRuns, DamagedFilesAreToldOnceWithTheirNames)
{
    test::ProgramDir dir;
    WriteBytes(dir.File("quillo.cus"), QByteArray("CUSTOMGAME\0\0001.1\0\0\0\0\0\0\0abcd", 26));
    WriteBytes(dir.File("quillo.won"), QByteArray("CARDSSTAT\0\0003.0", 14));
    // A whole head and a cut record.
    WriteBytes(dir.File("quillo.str"),
               QByteArray("CARDSSTRK", 10) + QByteArray("1.0\0\0\0\0\0\0\0", 10) + QByteArray("\1\2", 2));
    for (size_t run : {0u, 1u}) {
        std::vector<QString> told;
        F_Main w(dir.Path());
        w.ShowError = [&](const QString& text) {
            if (!text.startsWith("The cards could not be loaded")) told.push_back(text);
        };
        w.StartUp(true);
        EXPECT_TRUE(w.CurrentGame().T.LayoutReady);
        if (run == 0) {
            ASSERT_EQ(told.size(), 3u);
            const char* names[] = {"quillo.cus", "quillo.won", "quillo.str"};
            for (size_t i = 0; i < 3; ++i)
                EXPECT_TRUE(told[i].contains(QString::fromStdString(dir.File(names[i]))) && told[i].contains(".bak"))
                    << told[i].toStdString();
        } else {
            EXPECT_TRUE(told.empty()) << told.front().toStdString();
        }
        w.close();
    }
}

}  // namespace
}  // namespace quillo
