#include "card_set_writer.h"

#include "card_set_format.h"
#include "engine/records.h"
#include "core/bytes.h"

namespace quillo {

namespace {

void PutRolling(ByteWriter& w, std::span<const uint8_t> bytes, uint8_t key)
{
    std::vector<uint8_t> copy(bytes.begin(), bytes.end());
    XorRolling(copy.data(), copy.size(), key);
    w.PutI32(static_cast<int32_t>(copy.size()));
    w.PutBytes(copy);
}

}  // namespace

std::vector<uint8_t> EncodeCardSet(const CardSetContent& set)
{
    ByteWriter w;
    w.PutFixedText(CardSetTitle, CardSetTitleWidth);
    w.PutFixedText(set.Version, VersionWidth);
    w.PutI32(set.FramesIndex);
    w.PutI32(set.BackCount);
    w.PutU8(0);
    for (const CardSize& s : set.Sizes) EncodeCardSize(s, w);
    std::vector<uint8_t> preview = set.Preview;
    XorFixed(preview.data(), preview.size(), PreviewKey);
    w.PutI32(static_cast<int32_t>(preview.size()));
    w.PutBytes(preview);
    for (size_t k = 0; k < set.Pictures.size(); ++k)
        PutRolling(w, set.Pictures[k], static_cast<uint8_t>(PictureKeyBase + k));
    return w.Take();
}

std::vector<uint8_t> EncodeFramesFile(int32_t pitch, const std::array<int32_t, 8>& reserved,
                                      std::span<const uint8_t> picture)
{
    ByteWriter w;
    w.PutFixedText(FramesTitle, FramesTitleWidth);
    w.PutFixedText(FramesVersion, VersionWidth);
    w.PutI32(pitch);
    for (int32_t r : reserved) w.PutI32(r);
    PutRolling(w, picture, FramesKeyStart);
    return w.Take();
}

}  // namespace quillo
