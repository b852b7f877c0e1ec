// Settings carried from one run to the next and the option commands that
// change them: written when they change or the window closes, read and
// applied at the next start with their fallbacks; colour, texture, deck and
// back through their dialogs; where the shipped data is looked for; and a
// custom game chosen, made and played, found again after a restart.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/bkg_pics.h"
#include "app/customize_dialog.h"
#include "app/dialog_support.h"
#include "app/file_names.h"
#include "app/games_dialog.h"
#include "app/main_window.h"
#include "app/running_window.h"
#include "app/shirts.h"
#include "app/thumbnails.h"
#include "engine/card_fit.h"
#include "engine/catalogue.h"
#include "storage/settings_file.h"
#include "support/drawn_art.h"

namespace quillo {
namespace {

using test::WriteBytes;

// An 8 x 8 picture of blue 50, green 100, red 200.
bool SaveTile(const std::string& path)
{
    QImage tile(8, 8, QImage::Format_RGB888);
    tile.fill(QColor(200, 100, 50));
    return tile.save(QString::fromStdString(path));
}

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
    // The background blue 0x30, green 0x20, red 0x10.
    const Settings s{.CurrentGame = games::FreeCell, .BackgroundColor = 0x302010, .TexturePath = {},
                     .CardSetPath = dir.File("tiny.cr3"), .BackIndex = 2,
                     .Recent = {{games::FreeCell, -1}, {games::Klondike, -1}}, .Opt = {false, true, false}};
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
        EXPECT_EQ(std::pair(w.TableField().Bkg.BackgroundColor, w.CurrentGame().T.Opt), std::pair(0x102030u, s.Opt));
        w.close();
    }
    // The next start deals the game of the settings.
    F_Main w(dir.Path());
    w.ShowError = [](const QString&) {};  // the deck is not a card set
    w.StartUp(true);
    EXPECT_EQ(Held(w), s);
    const TableState& t = w.CurrentGame().T;
    EXPECT_EQ(std::tie(t.CurrentGame, t.LayoutReady, t.Opt), std::make_tuple(games::FreeCell, true, s.Opt));
}

TEST(SettingsAcrossRuns, UnknownGamesMissingDecksAndTexturesFallBack)
{
    // The game, deck (which may not exist), background and texture written;
    // the game started, the deck used and the background's corner.
    const Bgr tiled{50, 100, 200}, colour{0x30, 0x20, 0x10};
    const std::tuple<int, const char*, BackgroundMode, const char*, int, const char*, Bgr> rows[] = {
        {games::FreeCell, "gone.cr3", BackgroundMode::Tiled, "tile.bmp", games::FreeCell, "standard.cr3", tiled},
        {games::FourPackages, "tiny.cr3", BackgroundMode::Tiled, "gone.bmp", games::FourPackages, "tiny.cr3", colour},
        {CatalogueSize, "tiny.cr3", BackgroundMode::Plain, "tile.bmp", games::Star, "tiny.cr3", colour},
        {-3, "gone.cr3", BackgroundMode::Plain, "", games::Star, "standard.cr3", colour},
    };
    for (const auto& [game, deck, mode, texture, startsGame, deckAfter, corner] : rows) {
        SCOPED_TRACE(game);
        test::ProgramDir dir;
        WriteBytes(dir.File("tiny.cr3"), "x");
        ASSERT_TRUE(SaveTile(dir.File("tile.bmp")));
        const Settings s{.CurrentGame = game, .CurrentCustom = 4, .BackgroundColor = 0x302010, .Background = mode,
                         .TexturePath = dir.File(texture), .CardSetPath = dir.File(deck), .Recent = {}, .Opt = {}};
        ASSERT_TRUE(WriteSettings(dir.File(SettingsFileName), s).Ok());
        F_Main w(dir.Path());
        w.ResizeField(792, 526);
        w.ReadSettingsFile();
        Field& f = w.TableField();
        f.DrawBackground(f.I_Field);
        const TableState& t = w.CurrentGame().T;
        EXPECT_EQ(std::tuple(t.CurrentGame, t.CurrentCustom, w.CurrentSettings().CardSetPath,
                             f.I_Field.GetPixel(f.Width() - 1, f.Height() - 1)),
                  std::tuple(startsGame, startsGame == game ? 4 : -1, dir.File(deckAfter), corner));
    }
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
    const char* names[] = {"quillo.cus", "quillo.won", "quillo.str", "quillo.set"};
    for (size_t told : {4u, 0u}) {
        std::vector<QString> errors;
        F_Main w(dir.Path());
        w.ShowError = [&](const QString& text) {
            if (!text.startsWith("The cards could not be loaded")) errors.push_back(text);
        };
        w.StartUp(true);
        EXPECT_TRUE(w.CurrentGame().T.LayoutReady);
        ASSERT_EQ(errors.size(), told);
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

struct WindowFixture : ::testing::Test {
    test::ProgramDir Dir;
    F_Main W{Dir.Path()};
    test::DrawnArt Art;
    Field& F = W.TableField();
    GameRules& Rules = W.CurrentGame().T.Rules;

    void SetUp() override
    {
        Art.Attach(F);
        W.ResizeField(792, 526);
        test::StartGame(W.CurrentGame(), games::Klondike);
        Rules.BackCount = 4;
    }
    Bgr Corner() const { return F.I_Field.GetPixel(F.Width() - 1, F.Height() - 1); }
    // The picker, listed, OKs the named entry (none: Cancel).
    void PickWith(const char* name, std::vector<std::string>* listed = nullptr, const char* caption = nullptr)
    {
        W.ShowPicker = [=](TF_BkgPics& p) {
            p.ListAll();
            EXPECT_TRUE(!caption || p.windowTitle() == caption) << p.windowTitle().toStdString();
            for (int i = 0; listed && i < p.LV_Thumbs->count(); ++i)
                listed->push_back(p.LV_Thumbs->item(i)->text().toStdString());
            if (!name) return false;
            p.LV_Thumbs->clearSelection();
            p.LV_Thumbs->findItems(name, Qt::MatchExactly).value(0)->setSelected(true);
            return p.B_OkClick();
        };
    }
};

// The colour is kept only after OK and drawn at once; a texture from the
// picker is tiled and Cancel keeps it, an unreadable picture is not listed.
TEST_F(WindowFixture, ColourAndTextureFromTheirDialogs)
{
    F.Bkg.BackgroundMode = BackgroundTiled;
    const uint32_t before = F.Bkg.BackgroundColor;
    // Cancel, then a colour.
    for (const QColor& picked : {QColor(), QColor(10, 20, 30)}) {
        QColor offered;
        W.PickColour = [&](const QColor& old) {
            offered = old;
            return picked;
        };
        W.MI_OptionsBkgColorClick();
        EXPECT_EQ(offered, QColor((before >> 16) & 0xFF, (before >> 8) & 0xFF, before & 0xFF));
    }
    EXPECT_EQ(std::tie(F.Bkg.BackgroundColor, F.Bkg.BackgroundMode), std::make_tuple(0x0A141Eu, BackgroundColour));
    EXPECT_EQ(Corner(), (Bgr{30, 20, 10}));  // away from every pile
    ASSERT_TRUE(SaveTile(Dir.File("tile.bmp")));
    test::WriteBytes(Dir.File("broken.jpg"), "not a picture at all");
    for (const char* pick : {"tile.bmp", static_cast<const char*>(nullptr)}) {
        std::vector<std::string> listed;
        PickWith(pick, &listed, "Choose Background Texture");
        W.MI_OptionsBkgTextureClick();
        EXPECT_EQ(listed, std::vector<std::string>{"tile.bmp"});
        EXPECT_EQ(std::tie(F.Bkg.BackgroundMode, F.Bkg.TexturePath), std::make_tuple(BackgroundTiled, Dir.File("tile.bmp")));
        EXPECT_EQ(Corner(), (Bgr{50, 100, 200}));
    }
}

// The back picker shows each back of the set, the one in use sunken; an
// empty place cannot be chosen, and the choice is applied on OK only. A
// back's picture is its cell, the cut corners showing the button face. A set
// with one back has nothing to choose.
TEST_F(WindowFixture, BackPickerShowsTheBacksAndAppliesTheChoiceOnOk)
{
    Rules.BackIndex = 1;
    for (const auto& [click, ok, after] : {std::tuple{3, false, 1}, std::tuple{2, true, 2}, std::tuple{0, true, 0}}) {
        const int before = Rules.BackIndex;
        W.ShowShirts = [&, click = click, ok = ok](TF_Shirts& d) {
            const auto sunken = [&](int i) { return d.P_Shirt[static_cast<size_t>(i)]->frameShadow() == QFrame::Sunken; };
            for (int i = 0; i < ShirtPlaces; ++i) {
                EXPECT_EQ(!d.I_Shirt[static_cast<size_t>(i)]->isHidden(), i < Rules.BackCount) << i;
                EXPECT_EQ(sunken(i), i == before) << i;
            }
            d.I_ShirtClick(Rules.BackCount);  // an empty place
            EXPECT_EQ(d.SelectedBack, before);
            d.I_ShirtClick(click);
            EXPECT_EQ(sunken(before), click == before);
            return ok;
        };
        W.MI_OptionsBackClick();
        EXPECT_EQ(Rules.BackIndex, after);
    }
    const CardSize upright = DefaultCardSizes()[Upright];
    for (int back = 0; back < Rules.BackCount; ++back) {
        const PixelBuffer pic = BackPicture(F.Art, upright, back, {1, 2, 3});
        EXPECT_EQ(pic.GetPixel(upright.Width / 2, upright.Height / 2), test::BackColour(back));
        EXPECT_EQ(pic.GetPixel(0, 0), (Bgr{1, 2, 3}));
    }
    Rules.BackCount = 1;
    bool shown = false;
    W.ShowShirts = [&](TF_Shirts&) { return shown = true; };
    W.MI_OptionsBackClick();
    EXPECT_FALSE(shown);
}

// A deck from the picker is loaded and the table laid out again. The fitted
// set is drawn at the size that fits the game in the field, the deal going
// on, and drawn again once a resize settles.
TEST_F(WindowFixture, DeckFromThePickerIsLoadedOrFittedToTheField)
{
    // The generated card sets and frames beside the test binary.
    const QDir from(QCoreApplication::applicationDirPath());
    for (const QString& n : from.entryList({"*.frm", "standard.cr3", "tiny.cr4"}))
        QFile::copy(from.filePath(n), Dir.Path() + "/" + n);
    W.PickedDeck = Dir.File("standard.cr3");
    ASSERT_TRUE(W.LoadCards());
    Rules.BackIndex = 1;
    const int oldWidth = Rules.CardWidth();
    const uint32_t deal = Rules.GameNumber;
    std::vector<std::string> listed;
    PickWith("tiny.cr4", &listed, "Choose Deck");
    W.MI_OptionsDeckClick();
    EXPECT_EQ(listed, (std::vector<std::string>{"Fit to window", "standard.cr3", "tiny.cr4"}));
    EXPECT_EQ(std::pair(W.PickedDeck, Rules.BackIndex), std::pair(Dir.File("tiny.cr4"), 0));
    EXPECT_LT(Rules.CardWidth(), oldWidth);
    // The cards lie where the new layout puts them: a card of the first tableau pile at the pile.
    const TableState& t = W.CurrentGame().T;
    const Pile& first = t.PileAt(Rules.TableFirst);
    EXPECT_TRUE(std::any_of(t.Cards.begin(), t.Cards.begin() + Rules.TotalCards, [&](const Card& c) {
        return c.InPlay && c.PileIndex == Rules.TableFirst && c.X == first.X && c.Y == first.Y;
    }));

    const auto expectFitted = [&](const char* when) {
        const CardFit fit = FitCards(W.CurrentGame(), Rules.FieldWidth, Rules.FieldHeight);
        EXPECT_EQ(std::tuple(Rules.CardSizes[Upright].Width, Rules.CardSizes[Upright].Height, Rules.GameNumber),
                  std::tuple(fit.Width, fit.Height, deal))
            << when;
    };
    PickWith("Fit to window");
    W.MI_OptionsDeckClick();
    EXPECT_EQ(W.PickedDeck, FittedCardSetName);
    expectFitted("picked");
    // The window is not shown here: its resize is handed on by hand.
    W.ResizeArmed = true;
    W.resize(W.width() + 500, W.height() + 300);
    W.FormResize();
    QTest::qWait(F_Main::RefitDelayMs + 100);
    EXPECT_EQ(Rules.FieldWidth, W.ClientWidth());
    expectFitted("resized");
}

// Runs a modal dialog's part once it is shown.
template <typename Dialog, typename Fn> void WhenShown(Fn fn)
{
    QTimer::singleShot(0, [fn] {
        auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        fn(*d);
    });
}

TEST(PlayerCycle, ChooseCustomizePlayAndFindTheStatisticsAfterARestart)
{
    test::ProgramDir dir;
    {
        F_Main w(dir.Path());
        test::StartGame(w.CurrentGame(), games::Klondike);
        const TableState& t = w.CurrentGame().T;
        const bool dealShown = w.DealButtonVisible();
        // A cancelled chooser changes nothing.
        const uint32_t number = t.Rules.GameNumber;
        WhenShown<TF_Games>([](TF_Games& d) { d.reject(); });
        w.MI_GameChooseClick();
        EXPECT_EQ(std::tuple(t.CurrentGame, t.Rules.GameNumber, w.DealButtonVisible()),
                  std::tuple(int(games::Klondike), number, dealShown));

        WhenShown<TF_Games>([](TF_Games& d) {
            d.SelectRow(d.SG_Table.Find(games::FreeCell, -1));
            d.ChooseSelected();
        });
        w.MI_GameChooseClick();
        EXPECT_EQ(std::pair(t.CurrentGame, w.F_Games->RecentGames.front()),
                  std::pair(int(games::FreeCell), RecentGame{games::FreeCell, -1}));

        WhenShown<TF_Customize>([](TF_Customize& d) {
            d.RG_TableConsVal->ClickItem(2);
            d.E_GameName->setText("Loose Cell");
            d.B_OkClick();
        });
        w.MI_GameCustomizeClick();
        EXPECT_EQ(std::tie(t.GameName, t.CurrentCustom, t.Rules.TableConsVal),
                  std::make_tuple(std::string("Loose Cell"), 0, ConsEither));
        EXPECT_TRUE(w.windowTitle().contains("Loose Cell"));
        // Two deals of it played.
        w.OnGamePlayed();
        w.OnGamePlayed();
        w.close();
    }
    F_Main again(dir.Path());
    test::StartGame(again.CurrentGame(), games::Klondike);
    WhenShown<TF_Games>([](TF_Games& d) {
        d.SelectRow(d.SG_Table.Find(games::FreeCell, 0));
        EXPECT_EQ(d.L_Play->text(), "2");
        d.ChooseSelected();
    });
    again.MI_GameChooseClick();
    EXPECT_EQ(again.CurrentGame().T.Rules.TableConsVal, ConsEither);
}

}  // namespace
}  // namespace quillo
