#include "frames_reader.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "card_set_format.h"
#include "image_loader.h"

namespace quillo {

std::string FramesPath(const std::string& programDir, int index)
{
    if (index < 0 || index >= static_cast<int>(FramesFileNames.size())) return {};
    std::string dir = programDir;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir + std::string(FramesFileNames[static_cast<size_t>(index)]);
}

bool ReadFrames(ByteSource& src, int index, const std::string& name, Frames& frames, const MessageSink& message)
{
    auto say = [&](const std::string& text) {
        if (message) message(text);
        return false;
    };
    const std::string ends = "The frames file " + name + " ends early.";
    std::string title, version;
    if (!ReadFixedText(src, FramesTitleWidth, title)) return say(ends);
    if (title != FramesTitle) return say("Invalid frames title !");
    if (!ReadFixedText(src, VersionWidth, version)) return say(ends);
    if (version != FramesVersion) return say("Invalid frames varsion !");

    int32_t pitch = 0;
    std::array<int32_t, 8> reserved{};
    if (!ReadI32(src, pitch)) return say(ends);
    for (auto& r : reserved)
        if (!ReadI32(src, r)) return say(ends);
    std::vector<uint8_t> picture;
    if (!UnscrambleBlock(src, FramesKeyStart, picture)) return say(ends);

    const std::string unreadable = "The frames picture in " + name + " cannot be read.";
    if (pitch < 1 || pitch > MaxFramePitch) return say(unreadable);
    PixelBuffer image;
    if (!DecodePicture(picture, image)) return say(unreadable);
    // Every cell the drawing reads must exist.
    if (image.Width() < FramesColumns * pitch + 1 || image.Height() < OrientationCount * pitch + 1)
        return say(unreadable);

    frames.Picture = std::move(image);
    frames.FramePitch = pitch;
    frames.FramesIndex = index;
    frames.Reserved = reserved;
    return true;
}

bool LoadFrames(int index, Frames& frames, const std::string& programDir, const MessageSink& message)
{
    const std::string path = FramesPath(programDir, index);
    if (path.empty()) {
        if (message) message("There is no frames file number " + std::to_string(index) + ".");
        return false;
    }
    const std::string name(FramesFileNames[static_cast<size_t>(index)]);
    errno = 0;
    FileSource src(path);
    if (!src.IsOpen()) {
        if (message)
            message("Cannot open the frames file " + path + ": " + std::strerror(errno ? errno : ENOENT) + ".");
        return false;
    }
    return ReadFrames(src, index, path, frames, message);
}

}  // namespace quillo
