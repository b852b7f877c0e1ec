// The built help file against the catalogue and the engine: every topic and
// context resolves, every rules page is complete, and the facts each rules
// page states are the ones the game's rules record holds after its layout.

#include <QHelpEngineCore>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/game.h"
#include "engine/setup.h"
#include "help/help_file.h"

namespace quillo {
namespace {

class HelpFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Dir_ = new QTemporaryDir;
        Engine_ = new QHelpEngineCore(HelpCollectionPath(QUILLO_HELP_FILE, Dir_->path()));
        ASSERT_TRUE(OpenHelpFile(*Engine_, QUILLO_HELP_FILE)) << "build quillo.hlp first";
    }
    static void TearDownTestSuite()
    {
        delete Engine_;
        delete Dir_;
    }

    static QString Page(const QString& topic)
    {
        const QUrl url = ResolveHelpTopic(*Engine_, topic);
        return url.isEmpty() ? QString() : QString::fromUtf8(Engine_->fileData(url));
    }
    static int Words(const QString& topic)
    {
        const QUrl url = ResolveHelpTopic(*Engine_, topic);
        return static_cast<int>(HelpPlainText(*Engine_, url).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size());
    }
    // The value of one row of a rules page's facts table.
    static QString Fact(const QString& page, const QString& name)
    {
        const QRegularExpression row("<tr><th>" + name + "</th><td>([^<]*)</td></tr>");
        const auto m = row.match(page);
        return m.hasMatch() ? m.captured(1).trimmed() : QString("(no %1 row)").arg(name);
    }

    static QTemporaryDir* Dir_;
    static QHelpEngineCore* Engine_;
};

QTemporaryDir* HelpFileTest::Dir_ = nullptr;
QHelpEngineCore* HelpFileTest::Engine_ = nullptr;

QString Topic(size_t game)
{
    return QString::fromLatin1(Catalogue()[game].HelpTopic.data(), static_cast<int>(Catalogue()[game].HelpTopic.size()));
}

QString ShortOf(QString topic)
{
    topic[0] = 'B';
    return topic;
}

// Each game's page and its short form are found by topic; the page names the
// game, says how it is won, shows a deal, and its facts table agrees with
// the rules record after the layout.
TEST_F(HelpFileTest, EveryGameHasACompleteRulesPageAgreeingWithItsRules)
{
    static const char* const ranks[] = {"Ace", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Jack", "Queen", "King"};
    TableView view;
    for (size_t i = 0; i < Catalogue().size(); ++i) {
        const QString topic = Topic(i);
        SCOPED_TRACE(topic.toStdString());
        for (const QString& t : {topic, ShortOf(topic)}) EXPECT_EQ(ResolveHelpTopic(*Engine_, t), HelpPageUrl(t + ".html"));
        const QString name = QString::fromUtf8(Catalogue()[i].Name.data(), static_cast<int>(Catalogue()[i].Name.size()));
        const QString page = Page(topic);
        EXPECT_TRUE(page.contains("<h1>" + name.toHtmlEscaped() + "</h1>") || page.contains("<h1>" + name + "</h1>"));
        EXPECT_TRUE(page.contains("<h2>Winning</h2>"));
        const QString img = "images/" + topic + ".png";
        EXPECT_TRUE(page.contains("src=\"" + img + "\""));
        EXPECT_FALSE(QImage::fromData(Engine_->fileData(HelpPageUrl(img))).isNull());
        EXPECT_LT(Words(ShortOf(topic)), Words(topic));

        Game g(view);
        g.T.CurrentGame = static_cast<int>(i);
        ASSERT_TRUE(SetupGame(g, SetupForm::Full));
        g.T.Rules.GameNumber = 1;
        NewDeal(g, DealKind::Restart);
        const GameRules& r = g.T.Rules;
        const int piles = r.TableFirst == -1 ? 0 : r.TableLast - r.TableFirst + 1;
        const QString rank = r.StartRankFromDeal ? "Set by the deal"
                             : r.StartRank >= 0 && r.StartRank <= 12 ? ranks[r.StartRank]
                                                                     : "None";
        EXPECT_EQ(Fact(page, "Level"), QString::fromUtf8(LevelName(LevelOf(Catalogue()[i].Level)).data()));
        EXPECT_EQ(Fact(page, "Decks"), QString::number(r.Decks));
        EXPECT_EQ(Fact(page, "Tableau piles"), QString::number(piles));
        EXPECT_EQ(Fact(page, "Starting rank"), rank);
    }
    EXPECT_TRUE(ResolveHelpTopic(*Engine_, "H_nosuchgame").isEmpty());
}

}  // namespace
}  // namespace quillo
