#include <iostream>

#include "args.h"
#include "commands.h"
#include "inspect.h"
#include "storage/atomic_file.h"

namespace quillo {

std::span<const FileInspector> FileInspectors()
{
    static const FileInspector table[] = {
        {"CARDSSET", InspectSettings},
        {"SAVEGAME", InspectSavedGame},
        {"CARDSSTAT", InspectStatistics},
        {"CARDSSTRK", InspectStreaks},
        {"CUSTOMGAME", InspectCustomGames},
        {"CARDSDATA", InspectCardSet},
        {"QTFRAMES", InspectFrames},
    };
    return table;
}

namespace {

// The title: the text before the first zero byte at the start of the file.
std::string TitleOf(std::span<const uint8_t> bytes)
{
    std::string title;
    for (size_t i = 0; i < bytes.size() && i < 16 && bytes[i] != 0; ++i) title += static_cast<char>(bytes[i]);
    return title;
}

}  // namespace

int InspectCommand(const Args& args)
{
    if (args.size() != 1 || args[0].starts_with("--")) throw UsageError("inspect takes one FILE");
    std::string error;
    auto bytes = ReadWholeFile(args[0], error);
    if (!bytes) {
        std::cerr << "quillo-tool inspect: " << args[0] << ": " << (error.empty() ? "No such file" : error) << '\n';
        return 1;
    }
    const std::string title = TitleOf(*bytes);
    for (const FileInspector& row : FileInspectors()) {
        if (row.Title != title) continue;
        JsonWriter j;
        const bool ok = row.Inspect(*bytes, j, error);
        if (!j.Text().empty()) std::cout << j.Text() << '\n';
        if (!ok) {
            std::cerr << "quillo-tool inspect: " << args[0] << ": " << error << '\n';
            return 1;
        }
        return 0;
    }
    std::cerr << "quillo-tool inspect: " << args[0] << ": not a file of Quillotaire's own\n";
    return 1;
}

}  // namespace quillo
