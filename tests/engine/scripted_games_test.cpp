// Whole games played through quillo-tool play: the solver finds a
// winning line of a known deal, its commands go to the real tool, and the
// win must come with the last command, not before.

#include "play_session.h"
#include "win_search.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillo {
namespace {

// What quillo-tool prints for the arguments, stderr included.
std::string ToolOutput(const std::string& arguments)
{
    std::string out;
    FILE* pipe = popen((std::string(QUILLO_TOOL_PATH) + " " + arguments + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return out;
    for (int ch; (ch = std::fgetc(pipe)) != EOF;)
        out += static_cast<char>(ch);
    pclose(pipe);
    return out;
}

// The lines quillo-tool play prints for the commands, one a command.
std::vector<std::string> RunTool(
    int game, uint32_t number, const std::vector<std::string>& commands, const std::string& name)
{
    const std::string script = testing::TempDir() + "quillo_play_" + name + ".txt";
    {
        std::ofstream out(script);
        for (const auto& c : commands)
            out << c << '\n';
    }
    std::istringstream printed(ToolOutput(
        "play --game " + std::to_string(game) + " --number " + std::to_string(number) + " < " + script));
    std::vector<std::string> lines;
    for (std::string line; std::getline(printed, line);)
        lines.push_back(line);
    std::remove(script.c_str());
    return lines;
}

bool HasWin(const std::string& line)
{
    return line.find("\"win\"") != std::string::npos;
}

// Every command plays, none wins but the last, and the state then says won.
void ExpectWinWithTheLast(int game, uint32_t number, std::vector<std::string> commands, const std::string& name)
{
    const size_t played = commands.size();
    commands.push_back("state");
    const std::vector<std::string> lines = RunTool(game, number, commands, name);
    ASSERT_EQ(lines.size(), played + 2);
    for (size_t k = 0; k + 1 < played; ++k) {
        ASSERT_EQ(lines[k].rfind("{\"events\":", 0), 0u) << commands[k] << ": " << lines[k];
        ASSERT_FALSE(HasWin(lines[k])) << "won early, at command " << k << " of " << played;
    }
    EXPECT_TRUE(HasWin(lines[played - 1])) << commands[played - 1] << ": " << lines[played - 1];
    EXPECT_NE(lines[played].find("\"GameWon\":true"), std::string::npos);
}

// The commands of a line kept beside this file, one a line.
std::vector<std::string> StoredCommands(const char* file)
{
    std::ifstream in(std::string(QUILLO_ENGINE_TEST_DATA) + "/" + file);
    std::vector<std::string> commands;
    for (std::string line; std::getline(in, line);)
        commands.push_back(line);
    return commands;
}

struct Deal {
    int Game;
    uint32_t Number;
    const char* File = nullptr; // a line kept beside this file, else the solver's
};

// Deals the solver wins quickly.
const Deal WonDeals[] = {
    {games::Klondike, 33}, {games::Chinese, 1}, {games::Canfield, 9}, {games::Aribert, 31}, {games::FreeCell, 32},
    {games::Star, 16}, {games::Braid, 9}, {games::MonteCarlo, 1}, {games::RoyalMarriage, 1}, {games::BigHarp, 8},
    {games::Agnes, 13}, {games::MerryTwos, 15}, {games::LookOfFortune, 1}, {games::Fans, 20},
    {games::FourSeasons, 24}, {games::Duke, 2}, {games::ShiftedCross, 9}, {games::Threes, 1}, {games::Trial, 1},
    {games::Pyramid, 4}, {games::CatsTail, 10}, {games::Peacock, 1}, {games::Parterre, 1}, {games::ForestHouse, 39},
    {games::FairMarket, 1}, {games::NewFashioned, 3}, {games::BlackHole, 5}, {games::EagleWing, 1},
    {games::AcesUp, 16}, {games::EightSphinxes, 7}, {games::FirstAndLast, 1}, {games::WindMill, 16},
    {games::Sultan, 1}, {games::WomensKingdom, 1}, {games::SwedishPacket, 1}, {games::KingsCorners, 1},
    {games::Octagon, 14}, {games::Yukon, 3}
};

class ScriptedGame : public testing::TestWithParam<Deal> { };

TEST_P(ScriptedGame, WinComesWithTheLastCommand)
{
    const Deal d = GetParam();
    std::vector<std::string> commands;
    if (d.File != nullptr) {
        commands = StoredCommands(d.File);
        ASSERT_GT(commands.size(), 50u) << d.File;
    } else {
        const test::WinLine line = test::FindWin(d.Game, d.Number, 100000);
        ASSERT_TRUE(line.Won) << "no win found in " << line.Nodes << " positions";
        commands = test::LineCommands(line);
    }
    ExpectWinWithTheLast(d.Game, d.Number, commands, d.File != nullptr ? d.File : std::to_string(d.Game));
}

INSTANTIATE_TEST_SUITE_P(EveryLaidOutGame, ScriptedGame, testing::ValuesIn(WonDeals),
    [](const auto& info) { return test::GameTestName(info.param.Game); });

// Some games need longer searches than a test should run, so the lines found
// are kept beside this file: Scorpion deal 34 (the progress ordering, some
// 20000 positions), Napoleon's Tomb deal 1 (best first over cards home,
// hidden cards and cards parked on the four arms, some 10000 positions),
// Golf deal 1 (a search over column heights, stock place and waste card; the
// small search here takes Golf's columns for built runs and skips moves),
// Dogs to the Basket deal 1 (greedy playouts over cards home and cards lying
// above lower ones, with a little noise; won on the first playout),
// Gothic Castle deal 50 (depth first ordered by cards home and the depth of
// the cards the foundations wait for, some 1000 positions; the small search
// never reverses a built pair, which this game needs, and most deals of it
// are lost from the start), Crescent deal 4 (greedy playouts over the
// same measure, the Deal button only when nothing else moves; won on the
// 57th playout).
// Baker's Dozen, Osmosis, Flower Garden and Gaps come from a best-first
// search over cards home, hidden cards and low cards buried under higher ones
// (Gaps: the cards in place from the left of each row), which the small
// search never finds: Baker's Dozen and Osmosis among deals 1..40, Flower
// Garden among deals 1..15, Gaps among deals 1..60.
// Sun deal 17 comes from a best-first search over cards home, cards above a
// lower card of their suit and empty rays (some 60 positions): the small
// search never moves a card off a fitting one, which Sun's two-way rays need.
// Icebreaker deal 14 comes from a best-first search over cards home, hidden
// cards and in-suit pairs, with a little noise to leave a dead basin; few
// deals of it reach a win.
// Forty Thieves deal 145 and Rouge et Noir deal 9 come from greedy playouts
// over the same measure with some noise (won on the 41st and the 110th
// playout; the playouts won no other deal they tried).
// Four Packages deal 1 comes from a best-first search over cards packed,
// cards lying above the ones the packages wait for and cards off sequence,
// which never makes a carry that buries a package (some 400 positions).
INSTANTIATE_TEST_SUITE_P(LongGames, ScriptedGame,
    testing::Values(Deal{games::Scorpion, 34, "scorpion_34.txt"},
        Deal{games::NapoleonsTomb, 1, "napoleons_tomb_1.txt"}, Deal{games::Golf, 1, "golf_1.txt"},
        Deal{games::DogsToTheBasket, 1, "dogs_to_the_basket_1.txt"},
        Deal{games::GothicCastle, 50, "gothic_castle_50.txt"}, Deal{games::Crescent, 4, "crescent_4.txt"},
        Deal{games::BakersDozen, 7, "bakers_dozen_7.txt"}, Deal{games::Osmosis, 23, "osmosis_23.txt"},
        Deal{games::Gaps, 29, "gaps_29.txt"}, Deal{games::FlowerGarden, 3, "flower_garden_3.txt"},
        Deal{games::Sun, 17, "sun_17.txt"}, Deal{games::Icebreaker, 14, "icebreaker_14.txt"},
        Deal{games::FortyThieves, 145, "forty_thieves_145.txt"},
        Deal{games::RougeEtNoir, 9, "rouge_et_noir_9.txt"},
        Deal{games::FourPackages, 1, "four_packages_1.txt"}),
    [](const auto& info) { return test::GameTestName(info.param.Game); });

// Games no search here has won yet are played to a clear dead end instead:
// the stock spent and not one action left, through the real tool.
class StoredDeadEnd : public testing::TestWithParam<Deal> { };

TEST_P(StoredDeadEnd, EndsWithNoActionLeft)
{
    const Deal s = GetParam();
    const std::vector<std::string> commands = StoredCommands(s.File);
    ASSERT_GT(commands.size(), 10u) << s.File;
    const std::vector<std::string> lines = RunTool(s.Game, s.Number, commands, s.File);
    ASSERT_EQ(lines.size(), commands.size());
    for (size_t k = 0; k < commands.size(); ++k) {
        ASSERT_EQ(lines[k].rfind("{\"events\":", 0), 0u) << commands[k] << ": " << lines[k];
        ASSERT_FALSE(HasWin(lines[k])) << k;
    }
    PlaySession session(s.Game, s.Number);
    for (const auto& c : commands)
        session.Run(c);
    const TableState& t = session.G().T;
    EXPECT_EQ(t.PileAt(t.Rules.StockPile).Count, 0);
    std::vector<PlayerAction> actions;
    ListActions(t, actions);
    EXPECT_TRUE(actions.empty()) << actions.size() << " actions left";
    EXPECT_FALSE(session.G().GameWon);
}

INSTANTIATE_TEST_SUITE_P(UnwonGames, StoredDeadEnd,
    testing::Values(Deal{ games::Spider, 1, "spider_1_dead_end.txt" },
        Deal{ games::Chameleon, 3, "chameleon_3_dead_end.txt" }),
    [](const auto& info) { return test::GameTestName(info.param.Game); });

// The same commands with Animation on and off leave the same table.
TEST(ScriptedGame, AnimationChangesNoData)
{
    const test::WinLine line = test::FindWin(games::Canfield, 9, 100000);
    ASSERT_TRUE(line.Won);
    std::vector<std::string> states;
    for (const char* option : { "option animation on", "option animation off" }) {
        std::vector<std::string> commands{ option };
        for (auto& c : test::LineCommands(line))
            commands.push_back(c);
        commands.resize(commands.size() - 1); // stop before the win, which deals anew in a window
        commands.push_back("state");
        const std::vector<std::string> lines = RunTool(games::Canfield, 9, commands, "anim");
        ASSERT_GE(lines.size(), 2u);
        states.push_back(lines[lines.size() - 2]);
    }
    EXPECT_EQ(states[0], states[1]);
}

TEST(PlayTool, BadCommandsReportAndChangeNothing)
{
    const std::vector<std::string> commands = { "state", "left", "left 52", "left x", "right -1", "drop 3",
        "left-pile 99", "deal", "option sound maybe", "option colour on", "undo 2", "fly", "left-pile 6", "state" };
    const std::vector<std::string> lines = RunTool(games::Klondike, 5, commands, "bad");
    ASSERT_EQ(lines.size(), commands.size() + 2);
    for (size_t k = 2; k + 3 < lines.size(); ++k)
        EXPECT_EQ(lines[k].rfind("{\"error\":", 0), 0u) << commands[k - 1] << ": " << lines[k];
    // Everything but the Layer values is as dealt (the press on an empty pile raised it).
    const std::string& last = lines[lines.size() - 2];
    EXPECT_EQ(lines[0].substr(lines[0].find("\"Cards\"")), last.substr(last.find("\"Cards\"")));
}

// The commands of the line in quillo-tool solve's JSON object.
std::vector<std::string> LineOf(const std::string& json)
{
    std::vector<std::string> out;
    size_t at = json.find("\"line\":[");
    if (at == std::string::npos) return out;
    for (at += 8; at < json.size() && json[at] == '"';) {
        const size_t end = json.find('"', at + 1);
        if (end == std::string::npos) break;
        out.push_back(json.substr(at + 1, end - at - 1));
        at = end + 1;
        if (at < json.size() && json[at] == ',') ++at;
    }
    return out;
}

// quillo-tool solve prints one JSON object whose line, piped into
// quillo-tool play, wins the deal with its last command.
TEST(SolveTool, PrintedLineWinsThroughPlay)
{
    for (const Deal d : { Deal{ games::FreeCell, 1 }, Deal{ games::Klondike, 1 }, Deal{ games::Pyramid, 4 } }) {
        const std::string json = ToolOutput("solve --game " + std::to_string(d.Game) + " --number "
            + std::to_string(d.Number) + " --budget-ms 60000 --positions 200000");
        ASSERT_NE(json.find("\"result\":\"won\""), std::string::npos) << json;
        EXPECT_NE(json.find("\"positions\":"), std::string::npos);
        EXPECT_NE(json.find("\"milliseconds\":"), std::string::npos);
        const std::vector<std::string> commands = LineOf(json);
        ASSERT_FALSE(commands.empty());
        ExpectWinWithTheLast(d.Game, d.Number, commands, "solve" + std::to_string(d.Game));
    }
}

TEST(SolveTool, BadArgumentsAreUsageErrors)
{
    for (const char* args : { "solve --game 19", "solve --number 3", "solve --game 99 --number 1",
             "solve --game 19 --number 1 --budget-ms 0", "solve --game 19 --number 1 --positions x" })
        EXPECT_EQ(ToolOutput(args).rfind("quillo-tool solve: ", 0), 0u) << args;
}

} // namespace
} // namespace quillo
