#pragma once
// The deal number typed into Select Shuffle.

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillo {

// Deal numbers are the unsigned 32-bit numbers but zero.
inline constexpr int64_t ShuffleNumberMin = 1;
inline constexpr int64_t ShuffleNumberMax = 4294967295;
inline constexpr const char* ShuffleRangeText = "1 to 4294967295";

// Reads text as a decimal number (optional sign, digits, blanks around it);
// none when it does not parse or lies outside the deal numbers.
std::optional<uint32_t> ParseShuffleNumber(std::string_view text);

}  // namespace quillo
