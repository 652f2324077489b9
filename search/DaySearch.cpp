#include "search/DaySearch.h"

#include "catalog/GbkText.h"
#include "scan/AnalysisRun.h"
#include "scan/FileNameText.h"
#include "scan/LogFile.h"

namespace corvane {
namespace {

// Hands one service's batches on with the service and its file.
class ServiceSink final : public MatchSink {
public:
    ServiceSink(const ServiceEntry& service, const LogFile& file, DayMatchSink& sink)
        : service_(service), file_(file), sink_(sink) {}
    bool Take(MatchBatch& batch) override { return sink_.Take(service_, file_, batch); }

private:
    const ServiceEntry& service_;
    const LogFile& file_;
    DayMatchSink& sink_;
};

}  // namespace

SearchOutcome SearchDay(const std::vector<ServiceEntry>& services, const std::string& directory,
                        const std::string& day, const LineSearch& search, DayMatchSink& sink,
                        const StopToken& stop, const SearchOptions& options) {
    for (const ServiceEntry& service : services) {
        if (stop.stop_requested()) return SearchOutcome::Stopped;
        const std::string path = DayLogFile(directory, service.logPrefix, day);
        if (path.empty()) continue;
        LogFile file;
        if (!file.Open(path)) {
            sink.Failed(service, file.Problem().empty()
                                     ? std::string(gbk::kMsgOpenFailed) + FileNameForMessage(path)
                                     : file.Problem());
            continue;
        }
        ServiceSink serviceSink(service, file, sink);
        try {
            if (SearchLogFile(file, search, serviceSink, stop, options) == SearchOutcome::Stopped)
                return SearchOutcome::Stopped;
        } catch (const ScanReadError& e) {
            sink.Failed(service, e.what());
        }
    }
    return SearchOutcome::Completed;
}

}  // namespace corvane
