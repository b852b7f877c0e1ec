// Inspectors of card sets and frames files: what the program's readers see.

#include "inspect.h"
#include "presentation/card_set_format.h"
#include "presentation/card_set_reader.h"
#include "presentation/frames_reader.h"
#include "presentation/image_loader.h"
#include "presentation/sheet_preparation.h"
#include "table_json.h"

namespace quillo {

namespace {

void WritePair(JsonWriter& j, const char* key, int a, int b)
{
    j.Key(key);
    j.BeginArray();
    j.Int(a);
    j.Int(b);
    j.EndArray();
}

}  // namespace

bool InspectCardSet(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error)
{
    MemorySource src(bytes);
    CardSetHeader h;
    if (!ReadCardSetHeader(src, h, &error)) return false;
    std::vector<uint8_t> preview(static_cast<size_t>(h.PreviewLength));
    src.Read(preview.data(), preview.size());
    XorFixed(preview.data(), preview.size(), PreviewKey);
    PixelBuffer previewPicture;
    const bool previewOk = DecodePicture(preview, previewPicture);
    std::vector<int32_t> lengths;
    const int blocks = h.Version == CardSetVersion3 ? 4 : 1;
    for (int k = 0; k < blocks; ++k) {
        int32_t len = 0;
        if (!ReadI32(src, len) || len < 0 || !src.Skip(static_cast<uint64_t>(len))) {
            error = "picture block " + std::to_string(k) + " is missing or runs past the end of the file";
            return false;
        }
        lengths.push_back(len);
    }

    // The verdict is the full loader's. The frames file is not part of the
    // set (the program looks for it in its own directory), so it is not read.
    CardImageStore store;
    GameRules rules;
    CardSetHooks hooks;
    hooks.ProgramDir = "/nonexistent";
    hooks.RequireFrames = false;
    MemorySource again(bytes);
    if (!ReadCardSet(again, store, rules, hooks)) {
        error = "a picture block cannot be read as a card sheet of the stated sizes";
        return false;
    }
    BuildAllSheets(store);

    j.BeginObject();
    j.Key("Title").Str(CardSetTitle);
    j.Key("Version").Str(h.Version);
    j.Key("FramesIndex").Int(h.FramesIndex);
    j.Key("FramesFile").Str(FramesFileNames[static_cast<size_t>(h.FramesIndex)]);
    j.Key("BackCount").Int(h.BackCount);
    j.Key("CardSizes");
    j.BeginArray();
    for (const CardSize& s : store.CardSizes) WriteCardSizeJson(j, s);
    j.EndArray();
    j.Key("PreviewLength").Int(h.PreviewLength);
    if (previewOk)
        WritePair(j, "Preview", previewPicture.Width(), previewPicture.Height());
    else
        j.Key("Preview").Null();
    j.Key("PictureLengths");
    j.BeginArray();
    for (int32_t l : lengths) j.Int(l);
    j.EndArray();
    j.Key("Sheets");
    j.BeginArray();
    for (const PixelBuffer& s : store.CardSheets) {
        j.BeginArray();
        j.Int(s.Width());
        j.Int(s.Height());
        j.EndArray();
    }
    j.EndArray();
    j.EndObject();
    return true;
}

bool InspectFrames(std::span<const uint8_t> bytes, JsonWriter& j, std::string& error)
{
    MemorySource src(bytes);
    Frames frames;
    std::string message;
    if (!ReadFrames(src, 0, "the file", frames, [&](const std::string& m) { message = m; })) {
        error = message;
        return false;
    }
    MemorySource head(bytes);
    std::vector<uint8_t> fixed(FramesTitleWidth + VersionWidth + 4 + FramesReservedBytes);
    int32_t length = 0;
    head.Read(fixed.data(), fixed.size());
    ReadI32(head, length);
    j.BeginObject();
    j.Key("Title").Str(FramesTitle);
    j.Key("Version").Str(FramesVersion);
    j.Key("FramePitch").Int(frames.FramePitch);
    j.Key("Reserved");
    j.BeginArray();
    for (int32_t r : frames.Reserved) j.Int(r);
    j.EndArray();
    j.Key("PictureLength").Int(length);
    WritePair(j, "Picture", frames.Picture.Width(), frames.Picture.Height());
    j.EndObject();
    return true;
}

}  // namespace quillo
