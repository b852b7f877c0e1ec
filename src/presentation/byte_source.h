#pragma once
// Front-to-back reading of a file or of bytes in memory, for the card-set
// and frames readers. A read past the end fails and reads nothing.

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace quillo {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual bool Read(uint8_t* dst, size_t n) = 0;
    virtual bool Skip(uint64_t n) = 0;
    virtual uint64_t Remaining() const = 0;
};

class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::span<const uint8_t> data) : Data_(data) {}
    bool Read(uint8_t* dst, size_t n) override;
    bool Skip(uint64_t n) override;
    uint64_t Remaining() const override { return Data_.size() - Pos_; }

private:
    std::span<const uint8_t> Data_;
    size_t Pos_ = 0;
};

class FileSource : public ByteSource {
public:
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool IsOpen() const { return File_ != nullptr; }
    bool Read(uint8_t* dst, size_t n) override;
    bool Skip(uint64_t n) override;
    uint64_t Remaining() const override { return Size_ - Pos_; }

private:
    std::FILE* File_ = nullptr;
    uint64_t Size_ = 0;
    uint64_t Pos_ = 0;
};

// Reads a text field of the given width and returns the text up to its
// first zero byte; false when the source ends first.
bool ReadFixedText(ByteSource& src, size_t width, std::string& text);
bool ReadI32(ByteSource& src, int32_t& v);

// Reads the int32 length of a block and the block itself in pieces of at
// most 8000 bytes, XORing each with the rolling key as it goes. The length
// must lie in 0..the bytes left (and below MaxBlockBytes).
bool UnscrambleBlock(ByteSource& src, uint8_t firstKey, std::vector<uint8_t>& out);

}  // namespace quillo
