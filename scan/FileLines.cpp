#include "scan/FileLines.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "base/LineEnds.h"
#include "catalog/GbkText.h"
#include "scan/FileNameText.h"
#include "scan/GzipCopy.h"
#include "scan/GzipStream.h"
#include "scan/LogFile.h"

namespace corvane {
namespace {

// The lines of a compressed log: the decompressed buffers cut into blocks of whole
// lines as for the scan (GzipLines), each block split by the line rule.  A CR LF may
// be split between two blocks; the next block's `afterCr` says so.
void ForEachCompressedLine(const std::string& path,
                           const std::function<bool(const FileLine&)>& each) {
    const FileDescriptor in = OpenSharedForReading(path);
    if (!in) throw FileLinesError(std::string(gbk::kMsgOpenFailed) + FileNameForMessage(path));
    std::int64_t number = 0;
    const auto linesOf = [&](const Block& block) {
        const char* p = block.begin;
        if (block.afterCr && p < block.end && *p == '\n') ++p;
        while (p < block.end) {
            const LineBreak lineBreak = NextLineBreak(p, block.end);
            FileLine line;
            line.number = ++number;
            line.offset = block.offset + (p - block.begin);
            line.text = std::string_view(p, static_cast<std::size_t>(lineBreak.at - p));
            if (!each(line)) return false;
            p = lineBreak.at + lineBreak.length;
        }
        return true;
    };
    const CompressedLines end = ForEachCompressedBlock(in, linesOf);
    if (end == CompressedLines::Corrupt || end == CompressedLines::TooLarge)
        throw FileLinesError(CompressedLogFailure(end, path));
}

}  // namespace

void ForEachLogLine(const std::string& path, const std::function<bool(const FileLine&)>& each) {
    if (IsCompressedLog(path)) {
        ForEachCompressedLine(path, each);
        return;
    }
    FileLineReader reader(path);
    FileLine line;
    while (reader.Next(line))
        if (!each(line)) return;
}

FileLineReader::FileLineReader(const std::string& path, std::size_t blockLength)
    : path_(path), blockLength_(std::max<std::size_t>(blockLength, 1)) {
    // The scanner's own file access and messages, so that the window and the command
    // line refuse the same files with the same words.
    file_ = OpenSharedForReading(path);
    if (!file_) throw FileLinesError(std::string(gbk::kMsgOpenFailed) + FileNameForMessage(path));
}

bool FileLineReader::Fill() {
    if (eof_) return false;
    // Keep the unread bytes at the front, then append one block.
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        bufferPos_ += static_cast<std::int64_t>(begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (buffer_.size() < end_ + blockLength_) buffer_.resize(end_ + blockLength_);
    const std::optional<std::size_t> n = ReadSome(file_, buffer_.data() + end_, blockLength_);
    if (!n) throw FileLinesError(std::string(gbk::kMsgReadFailed) + FileNameForMessage(path_));
    if (*n == 0) {
        eof_ = true;
        return false;
    }
    end_ += *n;
    return true;
}

bool FileLineReader::Next(FileLine& line) {
    std::size_t searched = begin_;  // bytes before this hold no terminator
    for (;;) {
        if (skipLf_) {
            // A CR ended the previous line as the last byte read: an LF right after it
            // belongs to the same terminator.
            if (begin_ == end_ && Fill()) searched = begin_;
            if (begin_ < end_ && buffer_[begin_] == '\n') ++begin_;
            skipLf_ = false;
            searched = begin_;
        }
        if (begin_ == end_) {
            if (!Fill()) return false;  // a final terminator starts no further line
            searched = begin_;
        }
        const char* base = buffer_.data();
        LineBreak lineBreak = NextLineBreak(base + searched, base + end_);
        if (lineBreak.length == 0 && !eof_) {
            const std::size_t had = end_ - begin_;
            if (Fill()) {
                searched = begin_ + had;
                continue;
            }
            base = buffer_.data();
            lineBreak = LineBreak{base + end_, 0, false};
        }
        const auto stop = static_cast<std::size_t>(lineBreak.at - base);
        line.number = ++number_;
        line.offset = bufferPos_ + static_cast<std::int64_t>(begin_);
        line.text = std::string_view(base + begin_, stop - begin_);
        begin_ = stop + lineBreak.length;
        skipLf_ = lineBreak.crAtEnd;
        return true;
    }
}

}  // namespace corvane
