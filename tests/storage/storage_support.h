#pragma once
// Helpers of the storage suite: a scratch directory per test, a byte
// builder that spells files out field by field, independent of the writers,
// and the game rows the counting files are kept against.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "engine/records.h"
#include "storage/game_rows.h"

namespace quillo::test {

class ScratchDir {
public:
    ScratchDir()
    {
        std::string templ = (std::filesystem::temp_directory_path() / "quillo-store-XXXXXX").string();
        Path_ = mkdtemp(templ.data());
    }
    ~ScratchDir() { std::filesystem::remove_all(Path_); }
    std::string File(const std::string& name) const { return Path_ + "/" + name; }
    const std::string& Path() const { return Path_; }
    // Names of every entry, to catch stray temporary files.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> out;
        for (auto& e : std::filesystem::directory_iterator(Path_)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    std::string Path_;
};

inline std::vector<uint8_t> Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void Spit(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct Bytes {
    std::vector<uint8_t> B;
    Bytes& U8(uint8_t v) { return Raw({v}); }
    Bytes& I32(int32_t v)
    {
        const auto u = static_cast<uint32_t>(v);
        return Raw({uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)});
    }
    // Text in a field of the given width, the rest filled with fill.
    Bytes& Field(const std::string& s, size_t width, uint8_t fill = 0)
    {
        for (size_t i = 0; i < width; ++i) B.push_back(i < s.size() ? static_cast<uint8_t>(s[i]) : i == s.size() ? 0 : fill);
        return *this;
    }
    Bytes& Counted(const std::string& s) { return I32(static_cast<int32_t>(s.size() + 1)).Field(s, s.size() + 1); }
    Bytes& Raw(const std::vector<uint8_t>& v)
    {
        B.insert(B.end(), v.begin(), v.end());
        return *this;
    }
};

// A copy of bytes with the 32-bit field at off set to v.
inline std::vector<uint8_t> WithI32(std::vector<uint8_t> b, size_t off, int32_t v)
{
    const std::vector<uint8_t> le = Bytes().I32(v).B;
    std::copy(le.begin(), le.end(), b.begin() + static_cast<long>(off));
    return b;
}

inline std::vector<uint8_t> RulesBytes(const GameRules& r)
{
    ByteWriter w;
    EncodeGameRules(r, w);
    return w.Take();
}

// The catalogue's rows and one custom game of Klondike under key 0.
inline GameRowTable TableWithCustom()
{
    GameRowTable t = GameRowTable::WithCatalogue();
    t.AppendCustom("My Klondike", games::Klondike, 0);
    return t;
}

inline const GameRow& RowOf(const GameRowTable& t, int32_t game, int32_t key = -1)
{
    return t.Rows().at(static_cast<size_t>(t.Find(game, key)));
}

}  // namespace quillo::test
