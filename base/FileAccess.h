// The one low-level file access of the core: a descriptor that closes itself, the
// shared open of a regular file, its state, reads that survive signals and short
// counts, reading a whole file and writing every byte.  Callers keep their own
// messages; a file that is not there or cannot be read is a value here, never an
// exception.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace corvane {

// A descriptor owned: closed when it goes.  One that is not open may hold the system's
// error number of the open that failed.
class FileDescriptor {
public:
    FileDescriptor() = default;
    // Takes over `fd`; a negative one is kept as not open, with errno as its error.
    explicit FileDescriptor(int fd) noexcept;
    ~FileDescriptor() { Close(); }
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    explicit operator bool() const { return IsOpen(); }
    int Get() const { return fd_; }
    // Why the open failed (0 when it did not).
    int OpenError() const { return error_; }

    // Closes now; returns the system's error number of a failed close, or 0.
    int Close() noexcept;

private:
    int fd_ = -1;
    int error_ = 0;
};

// Which file a path named and in what state: its identity (device and inode), its
// length and its modification time.  Two stamps of one path differ when the file was
// written to, cut short or replaced in between (as finely as the file system keeps
// time).
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;  // since the epoch
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// What the system tells of a file at one moment: its stamp, the time its inode last
// changed (which also moves when the modification time is set back) and whether it
// is a regular file.
struct FileStatus {
    FileStamp stamp;
    std::int64_t changedNs = 0;  // since the epoch
    bool regular = false;
    friend bool operator==(const FileStatus&, const FileStatus&) = default;
};

// The state of the file at `path` (links followed), or nothing when it cannot be
// looked at.
std::optional<FileStatus> StatusOfPath(const std::string& path);
// The state of the open file, or nothing when the system does not tell it.
std::optional<FileStatus> StatusOf(const FileDescriptor& file);

// Opens `path` for reading only, shared with the processes that write it, when it is
// a regular file: a directory, FIFO or device is refused (a FIFO would block its
// reader, /dev/zero would never end) with EISDIR or EINVAL as the open error.  The
// open itself never waits for a FIFO's writer.  Readers go front to back, which the
// system is told.
FileDescriptor OpenSharedForReading(const std::string& path);

// Opens `path` for reading only, whatever kind of file it is.
FileDescriptor OpenForReading(const std::string& path);

// Opens the directory `path` itself (for a lock on it, or to make renames in it
// durable).
FileDescriptor OpenDirectory(const std::string& path);

// Creates `path`, or empties it, for writing, with the mode a new file gets.
FileDescriptor CreateForWriting(const std::string& path);

// A file made by CreateExclusive, open for writing, and its name.  It is removed when
// this goes, unless Keep() was called (after it was renamed into place, say).  The
// removal is by name: whatever stands under that name then goes, never a link's
// target.
class ExclusiveFile {
public:
    ExclusiveFile() = default;
    ExclusiveFile(std::string path, FileDescriptor file)
        : path_(std::move(path)), file_(std::move(file)) {}
    ~ExclusiveFile() { Discard(); }
    ExclusiveFile(ExclusiveFile&& other) noexcept;
    ExclusiveFile& operator=(ExclusiveFile&& other) noexcept;
    ExclusiveFile(const ExclusiveFile&) = delete;
    ExclusiveFile& operator=(const ExclusiveFile&) = delete;

    explicit operator bool() const { return file_.IsOpen(); }
    const std::string& Path() const { return path_; }
    FileDescriptor& File() { return file_; }
    const FileDescriptor& File() const { return file_; }
    // Why the creation failed (0 when it did not).
    int OpenError() const { return file_.OpenError(); }

    // The name no longer belongs to this: it is not removed.
    void Keep() { path_.clear(); }
    // Closes the file and removes its name now.
    void Discard() noexcept;

private:
    std::string path_;
    FileDescriptor file_;
};

// Creates a new file named `stem` + "." + 12 random letters and digits + `suffix`, for
// reading and writing, with `mode` less the umask.  The creation is exclusive: it never
// opens an existing file and never goes through a link, so a name planted beforehand
// in a directory that others may write can neither be guessed nor written through.
// Not open (with the system's error number) when no such file could be made.
ExclusiveFile CreateExclusive(const std::string& stem, std::string_view suffix, unsigned mode);

// Opens `path` for reading only when it is a regular file and the name itself is not a
// link (ELOOP for a link, EISDIR for a directory, EINVAL for any other kind of file).
FileDescriptor OpenRegularNoFollow(const std::string& path);

// One read at the file's position, again when a signal interrupts it: the bytes read
// (0 at the end of the file), or nothing on a read error.
std::optional<std::size_t> ReadSome(const FileDescriptor& file, char* into, std::size_t count);

// Reads at the file's position until `count` bytes or the end of the file: the bytes
// read, or nothing on a read error.
std::optional<std::size_t> ReadFull(const FileDescriptor& file, char* into, std::size_t count);

// The same at `offset`, without moving the file's position; safe from several threads
// at once.
std::optional<std::size_t> ReadFullAt(const FileDescriptor& file, char* into, std::size_t count,
                                      std::int64_t offset);

// A regular file read from its start to its end.
struct WholeFile {
    enum class Outcome {
        Read,
        Unreadable,  // cannot be opened, is not a regular file, or a read failed
        TooLarge,    // longer than allowed, when opened or by what it grew meanwhile
    };
    Outcome outcome = Outcome::Unreadable;
    std::string bytes;  // when Read
    FileStatus status;  // as opened (when Read or TooLarge)
    // The file was the same after the read as when it was opened, and as long.
    bool stable = false;
};

enum class LinkRule {
    Follow,  // a link is read as the file it points at
    Refuse,  // a link is Unreadable: the name itself must be the regular file
};

// Reads the whole regular file at `path`, of at most `maxBytes`.
WholeFile ReadWholeFile(const std::string& path, std::size_t maxBytes,
                        LinkRule links = LinkRule::Follow);

// Writes all `count` bytes, again after a signal or a short write: 0, or the system's
// error number of the write that failed (EIO for one that wrote nothing).
int WriteAll(const FileDescriptor& file, const char* data, std::size_t count);

// The open file that is about to replace `target` takes over its group and permission
// bits, so that a catalogue the operators' group may write stays so after any member's
// change; the writer's umask would otherwise decide.  Only a regular file at `target`
// itself counts: a link there is not followed, and its target lends nothing.  The
// changes go through the descriptor, never through a name another process could
// swap.  Where that cannot be done (another group, no old file) the new file keeps what
// it was created with.  True when both were taken over.
bool TakeOverPermissions(const FileDescriptor& replacement, const std::string& target);

}  // namespace corvane
