#include <iostream>

#include "args.h"
#include "commands.h"
#include "engine/catalogue.h"
#include "json_writer.h"

namespace quillo {

int CatalogueCommand(const Args& args)
{
    if (!args.empty()) throw UsageError("catalogue takes no arguments");
    JsonWriter j;
    j.BeginArray();
    const auto& entries = Catalogue();
    for (size_t i = 0; i < entries.size(); ++i) {
        j.BeginObject();
        j.Key("index").Int(static_cast<int64_t>(i));
        j.Key("name").Str(entries[i].Name);
        j.Key("level").Str(std::string(1, entries[i].Level));
        j.Key("helpTopic").Str(entries[i].HelpTopic);
        j.EndObject();
    }
    j.EndArray();
    std::cout << j.Text() << '\n';
    return 0;
}

}  // namespace quillo
