#include "byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "card_set_format.h"

namespace quillo {

bool MemorySource::Read(uint8_t* dst, size_t n)
{
    if (n > Remaining()) return false;
    if (n) std::memcpy(dst, Data_.data() + Pos_, n);
    Pos_ += n;
    return true;
}

bool MemorySource::Skip(uint64_t n)
{
    if (n > Remaining()) return false;
    Pos_ += static_cast<size_t>(n);
    return true;
}

FileSource::FileSource(const std::string& path)
{
    // Opened without blocking, so that a pipe named as a card set is refused
    // at once instead of waiting for a writer; only regular files are read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    File_ = ::fdopen(fd, "rb");
    if (!File_) {
        ::close(fd);
        return;
    }
    Size_ = static_cast<uint64_t>(st.st_size);
}

FileSource::~FileSource()
{
    if (File_) std::fclose(File_);
}

bool FileSource::Read(uint8_t* dst, size_t n)
{
    if (!File_ || n > Remaining()) return false;
    if (std::fread(dst, 1, n, File_) != n) {
        Pos_ = Size_;  // a file that shrank under us: nothing more to read
        return false;
    }
    Pos_ += n;
    return true;
}

bool FileSource::Skip(uint64_t n)
{
    if (!File_ || n > Remaining()) return false;
    if (fseeko(File_, static_cast<off_t>(Pos_ + n), SEEK_SET) != 0) return false;
    Pos_ += n;
    return true;
}

bool ReadFixedText(ByteSource& src, size_t width, std::string& text)
{
    std::string raw(width, '\0');
    if (!src.Read(reinterpret_cast<uint8_t*>(raw.data()), width)) return false;
    text = raw.substr(0, std::min(raw.find('\0'), raw.size()));
    return true;
}

bool ReadI32(ByteSource& src, int32_t& v)
{
    uint8_t b[4];
    if (!src.Read(b, 4)) return false;
    v = static_cast<int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24));
    return true;
}

bool UnscrambleBlock(ByteSource& src, uint8_t firstKey, std::vector<uint8_t>& out)
{
    int32_t length = 0;
    if (!ReadI32(src, length) || length < 0 || static_cast<uint64_t>(length) > src.Remaining() ||
        static_cast<size_t>(length) > MaxBlockBytes)
        return false;
    const size_t total = static_cast<size_t>(length);
    out.resize(total);
    constexpr size_t chunk = 8000;
    uint8_t key = firstKey;
    for (size_t done = 0; done < total;) {
        const size_t n = std::min(chunk, total - done);
        if (!src.Read(out.data() + done, n)) return false;
        key = XorRolling(out.data() + done, n, key);
        done += n;
    }
    return true;
}

}  // namespace quillo
