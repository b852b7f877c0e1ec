// quillo-tool play's command reader and the engine behind it on arbitrary
// text: the first byte picks the game, the rest are command lines. Whatever
// the commands, every pile's count must match its cards.

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/game_table.h"
#include "play_session.h"

namespace {

void CheckTable(const quillo::TableState& t)
{
    int counts[quillo::MaxPiles] = {};
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        const quillo::Card& c = t.CardAt(i);
        if (!c.InPlay) continue;
        if (c.PileIndex < 0 || c.PileIndex >= t.Rules.PileCount) __builtin_trap();
        if (c.Order < 0 || c.Order >= t.PileAt(c.PileIndex).Count) __builtin_trap();
        ++counts[c.PileIndex];
    }
    for (int p = 0; p < t.Rules.PileCount; ++p)
        if (counts[p] != t.PileAt(p).Count) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const int games[] = {0, 5, 13, 14, 17, 19, 20, 22, 23, 41, 50};
    if (size < 2) return 0;
    quillo::PlaySession session(games[data[0] % 11], data[1]);
    std::string line;
    for (size_t i = 2; i < size; ++i) {
        if (data[i] != '\n') {
            line += static_cast<char>(data[i]);
            continue;
        }
        session.Run(line);
        line.clear();
        CheckTable(session.G().T);
    }
    session.Run(line);
    CheckTable(session.G().T);
    return 0;
}
