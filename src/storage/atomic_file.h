#pragma once
// Whole-file reads and atomic whole-file writes. A write goes to a temporary
// file beside the target, is flushed to disk and then renamed over the
// target, so a crash at any moment leaves either the old file or the new one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillo {

// Outcome of a file operation: empty on success, else the system's
// description of the error.
struct IoResult {
    std::string Error;
    bool Ok() const { return Error.empty(); }
    static IoResult Fail(std::string message) { return {message.empty() ? "Unknown error" : std::move(message)}; }
};

// Lets tests interrupt a write at a chosen point, as a crash or a full disk
// would.
struct WriteFault {
    enum class Stage { Write, Sync, Rename };
    Stage At = Stage::Write;
    // For Stage::Write: bytes that reach the temporary file before the failure.
    size_t AfterBytes = 0;
};

bool FileExists(const std::string& path);

// Reads a whole regular file of at most maxBytes. A missing file gives
// nullopt with an empty error; other failures give nullopt and the error.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::string& error,
                                                  size_t maxBytes = 64u << 20);

// Replaces the file at path with bytes. tempPath, when given, names the
// temporary file; otherwise a unique name beside the target is used. On any
// failure the target is untouched and the temporary file removed.
IoResult WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes,
                         const WriteFault* fault = nullptr, const std::string& tempPath = {});

// Keeps a copy of an existing file that could not be understood (as
// path + ".bak"), so that replacing it does not destroy what it held.
// copied, when given, tells whether a new copy was made (false when the
// .bak already holds these bytes), so the player is told only once.
IoResult SetAsideUnreadable(const std::string& path, bool* copied = nullptr);

// An exclusive advisory lock (flock) on the directory holding path, held
// while the object lives. Two copies of the program take it around every
// read-modify-write of a shared file. Never nest two in one process: the
// second would wait for the first (up to five seconds, then goes on unlocked).
class DirectoryLock {
public:
    explicit DirectoryLock(const std::string& path);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

private:
    int Fd_ = -1;
};

// Removes temporary files (path + ".XXXXXX") that a write killed before its
// rename left beside path, when older than maxAgeSeconds.
void RemoveStaleTemporaries(const std::string& path, int maxAgeSeconds = 60);

}  // namespace quillo
