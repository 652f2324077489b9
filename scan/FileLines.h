// Walks a file's lines with their 1-based numbers and byte offsets, reading in blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/Error.h"
#include "base/FileAccess.h"
#include "base/Stop.h"
#include "scan/Host.h"

namespace corvane {

// One line of a file, without its terminator.  `text` stays valid until the next
// call of FileLineReader::Next.
struct FileLine {
    std::int64_t number = 0;  // 1-based
    std::int64_t offset = 0;  // byte offset of the line's first byte
    std::string_view text;
};

// Raised when a file cannot be opened or read.
class FileLinesError : public Error {
public:
    using Error::Error;
};

// Reads a file front to back and hands out its lines, numbered the way findings are
// placed (FindingPlace): line 1 begins at byte 0; CR LF, a lone CR and a lone LF each
// end one line, so LF CR ends a line and then an empty one; empty lines count; NUL is
// an ordinary byte; a terminator at the very end starts no further line.  Memory stays
// at one block plus the longest line; block boundaries never change a number.
class FileLineReader {
public:
    // Throws FileLinesError when the file cannot be opened or is not a regular file.
    // `blockLength` is only changed by tests, to reach block boundaries with small files.
    explicit FileLineReader(const std::string& path, std::size_t blockLength = 1u << 20);
    FileLineReader(const FileLineReader&) = delete;
    FileLineReader& operator=(const FileLineReader&) = delete;

    // The next line, or false at the end of the file.  Throws FileLinesError on a
    // read error.
    bool Next(FileLine& line);

private:
    bool Fill();  // reads one more block behind the unread bytes; false at end of file

    FileDescriptor file_;
    std::string path_;
    std::size_t blockLength_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;       // first unread byte in buffer_
    std::size_t end_ = 0;         // end of the bytes read into buffer_
    std::int64_t bufferPos_ = 0;  // file offset of buffer_[0]
    std::int64_t number_ = 0;
    bool eof_ = false;
    bool skipLf_ = false;  // the last line ended with a CR that was the last byte read
};

// Hands every line of the log at `path` to `each`, in order, numbered and placed as
// FileLineReader does; `each` returns false to end the walk there.  A compressed log
// (IsCompressedLog) is read as the scan reads it, decompressed as a stream, so the
// numbers and offsets are those of the text it holds and of the scan's places.
// Throws FileLinesError when the file cannot be opened or read, and when a compressed
// one is corrupt or truncated, decompresses into too much or holds a line longer than
// the scan takes.
void ForEachLogLine(const std::string& path, const std::function<bool(const FileLine&)>& each);

}  // namespace corvane
