#include "card_set_reader.h"

#include <algorithm>
#include <cmath>

#include "card_set_format.h"
#include "image_loader.h"
#include "sheet_preparation.h"

namespace quillo {

namespace {

bool ValidSize(const CardSize& s)
{
    auto edge = [](int32_t v) { return v >= 1 && v <= MaxCardEdge; };
    auto step = [](Step st) { return st.X >= -MaxStep && st.X <= MaxStep && st.Y >= -MaxStep && st.Y <= MaxStep; };
    return edge(s.Width) && edge(s.Height) && step(s.HorzStep) && step(s.VertStep);
}

void Advance(const CardSetHooks& hooks)
{
    if (hooks.Advance) hooks.Advance();
}

}  // namespace

bool SheetCovers(const PixelBuffer& sheet, const CardSize& s, int rows)
{
    return sheet.Width() >= (s.Width + 1) * SheetColumns - 1 && sheet.Height() >= (s.Height + 1) * rows - 1;
}

bool ReadCardSetHeader(ByteSource& src, CardSetHeader& h, std::string* why)
{
    auto reject = [&](const char* reason) {
        if (why) *why = reason;
        return false;
    };
    std::string title;
    if (!ReadFixedText(src, CardSetTitleWidth, title) || title != CardSetTitle) return reject("not a card set");
    if (!ReadFixedText(src, VersionWidth, h.Version)) return reject("the file ends in its header");
    if (h.Version != CardSetVersion2 && h.Version != CardSetVersion3) return reject("unknown card-set version");
    if (!ReadI32(src, h.FramesIndex) || !ReadI32(src, h.BackCount) || !src.Read(&h.Reserved, 1))
        return reject("the file ends in its header");
    for (CardSize& s : h.Sizes) {
        int32_t v[8];
        for (int32_t& x : v)
            if (!ReadI32(src, x)) return reject("the file ends in its header");
        s.Width = v[0];
        s.Height = v[1];
        s.HorzStep = {v[2], v[3]};
        s.VertStep = {v[4], v[5]};
        s.Unused = {v[6], v[7]};
    }
    if (!ReadI32(src, h.PreviewLength)) return reject("the file ends in its header");
    // A set must name one of the eight frames files: without one its cards
    // have no shape.
    if (h.FramesIndex < 0 || h.FramesIndex >= static_cast<int32_t>(FramesFileNames.size()))
        return reject("frames index outside 0..7");
    if (h.BackCount < 1 || h.BackCount > MaxBacks) return reject("back count outside 1..16");
    for (const CardSize& s : h.Sizes)
        if (!ValidSize(s)) return reject("card size or step out of range");
    // Every sheet the load will build must stay within bounds, and a set
    // turned on loading cannot claim turned cells larger than a turned card.
    const int rows = std::max<int32_t>(SheetFaceRows, h.BackCount);
    const CardSize& up = h.Sizes[Upright];
    const double diagonal = std::hypot(up.Width, up.Height) + 2;
    for (size_t k = 0; k < 4; ++k) {
        const CardSize& s = h.Sizes[k];
        if (static_cast<int64_t>(s.Width + 1) * SheetColumns * (s.Height + 1) * rows > MaxSheetPixels)
            return reject("card sheets too large");
        if (h.Version == CardSetVersion2 && k != Upright && (s.Width > diagonal || s.Height > diagonal))
            return reject("turned card size larger than the turned card");
    }
    if (h.PreviewLength < 0 || static_cast<size_t>(h.PreviewLength) > MaxBlockBytes ||
        static_cast<uint64_t>(h.PreviewLength) > src.Remaining())
        return reject("preview length beyond the end of the file");
    return true;
}

bool ReadCardSet(ByteSource& src, CardImageStore& store, GameRules& rules, const CardSetHooks& hooks)
{
    CardSetHeader h;
    if (!ReadCardSetHeader(src, h) || !src.Skip(static_cast<uint64_t>(h.PreviewLength))) return false;

    // Everything is decoded and checked into a scratch store first; the live
    // store changes only once the whole file has been read.
    CardImageStore next;
    next.Version = h.Version == CardSetVersion3 ? 3 : 2;
    next.FramesIndex = h.FramesIndex;
    next.BackCount = h.BackCount;
    for (int k = 0; k < 4; ++k) next.CardSizes[k] = h.Sizes[static_cast<size_t>(k)];
    const int rows = next.SheetRows();
    std::vector<uint8_t> block;
    if (next.Version == 3) {
        for (int k = 0; k < 4; ++k) {
            if (!UnscrambleBlock(src, static_cast<uint8_t>(PictureKeyBase + k), block)) return false;
            if (!DecodePicture(std::move(block), next.CardSheets[k]) ||
                !SheetCovers(next.CardSheets[k], next.CardSizes[k], rows))
                return false;
            Advance(hooks);
        }
    } else {
        if (!UnscrambleBlock(src, PictureKeyBase, block)) return false;
        if (!DecodePicture(std::move(block), next.CardSheets[Upright]) ||
            !SheetCovers(next.CardSheets[Upright], next.CardSizes[Upright], rows))
            return false;
        Advance(hooks);
    }

    // Without its frames the cards cannot be drawn: a bad frames file
    // refuses the set, unless the same frames are loaded already.
    next.CurrentFrames = std::move(store.CurrentFrames);
    std::string framesProblem;
    const bool framesRead = LoadFrames(next.FramesIndex, next.CurrentFrames, hooks.ProgramDir,
                                       [&](const std::string& m) { framesProblem = m; });
    if (!framesRead) {
        const bool kept = next.CurrentFrames.Loaded() && next.CurrentFrames.FramesIndex == next.FramesIndex;
        const std::string set = hooks.SetName.empty() ? std::string() : " " + hooks.SetName;
        if (!kept && hooks.RequireFrames) {
            store.CurrentFrames = std::move(next.CurrentFrames);
            if (hooks.Message)
                hooks.Message("The card set" + set + " cannot be used: its frames file " +
                              FramesPath(hooks.ProgramDir, next.FramesIndex) + " cannot be read. " + framesProblem);
            return false;
        }
        if (hooks.Message) hooks.Message(framesProblem + (kept ? " The frames loaded before stay." : ""));
    }
    if (next.Version == 2)
        for (int k = 0; k < 3; ++k) RotateUprightSheet(next, next.CurrentFrames, k, hooks.Advance);
    DeriveTurnedSizes(next, hooks.Advance);

    UseCardSet(std::move(next), store, rules, hooks.EnableBack);
    return true;
}

void UseCardSet(CardImageStore&& next, CardImageStore& store, GameRules& rules, const std::function<void(bool)>& enableBack)
{
    store = std::move(next);
    rules.CardSizes = store.CardSizes;
    rules.BackCount = store.BackCount;
    if (rules.BackIndex < 0 || rules.BackIndex >= rules.BackCount) rules.BackIndex = 0;
    if (enableBack) enableBack(store.BackCount >= 2);
}

bool LoadCardSet(const std::string& path, CardImageStore& store, GameRules& rules, const CardSetHooks& hooks)
{
    FileSource src(path);
    CardSetHooks named = hooks;
    named.SetName = path;
    return src.IsOpen() && ReadCardSet(src, store, rules, named);
}

bool ReadCardSetPreview(ByteSource& src, PixelBuffer& preview)
{
    CardSetHeader h;
    if (!ReadCardSetHeader(src, h)) return false;
    std::vector<uint8_t> bytes(static_cast<size_t>(h.PreviewLength));
    if (!src.Read(bytes.data(), bytes.size())) return false;
    XorFixed(bytes.data(), bytes.size(), PreviewKey);
    return DecodePicture(bytes, preview);
}

bool LoadCardSetPreview(const std::string& path, PixelBuffer& preview)
{
    FileSource src(path);
    return src.IsOpen() && ReadCardSetPreview(src, preview);
}

}  // namespace quillo
