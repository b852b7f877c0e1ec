// Atomic writes: whatever stage a write fails at, the old file stays whole and
// no temporary file is left behind.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "storage/atomic_file.h"
#include "storage_support.h"

namespace quillo {
namespace {

using test::ScratchDir;

TEST(AtomicFile, InterruptedWritesLeaveTheOldFile)
{
    const std::vector<uint8_t> oldBytes{1, 2, 3, 4, 5};
    const std::vector<uint8_t> newBytes(10000, 7);
    using S = WriteFault::Stage;
    const WriteFault faults[] = {{S::Write, 0}, {S::Write, 1}, {S::Write, 9999}, {S::Sync, 0}, {S::Rename, 0}};
    for (const WriteFault& f : faults) {
        ScratchDir dir;
        const std::string path = dir.File("quillo.set");
        ASSERT_TRUE(WriteFileAtomic(path, oldBytes).Ok());
        IoResult r = WriteFileAtomic(path, newBytes, &f);
        EXPECT_FALSE(r.Ok() || r.Error.empty());
        EXPECT_EQ(test::Slurp(path), oldBytes) << static_cast<int>(f.At) << " " << f.AfterBytes;
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"quillo.set"});
    }
}

TEST(AtomicFile, ReadFailuresAreTold)
{
    // A missing file is no error; a directory, a file over the limit and a
    // pipe (refused at once rather than waited on) are.
    ScratchDir dir;
    test::Spit(dir.File("big"), std::vector<uint8_t>(100, 0));
    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
    for (const std::string& path : {dir.File("missing"), dir.Path(), dir.File("big"), dir.File("pipe")}) {
        std::string error;
        EXPECT_FALSE(ReadWholeFile(path, error, 99));
        EXPECT_EQ(error.empty(), path == dir.File("missing")) << path;
    }
    EXPECT_FALSE(WriteFileAtomic(dir.File("no/such/dir/file"), {1}).Ok());
}

}  // namespace
}  // namespace quillo
