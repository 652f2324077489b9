// Compressed days: a day's log kept as PREFIX + day + ".log.gz".  The scan, the lines
// around a finding and the search read such a log through a decompressed copy in the
// user's cache directory, made once per compressed file (and made again when that
// file changes), so that everything that reads a log reads the same bytes by offset
// as from a plain file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/FileAccess.h"

namespace corvane {

// A copy larger than this is not made: a small file that decompresses into a huge
// one (a "bomb") takes at most the time and disk of this many bytes, and the memory
// of a few buffers.
inline constexpr std::int64_t kMaxDecompressedBytes = std::int64_t{8} << 30;

// True when `path` names a compressed log (its name ends in ".gz", in any case).
bool IsCompressedLog(std::string_view path);

// Where the copies live: $XDG_CACHE_HOME/corvane/gz/, or ~/.cache/corvane/gz/.
std::string GzipCacheDirectory();

struct GzipCopy {
    std::string path;   // the decompressed copy, when made
    std::string error;  // otherwise the message (GBK), naming the compressed file
};

// The decompressed copy of the gzip file at `gzPath` (one or more members), whose
// state is `status`.  A copy made earlier for the same file in the same state is
// taken as it is; copies of earlier states of that file are removed.  The
// decompression runs on a thread of its own while the calling thread writes the copy.
// A stream that is corrupt, truncated or has bytes after its end that are not zeros,
// or that decompresses into more than `limit` bytes, gives no copy and an error.
GzipCopy DecompressedCopy(const std::string& gzPath, const FileStatus& status,
                          std::int64_t limit = kMaxDecompressedBytes);

}  // namespace corvane
