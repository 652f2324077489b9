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

class BusyGuard {
public:
    BusyGuard() { AnalysisBusy = true; }
    ~BusyGuard() { AnalysisBusy = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;
};

ScanResult Ended(ScanOutcome outcome) {
    ScanResult result;
    result.outcome = outcome;
    return result;
}

bool OperatorAgreesToLargeFile(const std::string& path, UserDialogs& dialogs) {
    std::string question(gbk::kMsgLargeFile);
    question += '\r';
    question += gbk::kMsgFileName;
    question += FileNameForMessage(path);
    return dialogs.AskYesNo(gbk::kCaptionPrompt, question);
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
                     ProgressSink& row, EventPump& pump, const StopToken& stop,
                     const ScanOptions& options) {
    LiteralMatcher::Scratch scratch(matcher);
    LineWalker walker(literals, matcher, scratch, catalogue, pump, stop);
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

    return ResultOf(walker.Take());
}

// A compressed day, decompressed on a thread of its own while the calling thread
// walks its lines: no copy of the text is written or read again.  The progress texts
// count the decompressed bytes against the size the stream's end records (the size
// modulo 4 GiB of its last member: exact for the usual one-member file).
ScanResult ScanCompressed(const std::string& serviceCode, const std::string& path,
                          const ErrorCatalogue& catalogue, ProgressSink& row, UserDialogs& dialogs,
                          EventPump& pump, const StopToken& stop, const ScanOptions& options) {
    const FileDescriptor in = OpenSharedForReading(path);
    const std::optional<FileStatus> status = in ? StatusOf(in) : std::nullopt;
    if (!in || !status) {
        dialogs.ShowMessage(std::string(gbk::kMsgOpenFailed) + FileNameForMessage(path));
        return Ended(ScanOutcome::OpenFailed);
    }
    const std::int64_t recorded = RecordedSize(in, *status);
    if (options.askAboutLargeFiles && recorded > kLargeFileThreshold &&
        !OperatorAgreesToLargeFile(path, dialogs)) {
        return Ended(ScanOutcome::Declined);
    }

    const ScanLiterals literals =
        BuildLiterals(serviceCode, catalogue, ReadIgnoreList(options.programDir, serviceCode));
    const LiteralMatcher matcher(literals.texts);
    LiteralMatcher::Scratch scratch(matcher);
    LineWalker walker(literals, matcher, scratch, catalogue, pump, stop);
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
    if (end != CompressedLines::Done) {
        dialogs.ShowMessage(CompressedLogFailure(end, path));
        return Ended(ScanOutcome::OpenFailed);
    }
    if (stop.stop_requested()) return Ended(ScanOutcome::Stopped);
    row.SetProgressText(ProgressText(done, done));

    ScanResult result = ResultOf(walker.Take());
    result.bytes = done;
    // The stamp the decompressed copy is opened with (LogFile), for the context view.
    result.stamp = status->stamp;
    result.stamp.size = done;
    return result;
}

}  // namespace

unsigned DefaultScanThreads() { return std::max(1u, std::thread::hardware_concurrency()); }

ScanResult ScanLogFile(const std::string& serviceCode, const std::string& path,
                       const ErrorCatalogue& catalogue, ProgressSink& row, UserDialogs& dialogs,
                       EventPump& pump, StopToken stop, const ScanOptions& options) {
    BusyGuard busy;
    if (IsCompressedLog(path)) {
        try {
            return ScanCompressed(serviceCode, path, catalogue, row, dialogs, pump, stop, options);
        } catch (const std::system_error&) {
            dialogs.ShowMessage(std::string(gbk::kMsgOpenFailed) + FileNameForMessage(path));
            return Ended(ScanOutcome::OpenFailed);
        }
    }

    LogFile file;
    if (!file.Open(path)) {
        dialogs.ShowMessage(file.Problem().empty()
                                ? std::string(gbk::kMsgOpenFailed) + FileNameForMessage(path)
                                : file.Problem());
        return Ended(ScanOutcome::OpenFailed);
    }
    if (options.askAboutLargeFiles && file.Size() > kLargeFileThreshold &&
        !OperatorAgreesToLargeFile(path, dialogs)) {
        return Ended(ScanOutcome::Declined);
    }

    const ScanLiterals literals =
        BuildLiterals(serviceCode, catalogue, ReadIgnoreList(options.programDir, serviceCode));
    try {
        const PartPlan plan = PlanParts(file.Size(), options);
        ScanResult result;
        if (plan.parts < 2 || plan.threads < 2) {
            const LiteralMatcher matcher(literals.texts);
            result = ScanWhole(file, literals, matcher, catalogue, row, pump, stop, options);
        } else {
            result = ScanInParts(file, literals, catalogue, row, pump, stop, options, plan);
        }
        result.stamp = file.Stamp();
        if (result.outcome == ScanOutcome::Scanned) result.bytes = file.Size();
        return result;
    } catch (const ScanReadError& e) {
        ScanResult result = Ended(ScanOutcome::ReadFailed);
        result.error = e.what();
        return result;
    }
}

}  // namespace corvane
