#pragma once
// Frames files (.frm): the card outlines and masks a card set names by index.

#include <functional>
#include <span>
#include <string>

#include "byte_source.h"
#include "card_store.h"

namespace quillo {

using MessageSink = std::function<void(const std::string&)>;

// The frames file of an index 0..7, in the program directory.
std::string FramesPath(const std::string& programDir, int index);

// Loads frames file `index` from programDir into frames. On any failure the
// old frames stay and message says why: "Invalid frames title !", "Invalid
// frames varsion !", or a line naming a missing, short or unreadable file.
bool LoadFrames(int index, Frames& frames, const std::string& programDir, const MessageSink& message);

// The same from any source; `name` names the file in messages.
bool ReadFrames(ByteSource& src, int index, const std::string& name, Frames& frames, const MessageSink& message);

}  // namespace quillo
