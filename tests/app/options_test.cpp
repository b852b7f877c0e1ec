// The main window's colour and back commands, and the choose command's
// handling of a cancelled chooser.

#include <gtest/gtest.h>

#include "app/dialog_support.h"
#include "app/main_window.h"
#include "app/shirts.h"
#include "engine/catalogue.h"
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

}  // namespace
}  // namespace quillo
