// A log file opened for a scan: read only, shared with the services that write it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "base/Error.h"
#include "base/FileAccess.h"

namespace corvane {

// Raised when the file delivers fewer bytes than its size promised (it was shortened
// while being scanned).  The scan's partial list is discarded.
class ScanReadError : public Error {
public:
    using Error::Error;
};

class LogFile {
public:
    LogFile() = default;
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // Opens `path` through OpenSharedForReading: read only, shared with the services
    // that write it.  False when the file cannot be opened or is not a regular file.
    // A compressed log (GzipCopy.h) is read through its decompressed copy, made first
    // if need be: its size is the decompressed size and its stamp that of the
    // compressed file with that size.  False too when no copy can be made; Problem()
    // then says why.
    bool Open(const std::string& path);
    // Why a compressed log could not be opened (GBK, naming the file), or empty.
    const std::string& Problem() const { return problem_; }

    // The length taken right after opening: bytes appended later are not examined.
    std::int64_t Size() const { return size_; }
    // The file as it was when it was opened.
    const FileStamp& Stamp() const { return stamp_; }
    const std::string& Path() const { return path_; }

    // Takes the open file's length and stamp again, for a file that is followed as it
    // grows: later reads and line-end searches reach as far as the new length.  False
    // when the system does not tell the file's state.
    bool Refresh();

    // Reads exactly `count` bytes at `offset`.  Throws ScanReadError when fewer
    // arrive.  Safe to call from several threads at once.
    void Read(char* into, std::size_t count, std::int64_t offset) const;

    // The offset of the first CR or LF at or after `from`, or Size() when there is
    // none.  Reads in small pieces, so memory stays small however long the line.
    std::int64_t FindLineEnd(std::int64_t from) const;

    // The end of the last complete line in [from, Size()): just past its line end,
    // which must not be a CR that is the last byte (the first half of a CR LF still to
    // come, in a file being written).  `from` when no line there is complete.
    // `endsAfterCr` tells whether that line end is a CR.  Reads backwards from the end
    // in pieces.
    std::int64_t CompleteLinesEnd(std::int64_t from, bool& endsAfterCr) const;

private:
    [[noreturn]] void ThrowReadError() const;

    FileDescriptor file_;
    std::int64_t size_ = 0;
    FileStamp stamp_;
    std::string path_;
    std::string problem_;
};

}  // namespace corvane
