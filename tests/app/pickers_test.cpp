// The deck and texture picker and the back picker: the listing with its
// ".cr3"/".cr4" rule, selection of the file in use, and backs.

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

#include "app/bkg_pics.h"
#include "app/dialog_support.h"
#include "app/shirts.h"
#include "app/thumbnails.h"
#include "support/drawn_art.h"

namespace quillo {
namespace {

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
    struct Row {
        PickerMode Mode;
        Names Files;  // "broken.cr4" and "bad.gif" are unreadable
        std::string Current;
        Names Listed;
        const char* Selected;  // nullptr: nothing, and OK gives the message
        const char* Message;
        const char* Caption;
    };
    const Row rows[] = {
        {PickerMode::Deck,
         {"wheels.cr3", "wheels.cr4", "standard.cr3", "broken.cr4", "zebra.CR4", "notes.txt", "table.bmp"},
         "/anywhere/standard.cr3", {"standard.cr3", "wheels.cr4", "zebra.CR4"}, "standard.cr3", "", "Choose Deck"},
        {PickerMode::Texture, {"moss.jpg", "felt.BMP", "oak.gif", "bad.gif", "wheels.cr4", "picture.png"}, "oak.gif",
         {"felt.BMP", "moss.jpg", "oak.gif"}, "oak.gif", "", "Choose Background Texture"},
        {PickerMode::Deck, {"a.cr4"}, "/elsewhere/a.bmp", {"a.cr4"}, nullptr, "Please select deck!", "Choose Deck"},
        {PickerMode::Texture, {"a.jpg"}, "/elsewhere/a.bmp", {"a.jpg"}, nullptr, "Please select image!",
         "Choose Background Texture"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.Caption);
        test::ProgramDir dir;
        for (const std::string& name : r.Files)
            test::WriteBytes(dir.File(name.c_str()), name == "broken.cr4" || name == "bad.gif" ? "bad" : "set");
        Names loaded;
        std::vector<QString> messages;
        const std::string current = r.Current[0] == '/' ? r.Current : dir.File(r.Current.c_str());
        auto d = OpenPicker(r.Mode, dir, "", current, &loaded, &messages);
        EXPECT_EQ(d->windowTitle(), r.Caption);
        d->Activate();
        EXPECT_TRUE(d->Listing());
        EXPECT_EQ(d->LV_Thumbs->count(), 0);  // thumbnails come one per tick
        d->T_AddItemTimer();
        EXPECT_LE(d->LV_Thumbs->count(), 1);
        d->ListAll();
        EXPECT_FALSE(d->Listing());
        EXPECT_EQ(Items(*d), r.Listed);
        EXPECT_EQ(loaded.size(), r.Listed.size() + (r.Files.size() > 1 ? 1 : 0));  // and the unreadable one
        const bool selects = r.Selected != nullptr;
        EXPECT_EQ(d->LV_Thumbs->selectedItems().size(), selects ? 1 : 0);
        EXPECT_EQ(d->B_OkClick(), selects);
        EXPECT_EQ(d->Picked(), selects ? dir.File(r.Selected) : "");
        EXPECT_EQ(messages, selects ? std::vector<QString>{} : std::vector<QString>{r.Message});
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

// Each back of the set in a place, the one in use sunken; an empty place
// cannot be chosen. A back's picture is the back cell, its cut corners
// showing the button face.
TEST(BackPicker, PlacesChoicesAndPictures)
{
    const test::DrawnArt art;
    test::RecordingSurface surface;
    Field field(surface);
    art.Attach(field);
    const CardSize upright = DefaultCardSizes()[Upright];
    for (const auto& [backs, inUse] : {std::pair{5, 3}, std::pair{3, 1}, std::pair{2, 0}}) {
        SCOPED_TRACE(backs);
        TF_Shirts d(field.Art, upright, backs, inUse);
        const auto sunken = [&](int i) { return d.P_Shirt[static_cast<size_t>(i)]->frameShadow() == QFrame::Sunken; };
        EXPECT_EQ(d.SelectedBack, inUse);
        for (int i = 0; i < ShirtPlaces; ++i) {
            EXPECT_EQ(!d.I_Shirt[static_cast<size_t>(i)]->isHidden(), i < backs) << i;
            EXPECT_EQ(sunken(i), i == inUse) << i;
        }
        d.I_ShirtClick(backs);
        EXPECT_EQ(d.SelectedBack, inUse);
        d.I_ShirtClick(0);
        EXPECT_EQ(d.SelectedBack, 0);
        EXPECT_EQ(sunken(inUse), inUse == 0);
        const PixelBuffer pic = BackPicture(field.Art, upright, inUse, {1, 2, 3});
        ASSERT_EQ(std::pair(pic.Width(), pic.Height()), std::pair(upright.Width, upright.Height));
        EXPECT_EQ(pic.GetPixel(upright.Width / 2, upright.Height / 2), test::BackColour(inUse));
        EXPECT_EQ(pic.GetPixel(0, 0), (Bgr{1, 2, 3}));
    }
}

}  // namespace
}  // namespace quillo
