// A log file opened for a scan: read only, shared with the services that write it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "base/Error.h"

namespace corvane {

// Raised when the file delivers fewer bytes than its size promised (it was shortened
// while being scanned).  The scan's partial list is discarded.
class ScanReadError : public Error {
public:
    using Error::Error;
};

// Opens `path` for reading only, shared with the services that write it, when it is a
// regular file: a directory, FIFO or device is not a log file (a FIFO would block the
// reader, /dev/zero would never end).  Returns the descriptor, or -1.
int OpenLogFileDescriptor(const std::string& path);

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

class LogFile {
public:
    LogFile() = default;
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // Opens `path` through OpenLogFileDescriptor.  False when the file cannot be
    // opened or is not a regular file.
    bool Open(const std::string& path);

    // The length taken right after opening: bytes appended later are not examined.
    std::int64_t Size() const { return size_; }
    // The file as it was when it was opened.
    const FileStamp& Stamp() const { return stamp_; }
    const std::string& Path() const { return path_; }

    // Reads exactly `count` bytes at `offset`.  Throws ScanReadError when fewer
    // arrive.  Safe to call from several threads at once.
    void Read(char* into, std::size_t count, std::int64_t offset) const;

    // The offset of the first CR or LF at or after `from`, or Size() when there is
    // none.  Reads in small pieces, so memory stays small however long the line.
    std::int64_t FindLineEnd(std::int64_t from) const;

private:
    [[noreturn]] void ThrowReadError() const;

    int fd_ = -1;
    std::int64_t size_ = 0;
    FileStamp stamp_;
    std::string path_;
};

}  // namespace corvane
