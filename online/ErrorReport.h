// The error-count report: during an analysis run the findings of each service are
// tallied by error code; after the run one datagram per code goes to the report
// server.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Stop.h"
#include "online/UdpReportChannel.h"
#include "scan/AnalysisRun.h"
#include "scan/FindingList.h"

namespace corvane {

// One code of the tally.
struct ReportEntry {
    std::string serviceCode;  // the service in whose findings the code was met first
    std::string errorCode;    // a finding's code
    std::int32_t count = 0;   // findings with this code in the run, at least 1
};

// The tally of one run: one entry per distinct error code (case-sensitive, the
// service is not part of the key), in the order the codes were first met.
using ReportTally = std::vector<ReportEntry>;

// Counts every finding of `findings` under its code (Finding::Code).  Returns at once,
// leaving the tally incomplete, when a stop is requested through `stop`.
void AddFindings(ReportTally& tally, const std::string& serviceCode, const FindingList& findings,
                 const StopToken& stop);

// The datagram text of an entry: ServiceCode,ErrorCode,Count in decimal.
std::string ReportDatagram(const ReportEntry& entry);

// Sends one datagram per entry, in tally order, then releases the tally.  The tally
// is released on every way out: an error of the channel propagates after the
// release, and the datagrams after the failing one are not sent.  A stop request
// (checked before each datagram) ends the sending; the tally is still released.
void SendReport(ReportTally& tally, UdpReportChannel& channel, const StopToken& stop);

// Hands each service's stored finding list to a tally during an analysis run.
class ReportTallyObserver final : public FindingsObserver {
public:
    ReportTallyObserver(ReportTally& tally, StopToken stop)
        : tally_(tally), stop_(std::move(stop)) {}
    void PassStored(const ServicePass& pass) override;

private:
    ReportTally& tally_;
    StopToken stop_;
};

}  // namespace corvane
