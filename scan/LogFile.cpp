#include "scan/LogFile.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "base/LineEnds.h"
#include "catalog/GbkText.h"
#include "scan/FileNameText.h"
#include "scan/GzipCopy.h"

namespace corvane {

bool LogFile::Open(const std::string& path) {
    path_ = path;
    problem_.clear();
    if (IsCompressedLog(path)) {
        const std::optional<FileStatus> compressed = StatusOfPath(path);
        if (!compressed || !compressed->regular) return false;
        GzipCopy copy = DecompressedCopy(path, *compressed);
        if (!copy.error.empty()) {
            problem_ = std::move(copy.error);
            return false;
        }
        file_ = std::move(copy.file);
        if (!file_) return false;
        const std::optional<FileStatus> status = StatusOf(file_);
        if (!status) {
            file_.Close();
            return false;
        }
        stamp_ = compressed->stamp;
        stamp_.size = status->stamp.size;
        size_ = stamp_.size;
        return true;
    }
    file_ = OpenSharedForReading(path);
    if (!file_) return false;
    const std::optional<FileStatus> status = StatusOf(file_);
    if (!status) {
        file_.Close();
        return false;
    }
    stamp_ = status->stamp;
    size_ = stamp_.size;
    return true;
}

bool LogFile::Refresh() {
    const std::optional<FileStatus> status = StatusOf(file_);
    if (!status) return false;
    stamp_ = status->stamp;
    size_ = stamp_.size;
    return true;
}

void LogFile::Read(char* into, std::size_t count, std::int64_t offset) const {
    if (ReadFullAt(file_, into, count, offset) != count) ThrowReadError();
}

std::int64_t LogFile::FindLineEnd(std::int64_t from) const {
    constexpr std::size_t kPiece = 65536;
    std::unique_ptr<char[]> piece;
    while (from < size_) {
        const std::size_t n =
            static_cast<std::size_t>(std::min<std::int64_t>(kPiece, size_ - from));
        if (!piece) piece.reset(new char[kPiece]);
        Read(piece.get(), n, from);
        const char* end = piece.get() + n;
        const char* lineEnd = corvane::FindLineEnd(piece.get(), end);
        if (lineEnd < end) return from + (lineEnd - piece.get());
        from += static_cast<std::int64_t>(n);
    }
    return size_;
}

std::int64_t LogFile::CompleteLinesEnd(std::int64_t from, bool& endsAfterCr) const {
    // A log's last line end is almost always in its last few bytes: the pieces start
    // small, for the scan and every look of a follow, and grow for a long last line.
    constexpr std::int64_t kLargestPiece = 65536;
    std::int64_t pieceLength = 4096;
    std::string piece;
    std::int64_t to = size_;
    while (to > from) {
        const std::int64_t begin = std::max(from, to - pieceLength);
        pieceLength = std::min(pieceLength * 2, kLargestPiece);
        piece.resize(static_cast<std::size_t>(to - begin));
        Read(piece.data(), piece.size(), begin);
        for (std::size_t i = piece.size(); i-- > 0;) {
            const char c = piece[i];
            if (c != '\r' && c != '\n') continue;
            const std::int64_t at = begin + static_cast<std::int64_t>(i);
            if (c == '\r' && at == size_ - 1) continue;
            endsAfterCr = c == '\r';
            return at + 1;
        }
        to = begin;
    }
    return from;
}

void LogFile::ThrowReadError() const {
    // The file is shorter than it was when the scan began.
    throw ScanReadError(std::string(gbk::kMsgReadFailed) + FileNameForMessage(path_));
}

}  // namespace corvane
