#pragma once
// JSON of the table state: the rules record, the piles and cards in use, the
// deal order, names and labels.

#include <optional>
#include <string>

#include "engine/table_state.h"
#include "json_writer.h"

namespace quillo {

// {"Width", "Height", "HorzStep": [dx, dy], "VertStep": [dx, dy]}
void WriteCardSizeJson(JsonWriter& j, const CardSize& s);
void WriteGameRulesJson(JsonWriter& j, const GameRules& r);
void WritePileJson(JsonWriter& j, const Pile& p);
void WriteCardJson(JsonWriter& j, const Card& c);

// Writes the members of the deal dump into an object already begun.
struct TableTexts {
    std::string Caption;
    std::optional<std::string> StartRankLabel;
};
void WriteTableMembers(JsonWriter& j, const TableState& t, const TableTexts& texts);

}  // namespace quillo
