// Fuzz target: the scanner must give exactly what the plain per-line reference gives.
//
// Input: one byte for the chunk length, one for the block length, then patterns up to
// the first 0x01 byte, separated by 0x02 bytes (a pattern starting with 'i' is an ignore
// text, one starting with 'd' a keyword of another service, any other a keyword of the
// scanned service), then the log file.  Keywords hold no zero byte, as keywords read
// from an INI value never do.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "ReferenceScan.h"
#include "catalog/ServiceCatalogue.h"
#include "scan/Scanner.h"

namespace {

std::string WithoutLineBreaksAndZeros(std::string s) {
    std::erase_if(s, [](char c) { return c == '\0' || c == '\r' || c == '\n'; });
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using corvane::fuzz::Fail;
    if (size < 2) return 0;
    const std::string input(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::size_t split = input.find('\x01');
    const std::string patterns = input.substr(0, split);
    const std::string log = split == std::string::npos ? std::string() : input.substr(split + 1);

    corvane::ErrorCatalogue catalogue;
    std::string ini = "[SERVICE_GW_EXCEPT]\r\n";
    std::size_t start = 0;
    for (int n = 0; start <= patterns.size() && n < 12; ++n) {
        std::size_t end = patterns.find('\x02', start);
        if (end == std::string::npos) end = patterns.size();
        const std::string token = WithoutLineBreaksAndZeros(patterns.substr(start, end - start));
        start = end + 1;
        if (!token.empty() && token[0] == 'i') {
            ini += "k" + std::to_string(n) + "=" + token.substr(1) + "\r\n";
        } else {
            corvane::ErrorRecord rec;
            rec.serviceCode = !token.empty() && token[0] == 'd' ? "DB" : "GW";
            rec.errorCode = std::to_string(100 + n);
            rec.keyword = token;
            catalogue.push_back(std::move(rec));
        }
    }
    corvane::fuzz::WriteScratch("ServiceList.ini", ini);
    const std::string path = corvane::fuzz::WriteScratch("GW.log", log);

    corvane::ScanOptions options;
    options.programDir = corvane::fuzz::ScratchDir();
    options.askAboutLargeFiles = false;
    options.chunkLength = 1 + data[0] % 128;
    options.blockLength = 1 + data[1] % 64;
    // The high bits choose the threads and the length of their parts, so the
    // multi-threaded join is checked against the same reference.
    options.threads = 1 + (data[0] >> 7) + 2 * (data[1] >> 7);
    options.partLength = 1 + data[1] % 97;
    corvane::NullProgressSink progress;
    const corvane::ScanResult scan =
        corvane::ScanLogFile("GW", path, catalogue, progress, {}, options);
    if (scan.outcome != corvane::ScanOutcome::Scanned) Fail("no finding list");
    const std::vector<std::string> ignore = corvane::ReadIgnoreList(options.programDir, "GW");
    if (corvane::testing_support::ListForm(scan) !=
        corvane::testing_support::ReferenceScan(log, "GW", catalogue, ignore))
        Fail("findings differ from the reference");
    // Where a follow goes on: the state of a scan of the complete lines alone (a CR
    // that is the last byte may be half of a CR LF still to come).
    if (!scan.end) Fail("no end of the complete lines");
    std::string complete = log;
    if (!complete.empty() && complete.back() == '\r') complete.pop_back();
    complete.resize(
        complete.find_last_of("\r\n") == std::string::npos ? 0 : complete.find_last_of("\r\n") + 1);
    const corvane::testing_support::ScanLines alone =
        corvane::testing_support::ReferenceScan(complete, "GW", catalogue, ignore);
    const corvane::ScanEnd& end = *scan.end;
    if (end.examined != static_cast<std::int64_t>(complete.size())) Fail("end of complete lines");
    if (end.state.findingCount != alone.size() - 2 ||
        std::to_string(end.state.unknown) != alone[alone.size() - 2] ||
        std::to_string(end.state.known) != alone.back() ||
        (end.state.last && end.state.last->text != alone[alone.size() - 3]))
        Fail("state at the end of the complete lines differs from the reference");
    return 0;
}
