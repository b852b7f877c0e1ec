#pragma once
// The head every file of the program's own starts with (a fixed-width title
// and version), and the texts inside the files.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/bytes.h"

namespace quillo {

// A fixed-width field as readers compare it: the last byte is taken as zero,
// and the text ends at the first zero byte.
inline std::string ReadHeadField(ByteReader& r, size_t width)
{
    auto b = r.GetBytes(width);
    size_t n = 0;
    while (n + 1 < b.size() && b[n] != 0) ++n;
    return std::string(reinterpret_cast<const char*>(b.data()), n);
}

inline void WriteHead(ByteWriter& w, std::string_view title, size_t titleWidth, std::string_view version,
                      size_t versionWidth = 10)
{
    w.PutFixedText(title, titleWidth);
    w.PutFixedText(version, versionWidth);
}

// The longest prefix of s of at most maxBytes that does not split a UTF-8
// sequence: texts are cut to fit their fields without leaving half a letter.
inline std::string_view CutText(std::string_view s, size_t maxBytes)
{
    if (s.size() <= maxBytes) return s;
    size_t n = maxBytes;
    while (n > 0 && (static_cast<uint8_t>(s[n]) & 0xC0) == 0x80) --n;
    return s.substr(0, n);
}

// Longest text a length-prefixed field may hold (its length counts the zero).
constexpr size_t MaxCountedText = 255;

inline void PutText(ByteWriter& w, std::string_view s)
{
    w.PutCountedText(CutText(s, MaxCountedText));
}

}  // namespace quillo
