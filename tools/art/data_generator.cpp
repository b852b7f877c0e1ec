#include "data_generator.h"

#include <array>
#include <map>

#include "art/card_set_builder.h"
#include "art/card_shape.h"
#include "presentation/card_set_format.h"
#include "presentation/card_set_writer.h"
#include "presentation/image_writer.h"
#include "storage/atomic_file.h"

namespace quillo::art {

namespace {

std::string Join(const std::string& dir, std::string_view name)
{
    return dir + (dir.empty() || dir.back() == '/' ? "" : "/") + std::string(name);
}

}  // namespace

bool WriteDataFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error)
{
    const IoResult r = WriteFileAtomic(path, bytes);
    if (!r.Ok()) error = path + ": " + r.Error;
    return r.Ok();
}

bool WriteFramesFiles(const std::string& dir, std::string& error)
{
    for (size_t i = 0; i < FramesFileNames.size(); ++i) {
        const auto [w, h] = FramesCardSizes[i];
        const FramesPicture f = BuildFramesPicture(w, h);
        const std::array<int32_t, 8> reserved = {w, h, FramesColumns, OrientationCount, 0, 0, 0, 0};
        if (!WriteDataFile(Join(dir, FramesFileNames[i]), EncodeFramesFile(f.Pitch, reserved, EncodeBmp(f.Picture)),
                           error))
            return false;
    }
    return true;
}

bool WriteCardSets(const std::string& dir, std::string& error)
{
    std::map<int, FramesPicture> frames;
    for (const CardSetPlan& plan : ShippedCardSets()) {
        auto it = frames.find(plan.FramesIndex);
        if (it == frames.end()) it = frames.emplace(plan.FramesIndex, BuildFramesPicture(plan.Width, plan.Height)).first;
        if (!WriteDataFile(Join(dir, plan.FileName), BuildCardSetFile(plan, it->second), error)) return false;
    }
    return true;
}

bool MakeData(const std::string& dir, std::string& error)
{
    return WriteFramesFiles(dir, error) && WriteCardSets(dir, error) && WriteTextures(dir, error) &&
           WriteSounds(dir, error);
}

}  // namespace quillo::art
