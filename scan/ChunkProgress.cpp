#include "scan/ChunkProgress.h"

#include <algorithm>

#include "catalog/GbkText.h"

namespace corvane {

std::string ProgressText(std::int64_t done, std::int64_t size, std::int64_t unit) {
    std::string text(gbk::kProgressDone);
    text += std::to_string(done / unit);
    text += "MB/";
    text += std::to_string(size / unit);
    text += "MB";
    return text;
}

ChunkProgress::ChunkProgress(const LogFile& file, std::int64_t chunkLength, ProgressSink& sink,
                             std::int64_t unit)
    : file_(file),
      chunkLength_(std::max<std::int64_t>(chunkLength, 1)),
      sink_(sink),
      unit_(std::max<std::int64_t>(unit, 1)) {}

void ChunkProgress::Start() {
    sink_.SetProgressText(ProgressText(0, file_.Size(), unit_));
    chunkEnd_ = ChunkEnd(0);
}

void ChunkProgress::Reached(std::int64_t done) {
    sink_.SetProgressBytes(done, file_.Size());
    while (chunkEnd_ >= 0 && chunkEnd_ <= done) {
        sink_.SetProgressText(ProgressText(chunkEnd_, file_.Size(), unit_));
        const std::int64_t start = chunkEnd_;
        chunkEnd_ = -1;  // no more texts should the file fail under the search
        chunkEnd_ = ChunkEnd(start);
    }
}

void ChunkProgress::Finish() {
    if (file_.Size() == 0) sink_.SetProgressText(ProgressText(0, 0, unit_));
}

std::int64_t ChunkProgress::ChunkEnd(std::int64_t start) const {
    const std::int64_t size = file_.Size();
    if (start >= size) return -1;
    if (size - start <= chunkLength_) return size;
    // The last byte of the nominal chunk is not looked at: the chunk runs on to the
    // first line end from the byte after it.
    const std::int64_t lineEnd = file_.FindLineEnd(start + chunkLength_);
    return lineEnd < size ? lineEnd + 1 : size;
}

}  // namespace corvane
