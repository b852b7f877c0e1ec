#include "image_writer.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "core/bytes.h"

namespace quillo {

std::vector<uint8_t> EncodeBmp(const PixelBuffer& image)
{
    const uint32_t pixels = static_cast<uint32_t>(image.SizeBytes());
    ByteWriter w;
    w.PutU8('B');
    w.PutU8('M');
    w.PutU32(54 + pixels);  // file size
    w.PutU32(0);            // reserved
    w.PutU32(54);           // pixel offset
    w.PutU32(40);           // info header size
    w.PutI32(image.Width());
    w.PutI32(image.Height());  // positive: bottom-up
    w.PutU8(1);
    w.PutU8(0);  // planes
    w.PutU8(24);
    w.PutU8(0);  // bits per pixel
    w.PutU32(0);  // no compression
    w.PutU32(pixels);
    w.PutI32(2835);  // 72 dpi
    w.PutI32(2835);
    w.PutU32(0);
    w.PutU32(0);
    w.PutBytes({image.Bits(), image.SizeBytes()});
    return w.Take();
}

namespace {

// LZW code writer: codes packed least significant bit first into 255-byte
// sub-blocks.
class GifBits {
public:
    explicit GifBits(std::vector<uint8_t>& out) : Out_(out) {}
    void Put(uint32_t code, int size)
    {
        Acc_ |= code << Count_;
        Count_ += size;
        while (Count_ >= 8) {
            Byte(static_cast<uint8_t>(Acc_));
            Acc_ >>= 8;
            Count_ -= 8;
        }
    }
    void Finish()
    {
        if (Count_ > 0) Byte(static_cast<uint8_t>(Acc_));
        Flush();
        Out_.push_back(0);  // block terminator
    }

private:
    void Byte(uint8_t b)
    {
        Block_[Len_++] = b;
        if (Len_ == 255) Flush();
    }
    void Flush()
    {
        if (Len_ == 0) return;
        Out_.push_back(static_cast<uint8_t>(Len_));
        Out_.insert(Out_.end(), Block_, Block_ + Len_);
        Len_ = 0;
    }
    std::vector<uint8_t>& Out_;
    uint32_t Acc_ = 0;
    int Count_ = 0;
    uint8_t Block_[255];
    int Len_ = 0;
};

struct JpegError {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

[[noreturn]] void JpegErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<JpegError*>(cinfo->err)->Jump, 1);
}

// Only plain data between setjmp and a jump; the caller frees `mem`.
bool Compress(const PixelBuffer& image, int quality, unsigned char** mem, unsigned long* size)
{
    jpeg_compress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.Base);
    err.Base.error_exit = JpegErrorExit;
    if (setjmp(err.Jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, mem, size);
    cinfo.image_width = static_cast<JDIMENSION>(image.Width());
    cinfo.image_height = static_cast<JDIMENSION>(image.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(image.Row(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeGif(int width, int height, std::span<const uint8_t> indexes,
                               const std::array<Bgr, 256>& palette)
{
    if (width < 1 || height < 1 || width > 65535 || height > 65535 ||
        indexes.size() != static_cast<size_t>(width) * static_cast<size_t>(height))
        return {};
    std::vector<uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    out.reserve(indexes.size() / 2 + 1024);
    auto u16 = [&](int v) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    };
    u16(width);
    u16(height);
    out.push_back(0xF7);  // global colour table of 256 entries, 8-bit colour
    out.push_back(0);     // background index
    out.push_back(0);     // aspect
    for (const Bgr& c : palette) {
        out.push_back(c.R);
        out.push_back(c.G);
        out.push_back(c.B);
    }
    out.push_back(0x2C);
    u16(0);
    u16(0);
    u16(width);
    u16(height);
    out.push_back(0);  // no local table, not interlaced
    constexpr int minCodeSize = 8;
    constexpr uint32_t clearCode = 256;
    out.push_back(minCodeSize);

    // Dictionary as a tree: child[code * 256 + byte] = code of the longer run.
    std::vector<uint16_t> child(4096 * 256, 0);
    GifBits bits(out);
    int codeSize = minCodeSize + 1;
    uint32_t maxCode = clearCode + 1;
    bits.Put(clearCode, codeSize);
    uint32_t cur = indexes[0];
    for (size_t i = 1; i < indexes.size(); ++i) {
        const uint8_t k = indexes[i];
        const uint16_t next = child[cur * 256 + k];
        if (next != 0) {
            cur = next;
            continue;
        }
        bits.Put(cur, codeSize);
        child[cur * 256 + k] = static_cast<uint16_t>(++maxCode);
        if (maxCode >= (1u << codeSize)) ++codeSize;
        if (maxCode == 4095) {
            bits.Put(clearCode, codeSize);
            std::fill(child.begin(), child.end(), 0);
            codeSize = minCodeSize + 1;
            maxCode = clearCode + 1;
        }
        cur = k;
    }
    bits.Put(cur, codeSize);
    bits.Put(clearCode, codeSize);
    bits.Put(clearCode + 1, minCodeSize + 1);
    bits.Finish();
    out.push_back(0x3B);
    return out;
}

std::vector<uint8_t> EncodeJpeg(const PixelBuffer& image, int quality)
{
    if (image.Empty() || quality < 1 || quality > 100) return {};
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    const bool ok = Compress(image, quality, &mem, &size);
    std::vector<uint8_t> out;
    if (ok && mem) out.assign(mem, mem + size);
    std::free(mem);
    return out;
}

}  // namespace quillo
