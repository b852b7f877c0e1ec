// The help viewer as the commands open it: at a topic, a context or the
// contents, above a modal dialog, and the one message for a bad help file.

#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/dialog_support.h"
#include "app/file_bytes.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "engine/catalogue.h"

namespace quillo {
namespace {

struct HelpWindowTest : ::testing::Test {
    test::ProgramDir Dir;
    F_Main W{Dir.Path()};
    std::vector<QString> Errors;

    void SetUp() override
    {
        W.ShowError = [this](const QString& text) { Errors.push_back(text); };
        test::StartGame(W.CurrentGame(), games::Klondike);
    }
    void PutHelpFile(const QByteArray& bytes) { test::WriteBytes(Dir.File("quillo.hlp"), bytes); }
    static QByteArray BuiltHelpFile() { return test::ReadBytes(QUILLO_HELP_FILE); }
    QString Shown() const { return W.HelpViewer()->Browser()->source().fileName(); }
};

TEST_F(HelpWindowTest, OpensAtTopicsContextsAndTheContents)
{
    PutHelpFile(BuiltHelpFile());
    struct Row {
        const char* Topic;
        const char* Page;
        bool Note;
    };
    for (const Row& row : {Row{"H_klondike", "H_klondike.html", false}, Row{"B_star", "B_star.html", false},
                           Row{"230", "chooser.html", false}, Row{"10", "about.html", false}, Row{"Contents", "index.html", false},
                           Row{"H_nosuchgame", "index.html", true}, Row{"", "index.html", true}}) {
        W.OpenHelpTopic(row.Topic);
        ASSERT_NE(W.HelpViewer(), nullptr) << row.Topic;
        EXPECT_EQ(W.HelpViewer()->windowTitle(), "Quillotaire Help");
        EXPECT_EQ(Shown(), row.Page) << row.Topic;
        EXPECT_EQ(W.HelpViewer()->Note().isEmpty(), !row.Note) << row.Topic;
    }
    EXPECT_TRUE(Errors.empty());

    // The page's picture comes out of the help file.
    W.OpenHelpTopic("H_gaps");
    QTextBrowser* b = W.HelpViewer()->Browser();
    const QUrl picture = b->source().resolved(QUrl("images/H_gaps.png"));
    EXPECT_FALSE(b->loadResource(QTextDocument::ImageResource, picture).value<QImage>().isNull());
    EXPECT_TRUE(b->toPlainText().contains("Gaps"));
    // One window, with a history to go back through.
    EXPECT_TRUE(b->isBackwardAvailable());
}

TEST_F(HelpWindowTest, ViewerBelongsToTheModalDialogWhileItIsOpen)
{
    PutHelpFile(BuiltHelpFile());
    QDialog dialog(&W);
    QWidget* ownerInside = nullptr;
    QTimer::singleShot(0, &dialog, [&] {
        W.OpenHelpTopic("700");
        ownerInside = W.HelpViewer()->parentWidget();
        dialog.accept();
    });
    dialog.exec();
    EXPECT_EQ(ownerInside, &dialog);
    ASSERT_NE(W.HelpViewer(), nullptr);
    EXPECT_EQ(W.HelpViewer()->parentWidget(), &W);
    EXPECT_TRUE(W.HelpViewer()->isVisible());
    EXPECT_EQ(Shown(), "customize.html");
}

TEST_F(HelpWindowTest, BadHelpFileGivesOneMessageAndTheGameGoesOn)
{
    const QByteArray good = BuiltHelpFile();
    const std::vector<QByteArray> bad = {QByteArray(), QByteArray("not a help file at all\n"), good.left(good.size() / 3),
                                         QByteArray(4096, '\0')};
    const uint32_t number = W.CurrentGame().T.Rules.GameNumber;
    W.OpenHelpTopic("H_klondike");  // no file at all
    for (const QByteArray& bytes : bad) {
        PutHelpFile(bytes);
        W.OpenHelpTopic("H_klondike");
    }
    ASSERT_EQ(Errors.size(), bad.size() + 1);
    for (const QString& e : Errors) EXPECT_EQ(e, "The help file quillo.hlp is missing or damaged.");
    EXPECT_EQ(W.HelpViewer(), nullptr);
    EXPECT_EQ(W.CurrentGame().T.CurrentGame, games::Klondike);
    EXPECT_EQ(W.CurrentGame().T.Rules.GameNumber, number);

    // Put back, the file is found on the next command.
    PutHelpFile(good);
    W.OpenHelpTopic("H_klondike");
    EXPECT_EQ(Errors.size(), bad.size() + 1);
    ASSERT_NE(W.HelpViewer(), nullptr);
    EXPECT_EQ(Shown(), "H_klondike.html");
}

}  // namespace
}  // namespace quillo
