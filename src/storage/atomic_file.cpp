#include "atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>

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

// A link to the player's file is kept: the write goes to what it points at.
std::string ThroughLinks(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) {
        // A dangling link: write where it points, relative to its directory.
        std::string target(4096, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size() - 1);
        if (n <= 0) return path;
        target.resize(static_cast<size_t>(n));
        return target.front() == '/' ? target : DirectoryOf(path) + "/" + target;
    }
    std::string out = real;
    std::free(real);
    return out;
}

// A fresh temporary file beside path, made with O_EXCL and mode 0666 so
// that the umask gives it the player's usual permissions.
int CreateTemporary(const std::string& path, std::string& temp)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = path + ".";
        for (int i = 0; i < 6; ++i) temp += letters[random() % (sizeof letters - 1)];
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
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
    const std::string target = ThroughLinks(path);
    std::string temp = tempPath;
    int fd;
    if (temp.empty())
        fd = CreateTemporary(target, temp);
    else
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return IoResult::Fail(ErrnoText(errno));

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
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return IoResult::Fail(ErrnoText(err));
    }
    SyncDirectory(target);
    return {};
}

IoResult SetAsideUnreadable(const std::string& path, bool* copied)
{
    if (copied) *copied = false;
    // Copied, not moved: should the rewrite that follows fail, the file is
    // still where the program looks for it.
    std::string error;
    auto bytes = ReadWholeFile(path, error);
    if (!bytes) return error.empty() ? IoResult{} : IoResult::Fail(error);
    std::string bakError;
    if (auto bak = ReadWholeFile(path + ".bak", bakError); bak && *bak == *bytes) return {};
    IoResult done = WriteFileAtomic(path + ".bak", *bytes);
    if (copied) *copied = done.Ok();
    return done;
}

DirectoryLock::DirectoryLock(const std::string& path)
{
    Fd_ = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd_ < 0) return;
    // A copy that hangs while holding the lock must not hang this one: after
    // a few seconds the write goes ahead unlocked, as it did before locking.
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (::flock(Fd_, LOCK_EX | LOCK_NB) == 0) return;
        if (errno != EWOULDBLOCK && errno != EINTR) return;
        ::usleep(10000);
    }
}

DirectoryLock::~DirectoryLock()
{
    if (Fd_ >= 0) ::close(Fd_);
}

void RemoveStaleTemporaries(const std::string& path, int maxAgeSeconds)
{
    const std::string dir = DirectoryOf(path);
    const std::string name = path.substr(path.find_last_of('/') + 1);
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    const time_t now = std::time(nullptr);
    while (const dirent* e = ::readdir(d)) {
        const std::string entry = e->d_name;
        if (entry.size() != name.size() + 7 || entry.compare(0, name.size() + 1, name + ".") != 0) continue;
        const std::string full = dir + "/" + entry;
        struct stat st {};
        if (::lstat(full.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (now - st.st_mtime >= maxAgeSeconds) ::unlink(full.c_str());
    }
    ::closedir(d);
}

}  // namespace quillo
