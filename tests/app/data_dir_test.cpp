// Where the shipped data is looked for, and where an installed copy keeps the
// player's files.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/file_names.h"

namespace quillo {
namespace {

struct Tree {
    QTemporaryDir Root;
    std::string Dir(const char* rel) const { return QDir::cleanPath(Root.path() + "/" + rel).toStdString() + "/"; }
    void Ship(const char* rel) const
    {
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(Dir(rel))));
        QFile f(QString::fromStdString(Dir(rel) + "standard.cr3"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

TEST(DataDir, BesideTheProgramThenShareThenXdg)
{
    struct Row {
        const char* What;
        std::vector<const char*> Shipped;
        const char* Want;
    };
    const Row rows[] = {
        {"build tree or portable copy", {"prefix/bin", "prefix/share/quillotaire", "xdg1/quillotaire"}, "prefix/bin"},
        {"installed under a prefix", {"prefix/share/quillotaire", "xdg1/quillotaire"}, "prefix/share/quillotaire"},
        {"only in an XDG data folder: the first that has it", {"xdg2/quillotaire", "xdg3/quillotaire"},
         "xdg2/quillotaire"},
        {"nowhere: the program directory", {}, "prefix/bin"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.What);
        Tree t;
        QDir().mkpath(QString::fromStdString(t.Dir("prefix/bin")));
        for (const char* rel : r.Shipped) t.Ship(rel);
        const std::vector<std::string> xdg{t.Dir("xdg1"), "", t.Dir("xdg2"), t.Dir("xdg3")};
        EXPECT_EQ(FindDataDir(t.Dir("prefix/bin"), xdg), t.Dir(r.Want));
    }
}

TEST(DataDir, InstalledCopyKeepsThePlayersFilesInTheXdgDataHome)
{
    Tree t;
    t.Ship("prefix/share/quillotaire");
    QDir().mkpath(QString::fromStdString(t.Dir("prefix/bin")));
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(t.Dir("home")));
    const FILE_NAMES installed = PlayerFileNames(t.Dir("prefix/bin"));
    t.Ship("portable");
    const FILE_NAMES portable = PlayerFileNames(t.Dir("portable"));
    qputenv("XDG_DATA_HOME", oldHome);

    EXPECT_EQ(installed.DataDir, t.Dir("prefix/share/quillotaire"));
    EXPECT_EQ(installed.CardSetPath, t.Dir("prefix/share/quillotaire") + "wheels.cr3");
    EXPECT_EQ(installed.HelpFile, t.Dir("prefix/share/quillotaire") + "quillo.hlp");
    // The bin folder is writable here, yet nothing of the player's goes there.
    for (const std::string* f : {&installed.Settings, &installed.Statistics, &installed.CustomGames,
                                 &installed.CustomGamesTemp, &installed.PlayerDir})
        EXPECT_EQ(f->rfind(t.Dir("home"), 0), 0u) << *f;
    EXPECT_TRUE(QDir(QString::fromStdString(installed.PlayerDir)).exists());

    EXPECT_EQ(portable.DataDir, t.Dir("portable"));
    EXPECT_EQ(portable.PlayerDir, t.Dir("portable"));
    EXPECT_EQ(portable.Settings, t.Dir("portable") + "quillo.set");
}

}  // namespace
}  // namespace quillo
