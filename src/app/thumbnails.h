#pragma once
// The file picker's modes, its listing of candidate files and the thumbnail
// of one picture. No widgets here.

#include <string>
#include <vector>

#include "presentation/pixel_buffer.h"

namespace quillo {

enum class PickerMode { Texture = 1, Deck = 3 };

struct PickerTraits {
    const char* Caption;
    std::vector<std::string> Extensions;  // lower case, with the dot
    int ThumbWidth;
    int ThumbHeight;
    const char* NothingSelected;
};

const PickerTraits& TraitsOf(PickerMode mode);

// Entries of the directory matching the mode's masks (case-insensitive
// extension), by name, as a file list box would list them.
std::vector<std::string> ListPickerFiles(const std::string& dir, PickerMode mode);

struct PickerEntry {
    std::string Name;  // what the list shows
    std::string Path;  // the file read and picked
};

// The shipped directory's files and the player's own (ownDir, may be empty or
// the same directory), by name. A name in both is listed once, as the
// player's copy. In deck mode a ".cr3" set with a ".cr4" twin of the same
// name is not offered: the twin is.
std::vector<PickerEntry> ListPickerEntries(const std::string& dir, const std::string& ownDir, PickerMode mode);

// Deck mode: the picture centred on silver, shrunk to fit when larger.
// Texture mode: the top-left part at real scale on white, centred when small.
void BuildThumbnail(const PixelBuffer& picture, PixelBuffer& thumb, PickerMode mode);

// The name part of a path.
std::string FileNameOf(const std::string& path);

}  // namespace quillo
