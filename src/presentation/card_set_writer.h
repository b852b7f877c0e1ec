#pragma once
// Writers of card-set and frames files, used by the data generator and the
// tests.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/game_rules.h"

namespace quillo {

struct CardSetContent {
    std::string Version = "2.0";  // "2.0": one upright sheet; "3.0": sheets 0..3
    int32_t FramesIndex = 2;
    int32_t BackCount = 1;
    std::array<CardSize, 4> Sizes{};
    std::vector<uint8_t> Preview;                // a BMP file
    std::vector<std::vector<uint8_t>> Pictures;  // picture files, one or four
};

std::vector<uint8_t> EncodeCardSet(const CardSetContent& set);

// A frames file around an encoded frames picture. The 32 bytes the reader
// skips hold the upright card size, the grid (columns, rows) and zeros.
std::vector<uint8_t> EncodeFramesFile(int32_t pitch, const std::array<int32_t, 8>& reserved,
                                      std::span<const uint8_t> picture);

}  // namespace quillo
