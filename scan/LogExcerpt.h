// The lines around a finding, read from its log file by offset: the context view
// shows them, so a finding can be read where it happened.  Only the bytes near the
// finding are read, never the whole file, so a 3 GiB log answers as fast as a small
// one.  Lines are cut and numbered by the same rule as everywhere (FindingList.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scan/FindingList.h"
#include "scan/LogFile.h"

namespace corvane {

struct ExcerptLine {
    std::int64_t number = 0;  // 1-based line number
    std::int64_t offset = 0;  // byte offset of the line's first byte
    std::string text;         // the line's bytes, without its terminator
};

enum class ExcerptStatus {
    Ok,
    CannotOpen,   // the file is gone or unreadable
    FileChanged,  // the finding's line is no longer what the scan saw there
};

struct LogExcerpt {
    ExcerptStatus status = ExcerptStatus::Ok;
    std::vector<ExcerptLine> lines;  // in file order
    bool atStart = false;            // the first line is line 1
    bool atEnd = false;              // the last line is the file's last
    // The file is not the one the scan read (another file, length or modification
    // time), though the finding's line is still in its place: the lines are those
    // of the file as it is now.
    bool fileChanged = false;
};

// Lines longer than this are cut for display; their numbers stay right.
inline constexpr std::size_t kExcerptLineMax = 64 * 1024;

// Reads up to `before` lines before the line at `place`, that line, and up to `after`
// lines after it.  `finding` is the finding made from the line at `place` (code, "|",
// perhaps a carried time stamp, then the line) in the file as `scanned` describes it:
// when the file no longer holds that line there, the status is FileChanged and no
// lines are given.
LogExcerpt ReadLogExcerpt(const std::string& path, const FileStamp& scanned, FindingPlace place,
                          std::string_view finding, int before, int after);

}  // namespace corvane
