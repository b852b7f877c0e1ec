// quillo-tool: the command-line companion of Quillotaire.

#include <functional>
#include <iostream>
#include <map>

#include "args.h"
#include "commands.h"

namespace {

const std::map<std::string, std::function<int(const quillo::Args&)>>& CommandTable()
{
    static const std::map<std::string, std::function<int(const quillo::Args&)>> table{
        {"catalogue", quillo::CatalogueCommand},
        {"count-games", quillo::CountGamesCommand},
        {"deal", quillo::DealCommand},
        {"inspect", quillo::InspectCommand},
        {"make-data", quillo::MakeDataCommand},
        {"make-icons", quillo::MakeIconsCommand},
        {"render-cards", quillo::RenderCardsCommand},
        {"play", quillo::PlayCommand},
        {"render-table", quillo::RenderTableCommand},
        {"make-help", quillo::MakeHelpCommand},
        {"help", quillo::HelpCommand},
        {"solve", quillo::SolveCommand},
    };
    return table;
}

void PrintUsage()
{
    std::cerr << "usage: quillo-tool COMMAND [options]\ncommands:";
    for (const auto& [name, _] : CommandTable()) std::cerr << ' ' << name;
    std::cerr << '\n';
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    const auto& table = CommandTable();
    auto it = table.find(argv[1]);
    if (it == table.end()) {
        std::cerr << "quillo-tool: unknown command '" << argv[1] << "'\n";
        return 2;
    }
    try {
        return it->second(quillo::Args(argv + 2, argv + argc));
    } catch (const quillo::UsageError& e) {
        std::cerr << "quillo-tool " << argv[1] << ": " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "quillo-tool " << argv[1] << ": " << e.what() << '\n';
        return 1;
    }
}
