// The low-level file access: what the shared open refuses, and reads that must go on
// after a short count.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

#include "TempDir.h"
#include "base/FileAccess.h"

namespace corvane {
namespace {

using testing_support::TempDir;

// A directory, a FIFO without a writer and a device are refused at once, each with
// its reason; a regular file opens.
TEST(FileAccessTest, SharedOpenTakesOnlyRegularFiles) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    const struct {
        std::string path;
        int error;
    } cases[] = {
        {dir.path(), EISDIR},      {dir / "fifo", EINVAL},     {"/dev/zero", EINVAL},
        {dir / "missing", ENOENT}, {dir.Write("log", "x"), 0},
    };
    for (const auto& c : cases) {
        const FileDescriptor file = OpenSharedForReading(c.path);
        EXPECT_EQ(file.IsOpen(), c.error == 0) << c.path;
        EXPECT_EQ(file.OpenError(), c.error) << c.path;
    }
}

// A pipe hands out what was written so far: the reads go on until the count or the
// end, and stop short at the end.
TEST(FileAccessTest, ReadFullGoesOnAfterShortReads) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const FileDescriptor in(ends[0]);
    FileDescriptor out(ends[1]);
    std::thread writer([&out] {
        for (const char* piece : {"abc", "defg", "h"}) {
            EXPECT_EQ(WriteAll(out, piece, std::char_traits<char>::length(piece)), 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        out.Close();
    });
    char bytes[16] = {};
    EXPECT_EQ(ReadFull(in, bytes, 6), 6u);
    EXPECT_EQ(std::string(bytes, 6), "abcdef");
    EXPECT_EQ(ReadFull(in, bytes, sizeof bytes), 2u);
    EXPECT_EQ(std::string(bytes, 2), "gh");
    writer.join();
}

TEST(FileAccessTest, ReadFullAtStopsAtTheEndAndFailsOnAPipe) {
    TempDir dir;
    const FileDescriptor file = OpenSharedForReading(dir.Write("log", "0123456789"));
    char bytes[8] = {};
    EXPECT_EQ(ReadFullAt(file, bytes, 4, 3), 4u);
    EXPECT_EQ(std::string(bytes, 4), "3456");
    EXPECT_EQ(ReadFullAt(file, bytes, 8, 7), 3u);
    EXPECT_EQ(std::string(bytes, 3), "789");

    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const FileDescriptor in(ends[0]);
    const FileDescriptor out(ends[1]);
    EXPECT_FALSE(ReadFullAt(in, bytes, 1, 0).has_value());
}

TEST(FileAccessTest, WholeFileKeepsToItsLimit) {
    TempDir dir;
    const std::string path = dir.Write("a.ini", "[s]\nk=v\n");
    const WholeFile read = ReadWholeFile(path, 8);
    EXPECT_EQ(read.outcome, WholeFile::Outcome::Read);
    EXPECT_EQ(read.bytes, "[s]\nk=v\n");
    EXPECT_TRUE(read.stable);
    EXPECT_EQ(ReadWholeFile(path, 7).outcome, WholeFile::Outcome::TooLarge);
    EXPECT_EQ(ReadWholeFile(dir.path(), 8).outcome, WholeFile::Outcome::Unreadable);
}

}  // namespace
}  // namespace corvane
