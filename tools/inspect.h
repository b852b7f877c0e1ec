#pragma once
// quillo-tool inspect: one row per file format, chosen by the title the file
// starts with. Each inspector writes the file's fields as one JSON object.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "json_writer.h"

namespace quillo {

struct FileInspector {
    std::string_view Title;
    // Returns false, with the reason, for a file it cannot read whole; what
    // was read may already be written.
    bool (*Inspect)(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error);
};

std::span<const FileInspector> FileInspectors();

// The program's own files (inspect_storage.cpp).
bool InspectSettings(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error);
bool InspectSavedGame(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error);
bool InspectStatistics(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error);
bool InspectStreaks(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error);
bool InspectCustomGames(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error);

// Card sets and frames files (inspect_cards.cpp).
bool InspectCardSet(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error);
bool InspectFrames(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error);

}  // namespace quillo
