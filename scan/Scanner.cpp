#include "scan/Scanner.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>

#include "base/LineEnds.h"
#include "catalog/GbkText.h"
#include "catalog/ServiceCatalogue.h"
#include "scan/BlockReader.h"
#include "scan/ChunkProgress.h"
#include "scan/FileNameText.h"
#include "scan/GzipCopy.h"
#include "scan/GzipStream.h"
#include "scan/LineWalker.h"
#include "scan/PartScan.h"

namespace corvane {
namespace {

ScanResult Ended(ScanOutcome outcome) {
    ScanResult result;
    result.outcome = outcome;
    return result;
}

ScanResult OpenFailed(std::string message) {
    ScanResult result = Ended(ScanOutcome::OpenFailed);
    result.error = std::move(message);
    return result;
}

std::string OpenFailureMessage(const std::string& path) {
    return std::string(gbk::kMsgOpenFailed) + FileNameForMessage(path);
}

bool OperatorAgreesToLargeFile(const std::string& path, ScanSink& sink) {
    std::string question(gbk::kMsgLargeFile);
    question += '\r';
    question += gbk::kMsgFileName;
    question += FileNameForMessage(path);
    return sink.AgreeToLargeFile(gbk::kCaptionPrompt, question);
}

// The findings and counts of a whole file's walk as the scan's result.
ScanResult ResultOf(WalkResult walk) {
    ScanResult result;
    result.findings = std::move(walk.findings);
    result.unknown = walk.unknown;
    result.known = walk.known;
    return result;
}

// The whole file on the calling thread, a block at a time.
ScanResult ScanWhole(const LogFile& file, const ScanLiterals& literals,
                     const LiteralMatcher& matcher, const ErrorCatalogue& catalogue,
                     ProgressSink& row, const StopToken& stop, const ScanOptions& options,
                     std::int64_t holdAt) {
    LiteralMatcher::Scratch scratch(matcher);
    LineWalker walker(literals, matcher, scratch, catalogue, stop);
    walker.HoldAt(holdAt);
    ChunkProgress progress(file, options.chunkLength, row);
    BlockReader reader(file, 0, file.Size(), options.blockLength);
    // A file of a block or two is read faster than a thread starts.  The reading
    // thread has time to spare: it counts the line ends.
    const bool readAhead = static_cast<std::uint64_t>(file.Size()) / 2 >=
                           std::max<std::size_t>(options.blockLength, 1);
    if (readAhead) reader.CountLineEnds();
    BlockSource blocks(reader, readAhead);

    progress.Start();
    Block block;
    while (blocks.Next(block)) {
        walker.Examine(block);
        if (stop.stop_requested()) return Ended(ScanOutcome::Stopped);
        progress.Reached(block.offset + (block.end - block.begin));
    }
    progress.Finish();

    ScanResult result;
    if (walker.Held()) result.end = ScanEnd{0, false, *walker.Held(), {}, {}};
    WalkResult walk = walker.Take();
    result.findings = std::move(walk.findings);
    result.unknown = walk.unknown;
    result.known = walk.known;
    return result;
}

// A compressed day, decompressed on a thread of its own while the calling thread
// walks its lines: no copy of the text is written or read again.  The progress texts
// count the decompressed bytes against the size the stream's end records (the size
// modulo 4 GiB of its last member: exact for the usual one-member file).
ScanResult ScanCompressed(const std::string& serviceCode, const std::string& path,
                          const ErrorCatalogue& catalogue, ScanSink& row, const StopToken& stop,
                          const ScanOptions& options) {
    const FileDescriptor in = OpenSharedForReading(path);
    const std::optional<FileStatus> status = in ? StatusOf(in) : std::nullopt;
    if (!in || !status) return OpenFailed(OpenFailureMessage(path));
    const std::int64_t recorded = RecordedSize(in, *status);
    if (options.askAboutLargeFiles && recorded > kLargeFileThreshold &&
        !OperatorAgreesToLargeFile(path, row)) {
        return Ended(ScanOutcome::Declined);
    }

    const ScanLiterals literals =
        BuildLiterals(serviceCode, catalogue, ReadIgnoreList(options.programDir, serviceCode));
    const LiteralMatcher matcher(literals.texts);
    LiteralMatcher::Scratch scratch(matcher);
    LineWalker walker(literals, matcher, scratch, catalogue, stop);
    row.SetProgressText(ProgressText(0, recorded));
    std::int64_t done = 0;
    std::int64_t nextText = options.chunkLength;
    const CompressedLines end = ForEachCompressedBlock(
        in,
        [&](const Block& block) {
            walker.Examine(block);
            return !stop.stop_requested();
        },
        [&](std::int64_t bytes) {
            done = bytes;
            row.SetProgressBytes(done, std::max(recorded, done));
            if (done >= nextText) {
                row.SetProgressText(ProgressText(done, std::max(recorded, done)));
                nextText += options.chunkLength;
            }
        });
    if (end == CompressedLines::Stopped) return Ended(ScanOutcome::Stopped);
    if (end != CompressedLines::Done) return OpenFailed(CompressedLogFailure(end, path));
    if (stop.stop_requested()) return Ended(ScanOutcome::Stopped);
    row.SetProgressText(ProgressText(done, done));

    ScanResult result = ResultOf(walker.Take());
    result.bytes = done;
    // The stamp the decompressed copy is opened with (LogFile), for the context view.
    result.stamp = status->stamp;
    result.stamp.size = done;
    return result;
}

// The bytes a follow compares, read where the scan left the file.
void KeepCompared(const LogFile& file, ScanEnd& end) {
    end.head.resize(static_cast<std::size_t>(std::min(kFollowHeadLength, end.examined)));
    file.Read(end.head.data(), end.head.size(), 0);
    end.tail.resize(static_cast<std::size_t>(std::min(kFollowTailLength, end.examined)));
    file.Read(end.tail.data(), end.tail.size(),
              end.examined - static_cast<std::int64_t>(end.tail.size()));
}

ScanResult ScanPlain(const std::string& serviceCode, const LogFile& file,
                     const ErrorCatalogue& catalogue, ScanSink& sink, const StopToken& stop,
                     const ScanOptions& options) {
    const ScanLiterals literals =
        BuildLiterals(serviceCode, catalogue, ReadIgnoreList(options.programDir, serviceCode));
    bool afterCr = false;
    const std::int64_t complete = file.CompleteLinesEnd(0, afterCr);
    const PartPlan plan = PlanParts(file.Size(), options);
    ScanResult result;
    if (plan.parts < 2 || plan.threads < 2) {
        const LiteralMatcher matcher(literals.texts);
        result = ScanWhole(file, literals, matcher, catalogue, sink, stop, options, complete);
    } else {
        result = ScanInParts(file, literals, catalogue, sink, stop, options, plan, complete);
    }
    result.stamp = file.Stamp();
    if (result.outcome != ScanOutcome::Scanned) return result;
    result.bytes = file.Size();
    if (!result.end) result.end = ScanEnd{};  // an empty file
    result.end->examined = complete;
    result.end->afterCr = afterCr;
    KeepCompared(file, *result.end);
    return result;
}

}  // namespace

unsigned DefaultScanThreads() { return std::max(1u, std::thread::hardware_concurrency()); }

ScanResult ScanLogFile(const std::string& serviceCode, const std::string& path,
                       const ErrorCatalogue& catalogue, ScanSink& sink, StopToken stop,
                       const ScanOptions& options) {
    if (IsCompressedLog(path)) {
        try {
            return ScanCompressed(serviceCode, path, catalogue, sink, stop, options);
        } catch (const std::system_error&) {
            return OpenFailed(OpenFailureMessage(path));
        }
    }

    LogFile file;
    if (!file.Open(path))
        return OpenFailed(file.Problem().empty() ? OpenFailureMessage(path) : file.Problem());
    if (options.askAboutLargeFiles && file.Size() > kLargeFileThreshold &&
        !OperatorAgreesToLargeFile(path, sink)) {
        return Ended(ScanOutcome::Declined);
    }
    try {
        return ScanPlain(serviceCode, file, catalogue, sink, stop, options);
    } catch (const ScanReadError& e) {
        // The file got shorter under the scan: a value the run reports, not an error
        // that unwinds it.
        ScanResult result = Ended(ScanOutcome::ReadFailed);
        result.error = e.what();
        return result;
    }
}

}  // namespace corvane
