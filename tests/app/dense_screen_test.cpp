// The table on a dense screen. A test entry of its own runs this suite with
// QT_SCALE_FACTOR=2; in the plain run the window has one device pixel per
// window pixel and the same checks hold at ratio 1.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMouseEvent>

#include "app/bkg_pics.h"
#include "app/field_widget.h"
#include "engine/catalogue.h"
#include "engine/legality.h"
#include "presentation/field.h"
#include "running_window.h"
#include "storage/settings_file.h"

namespace quillo {
namespace {

struct Window : test::RunningWindow {
    FieldWidget& F() { return *W->I_Field; }
    void Use(const std::string& deck)
    {
        W->PickedDeck = deck;
        ASSERT_TRUE(W->LoadCards());
        Deal(games::Klondike, 7);
    }
    // The field's size and the window's, in the field's pixels per window pixel.
    void ExpectFieldAt(qreal scale)
    {
        EXPECT_EQ(F().Scale(), scale);
        EXPECT_EQ(T().Rules.FieldWidth, qRound(F().width() * scale));
        EXPECT_EQ(T().Rules.FieldHeight, qRound(F().height() * scale));
        EXPECT_EQ(W->TableField().Width(), T().Rules.FieldWidth);
        EXPECT_EQ(W->TableField().Height(), T().Rules.FieldHeight);
    }
    void Send(QEvent::Type type, QPointF pos)
    {
        QMouseEvent e(type, pos, F().mapToGlobal(pos), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&F(), &e);
    }
};

TEST(DenseScreen, DrawnCardsAreLaidOutPaintedAndPressedAtDevicePixels)
{
    Window w;
    const qreal ratio = w.W->devicePixelRatioF();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
        ASSERT_EQ(ratio, 2.0);
    }
    w.Use(FittedCardSetName);
    w.ExpectFieldAt(ratio);

    // Every device pixel shows the field's own pixel: nothing is enlarged.
    const TableState& t = w.T();
    const QImage shot = w.F().grab().toImage();
    ASSERT_EQ(shot.size(), QSize(t.Rules.FieldWidth, t.Rules.FieldHeight));
    const PixelBuffer& field = w.W->TableField().I_Field;
    int differing = 0;
    for (int y = 0; y < shot.height(); y += 3)
        for (int x = 0; x < shot.width(); ++x) {
            const Bgr want = field.GetPixel(x, y);
            const QRgb got = shot.pixel(x, y);
            differing += qRed(got) != want.R || qGreen(got) != want.G || qBlue(got) != want.B;
        }
    EXPECT_EQ(differing, 0);

    // A press at a window point picks the card under it on the screen.
    const int card = TopCard(t, t.Rules.TableLast);
    ASSERT_NE(card, -1);
    const FieldRect r = Field::CardRect(t, card);
    const QPointF at((r.Left + r.Right) / 2.0 / ratio, (r.Top + r.Bottom) / 2.0 / ratio);
    w.Send(QEvent::MouseButtonPress, at);
    EXPECT_TRUE(t.Dragging);
    EXPECT_EQ(t.ActiveCard, card);
    w.Send(QEvent::MouseButtonRelease, at);
    EXPECT_FALSE(t.Dragging);
}

// The density, or the window, may have changed since the game was saved.
TEST(DenseScreen, AGameSavedInAnotherWindowIsLaidOutForThisOne)
{
    Window w;
    w.Use(FittedCardSetName);
    const QString path = w.OwnDir->Path() + "/moved.sav";
    w.W->AskSaveName = [&](const QString&) { return path; };
    w.W->MI_GameSaveClick();
    const int savedWidth = w.T().Rules.FieldWidth;
    w.W->resize(w.W->width() * 3 / 4, w.W->height() * 3 / 4);
    QCoreApplication::processEvents();
    w.W->AskOpenName = [&] { return path; };
    w.W->MI_GameLoadClick();

    const TableState& t = w.T();
    EXPECT_NE(t.Rules.FieldWidth, savedWidth);
    EXPECT_EQ(t.Rules.FieldWidth, w.F().ToField(w.W->ClientWidth()));
    for (int c = 0; c < t.Rules.TotalCards; ++c) {
        const FieldRect r = Field::CardRect(t, c);
        EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= t.Rules.FieldWidth && r.Bottom <= t.Rules.FieldHeight)
            << "card " << c;
    }
}

// Their 71 x 96 pictures hold no more detail: the window system enlarges them.
TEST(DenseScreen, FileCardSetsKeepWindowPixels)
{
    Window w;
    const QDir built(QCoreApplication::applicationDirPath());
    for (const QString& name : built.entryList({"*.frm", "standard.cr3"}))
        ASSERT_TRUE(QFile::copy(built.filePath(name), w.OwnDir->Path() + "/" + name));
    w.Use(FittedCardSetName);
    // Picked as the player picks it: the deal goes on at the new scale.
    const uint32_t deal = w.T().Rules.GameNumber;
    w.W->ShowPicker = [](TF_BkgPics& p) {
        p.ListAll();
        p.LV_Thumbs->clearSelection();
        p.LV_Thumbs->findItems("standard.cr3", Qt::MatchExactly).value(0)->setSelected(true);
        return p.B_OkClick();
    };
    w.W->MI_OptionsDeckClick();
    EXPECT_EQ(w.W->PickedDeck, w.OwnDir->File("standard.cr3"));
    EXPECT_EQ(w.T().Rules.GameNumber, deal);
    w.ExpectFieldAt(1);
    EXPECT_EQ(w.T().Rules.CardSizes[Upright].Width, 71);
}

}  // namespace
}  // namespace quillo
