// Compressed days: a day's log kept as PREFIX + day + ".log.gz".  The scan reads the
// stream as it is decompressed (Scanner.cpp); the lines around a finding and the
// search read such a log by offset through a decompressed copy in the user's cache
// directory, made at the first such read of the compressed file (and made again when
// that file changes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/FileAccess.h"
#include "base/Stop.h"
#include "scan/BlockReader.h"

namespace corvane {

// A copy larger than this is not made: a small file that decompresses into a huge
// one (a "bomb") takes at most the time and disk of this many bytes, and the memory
// of a few buffers.
inline constexpr std::int64_t kMaxDecompressedBytes = std::int64_t{8} << 30;

// The longest line the scan of a compressed day holds: a stream with a longer one
// is refused as a bomb would be.
inline constexpr std::size_t kMaxCompressedLine = std::size_t{256} << 20;

// How the lines of a compressed log were handed on: all of them, until the receiver
// asked to stop, or until the stream proved corrupt or too large (its message from
// CompressedLogFailure).
enum class CompressedLines { Done, Stopped, Corrupt, TooLarge };

// Decompresses `in` (a gzip file) on a thread of its own and hands `onBlock` its
// lines in file order, a block of whole lines at a time, the last line (without a
// line end) last; `onBlock` answers false to stop.  `onBytes` (may be empty) hears
// the decompressed bytes so far after every piece.  More than kMaxDecompressedBytes,
// or a line longer than kMaxCompressedLine, is TooLarge.  The scan, the search and
// the readers of lines share it, so a compressed day reads alike everywhere.
CompressedLines ForEachCompressedBlock(const FileDescriptor& in,
                                       const std::function<bool(const Block&)>& onBlock,
                                       const std::function<void(std::int64_t)>& onBytes = {});

// The message (GBK, naming the file) of a compressed log that was Corrupt or TooLarge.
std::string CompressedLogFailure(CompressedLines end, const std::string& path);

// True when `path` names a compressed log (its name ends in ".gz", in any case).
bool IsCompressedLog(std::string_view path);

// Where the copies live: $XDG_CACHE_HOME/corvane/gz/, or ~/.cache/corvane/gz/.
std::string GzipCacheDirectory();

// A copy not used for this long is removed when another copy is made: copies of days
// deleted since, or looked at once long ago, do not fill the disk.
inline constexpr std::int64_t kGzipCopyKeepSeconds = std::int64_t{7} * 24 * 3600;

struct GzipCopy {
    std::string path;     // the decompressed copy, when made
    FileDescriptor file;  // that copy, open for reading: read it through this, not the path
    std::string error;    // otherwise the message (GBK), naming the compressed file
};

// The decompressed copy of the gzip file at `gzPath` (one or more members), whose
// state is `status`.  A copy made earlier for the same file in the same state is
// taken as it is when it is a regular file of this user's that no one else may write,
// under its name itself (no link); anything else under that name is replaced.  A new
// copy is written into a file created exclusively under a random name and renamed
// into place; copies of earlier states of that file, and copies not used for
// kGzipCopyKeepSeconds, are removed then.  The cache directory must be this user's
// and writable by no one else, or no copy is made.  The
// decompression runs on a thread of its own while the calling thread writes the copy.
// A stream that is corrupt, truncated or has bytes after its end that are not zeros,
// or that decompresses into more than `limit` bytes, gives no copy and an error.  A
// stop request ends the work with neither a copy nor an error.
GzipCopy DecompressedCopy(const std::string& gzPath, const FileStatus& status,
                          std::int64_t limit = kMaxDecompressedBytes, const StopToken& stop = {});

// The copy of the compressed log at `gzPath` as it is now, made if need be (as
// LogFile::Open does): for work off the window's thread before a view reads it.
GzipCopy DecompressedCopyOf(const std::string& gzPath, const StopToken& stop);

}  // namespace corvane
