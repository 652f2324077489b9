#include "search/DaySearch.h"

#include "catalog/GbkText.h"
#include "scan/AnalysisRun.h"
#include "scan/FileNameText.h"
#include "scan/GzipCopy.h"
#include "scan/GzipStream.h"
#include "scan/LogFile.h"

namespace corvane {
namespace {

// Hands one service's batches on with the service and its file.
class ServiceSink final : public MatchSink {
public:
    ServiceSink(const ServiceEntry& service, const SearchedFile& file, DayMatchSink& sink)
        : service_(service), file_(file), sink_(sink) {}
    bool Take(MatchBatch& batch) override { return sink_.Take(service_, file_, batch); }

private:
    const ServiceEntry& service_;
    const SearchedFile& file_;
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
        SearchedFile searched{path, {}};
        if (IsCompressedLog(path)) {
            const FileDescriptor in = OpenSharedForReading(path);
            const std::optional<FileStatus> status = in ? StatusOf(in) : std::nullopt;
            if (status) {
                searched.stamp = status->stamp;
                searched.stamp.size = RecordedSize(in, *status);
            }
            ServiceSink serviceSink(service, searched, sink);
            std::string error;
            const SearchOutcome outcome =
                SearchCompressedLog(path, search, serviceSink, stop, error);
            if (outcome == SearchOutcome::Stopped) return outcome;
            if (outcome == SearchOutcome::Failed) sink.Failed(service, error);
            continue;
        }
        LogFile file;
        if (!file.Open(path)) {
            sink.Failed(service, std::string(gbk::kMsgOpenFailed) + FileNameForMessage(path));
            continue;
        }
        searched.stamp = file.Stamp();
        ServiceSink serviceSink(service, searched, sink);
        std::string error;
        const SearchOutcome outcome =
            SearchLogFile(file, search, serviceSink, stop, options, error);
        if (outcome == SearchOutcome::Stopped) return outcome;
        if (outcome == SearchOutcome::Failed) sink.Failed(service, error);
    }
    return SearchOutcome::Completed;
}

}  // namespace corvane
