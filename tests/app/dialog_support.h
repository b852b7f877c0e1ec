#pragma once
// A headless game, a scratch program directory and whole files as bytes, for
// the dialog and window suites.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/game.h"
#include "engine/setup.h"

namespace quillo::test {

// The game as the window holds it after choosing a built-in game.
inline void StartGame(Game& g, int game, uint32_t seed = 12345)
{
    g.T.CurrentGame = game;
    g.T.CurrentCustom = -1;
    g.T.RandSeed = seed;
    SetupGame(g, SetupForm::Full);
    NewDeal(g, DealKind::New);
}

// Records the message boxes a dialog showed, and answers its questions.
struct Messages {
    std::vector<QString> Errors;
    std::vector<QString> Questions;
    bool Answer = true;
};

class ProgramDir {
public:
    std::string File(const char* name) const { return (Dir_.path() + "/" + name).toStdString(); }
    QString Path() const { return Dir_.path(); }

private:
    QTemporaryDir Dir_;
};

inline void WriteBytes(const std::string& path, const QByteArray& bytes)
{
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

inline QByteArray ReadBytes(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace quillo::test
