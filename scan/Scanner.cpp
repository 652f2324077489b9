#include "scan/Scanner.h"

#include <algorithm>
#include <thread>

#include "catalog/GbkText.h"
#include "catalog/ServiceCatalogue.h"
#include "scan/BlockReader.h"
#include "scan/ChunkProgress.h"
#include "scan/FileNameText.h"
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
        if (!walker.Examine(block)) return Ended(ScanOutcome::Stopped);
        progress.Reached(block.offset + (block.end - block.begin));
    }
    progress.Finish();

    WalkResult walk = walker.Take();
    ScanResult result;
    result.findings = std::move(walk.findings);
    result.unknown = walk.unknown;
    result.known = walk.known;
    return result;
}

}  // namespace

unsigned DefaultScanThreads() { return std::max(1u, std::thread::hardware_concurrency()); }

ScanResult ScanLogFile(const std::string& serviceCode, const std::string& path,
                       const ErrorCatalogue& catalogue, ProgressSink& row, UserDialogs& dialogs,
                       EventPump& pump, StopToken stop, const ScanOptions& options) {
    BusyGuard busy;

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
