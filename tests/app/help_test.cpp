// The built help file against the catalogue and the engine, and the help
// viewer as the commands open it: at a topic, a context or the contents,
// above a modal dialog, and the one message for a bad help file.

#include <QDialog>
#include <QHelpEngineCore>
#include <QImage>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/dialog_support.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "engine/catalogue.h"
#include "help/help_file.h"

namespace quillo {
namespace {

QString Latin(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Each game's page and its short form are found by topic; the page names the
// game, says how it is won, shows a deal, and its facts table agrees with
// the rules record after the layout.
TEST(HelpFile, EveryGameHasACompleteRulesPageAgreeingWithItsRules)
{
    QTemporaryDir dir;
    QHelpEngineCore engine(HelpCollectionPath(QUILLO_HELP_FILE, dir.path()));
    ASSERT_TRUE(OpenHelpFile(engine, QUILLO_HELP_FILE)) << "build quillo.hlp first";
    const auto words = [&](const QString& topic) {
        const QString text = HelpPlainText(engine, ResolveHelpTopic(engine, topic));
        return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size();
    };
    static const char* const ranks[] = {"Ace", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Jack", "Queen", "King"};
    for (size_t i = 0; i < Catalogue().size(); ++i) {
        const QString topic = Latin(Catalogue()[i].HelpTopic), name = Latin(Catalogue()[i].Name);
        const QString brief = QString(topic).replace(0, 1, "B");
        SCOPED_TRACE(topic.toStdString());
        for (const QString& t : {topic, brief}) EXPECT_EQ(ResolveHelpTopic(engine, t), HelpPageUrl(t + ".html"));
        const QString page = QString::fromUtf8(engine.fileData(ResolveHelpTopic(engine, topic)));
        EXPECT_TRUE(page.contains("<h1>" + name.toHtmlEscaped() + "</h1>") || page.contains("<h1>" + name + "</h1>"));
        EXPECT_TRUE(page.contains("<h2>Winning</h2>"));
        const QString img = "images/" + topic + ".png";
        EXPECT_TRUE(page.contains("src=\"" + img + "\""));
        EXPECT_FALSE(QImage::fromData(engine.fileData(HelpPageUrl(img))).isNull());
        EXPECT_LT(words(brief), words(topic));

        Game g;
        test::StartGame(g, static_cast<int>(i));
        const GameRules& r = g.T.Rules;
        const auto fact = [&](const QString& row) {
            const auto m = QRegularExpression("<tr><th>" + row + "</th><td>([^<]*)</td></tr>").match(page);
            return m.hasMatch() ? m.captured(1).trimmed() : "(no " + row + " row)";
        };
        EXPECT_EQ(fact("Level"), Latin(LevelName(LevelOf(Catalogue()[i].Level))));
        EXPECT_EQ(fact("Decks"), QString::number(r.Decks));
        EXPECT_EQ(fact("Tableau piles"), QString::number(r.TableFirst == -1 ? 0 : r.TableLast - r.TableFirst + 1));
        EXPECT_EQ(fact("Starting rank"), r.StartRankFromDeal                  ? "Set by the deal"
                                         : r.StartRank >= 0 && r.StartRank <= 12 ? ranks[r.StartRank]
                                                                                 : "None");
    }
}

struct HelpWindow : ::testing::Test {
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

TEST_F(HelpWindow, ViewerBelongsToTheModalDialogWhileItIsOpen)
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

// A missing or damaged help file gives one message each time and the game
// goes on. Put back, the viewer opens at topics, contexts and the contents,
// with a note for an unknown topic, and shows the pictures the file holds.
TEST_F(HelpWindow, OpensAtTopicsOrSaysTheFileIsBad)
{
    const QByteArray good = BuiltHelpFile();
    const uint32_t number = W.CurrentGame().T.Rules.GameNumber;
    W.OpenHelpTopic("H_klondike");  // no file at all
    for (const QByteArray& bytes : {QByteArray(), QByteArray("not a help file\n"), good.left(good.size() / 3),
                                    QByteArray(4096, '\0')}) {
        PutHelpFile(bytes);
        W.OpenHelpTopic("H_klondike");
    }
    EXPECT_EQ(Errors, std::vector<QString>(5, "The help file quillo.hlp is missing or damaged."));
    EXPECT_EQ(W.HelpViewer(), nullptr);
    EXPECT_EQ(std::tie(W.CurrentGame().T.CurrentGame, W.CurrentGame().T.Rules.GameNumber),
              std::make_tuple(games::Klondike, number));

    PutHelpFile(good);
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"H_klondike", "H_klondike.html", false}, {"B_star", "B_star.html", false}, {"230", "chooser.html", false},
        {"10", "about.html", false},              {"Contents", "index.html", false},
        {"H_nosuchgame", "index.html", true},     {"", "index.html", true}};  // a note says the topic is unknown
    for (const auto& [topic, page, note] : rows) {
        W.OpenHelpTopic(topic);
        ASSERT_NE(W.HelpViewer(), nullptr) << topic;
        EXPECT_EQ(W.HelpViewer()->windowTitle(), "Quillotaire Help");
        EXPECT_EQ(Shown(), page) << topic;
        EXPECT_EQ(W.HelpViewer()->Note().isEmpty(), !note) << topic;
    }
    EXPECT_EQ(Errors.size(), 5u);
    W.OpenHelpTopic("H_gaps");
    QTextBrowser* b = W.HelpViewer()->Browser();
    const QUrl picture = b->source().resolved(QUrl("images/H_gaps.png"));
    EXPECT_FALSE(b->loadResource(QTextDocument::ImageResource, picture).value<QImage>().isNull());
    EXPECT_TRUE(b->toPlainText().contains("Gaps"));
    // One window, with a history to go back through.
    EXPECT_TRUE(b->isBackwardAvailable());
}

}  // namespace
}  // namespace quillo
