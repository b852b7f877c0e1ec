// The textures and sounds the build ships: readable by the program, seamless,
// short and clean.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "art/data_generator.h"
#include "gui_support.h"
#include "presentation/image_loader.h"
#include "storage/atomic_file.h"
#include "core/bytes.h"

namespace quillo {
namespace {

class DataFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        test::EnsureGui();
        Dir = test::FreshDir("datafiles");
        std::string error;
        ASSERT_TRUE(art::WriteTextures(Dir, error)) << error;
        ASSERT_TRUE(art::WriteSounds(Dir, error)) << error;
    }
    static inline std::string Dir;
};

// Mean colour step between neighbouring columns (or rows) inside the picture,
// and across the seam where the tile meets its copy.
double Step(const PixelBuffer& b, int x0, int y0, int x1, int y1)
{
    const Bgr p = b.GetPixel(x0, y0), q = b.GetPixel(x1, y1);
    return std::abs(p.B - q.B) + std::abs(p.G - q.G) + std::abs(p.R - q.R);
}

TEST_F(DataFiles, TexturesLoadAsTheirTypeAndTileWithoutSeams)
{
    const std::pair<const char*, int> rows[] = {{"felt.bmp", ImageBmp},    {"oak.bmp", ImageBmp},
                                                {"linen.gif", ImageGif},   {"marble.jpg", ImageJpeg},
                                                {"slate.jpg", ImageJpeg},  {"baize.jpg", ImageJpeg}};
    for (const auto& [name, type] : rows) {
        SCOPED_TRACE(name);
        PixelBuffer t;
        EXPECT_EQ(DetectImageType(Dir + "/" + name), type);
        ASSERT_TRUE(LoadImageFile(t, Dir + "/" + name) && t.Width() >= 64);
        // Across the seam the picture changes no more than between two
        // neighbouring columns (or rows) inside it, with room for JPEG's blocks.
        const int w = t.Width(), h = t.Height();
        double inside = 0, seam = 0, insideV = 0, seamV = 0;
        for (int y = 0; y < h; ++y) inside += Step(t, w / 2, y, w / 2 + 1, y), seam += Step(t, w - 1, y, 0, y);
        for (int x = 0; x < w; ++x) insideV += Step(t, x, h / 2, x, h / 2 + 1), seamV += Step(t, x, h - 1, x, 0);
        EXPECT_LT(seam, inside * 1.6 + w);
        EXPECT_LT(seamV, insideV * 1.6 + h);
    }
}

TEST_F(DataFiles, SoundsAreShortCleanPcm)
{
    for (const char* name : {"new.wav", "work.wav", "found.wav", "open.wav", "return.wav", "stock.wav", "undo.wav",
                             "win.wav"}) {
        SCOPED_TRACE(name);
        std::string error;
        const auto bytes = ReadWholeFile(Dir + "/" + name, error);
        ASSERT_TRUE(bytes) << error;
        // PCM, mono, 2-byte frames of 16 bits; braces read the fields in order.
        ByteReader r(*bytes);
        EXPECT_EQ((std::tuple{r.GetFixedText(4), r.GetU32(), r.GetFixedText(8), r.GetU32(), r.GetU32()}),
                  std::tuple("RIFF", bytes->size() - 8, "WAVEfmt ", 16u, 0x00010001u));
        const uint32_t rate = r.GetU32();
        r.GetU32();
        EXPECT_EQ((std::tuple{r.GetU32(), r.GetFixedText(4)}), std::tuple(0x00100002u, "data"));
        const uint32_t n = r.GetU32() / 2;
        ASSERT_TRUE(r.Ok() && r.Remaining() == n * 2);
        const double seconds = static_cast<double>(n) / rate;
        EXPECT_TRUE(seconds > 0.04 && seconds < (std::string(name) == "win.wav" ? 2.0 : 0.6)) << seconds;
        int peak = 0;
        double sum = 0;
        std::vector<int> s(n);
        for (uint32_t i = 0; i < n; ++i) {
            s[i] = static_cast<int16_t>((*bytes)[44 + 2 * i] | ((*bytes)[45 + 2 * i] << 8));
            peak = std::max(peak, std::abs(s[i]));
            sum += s[i];
        }
        // Audible with headroom, no offset, and no click at either end.
        EXPECT_TRUE(peak > 8000 && peak < 24000) << peak;
        EXPECT_LT(std::abs(sum / n), 300.0);
        EXPECT_LT(std::max(std::abs(s.front()), std::abs(s.back())), 600);
    }
}

}  // namespace
}  // namespace quillo
