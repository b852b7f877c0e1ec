// The main window's dialog commands: choosing, customizing, colour and back,
// and the statistics of a custom game surviving a restart.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "engine/card_fit.h"

#include "app/dialog_support.h"
#include "app/file_bytes.h"
#include "app/bkg_pics.h"
#include "app/customize_dialog.h"
#include "app/games_dialog.h"
#include "app/main_window.h"
#include "app/shirts.h"
#include "engine/catalogue.h"
#include "storage/custom_games.h"
#include "storage/settings_file.h"
#include "support/drawn_art.h"

namespace quillo {
namespace {

struct WindowFixture : ::testing::Test {
    test::ProgramDir Dir;
    F_Main W{Dir.Path()};
    test::DrawnArt Art;

    void SetUp() override
    {
        Art.Attach(W.TableField());
        W.ResizeField(792, 526);
        test::StartGame(W.CurrentGame(), games::Klondike);
        W.CurrentGame().T.Rules.BackCount = 4;
    }
};

TEST_F(WindowFixture, BackgroundColourIsKeptOnlyAfterOk)
{
    Field& f = W.TableField();
    f.Bkg.BackgroundMode = BackgroundTiled;
    QColor offered;
    W.PickColour = [&](const QColor& old) {
        offered = old;
        return QColor();  // Cancel
    };
    const uint32_t before = f.Bkg.BackgroundColor;
    W.MI_OptionsBkgColorClick();
    EXPECT_EQ(offered, QColor((before >> 16) & 0xFF, (before >> 8) & 0xFF, before & 0xFF));
    EXPECT_EQ(f.Bkg.BackgroundColor, before);
    EXPECT_EQ(f.Bkg.BackgroundMode, BackgroundTiled);

    W.PickColour = [](const QColor&) { return QColor(10, 20, 30); };
    W.MI_OptionsBkgColorClick();
    EXPECT_EQ(f.Bkg.BackgroundColor, 0x0A141Eu);
    EXPECT_EQ(f.Bkg.BackgroundMode, BackgroundColour);
    // Drawn at once: a corner of the field away from every pile.
    EXPECT_EQ(f.I_Field.GetPixel(f.Width() - 1, f.Height() - 1), (Bgr{30, 20, 10}));
}

TEST_F(WindowFixture, BackPickerChoiceIsAppliedOnOk)
{
    GameRules& r = W.CurrentGame().T.Rules;
    r.BackIndex = 1;
    struct Row {
        int Click;
        bool Ok;
        int BackAfter;
    };
    for (const Row& row : {Row{3, false, 1}, Row{2, true, 2}, Row{0, true, 0}}) {
        int shownWith = -1;
        W.ShowShirts = [&](TF_Shirts& d) {
            shownWith = d.SelectedBack;
            d.I_ShirtClick(row.Click);
            return row.Ok;
        };
        const int before = r.BackIndex;
        W.MI_OptionsBackClick();
        EXPECT_EQ(shownWith, before);
        EXPECT_EQ(r.BackIndex, row.BackAfter);
    }
    // A set with one back has nothing to choose.
    r.BackCount = 1;
    bool shown = false;
    W.ShowShirts = [&](TF_Shirts&) { return shown = true; };
    W.MI_OptionsBackClick();
    EXPECT_FALSE(shown);
}

TEST_F(WindowFixture, TextureFromThePickerIsTiledOrFallsBackToTheColour)
{
    QImage tile(8, 8, QImage::Format_RGB888);
    tile.fill(QColor(200, 100, 50));
    ASSERT_TRUE(tile.save(Dir.Path() + "/tile.bmp"));
    test::WriteBytes(Dir.File("broken.jpg"), "not a picture at all");

    Field& f = W.TableField();
    struct Row {
        const char* Pick;  // nullptr: Cancel, which keeps the texture
        uint8_t Mode;
    };
    const Row rows[] = {{"tile.bmp", BackgroundTiled}, {nullptr, BackgroundTiled}};
    for (const Row& r : rows) {
        W.ShowPicker = [&](TF_BkgPics& p) {
            p.ListAll();
            EXPECT_EQ(p.windowTitle(), "Choose Background Texture");
            EXPECT_EQ(p.LV_Thumbs->count(), 1);  // the unreadable picture is left out
            if (!r.Pick) return false;
            p.LV_Thumbs->item(0)->setSelected(true);
            return p.B_OkClick();
        };
        W.MI_OptionsBkgTextureClick();
        EXPECT_EQ(f.Bkg.BackgroundMode, r.Mode);
        EXPECT_EQ(f.Bkg.TexturePath, Dir.File("tile.bmp"));
        EXPECT_EQ(f.I_Field.GetPixel(f.Width() - 1, f.Height() - 1), (Bgr{50, 100, 200}));
    }
}

// The generated card sets and frames beside the test binary.
void CopyProgramData(const QString& to, std::initializer_list<const char*> names)
{
    const QDir from(QCoreApplication::applicationDirPath());
    for (const QString& frm : from.entryList({"*.frm"})) QFile::copy(from.filePath(frm), to + "/" + frm);
    for (const char* n : names) ASSERT_TRUE(QFile::copy(from.filePath(n), to + "/" + n)) << n;
}

TEST_F(WindowFixture, DeckFromThePickerIsLoadedAndTheTableLaidOutAgain)
{
    CopyProgramData(Dir.Path(), {"standard.cr3", "tiny.cr4"});
    W.PickedDeck = Dir.File("standard.cr3");
    ASSERT_TRUE(W.LoadCards());
    GameRules& r = W.CurrentGame().T.Rules;
    r.BackIndex = 1;
    const int oldWidth = r.CardWidth();
    std::vector<std::string> listed;
    W.ShowPicker = [&](TF_BkgPics& p) {
        p.ListAll();
        EXPECT_EQ(p.windowTitle(), "Choose Deck");
        for (int i = 0; i < p.LV_Thumbs->count(); ++i) listed.push_back(p.LV_Thumbs->item(i)->text().toStdString());
        p.LV_Thumbs->clearSelection();
        p.LV_Thumbs->findItems("tiny.cr4", Qt::MatchExactly).value(0)->setSelected(true);
        return p.B_OkClick();
    };
    W.MI_OptionsDeckClick();
    EXPECT_EQ(listed, (std::vector<std::string>{"Fit to window", "standard.cr3", "tiny.cr4"}));
    EXPECT_EQ(W.PickedDeck, Dir.File("tiny.cr4"));
    EXPECT_EQ(r.BackIndex, 0);
    EXPECT_LT(r.CardWidth(), oldWidth);
    // The cards lie where the new layout puts them: the first tableau pile's bottom card at the pile.
    const TableState& t = W.CurrentGame().T;
    const Pile& first = t.PileAt(t.Rules.TableFirst);
    bool found = false;
    for (int c = 0; c < t.Rules.TotalCards; ++c)
        if (t.CardAt(c).InPlay && t.CardAt(c).PileIndex == t.Rules.TableFirst && t.CardAt(c).X == first.X &&
            t.CardAt(c).Y == first.Y)
            found = true;
    EXPECT_TRUE(found);
}

// The first entry draws the set at the size that fits the game in the
// field; the deal goes on, and a resize draws it again once it settles.
TEST_F(WindowFixture, FittedDeckIsDrawnForTheFieldAndFollowsTheWindow)
{
    CopyProgramData(Dir.Path(), {"standard.cr3"});
    W.PickedDeck = Dir.File("standard.cr3");
    ASSERT_TRUE(W.LoadCards());
    W.ShowPicker = [&](TF_BkgPics& p) {
        p.ListAll();
        p.LV_Thumbs->clearSelection();
        p.LV_Thumbs->item(0)->setSelected(true);
        return p.B_OkClick();
    };
    const uint32_t deal = W.CurrentGame().T.Rules.GameNumber;
    W.MI_OptionsDeckClick();
    EXPECT_EQ(W.PickedDeck, FittedCardSetName);
    const GameRules& r = W.CurrentGame().T.Rules;
    const auto expectFitted = [&](const char* when) {
        const CardFit fit = FitCards(W.CurrentGame(), r.FieldWidth, r.FieldHeight);
        EXPECT_EQ(r.CardSizes[Upright].Width, fit.Width) << when;
        EXPECT_EQ(r.CardSizes[Upright].Height, fit.Height) << when;
    };
    expectFitted("picked");
    EXPECT_EQ(r.GameNumber, deal);
    // The window is not shown here: its resize is handed on by hand.
    W.ResizeArmed = true;
    W.resize(W.width() + 500, W.height() + 300);
    W.FormResize();
    QTest::qWait(F_Main::RefitDelayMs + 100);
    EXPECT_EQ(r.FieldWidth, W.ClientWidth());
    expectFitted("resized");
    EXPECT_EQ(r.GameNumber, deal);
}

// Runs a modal dialog's part once it is shown.
template <typename Dialog, typename Fn>
void WhenShown(Fn fn)
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
        const bool dealShown = w.DealButtonVisible();

        // A cancelled chooser changes nothing.
        const uint32_t number = w.CurrentGame().T.Rules.GameNumber;
        WhenShown<TF_Games>([](TF_Games& d) { d.reject(); });
        w.MI_GameChooseClick();
        EXPECT_EQ(w.CurrentGame().T.CurrentGame, games::Klondike);
        EXPECT_EQ(w.CurrentGame().T.Rules.GameNumber, number);
        EXPECT_EQ(w.DealButtonVisible(), dealShown);

        WhenShown<TF_Games>([](TF_Games& d) {
            d.SelectRow(d.SG_Table.Find(games::FreeCell, -1));
            d.ChooseSelected();
        });
        w.MI_GameChooseClick();
        EXPECT_EQ(w.CurrentGame().T.CurrentGame, games::FreeCell);
        EXPECT_EQ(w.F_Games->RecentGames.front(), (RecentGame{games::FreeCell, -1}));

        WhenShown<TF_Customize>([](TF_Customize& d) {
            EXPECT_EQ(d.E_GameName->text(), "Custom Free Cell 1");
            d.RG_TableConsVal->ClickItem(2);
            d.E_GameName->setText("Loose Cell");
            d.B_OkClick();
        });
        w.MI_GameCustomizeClick();
        const TableState& t = w.CurrentGame().T;
        EXPECT_EQ(t.GameName, "Loose Cell");
        EXPECT_EQ(t.CurrentCustom, 0);
        EXPECT_EQ(t.Rules.TableConsVal, ConsEither);
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
    EXPECT_EQ(again.CurrentGame().T.CurrentCustom, 0);
    EXPECT_EQ(again.CurrentGame().T.GameName, "Loose Cell");
    EXPECT_EQ(again.CurrentGame().T.Rules.TableConsVal, ConsEither);
}

}  // namespace
}  // namespace quillo
