#include "timeline/FindingTimes.h"

#include <algorithm>
#include <optional>
#include <string>

#include "base/LineEnds.h"
#include "catalog/GbkText.h"
#include "scan/FileNameText.h"
#include "scan/FindingText.h"

namespace corvane {

namespace {

// The time of the last line that begins in (limit, end) of `file`, where `end` is a
// line's start and `limit` the end of an earlier line's bytes: kNoTime when none of
// those lines has one.  Reads backwards in pieces, each with the bytes a stamp may
// reach past its end and the byte before it (which tells whether its first byte
// begins a line).
DayTime LastTimeBetween(const LogFile& file, std::int64_t limit, std::int64_t end) {
    constexpr std::int64_t kPiece = 64 * 1024;
    constexpr std::int64_t kPastEnd = static_cast<std::int64_t>(kTimeReach) + 1;
    std::string piece;
    std::int64_t pieceEnd = end;
    while (pieceEnd > limit + 1) {
        const std::int64_t pieceBegin = std::max(limit + 1, pieceEnd - kPiece);
        // From the byte before the piece (none before the file's first) to a stamp's
        // reach past it.
        const std::int64_t readBegin = std::max<std::int64_t>(0, pieceBegin - 1);
        const std::int64_t readEnd = std::min(file.Size(), pieceEnd + kPastEnd);
        piece.resize(static_cast<std::size_t>(readEnd - readBegin));
        file.Read(piece.data(), piece.size(), readBegin);
        for (std::int64_t at = pieceEnd - 1; at >= pieceBegin; --at) {
            const std::size_t i = static_cast<std::size_t>(at - readBegin);
            const char before = at == 0 ? '\n' : piece[i - 1];
            const bool starts = before == '\n' || (before == '\r' && piece[i] != '\n');
            if (!starts || IsLineEndByte(piece[i])) continue;
            std::size_t lineEnd = i;
            while (lineEnd < piece.size() && lineEnd - i <= kTimeReach &&
                   !IsLineEndByte(piece[lineEnd]))
                ++lineEnd;
            const DayTime time = LineTimeOf(std::string_view(piece).substr(i, lineEnd - i));
            if (time != kNoTime) return time;
        }
        pieceEnd = pieceBegin;
    }
    return kNoTime;
}

}  // namespace

std::string_view FindingLine(const Finding& finding) {
    const std::string_view text = finding.text;
    if (finding.place.line == 0 || static_cast<std::size_t>(finding.place.length) > text.size())
        return LogLine(text);
    return text.substr(text.size() - static_cast<std::size_t>(finding.place.length));
}

namespace {

// The loop of both forms; `file` gives the file, opened when a first line is read from it.
template <class FileOf>
void ExtendTimes(FileOf&& file, const FindingList& findings, std::vector<DayTime>& times,
                 const StopToken& stop) {
    times.reserve(findings.size());
    for (std::size_t i = times.size(); i < findings.size(); ++i) {
        if (stop.stop_requested()) return;
        const Finding& finding = findings[i];
        DayTime time = LineTimeOf(FindingLine(finding));
        if (time == kNoTime && finding.place.line > 0) {
            // The lines after the previous finding's, up to this one's.
            const Finding* previous = i > 0 ? &findings[i - 1] : nullptr;
            const bool placed = previous && previous->place.line > 0;
            const std::int64_t limit =
                placed ? previous->place.offset + previous->place.length : -1;
            time = LastTimeBetween(file(), limit, finding.place.offset);
            if (time == kNoTime && placed) time = times[i - 1];
        }
        times.push_back(time);
    }
}

}  // namespace

void ExtendFindingTimes(const LogFile& file, const FindingList& findings,
                        std::vector<DayTime>& times, const StopToken& stop) {
    ExtendTimes([&file]() -> const LogFile& { return file; }, findings, times, stop);
}

void ExtendFindingTimes(const std::string& path, const FindingList& findings,
                        std::vector<DayTime>& times, const StopToken& stop) {
    // Most lines carry their own time: the file (for a compressed day, its decompressed
    // copy) is opened only for one that does not.
    std::optional<LogFile> file;
    const auto open = [&]() -> const LogFile& {
        if (!file) {
            file.emplace();
            if (!file->Open(path))
                throw ScanReadError(file->Problem().empty() ? std::string(gbk::kMsgOpenFailed) +
                                                                  FileNameForMessage(path)
                                                            : file->Problem());
        }
        return *file;
    };
    ExtendTimes(open, findings, times, stop);
}

}  // namespace corvane
