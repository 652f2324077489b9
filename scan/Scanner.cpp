#include "scan/Scanner.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

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

ScanResult Ended(ScanOutcome outcome, std::string error = {}) {
    ScanResult result;
    result.outcome = outcome;
    result.error = std::move(error);
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

// A compressed day, decompressed on a thread of its own while the calling thread
// walks its lines: no copy of the text is written or read again.  The progress texts
// count the decompressed bytes against the size the stream's end records (the size
// modulo 4 GiB of its last member: exact for the usual one-member file).
ScanResult ScanCompressed(const std::string& serviceCode, const std::string& path,
                          const ErrorCatalogue& catalogue, ScanSink& sink, const StopToken& stop,
                          const ScanOptions& options) {
    const FileDescriptor in = OpenSharedForReading(path);
    const std::optional<FileStatus> status = in ? StatusOf(in) : std::nullopt;
    if (!in || !status) return Ended(ScanOutcome::OpenFailed, OpenFailureMessage(path));
    const std::int64_t recorded = RecordedSize(in, *status);
    if (options.askAboutLargeFiles && recorded > kLargeFileThreshold &&
        !OperatorAgreesToLargeFile(path, sink)) {
        return Ended(ScanOutcome::Declined);
    }

    const ScanLiterals literals =
        BuildLiterals(serviceCode, catalogue, ReadIgnoreList(options.programDir, serviceCode));
    const LiteralMatcher matcher(literals.texts);
    ScanResult result =
        ScanCompressedLog(in, path, recorded, literals, matcher, catalogue, sink, stop, options);
    if (result.outcome != ScanOutcome::Scanned) return result;
    // The stamp the decompressed copy is opened with (LogFile), for the context view.
    result.stamp = status->stamp;
    result.stamp.size = result.bytes;
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

// Pieces of the text in [0, size) of the file, from sixteen places spread over it:
// what the literal engine chooses its pieces by.  A log's first lines alone are often
// of another kind (a start's messages) than most of it, and places at simple
// fractions of the length would meet the same text again in a log that repeats
// itself with a period of a power of two; the golden ratio's multiples meet neither.
std::string SampleOf(const LogFile& file, std::int64_t size) {
    constexpr std::int64_t kSlice = 64 * 1024;
    constexpr int kSlices = 16;
    constexpr double kGolden = 0.6180339887498949;
    std::vector<std::int64_t> places;
    for (int k = 0; k < kSlices; ++k) {
        const double at = 0.5 + kGolden * k;
        places.push_back(
            static_cast<std::int64_t>((at - std::floor(at)) * static_cast<double>(size)));
    }
    std::sort(places.begin(), places.end());
    std::string sample;
    std::int64_t done = 0;
    for (const std::int64_t place : places) {
        const std::int64_t from = std::max(done, place);
        const std::int64_t to = std::min(size, from + kSlice);
        if (to <= from) continue;
        const std::size_t at = sample.size();
        sample.resize(at + static_cast<std::size_t>(to - from));
        file.Read(sample.data() + at, static_cast<std::size_t>(to - from), from);
        done = to;
    }
    return sample;
}

// A plain file, in parts or whole; the walk's state at the end of the file's complete
// lines is kept for a follow.
ScanResult ScanPlain(const std::string& serviceCode, const LogFile& file,
                     const ErrorCatalogue& catalogue, ScanSink& sink, const StopToken& stop,
                     const ScanOptions& options) {
    const ScanLiterals literals =
        BuildLiterals(serviceCode, catalogue, ReadIgnoreList(options.programDir, serviceCode));
    bool afterCr = false;
    const std::int64_t complete = file.CompleteLinesEnd(0, afterCr);
    // Choosing pieces takes some 10 ms, which only a long file repays.
    constexpr std::int64_t kPiecesFileLength = std::int64_t{256} << 20;
    MatchOptions match;
    const std::string sample =
        complete >= kPiecesFileLength || options.pieces != PieceChoice::Weighed
            ? SampleOf(file, complete)
            : std::string();
    match.sample = sample;
    match.pieces = options.pieces;
    const LiteralMatcher matcher(literals.texts, match);
    ScanResult result =
        ScanInParts(file, literals, matcher, catalogue, sink, stop, options, complete);
    result.stamp = file.Stamp();
    if (result.outcome != ScanOutcome::Scanned) return result;
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
            return Ended(ScanOutcome::OpenFailed, OpenFailureMessage(path));
        }
    }

    LogFile file;
    if (!file.Open(path))
        return Ended(ScanOutcome::OpenFailed,
                     file.Problem().empty() ? OpenFailureMessage(path) : file.Problem());
    if (options.askAboutLargeFiles && file.Size() > kLargeFileThreshold &&
        !OperatorAgreesToLargeFile(path, sink)) {
        return Ended(ScanOutcome::Declined);
    }
    try {
        return ScanPlain(serviceCode, file, catalogue, sink, stop, options);
    } catch (const ScanReadError& e) {
        // The file got shorter while its ends were read for a follow: a value the run
        // reports, not an error that unwinds it.
        return Ended(ScanOutcome::ReadFailed, e.what());
    }
}

}  // namespace corvane
