#include <iostream>

#include "art/data_generator.h"
#include "commands.h"
#include "args.h"
#include "gui_session.h"

namespace quillo {

int MakeDataCommand(const Args& args)
{
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') throw UsageError("make-data needs one directory");
    GuiSession gui;
    std::string error;
    if (!art::MakeData(args[0], error)) {
        std::cerr << "quillo-tool make-data: " << error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace quillo
