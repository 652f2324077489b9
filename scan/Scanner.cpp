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
#include "scan/FileNameText.h"
#include "scan/GzipCopy.h"
#include "scan/GzipStream.h"
#include "scan/LineWalker.h"
#include "scan/LiteralMatcher.h"
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
    ScanResult result = ScanCompressedLog(in, path, recorded, literals, matcher, catalogue, row,
                                          pump, stop, options);
    if (result.outcome == ScanOutcome::OpenFailed) {
        dialogs.ShowMessage(result.error);
        return Ended(ScanOutcome::OpenFailed);
    }
    // The stamp the decompressed copy is opened with (LogFile), for the context view.
    result.stamp = status->stamp;
    result.stamp.size = result.bytes;
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
        const LiteralMatcher matcher(literals.texts);
        ScanResult result =
            ScanInParts(file, literals, matcher, catalogue, row, pump, stop, options);
        result.stamp = file.Stamp();
        return result;
    } catch (const ScanReadError& e) {
        ScanResult result = Ended(ScanOutcome::ReadFailed);
        result.error = e.what();
        return result;
    }
}

}  // namespace corvane
