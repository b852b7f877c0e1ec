// The main window's dialog commands: choosing, customizing, colour, texture,
// deck and back, and the statistics of a custom game surviving a restart.

#include <QApplication>
#include <QDir>
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
#include "app/games_dialog.h"
#include "app/main_window.h"
#include "app/shirts.h"
#include "engine/card_fit.h"
#include "engine/catalogue.h"
#include "support/drawn_art.h"

namespace quillo {
namespace {

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
            if (caption) EXPECT_EQ(p.windowTitle(), caption);
            for (int i = 0; listed && i < p.LV_Thumbs->count(); ++i)
                listed->push_back(p.LV_Thumbs->item(i)->text().toStdString());
            if (!name) return false;
            p.LV_Thumbs->clearSelection();
            p.LV_Thumbs->findItems(name, Qt::MatchExactly).value(0)->setSelected(true);
            return p.B_OkClick();
        };
    }
    // The generated card sets and frames beside the test binary.
    void CopyProgramData(std::initializer_list<const char*> names)
    {
        const QDir from(QCoreApplication::applicationDirPath());
        for (const QString& frm : from.entryList({"*.frm"})) QFile::copy(from.filePath(frm), Dir.Path() + "/" + frm);
        for (const char* n : names) ASSERT_TRUE(QFile::copy(from.filePath(n), Dir.Path() + "/" + n)) << n;
        W.PickedDeck = Dir.File("standard.cr3");
        ASSERT_TRUE(W.LoadCards());
    }
};

TEST_F(WindowFixture, BackgroundColourIsKeptOnlyAfterOk)
{
    F.Bkg.BackgroundMode = BackgroundTiled;
    const uint32_t before = F.Bkg.BackgroundColor;
    QColor offered;
    W.PickColour = [&](const QColor& old) {
        offered = old;
        return QColor();  // Cancel
    };
    W.MI_OptionsBkgColorClick();
    EXPECT_EQ(offered, QColor((before >> 16) & 0xFF, (before >> 8) & 0xFF, before & 0xFF));
    EXPECT_EQ(std::tie(F.Bkg.BackgroundColor, F.Bkg.BackgroundMode), std::make_tuple(before, BackgroundTiled));
    W.PickColour = [](const QColor&) { return QColor(10, 20, 30); };
    W.MI_OptionsBkgColorClick();
    EXPECT_EQ(std::tie(F.Bkg.BackgroundColor, F.Bkg.BackgroundMode), std::make_tuple(0x0A141Eu, BackgroundColour));
    EXPECT_EQ(Corner(), (Bgr{30, 20, 10}));  // drawn at once, away from every pile
}

TEST_F(WindowFixture, BackPickerChoiceIsAppliedOnOk)
{
    Rules.BackIndex = 1;
    for (const auto& [click, ok, after] : {std::tuple{3, false, 1}, std::tuple{2, true, 2}, std::tuple{0, true, 0}}) {
        int shownWith = -1;
        W.ShowShirts = [&, click = click, ok = ok](TF_Shirts& d) {
            shownWith = d.SelectedBack;
            d.I_ShirtClick(click);
            return ok;
        };
        const int before = Rules.BackIndex;
        W.MI_OptionsBackClick();
        EXPECT_EQ(std::tie(shownWith, Rules.BackIndex), std::tie(before, after));
    }
    // A set with one back has nothing to choose.
    Rules.BackCount = 1;
    bool shown = false;
    W.ShowShirts = [&](TF_Shirts&) { return shown = true; };
    W.MI_OptionsBackClick();
    EXPECT_FALSE(shown);
}

TEST_F(WindowFixture, TextureFromThePickerIsTiledAndCancelKeepsIt)
{
    QImage tile(8, 8, QImage::Format_RGB888);
    tile.fill(QColor(200, 100, 50));
    ASSERT_TRUE(tile.save(Dir.Path() + "/tile.bmp"));
    test::WriteBytes(Dir.File("broken.jpg"), "not a picture at all");
    for (const char* pick : {"tile.bmp", static_cast<const char*>(nullptr)}) {
        std::vector<std::string> listed;
        PickWith(pick, &listed, "Choose Background Texture");
        W.MI_OptionsBkgTextureClick();
        EXPECT_EQ(listed, std::vector<std::string>{"tile.bmp"});  // the unreadable picture is left out
        EXPECT_EQ(std::tie(F.Bkg.BackgroundMode, F.Bkg.TexturePath), std::make_tuple(BackgroundTiled, Dir.File("tile.bmp")));
        EXPECT_EQ(Corner(), (Bgr{50, 100, 200}));
    }
}

TEST_F(WindowFixture, DeckFromThePickerIsLoadedAndTheTableLaidOutAgain)
{
    ASSERT_NO_FATAL_FAILURE(CopyProgramData({"standard.cr3", "tiny.cr4"}));
    Rules.BackIndex = 1;
    const int oldWidth = Rules.CardWidth();
    std::vector<std::string> listed;
    PickWith("tiny.cr4", &listed, "Choose Deck");
    W.MI_OptionsDeckClick();
    EXPECT_EQ(listed, (std::vector<std::string>{"Fit to window", "standard.cr3", "tiny.cr4"}));
    EXPECT_EQ(W.PickedDeck, Dir.File("tiny.cr4"));
    EXPECT_EQ(Rules.BackIndex, 0);
    EXPECT_LT(Rules.CardWidth(), oldWidth);
    // The cards lie where the new layout puts them: a card of the first tableau pile at the pile.
    const TableState& t = W.CurrentGame().T;
    const Pile& first = t.PileAt(Rules.TableFirst);
    EXPECT_TRUE(std::any_of(t.Cards.begin(), t.Cards.begin() + Rules.TotalCards, [&](const Card& c) {
        return c.InPlay && c.PileIndex == Rules.TableFirst && c.X == first.X && c.Y == first.Y;
    }));
}

// The first entry draws the set at the size that fits the game in the
// field; the deal goes on, and a resize draws it again once it settles.
TEST_F(WindowFixture, FittedDeckIsDrawnForTheFieldAndFollowsTheWindow)
{
    ASSERT_NO_FATAL_FAILURE(CopyProgramData({"standard.cr3"}));
    PickWith("Fit to window");
    const uint32_t deal = Rules.GameNumber;
    const auto expectFitted = [&](const char* when) {
        const CardFit fit = FitCards(W.CurrentGame(), Rules.FieldWidth, Rules.FieldHeight);
        EXPECT_EQ(std::pair(Rules.CardSizes[Upright].Width, Rules.CardSizes[Upright].Height),
                  std::pair(fit.Width, fit.Height))
            << when;
        EXPECT_EQ(Rules.GameNumber, deal) << when;
    };
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
        EXPECT_EQ(std::tie(t.CurrentGame, t.Rules.GameNumber), std::tie(games::Klondike, number));
        EXPECT_EQ(w.DealButtonVisible(), dealShown);

        WhenShown<TF_Games>([](TF_Games& d) {
            d.SelectRow(d.SG_Table.Find(games::FreeCell, -1));
            d.ChooseSelected();
        });
        w.MI_GameChooseClick();
        EXPECT_EQ(t.CurrentGame, games::FreeCell);
        EXPECT_EQ(w.F_Games->RecentGames.front(), (RecentGame{games::FreeCell, -1}));

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
    const TableState& t = again.CurrentGame().T;
    EXPECT_EQ(std::tie(t.GameName, t.CurrentCustom, t.Rules.TableConsVal),
              std::make_tuple(std::string("Loose Cell"), 0, ConsEither));
}

}  // namespace
}  // namespace quillo
