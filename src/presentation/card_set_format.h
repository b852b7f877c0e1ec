#pragma once
// Byte layout of card-set files (.cr3, .cr4) and frames files (.frm): titles,
// versions, field offsets and the scrambling shared by their reader and
// writer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillo {

// Card-set file.
inline constexpr std::string_view CardSetTitle = "CARDSDATA";
inline constexpr size_t CardSetTitleWidth = 10;
inline constexpr size_t VersionWidth = 4;
inline constexpr std::string_view CardSetVersion2 = "2.0";  // one upright sheet, turned on loading
inline constexpr std::string_view CardSetVersion3 = "3.0";  // four sheets, orientations 0..3
inline constexpr size_t CardSizeRecordBytes = 32;
inline constexpr size_t CardSetHeaderBytes = 151;  // up to the preview length

// Frames file.
inline constexpr std::string_view FramesTitle = "QTFRAMES";
inline constexpr size_t FramesTitleWidth = 9;
inline constexpr std::string_view FramesVersion = "2.0";
inline constexpr size_t FramesReservedBytes = 32;

// Columns of the frames picture.
enum FramesColumn : int {
    FrameOutline = 0,
    FrameMask = 1,
    FramePlaceOutline = 2,
    FramePlaceMask = 3,
    FrameFoundationOutline = 4,
    FrameFoundationMask = 5,
    FramesColumns = 6,
};

inline constexpr std::array<std::string_view, 8> FramesFileNames = {
    "fr-71-110.frm", "fr-71-106.frm", "fr-71-96.frm", "fr-26-36.frm",
    "fr-31-46.frm",  "fr-24-32.frm",  "fr-18-24.frm", "fr-53-72.frm",
};
// The upright card size each frames file is drawn for.
inline constexpr std::array<std::array<int, 2>, 8> FramesCardSizes = {{
    {71, 110}, {71, 106}, {71, 96}, {26, 36}, {31, 46}, {24, 32}, {18, 24}, {53, 72},
}};

// Sheets: 13 faces and a column of backs; four suit rows at least.
inline constexpr int SheetColumns = 14;
inline constexpr int BackColumn = 13;
inline constexpr int SheetFaceRows = 4;

// Limits the readers hold files to. Real sets are far inside them; anything
// beyond is a damaged or hostile file.
inline constexpr int MaxCardEdge = 512;
inline constexpr int MaxStep = 1024;
inline constexpr int64_t MaxSheetPixels = 16'000'000;
inline constexpr int MaxBacks = 16;
inline constexpr int MaxFramePitch = 2048;
inline constexpr size_t MaxBlockBytes = 256u << 20;

// Scrambling: every byte XORed with a key. The preview uses one fixed key;
// pictures a key that starts at a base (plus the block number) and turns
// right by one bit after every byte; the frames picture the same rolling key
// from its own start.
inline constexpr uint8_t PreviewKey = 0x5A;
inline constexpr uint8_t PictureKeyBase = 0xA7;
inline constexpr uint8_t FramesKeyStart = 0x3C;

constexpr uint8_t RotateKeyRight(uint8_t k)
{
    return static_cast<uint8_t>((k >> 1) | (k << 7));
}

// XORs n bytes with the rolling key starting at key; returns the key for the
// byte after them, so a block may be done in pieces.
uint8_t XorRolling(uint8_t* data, size_t n, uint8_t key);
// XORs n bytes with one fixed key.
void XorFixed(uint8_t* data, size_t n, uint8_t key);

}  // namespace quillo
