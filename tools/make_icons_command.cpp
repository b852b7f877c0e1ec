#include <iostream>

#include "art/program_icon.h"
#include "args.h"
#include "commands.h"
#include "gui_session.h"

namespace quillo {

int MakeIconsCommand(const Args& args)
{
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') throw UsageError("make-icons needs one directory");
    GuiSession gui;
    std::string error;
    if (!art::WriteProgramIcons(args[0], "quillotaire", error)) {
        std::cerr << "quillo-tool make-icons: " << error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace quillo
