#include "scan/LogExcerpt.h"

#include <algorithm>

#include "base/LineEnds.h"
#include "scan/LogFile.h"

namespace corvane {
namespace {

// Bytes [offset, offset + count) of the file, fewer at its end.  A file that shrank
// since it was opened throws ScanReadError.
std::string ReadBytes(const LogFile& file, std::int64_t offset, std::int64_t count) {
    count = std::max<std::int64_t>(0, std::min(count, file.Size() - offset));
    std::string bytes(static_cast<std::size_t>(count), '\0');
    if (count > 0) file.Read(bytes.data(), bytes.size(), offset);
    return bytes;
}

constexpr std::int64_t kBlock = 64 * 1024;

// One line read forward from `offset`: its text (cut to kExcerptLineMax), its full
// length, and the offset where the next line begins.
struct ForwardLine {
    std::string text;
    std::int64_t length = 0;
    std::int64_t next = 0;
};

ForwardLine ReadLineAt(const LogFile& file, std::int64_t offset) {
    ForwardLine line;
    std::int64_t pos = offset;
    for (;;) {
        const std::string block = ReadBytes(file, pos, kBlock);
        if (block.empty()) {  // the end of the file ends the line
            line.next = pos;
            return line;
        }
        const char* begin = block.data();
        const LineBreak lineBreak = NextLineBreak(begin, begin + block.size());
        const auto taken = static_cast<std::size_t>(lineBreak.at - begin);
        if (line.text.size() < kExcerptLineMax)
            line.text.append(begin, std::min(taken, kExcerptLineMax - line.text.size()));
        line.length += static_cast<std::int64_t>(taken);
        pos += static_cast<std::int64_t>(taken);
        if (lineBreak.length == 0) continue;
        // A CR that ends the block: the file's next byte tells whether it is a CR LF.
        const bool crlf = lineBreak.crAtEnd && ReadBytes(file, pos + 1, 1) == "\n";
        line.next = pos + static_cast<std::int64_t>(crlf ? 2 : lineBreak.length);
        return line;
    }
}

// The offset where the line that ends just before `start` (a line start) begins, or -1
// when `start` is the beginning of the file.
std::int64_t PreviousLineStart(const LogFile& file, std::int64_t start) {
    if (start <= 0) return -1;
    std::int64_t end = start - 1;  // the terminator's last byte
    if (end > 0) {
        const std::string last = ReadBytes(file, end - 1, 2);
        if (last.size() == 2 && IsCrLf(last[0], last[1])) --end;
    }
    // The line holds no CR or LF: it begins right after the last one before `end`.
    std::int64_t pos = end;
    while (pos > 0) {
        const std::int64_t from = std::max<std::int64_t>(0, pos - kBlock);
        const std::string block = ReadBytes(file, from, pos - from);
        for (std::size_t i = block.size(); i > 0; --i) {
            if (IsLineEndByte(block[i - 1])) return from + static_cast<std::int64_t>(i);
        }
        pos = from;
    }
    return 0;
}

// True when a line begins at `place.offset`: the file's start for line 1, otherwise
// right after a line end, and not between the CR and the LF of one.
bool IsLineStart(const LogFile& file, FindingPlace place) {
    if (place.offset == 0) return place.line == 1;
    const std::string around = ReadBytes(file, place.offset - 1, 2);
    if (around.empty() || !IsLineEndByte(around[0])) return false;
    return !(around.size() > 1 && IsCrLf(around[0], around[1]));
}

LogExcerpt ExcerptOf(const LogFile& file, FindingPlace place, std::string_view finding, int before,
                     int after) {
    LogExcerpt excerpt;
    // No line begins at the end of the file: a final terminator starts none.
    if (place.offset < 0 || place.offset >= file.Size() || place.line < 1) {
        excerpt.status = ExcerptStatus::FileChanged;
        return excerpt;
    }

    // The finding's own line must still be where the scan found it: the finding ends
    // with it (a carried time stamp may stand between the code and the line).
    ForwardLine own = ReadLineAt(file, place.offset);
    const auto length = static_cast<std::size_t>(own.length);
    const bool sameLine = finding.size() >= 4 + length &&
                          finding.substr(finding.size() - length, own.text.size()) == own.text &&
                          IsLineStart(file, place);
    if (!sameLine) {
        excerpt.status = ExcerptStatus::FileChanged;
        return excerpt;
    }

    std::vector<ExcerptLine> earlier;
    std::int64_t start = place.offset;
    for (int i = 0; i < before; ++i) {
        const std::int64_t previous = PreviousLineStart(file, start);
        if (previous < 0) break;
        earlier.push_back({place.line - 1 - i, previous, ReadLineAt(file, previous).text});
        start = previous;
    }
    excerpt.atStart = start == 0;
    excerpt.lines.assign(earlier.rbegin(), earlier.rend());

    excerpt.lines.push_back({place.line, place.offset, std::move(own.text)});
    std::int64_t next = own.next;
    for (int i = 0; i < after && next < file.Size(); ++i) {
        ForwardLine line = ReadLineAt(file, next);
        excerpt.lines.push_back({place.line + 1 + i, next, std::move(line.text)});
        next = line.next;
    }
    // A terminator at the very end of the file starts no further line.
    excerpt.atEnd = next >= file.Size();
    return excerpt;
}

}  // namespace

LogExcerpt ReadLogExcerpt(const std::string& path, const FileStamp& scanned, FindingPlace place,
                          std::string_view finding, int before, int after) {
    LogFile file;
    if (!file.Open(path)) {
        LogExcerpt excerpt;
        excerpt.status = ExcerptStatus::CannotOpen;
        return excerpt;
    }
    try {
        LogExcerpt excerpt = ExcerptOf(file, place, finding, before, after);
        excerpt.fileChanged = file.Stamp() != scanned;
        return excerpt;
    } catch (const ScanReadError&) {
        // The file was cut short while its lines were read.
        LogExcerpt excerpt;
        excerpt.status = ExcerptStatus::FileChanged;
        return excerpt;
    }
}

}  // namespace corvane
