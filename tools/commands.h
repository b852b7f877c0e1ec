#pragma once
// quillo-tool's commands. Each takes the arguments after its name and returns
// the exit status; a UsageError becomes a one-line message and status 2.

#include <string>
#include <vector>

namespace quillo {

using Args = std::vector<std::string>;

int CatalogueCommand(const Args& args);
int CountGamesCommand(const Args& args);
int DealCommand(const Args& args);
int InspectCommand(const Args& args);
int MakeDataCommand(const Args& args);
int MakeIconsCommand(const Args& args);
int RenderCardsCommand(const Args& args);
int PlayCommand(const Args& args);
int RenderTableCommand(const Args& args);
int MakeHelpCommand(const Args& args);
int HelpCommand(const Args& args);
int SolveCommand(const Args& args);

}  // namespace quillo
