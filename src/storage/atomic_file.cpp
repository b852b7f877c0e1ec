#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quillo {

namespace {

std::string ErrnoText(int err)
{
    return std::strerror(err);
}

std::string DirectoryOf(const std::string& path)
{
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The rename is only durable once the directory entry is on disk too.
void SyncDirectory(const std::string& path)
{
    int fd = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool WriteAll(int fd, const uint8_t* data, size_t size)
{
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool FileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::string& error, size_t maxBytes)
{
    error.clear();
    // Non-blocking, so that a pipe chosen in the open dialog cannot hang the
    // program; only regular files are read.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno != ENOENT) error = ErrnoText(errno);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? ErrnoText(EISDIR) : "Not a regular file";
        ::close(fd);
        return std::nullopt;
    }
    if (static_cast<uint64_t>(st.st_size) > maxBytes) {
        error = ErrnoText(EFBIG);
        ::close(fd);
        return std::nullopt;
    }
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(st.st_size));
    uint8_t buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = ErrnoText(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        if (out.size() + static_cast<size_t>(n) > maxBytes) {
            error = ErrnoText(EFBIG);
            ::close(fd);
            return std::nullopt;
        }
        out.insert(out.end(), buf, buf + n);
    }
    ::close(fd);
    return out;
}

IoResult WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes, const WriteFault* fault,
                         const std::string& tempPath)
{
    std::string temp = tempPath;
    int fd;
    if (temp.empty()) {
        temp = path + ".XXXXXX";
        fd = ::mkstemp(temp.data());
        if (fd >= 0) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    } else {
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    }
    if (fd < 0) return IoResult::Fail(ErrnoText(errno));
    // mkstemp creates the file private; the player's files are ordinary ones.
    ::fchmod(fd, 0644);

    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        return IoResult::Fail(ErrnoText(err));
    };

    size_t toWrite = bytes.size();
    bool faultInWrite = fault && fault->At == WriteFault::Stage::Write;
    if (faultInWrite) toWrite = std::min(toWrite, fault->AfterBytes);
    if (!WriteAll(fd, bytes.data(), toWrite)) return fail(errno);
    if (faultInWrite) return fail(ENOSPC);
    if (fault && fault->At == WriteFault::Stage::Sync) return fail(EIO);
    if (::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return IoResult::Fail(ErrnoText(err));
    }
    if (fault && fault->At == WriteFault::Stage::Rename) {
        ::unlink(temp.c_str());
        return IoResult::Fail(ErrnoText(EIO));
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return IoResult::Fail(ErrnoText(err));
    }
    SyncDirectory(path);
    return {};
}

IoResult SetAsideUnreadable(const std::string& path)
{
    // Copied, not moved: should the rewrite that follows fail, the file is
    // still where the program looks for it.
    std::string error;
    auto bytes = ReadWholeFile(path, error);
    if (!bytes) return error.empty() ? IoResult{} : IoResult::Fail(error);
    return WriteFileAtomic(path + ".bak", *bytes);
}

}  // namespace quillo
