#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "app/about_dialog.h"
#include "app/finish_form.h"
#include "app/shuffle_dialog.h"
#include "app/shuffle_number.h"
#include "app/window_placement.h"

namespace quillo {
namespace {

TEST(WindowPlacement, SmallScreensAreFilledLargeOnesGetACentredWindow)
{
    struct Row {
        int W, H, WorkBottom;
        WindowPlacement Expected;
    };
    const Row rows[] = {
        {800, 600, 570, {0, 0, 800, 570}},
        {1024, 768, 738, {112, 84, 800, 600}},
        {801, 601, 580, {0, 0, 800, 600}},
        {1920, 1080, 1040, {560, 240, 800, 600}},
    };
    for (const Row& r : rows) {
        const WindowPlacement p = PlaceMainWindow(r.W, r.H, r.WorkBottom);
        EXPECT_EQ(std::tie(p.Left, p.Top, p.Width, p.Height),
                  std::tie(r.Expected.Left, r.Expected.Top, r.Expected.Width, r.Expected.Height))
            << r.W << "x" << r.H;
    }
}

TEST(ShuffleNumber, AcceptsExactlyTheDealNumbers)
{
    struct Row {
        const char* Text;
        std::optional<uint32_t> Number;
    };
    const Row rows[] = {
        {"1", 1u},
        {"2147483648", 2147483648u},
        {"4294967295", 4294967295u},
        {" 42 ", 42u},
        {"+7", 7u},
        {"4294967297", std::nullopt},  // 2^32 + 1 is not deal 1
        {"-1", std::nullopt},
        {"0", std::nullopt},
        {"   ", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"0x10", std::nullopt},
        {"9223372036854775808", std::nullopt},
    };
    for (const Row& r : rows) EXPECT_EQ(ParseShuffleNumber(r.Text), r.Number) << '"' << r.Text << '"';
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
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "The number must be in the range from 1 to 4294967295 !");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.E_Shuffle->setText("4294967295");
    QTest::keyClick(dialog.E_Shuffle, Qt::Key_Return);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Number(), 4294967295u);
}

TEST(AboutDialog, EscapeClosesWithOk)
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
        QString Typed;
        QString NameAfter;
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
            QTest::keyClick(form.E_Record, r.Key);
        } else {
            QTest::keyClick(&form, r.Key);
        }
        EXPECT_EQ(form.result(), r.Result);
        EXPECT_EQ(name, r.NameAfter);
    }
}

}  // namespace
}  // namespace quillo
