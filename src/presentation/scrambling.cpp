#include <cstring>

#include "card_set_format.h"

namespace quillo {

uint8_t XorRolling(uint8_t* data, size_t n, uint8_t key)
{
    // The key repeats every 8 bytes: XOR whole words with one 8-byte pattern.
    uint8_t pattern[8];
    for (int i = 0; i < 8; ++i) {
        pattern[i] = key;
        key = RotateKeyRight(key);
    }
    uint64_t word;
    std::memcpy(&word, pattern, 8);
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t v;
        std::memcpy(&v, data + i, 8);
        v ^= word;
        std::memcpy(data + i, &v, 8);
    }
    for (; i < n; ++i) data[i] ^= pattern[i & 7];
    return pattern[n & 7];
}

void XorFixed(uint8_t* data, size_t n, uint8_t key)
{
    for (size_t i = 0; i < n; ++i) data[i] ^= key;
}

}  // namespace quillo
