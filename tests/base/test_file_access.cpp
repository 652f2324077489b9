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

// A new file is made only under a name that was free, never through a link planted
// beside it; a replaced file lends its group and mode only when it is a regular file
// under the name itself, never a link's target.
TEST(FileAccessTest, ExclusiveFilesAndTakenPermissionsNeverFollowLinks) {
    TempDir dir;
    const std::string victim = dir.Write("victim", "untouched");
    ::chmod(victim.c_str(), 0640);
    ASSERT_EQ(::symlink(victim.c_str(), (dir / "link.ini").c_str()), 0);
    dir.Write("plain.ini", "old");
    ::chmod((dir / "plain.ini").c_str(), 0604);
    const struct {
        std::string target;
        bool taken;
        mode_t mode;  // the new file's afterwards
    } cases[] = {
        {dir / "plain.ini", true, 0604},
        {dir / "link.ini", false, 0600},
        {dir / "missing.ini", false, 0600},
        {dir.path(), false, 0600},
    };
    std::string previous;
    for (const auto& c : cases) {
        ExclusiveFile file = CreateExclusive(dir / "victim", ".tmp", 0600);
        ASSERT_TRUE(file) << c.target;
        EXPECT_NE(file.Path(), previous);
        EXPECT_EQ(file.Path().rfind(dir / "victim.", 0), 0u) << file.Path();
        EXPECT_EQ(file.Path().size(), (dir / "victim.").size() + 12 + 4) << file.Path();
        previous = file.Path();
        EXPECT_EQ(TakeOverPermissions(file.File(), c.target), c.taken) << c.target;
        struct stat st {};
        ASSERT_EQ(::fstat(file.File().Get(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.mode) << c.target;
        const std::string path = file.Path();
        file.Discard();
        EXPECT_NE(::access(path.c_str(), F_OK), 0) << path;
    }
    struct stat st {};
    ASSERT_EQ(::stat(victim.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    // A link under the name itself is not a file to read.
    EXPECT_EQ(ReadWholeFile(dir / "link.ini", 100, LinkRule::Refuse).outcome,
              WholeFile::Outcome::Unreadable);
    EXPECT_EQ(ReadWholeFile(dir / "link.ini", 100).bytes, "untouched");
    EXPECT_EQ(ReadWholeFile(dir / "plain.ini", 100, LinkRule::Refuse).bytes, "old");
}

}  // namespace
}  // namespace corvane
