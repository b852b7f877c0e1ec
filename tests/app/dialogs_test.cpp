// The small dialogs and the rules behind them: where the window opens, the
// deal numbers the shuffle box takes, and the keys of the boxes.

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include <QLineEdit>
#include <QTest>

#include "app/about_dialog.h"
#include "app/finish_form.h"
#include "app/shuffle_dialog.h"
#include "app/shuffle_number.h"
#include "app/window_placement.h"

namespace quillo {
namespace {

TEST(WindowPlacement, FirstRunTakesFourFifthsOfTheWorkAreaAndStoredPlacesStayOnIt)
{
    struct Row {
        const char* What;
        WorkArea Work;
        std::optional<WindowPlacement> Stored;
        WindowPlacement Expected;
    };
    const Row rows[] = {
        {"1080p under a top panel", {0, 40, 1920, 1040}, std::nullopt, {192, 144, 1536, 832}},
        {"1024x768 keeps 600 high", {0, 0, 1024, 738}, std::nullopt, {102, 69, 819, 600}},
        {"small screen is filled", {0, 0, 800, 570}, std::nullopt, {0, 0, 800, 570}},
        {"second monitor", {1920, 0, 1920, 1080}, std::nullopt, {2112, 108, 1536, 864}},
        {"stored place kept", {0, 0, 1920, 1080}, WindowPlacement{10, 20, 900, 700}, {10, 20, 900, 700}},
        {"stored off the right edge", {0, 0, 1920, 1080}, WindowPlacement{1800, 500, 900, 700}, {1020, 380, 900, 700}},
        {"stored above the top", {0, 30, 1920, 1050}, WindowPlacement{-5000, -7, 900, 700}, {0, 30, 900, 700}},
        {"stored larger than the screen", {0, 0, 1280, 1024}, WindowPlacement{300, 300, 4000, 3000}, {0, 0, 1280, 1024}},
        {"stored size of nothing", {0, 0, 1920, 1080}, WindowPlacement{50, 50, 0, -3}, {192, 108, 1536, 864}},
    };
    const auto tie = [](const WindowPlacement& p) { return std::tie(p.Left, p.Top, p.Width, p.Height); };
    for (const Row& r : rows)
        EXPECT_EQ(tie(r.Stored ? PlaceStoredWindow(r.Work, *r.Stored) : PlaceFirstWindow(r.Work)), tie(r.Expected))
            << r.What;
}

TEST(ShuffleNumber, AcceptsExactlyTheDealNumbers)
{
    const std::pair<const char*, std::optional<uint32_t>> rows[] = {
        {"1", 1u}, {"2147483648", 2147483648u}, {"4294967295", 4294967295u}, {" 42 ", 42u}, {"+7", 7u},
        {"4294967297", std::nullopt},  // 2^32 + 1 is not deal 1
        {"-1", std::nullopt}, {"0", std::nullopt}, {"   ", std::nullopt}, {"12abc", std::nullopt},
        {"1 2", std::nullopt}, {"0x10", std::nullopt}, {"9223372036854775808", std::nullopt},
    };
    for (const auto& [text, number] : rows) EXPECT_EQ(ParseShuffleNumber(text), number) << '"' << text << '"';
}

TEST(ShuffleDialog, RefusedNumbersKeepTheDialogOpenEscapeChangesNothing)
{
    {
        TF_Shuffle dialog(99u);
        dialog.show();
        dialog.E_Shuffle->setText("5");
        QTest::keyClick(dialog.E_Shuffle, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(dialog.Number(), 99u);
    }
    TF_Shuffle dialog(123456u);
    QStringList errors;
    dialog.ShowError = [&](const QString& text) { errors << text; };
    dialog.show();
    EXPECT_EQ(dialog.E_Shuffle->selectedText(), "123456");
    dialog.E_Shuffle->setText("0");
    dialog.B_OkClick();
    EXPECT_EQ(errors, QStringList{"The number must be in the range from 1 to 4294967295 !"});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.E_Shuffle->setText("4294967295");
    QTest::keyClick(dialog.E_Shuffle, Qt::Key_Return);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Number(), 4294967295u);
}

TEST(AboutDialog, F1OpensItsHelpAndEscapeClosesWithOk)
{
    TF_About about;
    int context = 0;
    about.OpenHelpContext = [&](int c) { context = c; };
    about.show();
    QTest::keyClick(&about, Qt::Key_F1);
    EXPECT_EQ(context, 10);
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(WinForm, EnterTakesTheTrimmedNameEscapeKeepsTheOldOne)
{
    struct Row {
        bool Record;
        Qt::Key Key;
        QString Typed, NameAfter;
        int Result;
    };
    const Row rows[] = {
        {true, Qt::Key_Return, "  Ann Lee  ", "Ann Lee", QDialog::Accepted},
        {true, Qt::Key_Escape, "Bob", "Old", QDialog::Rejected},
        {false, Qt::Key_Return, "", "Old", QDialog::Accepted},
        {false, Qt::Key_Escape, "", "Old", QDialog::Rejected},
    };
    for (const Row& r : rows) {
        QWidget main;
        main.resize(400, 300);
        QString name = "Old";
        TF_Finish form(&main, nullptr, r.Record, name);
        form.show();
        EXPECT_EQ(form.E_Record->isVisible(), r.Record);
        if (r.Record) {
            EXPECT_EQ(form.E_Record->text(), "Old");
            form.E_Record->setText(r.Typed);
        }
        QTest::keyClick(r.Record ? static_cast<QWidget*>(form.E_Record) : &form, r.Key);
        EXPECT_EQ(form.result(), r.Result);
        EXPECT_EQ(name, r.NameAfter);
    }
}

}  // namespace
}  // namespace quillo
