#include "online/ErrorReport.h"

#include <algorithm>
#include <string_view>

namespace corvane {

void AddFindings(ReportTally& tally, const std::string& serviceCode, const FindingList& findings,
                 const StopToken& stop) {
    for (const Finding& finding : findings) {
        if (stop.stop_requested()) return;
        const std::string_view code = finding.Code();
        const auto entry = std::find_if(tally.begin(), tally.end(), [&](const ReportEntry& each) {
            return each.errorCode == code;
        });
        if (entry != tally.end())
            ++entry->count;
        else
            tally.push_back(ReportEntry{serviceCode, std::string(code), 1});
    }
}

std::string ReportDatagram(const ReportEntry& entry) {
    return entry.serviceCode + "," + entry.errorCode + "," + std::to_string(entry.count);
}

void SendReport(ReportTally& tally, UdpReportChannel& channel, const StopToken& stop) {
    // Whatever happens, the tally is not kept for a later run.
    struct Release {
        ReportTally& tally;
        ~Release() { tally.clear(); }
    } release{tally};
    for (const ReportEntry& entry : tally) {
        if (stop.stop_requested()) break;
        channel.Send(ReportDatagram(entry));
    }
}

void ReportTallyObserver::PassStored(const ServicePass& pass) {
    corvane::AddFindings(tally_, pass.serviceCode, pass.findings, stop_);
}

}  // namespace corvane
