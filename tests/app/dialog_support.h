#pragma once
// A headless game and a scratch program directory for the dialog suites.

#include <QString>
#include <QTemporaryDir>
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

}  // namespace quillo::test
