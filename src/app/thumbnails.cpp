#include "thumbnails.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "presentation/raster_ops.h"

namespace quillo {

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

const PickerTraits& TraitsOf(PickerMode mode)
{
    static const PickerTraits deck{"Choose Deck", {".cr3", ".cr4"}, 71, 110, "Please select deck!"};
    static const PickerTraits texture{
        "Choose Background Texture", {".bmp", ".gif", ".jpg"}, 150, 112, "Please select image!"};
    return mode == PickerMode::Deck ? deck : texture;
}

std::vector<std::string> ListPickerFiles(const std::string& dir, PickerMode mode)
{
    namespace fs = std::filesystem;
    const PickerTraits& traits = TraitsOf(mode);
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const fs::path& p = it->path();
        const std::string ext = Lower(p.extension().string());
        if (std::find(traits.Extensions.begin(), traits.Extensions.end(), ext) != traits.Extensions.end())
            names.push_back(p.filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<PickerEntry> ListPickerEntries(const std::string& dir, const std::string& ownDir, PickerMode mode)
{
    namespace fs = std::filesystem;
    std::map<std::string, std::string> byName;
    for (const std::string& name : ListPickerFiles(dir, mode)) byName[name] = (fs::path(dir) / name).string();
    std::error_code ec;
    const bool ownIsOther = !ownDir.empty() && !fs::equivalent(dir, ownDir, ec);
    if (ownIsOther)
        for (const std::string& name : ListPickerFiles(ownDir, mode)) byName[name] = (fs::path(ownDir) / name).string();
    std::vector<PickerEntry> entries;
    for (const auto& [name, path] : byName) {
        if (mode == PickerMode::Deck && Lower(fs::path(name).extension().string()) == ".cr3" &&
            byName.count(fs::path(name).replace_extension(".cr4").string()))
            continue;
        entries.push_back({name, path});
    }
    return entries;
}

std::string FileNameOf(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

void BuildThumbnail(const PixelBuffer& picture, PixelBuffer& thumb, PickerMode mode)
{
    const int w = picture.Width(), h = picture.Height();
    const int tw = thumb.Width(), th = thumb.Height();
    Fill(thumb, mode == PickerMode::Texture ? Bgr{255, 255, 255} : BgrFromRgb(0xC0C0C0));
    if (w <= 0 || h <= 0) return;
    if (mode == PickerMode::Deck) {
        int fw = w, fh = h;
        if (w > tw || h > th) {
            fh = th;
            fw = th * w / h;
            if (fw > tw) {
                fw = tw;
                fh = h * tw / w;
            }
        }
        const int ox = (tw - fw) / 2, oy = (th - fh) / 2;
        if (w <= tw && h <= th) {
            CopyRect(thumb, ox, oy, picture, 0, 0, w, h);
        } else if (fw > 0 && fh > 0) {
            PixelBuffer shrunk(fw, fh);
            Stretch(shrunk, picture);
            CopyRect(thumb, ox, oy, shrunk, 0, 0, fw, fh);
        }
        return;
    }
    // A texture is shown at its own scale: centred when small, cut when large.
    const int ox = w < tw ? (tw - w) / 2 : 0;
    const int oy = h < th ? (th - h) / 2 : 0;
    CopyRect(thumb, ox, oy, picture, 0, 0, std::min(w, tw), std::min(h, th));
}

}  // namespace quillo
