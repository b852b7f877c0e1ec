#pragma once
// The deal number typed into Select Shuffle.

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillo {

// Reads text as a signed 64-bit decimal number (optional sign, digits, blanks
// around it). The low 32 bits, unsigned, are the deal number; none when the
// text does not parse or those bits are all zero.
std::optional<uint32_t> ParseShuffleNumber(std::string_view text);

}  // namespace quillo
