#include "image_loader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "jpeg_decoder.h"
#include "storage/atomic_file.h"

namespace quillo {

namespace {

// BMP and GIF through Qt's readers, refusing oversized pictures before any
// pixel memory is taken.
bool DecodeWithQt(std::span<const uint8_t> bytes, const char* format, PixelBuffer& image)
{
    if (bytes.size() > static_cast<size_t>(INT32_MAX)) return false;
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly)) return false;
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    // Top-down BMPs report a negative height here; only the area matters.
    const QSize size = reader.size();
    if (!PictureSizeAllowed(std::abs(size.width()), std::abs(size.height()))) return false;
    QImage img;
    if (!reader.read(&img) || img.isNull()) return false;
    img = img.convertToFormat(QImage::Format_BGR888);
    if (img.isNull()) return false;
    PixelBuffer out(img.width(), img.height());
    const size_t n = static_cast<size_t>(img.width()) * 3;
    for (int y = 0; y < img.height(); ++y) std::memcpy(out.Row(y), img.constScanLine(y), n);
    image = std::move(out);
    return true;
}

uint32_t U32At(std::span<const uint8_t> b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

// The common case, and the one every card sheet is: an uncompressed
// bottom-up 24-bit BMP whose rows are already laid out like ours. Anything
// else (palettes, top-down, compression) goes to Qt's reader.
enum class Plain { Yes, No, Broken };
struct PlainLayout {
    uint32_t Offset;
    int32_t Width, Height;
};
Plain CheckPlainBmp(std::span<const uint8_t> b, PlainLayout& layout)
{
    if (b.size() < 54) return Plain::No;
    const uint32_t offset = U32At(b, 10), info = U32At(b, 14);
    const auto w = static_cast<int32_t>(U32At(b, 18)), h = static_cast<int32_t>(U32At(b, 22));
    const uint16_t planes = static_cast<uint16_t>(b[26] | (b[27] << 8));
    const uint16_t bpp = static_cast<uint16_t>(b[28] | (b[29] << 8));
    if (info != 40 || planes != 1 || bpp != 24 || U32At(b, 30) != 0 || w < 1 || h < 1) return Plain::No;
    if (!PictureSizeAllowed(w, h)) return Plain::Broken;
    const uint64_t stride = static_cast<uint64_t>(PixelBuffer::StrideFor(w));
    if (offset < 54 || offset + stride * static_cast<uint64_t>(h) > b.size()) return Plain::Broken;
    layout = {offset, w, h};
    return Plain::Yes;
}

Plain DecodePlainBmp(std::span<const uint8_t> b, PixelBuffer& image)
{
    PlainLayout l;
    const Plain p = CheckPlainBmp(b, l);
    if (p != Plain::Yes) return p;
    PixelBuffer out;
    out.Create(l.Width, l.Height);
    std::memcpy(out.Bits(), b.data() + l.Offset, out.SizeBytes());
    image = std::move(out);
    return Plain::Yes;
}

}  // namespace

int DetectImageType(std::span<const uint8_t> h)
{
    if (h.size() < 5) return ImageNone;
    if (h[0] == 0xFF && h[1] == 0xD8 && h[2] == 0xFF) return ImageJpeg;
    if (std::memcmp(h.data(), "GIF8", 4) == 0) return ImageGif;
    if (h[0] == 'B' && h[1] == 'M') return ImageBmp;
    return ImageNone;
}

int DetectImageType(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return ImageNone;
    uint8_t head[5];
    const size_t n = std::fread(head, 1, sizeof head, f);
    std::fclose(f);
    return DetectImageType(std::span<const uint8_t>(head, n));
}

bool DecodePicture(std::span<const uint8_t> bytes, PixelBuffer& image)
{
    switch (DetectImageType(bytes)) {
    case ImageBmp:
        switch (DecodePlainBmp(bytes, image)) {
        case Plain::Yes: return true;
        case Plain::Broken: return false;
        case Plain::No: return DecodeWithQt(bytes, "bmp", image);
        }
        return false;
    case ImageGif: return DecodeWithQt(bytes, "gif", image);
    case ImageJpeg: return DecodeJpeg(bytes, image);
    default: return false;
    }
}

bool DecodePicture(std::vector<uint8_t>&& bytes, PixelBuffer& image)
{
    PlainLayout l;
    if (DetectImageType(bytes) == ImageBmp && CheckPlainBmp(bytes, l) == Plain::Yes) {
        PixelBuffer out;
        if (!out.Adopt(std::move(bytes), l.Offset, l.Width, l.Height)) return false;
        image = std::move(out);
        return true;
    }
    const std::vector<uint8_t> held = std::move(bytes);
    return DecodePicture(std::span<const uint8_t>(held), image);
}

bool LoadImageFile(PixelBuffer& image, const std::string& path)
{
    std::string error;
    const auto data = ReadWholeFile(path, error, 256u << 20);
    return data && DecodePicture(*data, image);
}

}  // namespace quillo
