#include "scan/FileLines.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/LineEnds.h"
#include "catalog/GbkText.h"
#include "scan/FileNameText.h"
#include "scan/LogFile.h"

namespace corvane {

FileLineReader::FileLineReader(const std::string& path, std::size_t blockLength)
    : path_(path), blockLength_(std::max<std::size_t>(blockLength, 1)) {
    // The scanner's own file access and messages, so that the window and the command
    // line refuse the same files with the same words.
    fd_ = OpenLogFileDescriptor(path);
    if (fd_ < 0) throw FileLinesError(std::string(gbk::kMsgOpenFailed) + FileNameForMessage(path));
}

FileLineReader::~FileLineReader() {
    if (fd_ >= 0) ::close(fd_);
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
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data() + end_, blockLength_);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            throw FileLinesError(std::string(gbk::kMsgReadFailed) + FileNameForMessage(path_));
        if (n == 0) {
            eof_ = true;
            return false;
        }
        end_ += static_cast<std::size_t>(n);
        return true;
    }
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
