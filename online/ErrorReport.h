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
#include "scan/Host.h"

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

// Counts every finding of `findings` under its code (Finding::Code).  The window's
// events are processed before each comparison with a tally entry.  Returns at once,
// leaving the tally incomplete, when a stop is requested through `stop`.
void AddFindings(ReportTally& tally, const std::string& serviceCode, const FindingList& findings,
                 EventPump& pump, const StopToken& stop);

// The datagram text of an entry: ServiceCode,ErrorCode,Count in decimal.
std::string ReportDatagram(const ReportEntry& entry);

// Sends one datagram per entry, in tally order, events processed before each, then
// releases the tally.  The tally is released on every way out: an error of the
// channel propagates after the release, and the datagrams after the failing one
// are not sent.  A stop request seen after processing events ends the sending;
// the tally is still released.
void SendReport(ReportTally& tally, UdpReportChannel& channel, EventPump& pump,
                const StopToken& stop);

// Frees the entries from the last to the first, events processed before each.
// Used by SendReport, and by a run that ends before sending.  When the event
// processing throws, the rest is freed without it and the error propagates.
void ReleaseTally(ReportTally& tally, EventPump& pump);

// Hands each service's stored finding list to a tally during an analysis run.
class ReportTallyObserver final : public FindingsObserver {
public:
    ReportTallyObserver(ReportTally& tally, EventPump& pump, StopToken stop)
        : tally_(tally), pump_(pump), stop_(std::move(stop)) {}
    void PassStored(const ServicePass& pass) override;

private:
    ReportTally& tally_;
    EventPump& pump_;
    StopToken stop_;
};

}  // namespace corvane
