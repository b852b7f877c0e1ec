#pragma once
// Card-set files (.cr3, .cr4): the full load that fills the card image store
// and the cheap load of the preview picture alone.

#include <functional>
#include <string>

#include "byte_source.h"
#include "card_store.h"
#include "frames_reader.h"

namespace quillo {

struct CardSetHooks {
    std::string ProgramDir;               // where the frames files are
    std::function<void()> Advance;        // loading progress: 8 steps for "3.0", 11 for "2.0"
    MessageSink Message;                  // frames file problems
    std::function<void(bool)> EnableBack; // the Back command: on from two backs
    std::string SetName;                  // the set's file, for messages (LoadCardSet fills it)
    // Whether a set whose frames cannot be read is refused (the program
    // cannot draw it); readers that only look at the sheets say no.
    bool RequireFrames = true;
};

// What the header of a card-set file says, for inspection and for the loader.
struct CardSetHeader {
    std::string Version;
    int32_t FramesIndex = -1;
    int32_t BackCount = 0;
    uint8_t Reserved = 0;
    std::array<CardSize, 4> Sizes{};
    int32_t PreviewLength = 0;
};

// Reads and checks the header up to and including the preview length.
// Rejects a wrong title or version, a short header, a frames index outside
// 0..7, a back count outside 1..16, card sizes outside 1..1024 or steps
// beyond 1024 pixels.
// why, when given, receives the reason for a rejection.
bool ReadCardSetHeader(ByteSource& src, CardSetHeader& header, std::string* why = nullptr);

// Whether a sheet holds every cell of its class: 14 columns, `rows` rows.
bool SheetCovers(const PixelBuffer& sheet, const CardSize& size, int rows);

// Full load. On success the store holds the new set's eight sheets, the
// frames it names are loaded (a frames problem is reported through hooks and
// keeps the old frames, the set still loads), rules gets the eight CardSizes
// records and BackCount, and a BackIndex outside the backs becomes 0. On
// failure nothing changes.
bool LoadCardSet(const std::string& path, CardImageStore& store, GameRules& rules, const CardSetHooks& hooks);
bool ReadCardSet(ByteSource& src, CardImageStore& store, GameRules& rules, const CardSetHooks& hooks);

// Makes a complete set the live one, as the end of a full load does (a set
// drawn in memory comes in the same way): rules gets its eight CardSizes
// records and BackCount, a BackIndex outside the backs becomes 0, and
// enableBack, when given, hears whether there are two backs or more.
void UseCardSet(CardImageStore&& next, CardImageStore& store, GameRules& rules,
                const std::function<void(bool)>& enableBack = {});

// Preview load: only the small picture near the head of the file.
bool LoadCardSetPreview(const std::string& path, PixelBuffer& preview);
bool ReadCardSetPreview(ByteSource& src, PixelBuffer& preview);

}  // namespace quillo
