// Picture files: type detection, the decoders behind LoadImageFile, and the
// encoders the data generator uses.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "presentation/image_loader.h"
#include "presentation/image_writer.h"
#include "presentation/raster_ops.h"
#include "storage/atomic_file.h"

namespace quillo {
namespace {

using Bytes = std::vector<uint8_t>;

PixelBuffer Gradient(int w, int h)
{
    PixelBuffer b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, {static_cast<uint8_t>(x * 255 / w), static_cast<uint8_t>(y * 255 / h), 128});
    return b;
}

std::string TempPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / ("quillo_image_test_" + name)).string();
}

std::string WriteTemp(const std::string& name, const Bytes& bytes)
{
    const std::string p = TempPath(name);
    EXPECT_TRUE(WriteFileAtomic(p, bytes).Ok());
    return p;
}

TEST(DetectImageType, ByTheFirstFiveBytes)
{
    // Four bytes are too few.
    const std::pair<Bytes, int> rows[] = {
        {{0xFF, 0xD8, 0xFF, 0xE0, 0}, ImageJpeg}, {{'G', 'I', 'F', '8', '9', 'a'}, ImageGif},
        {{'G', 'I', 'F', '8', '7'}, ImageGif},    {{'B', 'M', 0, 0, 0}, ImageBmp},
        {{'B', 'M', 0, 0}, ImageNone},            {{0xFF, 0xD8, 0xFE, 0, 0}, ImageNone},
        {{'G', 'I', 'F', '9', 0}, ImageNone},     {{'b', 'm', 0, 0, 0}, ImageNone},
        {{}, ImageNone}};
    for (const auto& [bytes, type] : rows) {
        EXPECT_EQ(DetectImageType(bytes), type);
        EXPECT_EQ(DetectImageType(WriteTemp("detect", bytes)), type);
    }
    EXPECT_EQ(DetectImageType(TempPath("does_not_exist")), ImageNone);
}

TEST(Bmp, OwnFilesComeBackExactlyAndOtherLayoutsGoThroughTheGeneralReader)
{
    for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {71, 96}, {998, 5}}) {
        PixelBuffer back;
        EXPECT_TRUE(DecodePicture(EncodeBmp(Gradient(w, h)), back) && back.SamePixels(Gradient(w, h))) << w;
    }
    // The same picture stored top-down (negative height) is read by Qt.
    const PixelBuffer src = Gradient(13, 7);
    Bytes bmp = EncodeBmp(src);
    const int32_t negative = -7;
    std::memcpy(&bmp[22], &negative, 4);
    const size_t stride = static_cast<size_t>(src.Stride());
    for (int y = 0; y < 7; ++y) std::memcpy(&bmp[54 + y * stride], src.Row(y), stride);
    PixelBuffer back;
    ASSERT_TRUE(DecodePicture(bmp, back));
    EXPECT_TRUE(back.SamePixels(src));
    // A file too short for its rows is refused whether it is copied or taken
    // over, and the target keeps its picture.
    bmp = EncodeBmp(src);
    bmp.resize(bmp.size() - 40);
    EXPECT_FALSE(DecodePicture(std::span<const uint8_t>(bmp), back) || DecodePicture(Bytes(bmp), back));
    EXPECT_TRUE(back.SamePixels(src));
}

TEST(Gif, EncodedPicturesDecodeToTheirPaletteColours)
{
    std::array<Bgr, 256> palette;
    for (int i = 0; i < 256; ++i) palette[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 7};
    std::mt19937 rng(3);
    // Flat areas make long runs, noise fills the code table and forces clears.
    for (bool noise : {false, true}) {
        const int w = 301, h = 177;
        Bytes idx(static_cast<size_t>(w * h));
        for (size_t i = 0; i < idx.size(); ++i) idx[i] = noise ? static_cast<uint8_t>(rng()) : static_cast<uint8_t>(i / 999);
        PixelBuffer back, want(w, h);
        for (int i = 0; i < w * h; ++i) want.SetPixel(i % w, i / w, palette[idx[static_cast<size_t>(i)]]);
        ASSERT_TRUE(DecodePicture(EncodeGif(w, h, idx, palette), back));
        EXPECT_TRUE(back.SamePixels(want)) << noise;
    }
    EXPECT_TRUE(EncodeGif(2, 2, Bytes(3), palette).empty());
}

TEST(Jpeg, RoundTripIsClose)
{
    const PixelBuffer src = Gradient(64, 48);
    PixelBuffer back;
    ASSERT_TRUE(DecodePicture(EncodeJpeg(src, 95), back));
    ASSERT_EQ(back.Width(), 64);
    int worst = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            const Bgr a = src.GetPixel(x, y), b = back.GetPixel(x, y);
            worst = std::max({worst, std::abs(a.B - b.B), std::abs(a.G - b.G), std::abs(a.R - b.R)});
        }
    EXPECT_LT(worst, 12);
}

TEST(LoadImageFile, FailuresLeaveTheImageAsItWas)
{
    const Bytes bmp = EncodeBmp(Gradient(20, 10));
    Bytes short_bmp(bmp.begin(), bmp.begin() + 200);
    Bytes bad_gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x2C};
    // Too large; one side too long, in a plain BMP and in a 70-byte 1-bit one
    // that only the general reader takes.
    Bytes huge_bmp = bmp, tall_bmp = bmp;
    const int32_t big[] = {100000, 100000}, tall = 16385;
    std::memcpy(&huge_bmp[18], big, 8);
    std::memcpy(&tall_bmp[22], &tall, 4);
    Bytes line_bmp = {'B', 'M'};
    for (uint32_t v : {70u, 0u, 62u, 40u, 1u, 33'554'000u, 1u | (1u << 16), 0u, 8u, 0u, 0u, 2u, 0u})
        line_bmp.insert(line_bmp.end(), {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)});
    line_bmp.resize(70);
    Bytes jpegHead = EncodeJpeg(Gradient(8, 8), 90);
    jpegHead.resize(20);
    const std::pair<std::string, Bytes> rows[] = {
        {"short.bmp", short_bmp}, {"bad.gif", bad_gif},   {"huge.bmp", huge_bmp},          {"tall.bmp", tall_bmp},
        {"line.bmp", line_bmp},   {"head.jpg", jpegHead}, {"text.jpg", {'h', 'e', 'l', 'l', 'o'}},
        {"missing.bmp", {}}};
    for (const auto& [name, bytes] : rows) {
        PixelBuffer keep = Gradient(4, 4);
        EXPECT_FALSE(LoadImageFile(keep, name == "missing.bmp" ? TempPath(name) : WriteTemp(name, bytes))) << name;
        EXPECT_TRUE(keep.SamePixels(Gradient(4, 4))) << name;
    }

    PixelBuffer loaded;
    EXPECT_TRUE(LoadImageFile(loaded, WriteTemp("good.bmp", bmp)));
    EXPECT_TRUE(loaded.SamePixels(Gradient(20, 10)));
}

}  // namespace
}  // namespace quillo
