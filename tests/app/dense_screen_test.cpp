// The table on a dense screen. A test entry of its own runs this suite with
// QT_SCALE_FACTOR=2; in the plain run the same checks hold at ratio 1.

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>

#include "app/bkg_pics.h"
#include "app/field_widget.h"
#include "app/game_preview.h"
#include "engine/catalogue.h"
#include "engine/legality.h"
#include "presentation/field.h"
#include "running_window.h"
#include "storage/settings_file.h"

namespace quillo {
namespace {

struct Window : test::RunningWindow {
    FieldWidget& F() { return *W->I_Field; }
    QSize FieldSize() { return {T().Rules.FieldWidth, T().Rules.FieldHeight}; }
    // The field holds `scale` of its pixels per window pixel, the window's field.
    void ExpectFieldAt(qreal scale)
    {
        EXPECT_EQ(std::tuple(F().Scale(), F().size() * scale, T().Rules.FieldWidth),
                  std::tuple(scale, FieldSize(), F().ToField(W->ClientWidth())));
        EXPECT_EQ(FieldSize(), QSize(W->TableField().Width(), W->TableField().Height()));
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
    ASSERT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    w.W->PickedDeck = FittedCardSetName;
    ASSERT_TRUE(w.W->LoadCards());
    w.Deal(games::Klondike, 7);
    w.ExpectFieldAt(ratio);
    // Every device pixel shows the field's own: nothing is enlarged.
    EXPECT_EQ(w.F().grab().toImage().convertToFormat(QImage::Format_RGB32),
              ToQImage(w.W->TableField().I_Field).convertToFormat(QImage::Format_RGB32));

    // A press at a window point picks the card shown under it.
    const TableState& t = w.T();
    const int card = TopCard(t, t.Rules.TableLast);
    const FieldRect r = Field::CardRect(t, card);
    const QPointF at((r.Left + r.Right) / 2.0 / ratio, (r.Top + r.Bottom) / 2.0 / ratio);
    w.Send(QEvent::MouseButtonPress, at);
    EXPECT_EQ(std::pair(t.Dragging, t.ActiveCard), std::pair(true, card));
    w.Send(QEvent::MouseButtonRelease, at);

    // A game saved in another window, or at another density, is laid out for this one.
    const QString path = w.OwnDir->Path() + "/moved.sav";
    w.W->AskSaveName = [&](const QString&) { return path; };
    w.W->MI_GameSaveClick();
    w.W->resize(w.W->width() * 3 / 4, w.W->height() * 3 / 4);
    QCoreApplication::processEvents();
    w.W->AskOpenName = [&] { return path; };
    w.W->MI_GameLoadClick();
    w.ExpectFieldAt(ratio);
    for (int c = 0; c < t.Rules.TotalCards; ++c) {
        const FieldRect cr = Field::CardRect(t, c);
        EXPECT_TRUE(QRect(QPoint(0, 0), w.FieldSize()).contains(QRect(cr.Left, cr.Top, cr.Width(), cr.Height()))) << c;
    }
}

// Their 71 x 96 pictures hold no more detail: the window system enlarges them.
TEST(DenseScreen, FileCardSetsKeepWindowPixels)
{
    Window w;
    const QDir built(QCoreApplication::applicationDirPath());
    for (const QString& name : built.entryList({"*.frm", "standard.cr3"}))
        QFile::copy(built.filePath(name), w.OwnDir->Path() + "/" + name);
    w.W->ShowPicker = [](TF_BkgPics& p) {
        p.ListAll();
        p.LV_Thumbs->clearSelection();
        p.LV_Thumbs->findItems("standard.cr3", Qt::MatchExactly).value(0)->setSelected(true);
        return p.B_OkClick();
    };
    w.W->MI_OptionsDeckClick();
    EXPECT_EQ(w.W->PickedDeck, w.OwnDir->File("standard.cr3"));
    w.ExpectFieldAt(1);
}

}  // namespace
}  // namespace quillo
