#pragma once
// Little-endian byte reader and writer shared by every record and file of the
// program. The reader never reads past its end: once a read fails, every
// later read fails too and yields zero, so callers may check `Ok()` once.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

class ByteWriter {
public:
    void PutU8(uint8_t v) { Bytes_.push_back(v); }
    void PutFlag(bool v) { PutU8(v ? 1 : 0); }
    void PutI32(int32_t v) { PutU32(static_cast<uint32_t>(v)); }
    void PutU32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i) PutU8(static_cast<uint8_t>(v >> (8 * i)));
    }
    void PutU64(uint64_t v)
    {
        for (int i = 0; i < 8; ++i) PutU8(static_cast<uint8_t>(v >> (8 * i)));
    }
    void PutF64(double v)
    {
        uint64_t bits;
        std::memcpy(&bits, &v, 8);
        PutU64(bits);
    }
    void PutZeros(size_t n) { Bytes_.insert(Bytes_.end(), n, 0); }
    void PutBytes(std::span<const uint8_t> b) { Bytes_.insert(Bytes_.end(), b.begin(), b.end()); }
    // Text in a fixed-width field: the text, a zero byte, zeros to the width.
    // A text too long for the field is cut so that the zero byte still fits.
    void PutFixedText(std::string_view s, size_t width)
    {
        if (width == 0) return;
        size_t n = std::min(s.size(), width - 1);
        PutBytes({reinterpret_cast<const uint8_t*>(s.data()), n});
        PutZeros(width - n);
    }
    // 32-bit length counting the terminating zero, then the text and the zero.
    void PutCountedText(std::string_view s)
    {
        PutI32(static_cast<int32_t>(s.size() + 1));
        PutBytes({reinterpret_cast<const uint8_t*>(s.data()), s.size()});
        PutU8(0);
    }

    const std::vector<uint8_t>& Bytes() const { return Bytes_; }
    std::vector<uint8_t> Take() { return std::move(Bytes_); }
    size_t Size() const { return Bytes_.size(); }

private:
    std::vector<uint8_t> Bytes_;
};

// Writes into a fixed buffer of known size, for hot paths such as undo
// snapshots. Writing past the end is a programming error and is dropped.
class SpanWriter {
public:
    explicit SpanWriter(std::span<uint8_t> out) : Out_(out) {}
    void PutU8(uint8_t v)
    {
        if (Pos_ < Out_.size()) Out_[Pos_] = v;
        ++Pos_;
    }
    void PutFlag(bool v) { PutU8(v ? 1 : 0); }
    void PutI32(int32_t v) { PutU32(static_cast<uint32_t>(v)); }
    void PutU32(uint32_t v)
    {
        if (Pos_ + 4 <= Out_.size()) {
            if constexpr (std::endian::native == std::endian::little) {
                std::memcpy(Out_.data() + Pos_, &v, 4);
            } else {
                for (int i = 0; i < 4; ++i) Out_[Pos_ + i] = static_cast<uint8_t>(v >> (8 * i));
            }
        }
        Pos_ += 4;
    }
    void PutF64(double v)
    {
        uint64_t bits;
        std::memcpy(&bits, &v, 8);
        PutU32(static_cast<uint32_t>(bits));
        PutU32(static_cast<uint32_t>(bits >> 32));
    }
    void PutZeros(size_t n)
    {
        if (Pos_ < Out_.size()) std::memset(Out_.data() + Pos_, 0, std::min(n, Out_.size() - Pos_));
        Pos_ += n;
    }
    size_t Pos() const { return Pos_; }
    void Seek(size_t pos) { Pos_ = pos; }

private:
    std::span<uint8_t> Out_;
    size_t Pos_ = 0;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : Data_(data) {}

    bool Ok() const { return Ok_; }
    size_t Pos() const { return Pos_; }
    size_t Remaining() const { return Ok_ ? Data_.size() - Pos_ : 0; }
    bool AtEnd() const { return Remaining() == 0; }

    uint8_t GetU8()
    {
        if (!Need(1)) return 0;
        return Data_[Pos_++];
    }
    bool GetFlag() { return GetU8() != 0; }
    uint32_t GetU32()
    {
        if (!Need(4)) return 0;
        uint32_t v = 0;
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(&v, Data_.data() + Pos_, 4);
        } else {
            for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(Data_[Pos_ + i]) << (8 * i);
        }
        Pos_ += 4;
        return v;
    }
    int32_t GetI32() { return static_cast<int32_t>(GetU32()); }
    uint64_t GetU64()
    {
        if (!Need(8)) return 0;
        uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v |= static_cast<uint64_t>(Data_[Pos_ + i]) << (8 * i);
        Pos_ += 8;
        return v;
    }
    double GetF64()
    {
        uint64_t bits = GetU64();
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }
    void Skip(size_t n)
    {
        if (Need(n)) Pos_ += n;
    }
    std::span<const uint8_t> GetBytes(size_t n)
    {
        if (!Need(n)) return {};
        auto s = Data_.subspan(Pos_, n);
        Pos_ += n;
        return s;
    }
    // Fixed-width text field: the text up to its first zero byte.
    std::string GetFixedText(size_t width)
    {
        auto b = GetBytes(width);
        size_t n = 0;
        while (n < b.size() && b[n] != 0) ++n;
        return std::string(reinterpret_cast<const char*>(b.data()), n);
    }
    // Length-prefixed text; the length counts the zero byte and must lie in
    // minLen..maxLen, else the read fails.
    std::string GetCountedText(int32_t minLen = 1, int32_t maxLen = 256)
    {
        int32_t len = GetI32();
        if (!Ok_ || len < minLen || len > maxLen) {
            Fail();
            return {};
        }
        auto b = GetBytes(static_cast<size_t>(len));
        size_t n = 0;
        while (n < b.size() && b[n] != 0) ++n;
        return std::string(reinterpret_cast<const char*>(b.data()), n);
    }
    void Fail() { Ok_ = false; }

private:
    bool Need(size_t n)
    {
        if (!Ok_ || Data_.size() - Pos_ < n) {
            Ok_ = false;
            return false;
        }
        return true;
    }

    std::span<const uint8_t> Data_;
    size_t Pos_ = 0;
    bool Ok_ = true;
};

}  // namespace quillo
