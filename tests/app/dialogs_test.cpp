// The small dialogs and the rules behind them: where the window opens, the
// deal numbers the shuffle box takes, the win form's keys, the deck and
// texture picker with its ".cr3"/".cr4" rule.

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

#include "app/bkg_pics.h"
#include "app/dialog_support.h"
#include "app/finish_form.h"
#include "app/shuffle_dialog.h"
#include "app/shuffle_number.h"
#include "app/thumbnails.h"
#include "app/window_placement.h"

namespace quillo {
namespace {

TEST(WindowPlacement, FirstRunTakesFourFifthsOfTheWorkAreaAndStoredPlacesStayOnIt)
{
    const std::tuple<const char*, WorkArea, std::optional<WindowPlacement>, WindowPlacement> rows[] = {
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
    for (const auto& [what, work, stored, expected] : rows)
        EXPECT_EQ(tie(stored ? PlaceStoredWindow(work, *stored) : PlaceFirstWindow(work)), tie(expected)) << what;
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

TEST(ShuffleDialog, RefusedNumbersKeepTheDialogOpen)
{
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

TEST(WinForm, EnterTakesTheTrimmedNameEscapeKeepsTheOldOne)
{
    // A record to name or not, the key, what was typed, the name after and the result.
    const std::tuple<bool, Qt::Key, QString, QString, int> rows[] = {
        {true, Qt::Key_Return, "  Ann Lee  ", "Ann Lee", QDialog::Accepted},
        {true, Qt::Key_Escape, "Bob", "Old", QDialog::Rejected},
        {false, Qt::Key_Return, "", "Old", QDialog::Accepted},
        {false, Qt::Key_Escape, "", "Old", QDialog::Rejected},
    };
    for (const auto& [record, key, typed, nameAfter, result] : rows) {
        QWidget main;
        main.resize(400, 300);
        QString name = "Old";
        TF_Finish form(&main, nullptr, record, name);
        form.show();
        EXPECT_EQ(form.E_Record->isVisible(), record);
        if (record) {
            EXPECT_EQ(form.E_Record->text(), "Old");
            form.E_Record->setText(typed);
        }
        QTest::keyClick(record ? static_cast<QWidget*>(form.E_Record) : &form, key);
        EXPECT_EQ(std::make_tuple(form.result(), name), std::tie(result, nameAfter));
    }
}

using Names = std::vector<std::string>;

// Files holding "bad" are not card sets or pictures; every read is noted.
std::unique_ptr<TF_BkgPics> OpenPicker(PickerMode mode, const test::ProgramDir& dir, const std::string& own,
                                       const std::string& current, Names* loaded = nullptr,
                                       std::vector<QString>* messages = nullptr)
{
    BkgPicsContext ctx;
    ctx.Mode = mode;
    ctx.Directory = dir.Path().toStdString();
    ctx.OwnDirectory = own;
    ctx.CurrentPath = current;
    ctx.LoadPicture = [loaded](const std::string& path, PixelBuffer& out) {
        if (loaded) loaded->push_back(FileNameOf(path));
        if (test::ReadBytes(path) == "bad") return false;
        out = PixelBuffer(71, 96);
        return true;
    };
    ctx.Message = [messages](const QString& s) {
        if (messages) messages->push_back(s);
    };
    return std::make_unique<TF_BkgPics>(ctx);
}

Names Items(const TF_BkgPics& d)
{
    Names out;
    for (int i = 0; i < d.LV_Thumbs->count(); ++i) out.push_back(d.LV_Thumbs->item(i)->text().toStdString());
    return out;
}

// Listed one file per tick, by name, the unreadable left out and a ".cr3"
// with a ".cr4" twin not even read; the file in use selected, and OK with
// nothing selected refused.
TEST(Picker, ListsByModeAndSelectsTheFileInUse)
{
    // The mode, the files ("broken.cr4" and "bad.gif" are unreadable), the
    // file in use, the listing and the entry selected (none: OK says so).
    const std::tuple<PickerMode, Names, std::string, Names, const char*> rows[] = {
        {PickerMode::Deck,
         {"wheels.cr3", "wheels.cr4", "standard.cr3", "broken.cr4", "zebra.CR4", "notes.txt", "table.bmp"},
         "/anywhere/standard.cr3", {"standard.cr3", "wheels.cr4", "zebra.CR4"}, "standard.cr3"},
        {PickerMode::Texture, {"moss.jpg", "felt.BMP", "oak.gif", "bad.gif", "wheels.cr4", "picture.png"}, "oak.gif",
         {"felt.BMP", "moss.jpg", "oak.gif"}, "oak.gif"},
        {PickerMode::Deck, {"a.cr4"}, "/elsewhere/a.bmp", {"a.cr4"}, nullptr},
        {PickerMode::Texture, {"a.jpg"}, "/elsewhere/a.bmp", {"a.jpg"}, nullptr},
    };
    for (const auto& [mode, files, current, listed, selected] : rows) {
        const bool deck = mode == PickerMode::Deck;
        SCOPED_TRACE(files.front());
        test::ProgramDir dir;
        for (const std::string& name : files)
            test::WriteBytes(dir.File(name.c_str()), name == "broken.cr4" || name == "bad.gif" ? "bad" : "set");
        Names loaded;
        std::vector<QString> messages;
        auto d = OpenPicker(mode, dir, "", current[0] == '/' ? current : dir.File(current.c_str()), &loaded, &messages);
        EXPECT_EQ(d->windowTitle(), deck ? "Choose Deck" : "Choose Background Texture");
        d->Activate();
        EXPECT_TRUE(d->Listing());
        EXPECT_EQ(d->LV_Thumbs->count(), 0);  // thumbnails come one per tick
        d->T_AddItemTimer();
        EXPECT_LE(d->LV_Thumbs->count(), 1);
        d->ListAll();
        EXPECT_FALSE(d->Listing());
        EXPECT_EQ(Items(*d), listed);
        EXPECT_EQ(loaded.size(), listed.size() + (files.size() > 1 ? 1 : 0));  // and the unreadable one
        EXPECT_EQ(d->LV_Thumbs->selectedItems().size(), selected ? 1 : 0);
        EXPECT_EQ(d->B_OkClick(), selected != nullptr);
        EXPECT_EQ(d->Picked(), selected ? dir.File(selected) : "");
        EXPECT_EQ(messages, selected ? std::vector<QString>{}
                                     : std::vector<QString>{deck ? "Please select deck!" : "Please select image!"});
        // Leaving stops the listing.
        d->Activate();
        d->reject();
        EXPECT_FALSE(d->Listing());
    }
}

TEST(Picker, PlayersOwnFilesJoinTheShippedOnesOnce)
{
    test::ProgramDir shipped, own;
    for (const char* name : {"wheels.cr3", "standard.cr3", "grand.cr4"}) test::WriteBytes(shipped.File(name), "set");
    for (const char* name : {"mine.cr4", "standard.cr3", "grand.cr3"}) test::WriteBytes(own.File(name), "set");
    const std::tuple<std::string, Names, std::string> rows[] = {
        {"", {"grand.cr4", "standard.cr3", "wheels.cr3"}, shipped.File("standard.cr3")},
        {shipped.Path().toStdString() + "/", {"grand.cr4", "standard.cr3", "wheels.cr3"}, shipped.File("standard.cr3")},
        // The player's copy of a shipped name wins; a shipped .cr4 hides their .cr3 twin.
        {own.Path().toStdString(), {"grand.cr4", "mine.cr4", "standard.cr3", "wheels.cr3"}, own.File("standard.cr3")},
    };
    for (const auto& [ownDir, names, standardFrom] : rows) {
        SCOPED_TRACE(ownDir);
        auto d = OpenPicker(PickerMode::Deck, shipped, ownDir, "");
        d->ListAll();
        EXPECT_EQ(Items(*d), names);
        d->LV_Thumbs->findItems("standard.cr3", Qt::MatchExactly).front()->setSelected(true);
        ASSERT_TRUE(d->B_OkClick());
        EXPECT_EQ(d->Picked(), standardFrom);
    }
}

}  // namespace
}  // namespace quillo
