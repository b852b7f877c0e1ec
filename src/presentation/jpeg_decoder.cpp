#include "jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "image_loader.h"

namespace quillo {

namespace {

struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->Jump, 1);
}

void Silent(j_common_ptr, int) {}
void SilentOutput(j_common_ptr) {}

// Progressive files can hold endless scans that each cost a full pass; a real
// picture has a few dozen at most.
void LimitScans(j_common_ptr cinfo)
{
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->is_decompressor && d->input_scan_number > 200) ErrorExit(cinfo);
}

// Everything libjpeg may jump out of lives here, with no C++ object that owns
// memory between setjmp and the jump: `out` belongs to the caller.
bool Decode(const uint8_t* data, unsigned long size, PixelBuffer& out)
{
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    jpeg_progress_mgr progress;
    cinfo.err = jpeg_std_error(&err.Base);
    err.Base.error_exit = ErrorExit;
    err.Base.emit_message = Silent;
    err.Base.output_message = SilentOutput;
    if (setjmp(err.Jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    progress.progress_monitor = LimitScans;
    cinfo.progress = &progress;
    cinfo.mem->max_memory_to_use = 512L * 1024 * 1024;
    jpeg_mem_src(&cinfo, data, size);
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) ErrorExit(reinterpret_cast<j_common_ptr>(&cinfo));
    if (!PictureSizeAllowed(cinfo.image_width, cinfo.image_height))
        ErrorExit(reinterpret_cast<j_common_ptr>(&cinfo));
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_start_decompress(&cinfo);
    const int w = static_cast<int>(cinfo.output_width), h = static_cast<int>(cinfo.output_height);
    if (w < 1 || h < 1 || cinfo.output_components != (cmyk ? 4 : 3)) ErrorExit(reinterpret_cast<j_common_ptr>(&cinfo));
    out.Create(w, h);
    // CMYK rows are four bytes a pixel: decode them into libjpeg's own pool.
    JSAMPARRAY scratch = cmyk ? (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                           static_cast<JDIMENSION>(w * 4), 1)
                              : nullptr;
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        if (!cmyk) {
            JSAMPROW row = out.Row(y);
            jpeg_read_scanlines(&cinfo, &row, 1);
            continue;
        }
        jpeg_read_scanlines(&cinfo, scratch, 1);
        uint8_t* d = out.Row(y);
        const uint8_t* s = scratch[0];
        for (int x = 0; x < w; ++x) {
            // Adobe stores CMYK inverted: each value already is 255 - ink.
            const unsigned k = s[4 * x + 3];
            d[3 * x] = static_cast<uint8_t>(s[4 * x + 2] * k / 255);
            d[3 * x + 1] = static_cast<uint8_t>(s[4 * x + 1] * k / 255);
            d[3 * x + 2] = static_cast<uint8_t>(s[4 * x] * k / 255);
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

bool DecodeJpeg(std::span<const uint8_t> bytes, PixelBuffer& image)
{
    if (bytes.size() < 4 || bytes.size() > 0xFFFFFFFFu) return false;
    PixelBuffer out;
    if (!Decode(bytes.data(), static_cast<unsigned long>(bytes.size()), out)) return false;
    image = std::move(out);
    return true;
}

}  // namespace quillo
