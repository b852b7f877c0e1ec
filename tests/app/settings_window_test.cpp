// Settings and counted games carried from one run to the next: written when
// they change or the window closes, read and applied at the next start, with
// their fallbacks; and where the shipped data is looked for.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include "app/file_names.h"
#include "app/running_window.h"
#include "engine/catalogue.h"
#include "storage/settings_file.h"

namespace quillo {
namespace {

using test::WriteBytes;

// The settings the window holds, but for its place on the screen.
Settings Held(const F_Main& w)
{
    Settings s = w.CurrentSettings();
    s.WindowWidth = s.WindowHeight = s.WindowLeft = s.WindowTop = 0;
    s.HasWindowPosition = false;
    return s;
}

TEST(SettingsAcrossRuns, WrittenAtCloseAndTakenBackAtTheNextStart)
{
    test::ProgramDir dir;
    WriteBytes(dir.File("tiny.cr3"), "not read here");
    Settings s;
    s.CurrentGame = games::FreeCell;
    s.CardSetPath = dir.File("tiny.cr3");
    s.BackIndex = 2;
    s.BackgroundColor = 0x302010;  // blue 0x30, green 0x20, red 0x10
    s.Recent = {{games::FreeCell, -1}, {games::Klondike, -1}};
    s.Opt = {false, true, false};
    {
        F_Main w(dir.Path());
        // A fresh installation: Klondike, cards fitted to the window, green, all options on.
        w.ReadSettingsFile();
        const Settings fresh = w.CurrentSettings();
        EXPECT_EQ(std::tie(fresh.CurrentGame, fresh.CardSetPath, fresh.BackgroundColor, fresh.Opt),
                  std::make_tuple(games::Klondike, std::string(FittedCardSetName), 0x008000u, Options{true, true, true}));
        w.ApplySettings(s);
        EXPECT_EQ(Held(w), s);
        // The field keeps red in the high byte; the game plays by the options.
        EXPECT_EQ(w.TableField().Bkg.BackgroundColor, 0x102030u);
        EXPECT_EQ(w.CurrentGame().T.Opt, s.Opt);
        w.close();
    }
    // The next start deals the game of the settings.
    F_Main w(dir.Path());
    w.ShowError = [](const QString&) {};  // the deck is not a card set
    w.StartUp(true);
    EXPECT_EQ(Held(w), s);
    EXPECT_EQ(w.CurrentGame().T.CurrentGame, games::FreeCell);
    EXPECT_TRUE(w.CurrentGame().T.LayoutReady);
    EXPECT_EQ(w.CurrentGame().T.Opt, s.Opt);
}

TEST(SettingsAcrossRuns, UnknownGamesMissingDecksAndTexturesFallBack)
{
    struct Row {
        int Game;
        const char* Deck;  // the deck written, which may not exist
        BackgroundMode Mode;
        const char* Texture;
        int StartsGame;
        const char* DeckAfter;
        Bgr Corner;  // of the drawn background
    };
    const Bgr tiled{50, 100, 200}, colour{0x30, 0x20, 0x10};
    const Row rows[] = {
        {games::FreeCell, "gone.cr3", BackgroundMode::Tiled, "tile.bmp", games::FreeCell, "standard.cr3", tiled},
        {games::FourPackages, "tiny.cr3", BackgroundMode::Tiled, "gone.bmp", games::FourPackages, "tiny.cr3", colour},
        {CatalogueSize, "tiny.cr3", BackgroundMode::Plain, "tile.bmp", games::Star, "tiny.cr3", colour},
        {-3, "gone.cr3", BackgroundMode::Plain, "", games::Star, "standard.cr3", colour},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Game);
        test::ProgramDir dir;
        WriteBytes(dir.File("tiny.cr3"), "x");
        QImage tile(8, 8, QImage::Format_RGB888);
        tile.fill(QColor(200, 100, 50));
        ASSERT_TRUE(tile.save(QString::fromStdString(dir.File("tile.bmp"))));
        Settings s;
        s.CurrentGame = row.Game;
        s.CurrentCustom = 4;
        s.CardSetPath = dir.File(row.Deck);
        s.BackgroundColor = 0x302010;
        s.Background = row.Mode;
        s.TexturePath = dir.File(row.Texture);
        ASSERT_TRUE(WriteSettings(dir.File(SettingsFileName), s).Ok());
        F_Main w(dir.Path());
        w.ResizeField(792, 526);
        w.ReadSettingsFile();
        EXPECT_EQ(w.CurrentGame().T.CurrentGame, row.StartsGame);
        EXPECT_EQ(w.CurrentGame().T.CurrentCustom, row.StartsGame == row.Game ? 4 : -1);
        EXPECT_EQ(w.CurrentSettings().CardSetPath, dir.File(row.DeckAfter));
        Field& f = w.TableField();
        f.DrawBackground(f.I_Field);
        EXPECT_EQ(f.I_Field.GetPixel(f.Width() - 1, f.Height() - 1), row.Corner);
    }
}

// Changed settings reach the disk as soon as the current event is done,
// without the window closing (a signal or a lost display may end the run at
// any moment).
TEST(SettingsAcrossRuns, WrittenWhenChanged)
{
    test::ProgramDir dir;
    F_Main w(dir.Path());
    w.ReadSettingsFile();
    test::StartGame(w.CurrentGame(), games::Klondike);
    w.MI_OptionsSound->setChecked(false);
    QApplication::processEvents();
    SettingsEnv env;
    EXPECT_FALSE(ReadSettings(dir.File("quillo.set"), env).Value.Opt.Sound);
}

// Damaged player files are told once, after the welcome box, naming the
// file and its copy; the next start says nothing more about them. Damaged
// settings are kept as .bak too.
TEST(SettingsAcrossRuns, DamagedFilesAreToldOnceWithTheirNames)
{
    test::ProgramDir dir;
    const QByteArray damaged("CARDSSET\0broken", 15);
    WriteBytes(dir.File("quillo.set"), damaged);
    WriteBytes(dir.File("quillo.cus"), QByteArray("CUSTOMGAME\0\0001.1\0\0\0\0\0\0\0abcd", 26));
    WriteBytes(dir.File("quillo.won"), QByteArray("CARDSSTAT\0\0003.0", 14));
    // A whole head and a cut record.
    WriteBytes(dir.File("quillo.str"), QByteArray("CARDSSTRK\0001.0\0\0\0\0\0\0\0\1\2", 22));
    for (size_t told : {4u, 0u}) {
        std::vector<QString> errors;
        F_Main w(dir.Path());
        w.ShowError = [&](const QString& text) {
            if (!text.startsWith("The cards could not be loaded")) errors.push_back(text);
        };
        w.StartUp(true);
        EXPECT_TRUE(w.CurrentGame().T.LayoutReady);
        ASSERT_EQ(errors.size(), told);
        const char* names[] = {"quillo.cus", "quillo.won", "quillo.str", "quillo.set"};
        for (size_t i = 0; i < told; ++i)
            EXPECT_TRUE(errors[i].contains(QString::fromStdString(dir.File(names[i]))) && errors[i].contains(".bak"))
                << errors[i].toStdString();
        w.close();
    }
    EXPECT_EQ(test::ReadBytes(dir.File("quillo.set.bak")), damaged);
}

TEST(DataDir, BesideTheProgramThenShareThenXdg)
{
    const std::tuple<const char*, std::vector<const char*>, const char*> rows[] = {
        {"build tree or portable copy", {"prefix/bin", "prefix/share/quillotaire", "xdg1/quillotaire"}, "prefix/bin"},
        {"installed under a prefix", {"prefix/share/quillotaire", "xdg1/quillotaire"}, "prefix/share/quillotaire"},
        {"only in XDG data folders: the first that has it", {"xdg2/quillotaire", "xdg3/quillotaire"}, "xdg2/quillotaire"},
        {"nowhere: the program directory", {}, "prefix/bin"},
    };
    for (const auto& [what, shipped, want] : rows) {
        SCOPED_TRACE(what);
        QTemporaryDir root;
        const auto dir = [&](const char* rel) { return QDir::cleanPath(root.path() + "/" + rel).toStdString() + "/"; };
        QDir().mkpath(QString::fromStdString(dir("prefix/bin")));
        for (const char* rel : shipped) {
            QDir().mkpath(QString::fromStdString(dir(rel)));
            WriteBytes(dir(rel) + "standard.cr3", "");
        }
        EXPECT_EQ(FindDataDir(dir("prefix/bin"), {dir("xdg1"), "", dir("xdg2"), dir("xdg3")}), dir(want));
    }
}

}  // namespace
}  // namespace quillo
