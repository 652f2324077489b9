#include "online/ErrorReport.h"

#include <string_view>

namespace corvane {

void AddFindings(ReportTally& tally, const std::string& serviceCode, const FindingList& findings,
                 EventPump& pump, const StopToken& stop) {
    // Indices, not iterators: the window's events run between the steps, and the
    // list and tally are only read again afterwards.
    for (std::size_t f = 0; f < findings.size(); ++f) {
        const std::string_view code = findings[f].Code();
        bool counted = false;
        for (std::size_t i = 0; i < tally.size(); ++i) {
            pump.ProcessEvents();
            if (stop.stop_requested()) return;
            if (tally[i].errorCode == code) {
                ++tally[i].count;
                counted = true;
                break;
            }
        }
        if (!counted) tally.push_back(ReportEntry{serviceCode, std::string(code), 1});
    }
}

std::string ReportDatagram(const ReportEntry& entry) {
    return entry.serviceCode + "," + entry.errorCode + "," + std::to_string(entry.count);
}

void SendReport(ReportTally& tally, UdpReportChannel& channel, EventPump& pump,
                const StopToken& stop) {
    try {
        for (std::size_t i = 0; i < tally.size(); ++i) {
            pump.ProcessEvents();
            if (stop.stop_requested()) break;
            channel.Send(ReportDatagram(tally[i]));
        }
    } catch (...) {
        ReleaseTally(tally, pump);
        throw;
    }
    ReleaseTally(tally, pump);
}

void ReleaseTally(ReportTally& tally, EventPump& pump) {
    try {
        while (!tally.empty()) {
            pump.ProcessEvents();
            tally.pop_back();
        }
    } catch (...) {
        tally.clear();
        throw;
    }
}

void ReportTallyObserver::PassStored(const ServicePass& pass) {
    corvane::AddFindings(tally_, pass.serviceCode, pass.findings, pump_, stop_);
}

}  // namespace corvane
