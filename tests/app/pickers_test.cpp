// The deck and texture picker and the back picker: the listing with its
// ".cr3"/".cr4" rule, selection of the file in use, and backs.

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

#include "app/bkg_pics.h"
#include "app/dialog_support.h"
#include "app/file_bytes.h"
#include "app/shirts.h"
#include "app/thumbnails.h"
#include "presentation/raster_ops.h"
#include "support/drawn_art.h"

namespace quillo {
namespace {

// A picture whose every pixel tells where it came from: (x mod 256, y mod 256, 7).
PixelBuffer Gradient(int w, int h)
{
    PixelBuffer p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.SetPixel(x, y, {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7});
    return p;
}

struct PickerFixture : ::testing::Test {
    test::ProgramDir Dir;
    std::vector<QString> Messages;
    std::vector<std::string> Loaded;

    void Touch(const char* name, const char* content = "set") { test::WriteBytes(Dir.File(name), content); }
    std::unique_ptr<TF_BkgPics> Open(PickerMode mode, const std::string& current)
    {
        BkgPicsContext ctx;
        ctx.Mode = mode;
        ctx.Directory = Dir.Path().toStdString();
        ctx.CurrentPath = current;
        // Files holding "bad" are not card sets or pictures.
        ctx.LoadPicture = [this](const std::string& path, PixelBuffer& out) {
            Loaded.push_back(FileNameOf(path));
            QFile f(QString::fromStdString(path));
            if (!f.open(QIODevice::ReadOnly) || f.readAll() == "bad") return false;
            out = Gradient(71, 96);
            return true;
        };
        ctx.Message = [this](const QString& s) { Messages.push_back(s); };
        return std::make_unique<TF_BkgPics>(ctx);
    }
    static std::vector<std::string> Items(const TF_BkgPics& d)
    {
        std::vector<std::string> out;
        for (int i = 0; i < d.LV_Thumbs->count(); ++i) out.push_back(d.LV_Thumbs->item(i)->text().toStdString());
        return out;
    }
};

TEST_F(PickerFixture, DeckModeListsOnlyTheNewerOfAPairAndSelectsTheDeckInUse)
{
    for (const char* name : {"wheels.cr3", "wheels.cr4", "standard.cr3", "broken.cr4", "zebra.CR4", "notes.txt",
                             "table.bmp"})
        Touch(name, std::string(name) == "broken.cr4" ? "bad" : "set");
    auto d = Open(PickerMode::Deck, "/anywhere/standard.cr3");
    d->Activate();
    EXPECT_TRUE(d->Listing());
    EXPECT_EQ(d->LV_Thumbs->count(), 0);  // thumbnails come one per tick
    d->T_AddItemTimer();
    EXPECT_LE(d->LV_Thumbs->count(), 1);
    d->ListAll();
    EXPECT_FALSE(d->Listing());
    EXPECT_EQ(Items(*d), (std::vector<std::string>{"standard.cr3", "wheels.cr4", "zebra.CR4"}));
    // The ".cr3" twin is not even read.
    EXPECT_EQ(std::count(Loaded.begin(), Loaded.end(), "wheels.cr3"), 0);
    ASSERT_EQ(d->LV_Thumbs->selectedItems().size(), 1);
    EXPECT_EQ(d->LV_Thumbs->selectedItems()[0]->text(), "standard.cr3");
    ASSERT_TRUE(d->B_OkClick());
    EXPECT_EQ(d->Picked(), Dir.File("standard.cr3"));
}

TEST_F(PickerFixture, NothingSelectedIsRefusedByMode)
{
    struct Row {
        PickerMode Mode;
        const char* File;
        const char* Caption;
        const char* Message;
    };
    const Row rows[] = {
        {PickerMode::Deck, "a.cr4", "Choose Deck", "Please select deck!"},
        {PickerMode::Texture, "a.jpg", "Choose Background Texture", "Please select image!"},
    };
    for (const Row& r : rows) {
        Messages.clear();
        Touch(r.File);
        auto d = Open(r.Mode, "/elsewhere/not-listed.bmp");
        EXPECT_EQ(d->windowTitle(), r.Caption);
        d->ListAll();
        EXPECT_FALSE(d->B_OkClick());
        EXPECT_EQ(Messages, std::vector<QString>{r.Message});
        EXPECT_TRUE(d->Picked().empty());
    }
}

TEST_F(PickerFixture, TextureModeListsPicturesByName)
{
    for (const char* name : {"moss.jpg", "felt.BMP", "oak.gif", "bad.gif", "wheels.cr4", "picture.png"})
        Touch(name, std::string(name) == "bad.gif" ? "bad" : "pic");
    auto d = Open(PickerMode::Texture, Dir.File("oak.gif"));
    d->ListAll();
    EXPECT_EQ(Items(*d), (std::vector<std::string>{"felt.BMP", "moss.jpg", "oak.gif"}));
    ASSERT_EQ(d->LV_Thumbs->selectedItems().size(), 1);
    EXPECT_EQ(d->LV_Thumbs->selectedItems()[0]->text(), "oak.gif");
    // Leaving stops the listing.
    d->Activate();
    d->reject();
    EXPECT_FALSE(d->Listing());
}

TEST_F(PickerFixture, PlayersOwnFilesJoinTheShippedOnesOnce)
{
    for (const char* name : {"wheels.cr3", "standard.cr3", "grand.cr4"}) Touch(name);
    test::ProgramDir own;
    for (const char* name : {"mine.cr4", "standard.cr3", "grand.cr3"}) test::WriteBytes(own.File(name), "set");
    struct Row {
        const char* What;
        std::string OwnDir;
        std::vector<std::string> Names;
        std::string StandardFrom;
    };
    const Row rows[] = {
        {"no folder of the player's", "", {"grand.cr4", "standard.cr3", "wheels.cr3"}, Dir.File("standard.cr3")},
        {"the player's folder is the shipped one", Dir.Path().toStdString() + "/",
         {"grand.cr4", "standard.cr3", "wheels.cr3"}, Dir.File("standard.cr3")},
        // The player's copy of a shipped name wins; a shipped .cr4 hides their .cr3 twin.
        {"a folder of their own", own.Path().toStdString(), {"grand.cr4", "mine.cr4", "standard.cr3", "wheels.cr3"},
         own.File("standard.cr3")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.What);
        BkgPicsContext ctx;
        ctx.Mode = PickerMode::Deck;
        ctx.Directory = Dir.Path().toStdString();
        ctx.OwnDirectory = r.OwnDir;
        ctx.LoadPicture = [](const std::string&, PixelBuffer& out) {
            out = Gradient(71, 96);
            return true;
        };
        TF_BkgPics d(ctx);
        d.ListAll();
        EXPECT_EQ(Items(d), r.Names);
        d.LV_Thumbs->findItems("standard.cr3", Qt::MatchExactly).front()->setSelected(true);
        ASSERT_TRUE(d.B_OkClick());
        EXPECT_EQ(d.Picked(), r.StandardFrom);
    }
}

TEST(BackPicker, PlacesAndChoices)
{
    const test::DrawnArt art;
    test::RecordingSurface surface;
    Field field(surface);
    art.Attach(field);
    const CardSize upright = DefaultCardSizes()[Upright];
    struct Row {
        int Backs;
        int InUse;
    };
    for (const Row& r : {Row{5, 4}, Row{3, 1}, Row{2, 0}}) {
        SCOPED_TRACE(r.Backs);
        TF_Shirts d(field.Art, upright, r.Backs, r.InUse);
        EXPECT_EQ(d.SelectedBack, r.InUse);
        for (int i = 0; i < ShirtPlaces; ++i) {
            EXPECT_EQ(!d.I_Shirt[static_cast<size_t>(i)]->isHidden(), i < r.Backs) << i;
            EXPECT_EQ(d.P_Shirt[static_cast<size_t>(i)]->frameShadow() == QFrame::Sunken, i == r.InUse) << i;
        }
        // An empty place cannot be chosen.
        d.I_ShirtClick(r.Backs);
        EXPECT_EQ(d.SelectedBack, r.InUse);
        d.I_ShirtClick(0);
        EXPECT_EQ(d.SelectedBack, 0);
        EXPECT_EQ(d.P_Shirt[static_cast<size_t>(r.InUse)]->frameShadow() == QFrame::Sunken, r.InUse == 0);
    }
}

// The back picture is the back cell, with the cut corners showing the button face.
TEST(BackPicker, BackPictureIsTheMaskedBackCell)
{
    const test::DrawnArt art;
    test::RecordingSurface surface;
    Field field(surface);
    art.Attach(field);
    const CardSize upright = DefaultCardSizes()[Upright];
    const Bgr face{1, 2, 3};
    for (int back = 0; back < 4; ++back) {
        const PixelBuffer pic = BackPicture(field.Art, upright, back, face);
        ASSERT_EQ(pic.Width(), upright.Width);
        ASSERT_EQ(pic.Height(), upright.Height);
        EXPECT_EQ(pic.GetPixel(upright.Width / 2, upright.Height / 2), test::BackColour(back));
        EXPECT_EQ(pic.GetPixel(0, 0), face);
    }
}

}  // namespace
}  // namespace quillo
