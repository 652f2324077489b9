#include "online/ErrorReport.h"

#include <string_view>

namespace corvane {

namespace {

inline constexpr std::size_t kCodeLength = 3;

}  // namespace

void AddFindings(ReportTally& tally, const std::string& serviceCode, const FindingList& findings,
                 EventPump& pump) {
    // Indices, not iterators: the window's events run between the steps, and the
    // list and tally are only read again afterwards.
    for (std::size_t f = 0; f < findings.size(); ++f) {
        const std::string code = findings[f].substr(0, kCodeLength);
        bool counted = false;
        for (std::size_t i = 0; i < tally.size(); ++i) {
            pump.ProcessEvents();
            if (pump.StopRequested()) return;
            if (tally[i].errorCode == code) {
                ++tally[i].count;
                counted = true;
                break;
            }
        }
        if (!counted) tally.push_back(ReportEntry{serviceCode, code, 1});
    }
}

std::string ReportDatagram(const ReportEntry& entry) {
    return entry.serviceCode + "," + entry.errorCode + "," + std::to_string(entry.count);
}

void SendReport(ReportTally& tally, UdpReportChannel& channel, EventPump& pump) {
    try {
        for (std::size_t i = 0; i < tally.size(); ++i) {
            pump.ProcessEvents();
            if (pump.StopRequested()) break;
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

void ReportTallyObserver::AddFindings(const std::string& serviceCode, const FindingList& findings) {
    corvane::AddFindings(tally_, serviceCode, findings, pump_);
}

}  // namespace corvane
