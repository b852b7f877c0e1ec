#pragma once
// Plays a player action with key commands only: the cursor is walked to the
// card (and, carrying, to the target pile) by the shortest arrow path, then
// Space/Enter, Shift+Enter, Escape or the Deal key. Used by the tests and by the
// program that prints a won deal as key presses.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/keyboard_cursor.h"
#include "engine/move_list.h"

namespace quillo::test {

// The shortest arrow path from the cursor to a place that satisfies goal;
// found is false when no place does.
inline std::vector<KeyCommand> ArrowPath(
    const TableState& t, KeyCursor from, bool carrying, const std::function<bool(const KeyCursor&)>& goal, bool& found)
{
    static constexpr KeyCommand Arrows[] = {KeyCommand::Left, KeyCommand::Right, KeyCommand::Up, KeyCommand::Down};
    static constexpr CursorMove Moves[] = {CursorMove::Left, CursorMove::Right, CursorMove::Up, CursorMove::Down};
    auto key = [](const KeyCursor& c) { return std::pair{c.Pile, c.Card}; };
    from = FitCursor(t, from);
    std::map<std::pair<int, int>, std::pair<KeyCursor, int>> cameFrom; // place -> (previous, arrow)
    std::deque<KeyCursor> queue{from};
    cameFrom[key(from)] = {from, -1};
    found = false;
    while (!queue.empty()) {
        const KeyCursor c = queue.front();
        queue.pop_front();
        if (goal(c)) {
            std::vector<KeyCommand> path;
            for (KeyCursor at = c; !(at == from);) {
                const auto& [previous, arrow] = cameFrom[key(at)];
                path.insert(path.begin(), Arrows[arrow]);
                at = previous;
            }
            found = true;
            return path;
        }
        for (int a = 0; a < 4; ++a) {
            const KeyCursor next = MoveCursor(t, c, Moves[a], carrying);
            if (cameFrom.count(key(next)) != 0) continue;
            cameFrom[key(next)] = {c, a};
            queue.push_back(next);
        }
    }
    return {};
}

// Plays the commands and appends them to keys.
inline void PlayKeys(Game& g, KeyPlay& k, const std::vector<KeyCommand>& cmds, std::vector<KeyCommand>& keys)
{
    for (KeyCommand c : cmds) {
        PlayKey(g, k, c);
        keys.push_back(c);
    }
}

// Plays the action by keys; false when the cursor cannot reach a card or
// pile the action needs, or a drag's card would not lift.
inline bool PlayActionByKeys(Game& g, KeyPlay& k, const PlayerAction& a, std::vector<KeyCommand>& keys)
{
    auto walk = [&](const std::function<bool(const KeyCursor&)>& goal) {
        bool found = false;
        const std::vector<KeyCommand> path = ArrowPath(g.T, k.Cursor, k.Carrying, goal, found);
        if (found) PlayKeys(g, k, path, keys);
        return found;
    };
    auto toCard = [&](int card) { return walk([&](const KeyCursor& c) { return CursorCard(g.T, c) == card; }); };
    auto toPile = [&](int pile) { return walk([&](const KeyCursor& c) { return c.Pile == pile; }); };
    // A press that lifts a group and lets it go again, as a click does.
    auto click = [&] {
        PlayKeys(g, k, {KeyCommand::Activate}, keys);
        if (k.Carrying) PlayKeys(g, k, {KeyCommand::Cancel}, keys);
    };
    switch (a.Kind) {
    case ActionKind::Drag:
        if (!toCard(a.Card)) return false;
        // A card bound for a foundation goes by Shift+Enter when that sends
        // it to the same foundation.
        if (g.T.Rules.IsFoundation(a.Pile)) {
            Game trial = g;
            KeyPlay tk = k;
            PlayKey(trial, tk, KeyCommand::SendHome);
            if (trial.T.CardAt(a.Card).PileIndex == a.Pile) {
                PlayKeys(g, k, {KeyCommand::SendHome}, keys);
                return true;
            }
        }
        PlayKeys(g, k, {KeyCommand::Activate}, keys);
        if (!k.Carrying || !toPile(a.Pile)) return false;
        PlayKeys(g, k, {KeyCommand::Activate}, keys);
        return true;
    case ActionKind::Press:
        if (!toCard(a.Card)) return false;
        click();
        return true;
    case ActionKind::EmptyStock:
        if (!toPile(a.Pile)) return false;
        click();
        return true;
    case ActionKind::DealButton: PlayKeys(g, k, {KeyCommand::Deal}, keys); return true;
    case ActionKind::TwoPresses:
        if (!toCard(a.Card)) return false;
        click();
        if (a.Other != -1 ? !toCard(a.Other) : !toPile(a.Pile)) return false;
        click();
        return true;
    }
    return false;
}

// The key a player presses for a command, as xdotool names it.
inline const char* KeyName(KeyCommand c)
{
    switch (c) {
    case KeyCommand::Left: return "Left";
    case KeyCommand::Right: return "Right";
    case KeyCommand::Up: return "Up";
    case KeyCommand::Down: return "Down";
    case KeyCommand::Activate: return "space";
    case KeyCommand::SendHome: return "shift+Return";
    case KeyCommand::Cancel: return "Escape";
    case KeyCommand::Deal: return "d";
    }
    return "";
}

}  // namespace quillo::test
