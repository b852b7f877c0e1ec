#include "shuffle_number.h"

#include <charconv>

namespace quillo {

std::optional<uint32_t> ParseShuffleNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        // "+-5" must not parse.
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    // Every number a deal can have, and nothing else: no wrapping of larger
    // or negative numbers onto another deal.
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    if (value < ShuffleNumberMin || value > ShuffleNumberMax) return std::nullopt;
    return static_cast<uint32_t>(value);
}

}  // namespace quillo
