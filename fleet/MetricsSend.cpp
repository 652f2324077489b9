#include "fleet/MetricsSend.h"

#include <ctime>
#include <optional>
#include <set>

#include "catalog/GbkText.h"
#include "fleet/LineProtocol.h"

namespace corvane {

namespace {

// The server takes a request of this many bytes of lines at most at once; a long
// outbox goes in several.
constexpr std::size_t kRequestBytes = 1u << 20;

// Sends `days` in order, a request per kRequestBytes of lines, up to the first request
// the server does not take.  The ids of the days it took go to `sent`; the error of
// the request that failed is returned.
std::string SendInOrder(const std::string& url, const std::vector<MetricsDay>& days,
                        const HttpLimits& limits, std::vector<std::int64_t>& sent) {
    std::string body;
    std::vector<std::int64_t> inBody;
    const auto post = [&]() -> std::string {
        if (body.empty()) {
            sent.insert(sent.end(), inBody.begin(), inBody.end());
            inBody.clear();
            return {};
        }
        const HttpReply reply = HttpExchange(url + "/write", body, limits);
        if (!reply.Ok()) return reply.error;
        sent.insert(sent.end(), inBody.begin(), inBody.end());
        body.clear();
        inBody.clear();
        return {};
    };
    for (const MetricsDay& day : days) {
        // A day that is no date never comes this far but from an outbox written by hand:
        // it is dropped, not sent for ever.
        body.append(LineProtocolOf(day).value_or(""));
        inBody.push_back(day.id);
        if (body.size() >= kRequestBytes) {
            std::string error = post();
            if (!error.empty()) return error;
        }
    }
    return post();
}

}  // namespace

std::vector<MetricsDay> MetricsDaysOf(const MetricsConfig& config, const RunRecord& run) {
    std::vector<MetricsDay> days;
    for (const ServiceRecord& service : run.services) {
        MetricsDay day;
        day.installation = config.installation;
        day.day = service.day;
        day.serviceCode = service.serviceCode;
        day.queuedAt = run.ranAt;
        day.counts = CountsOf(service);
        days.push_back(std::move(day));
    }
    return days;
}

MetricsSendOutcome SendMetricsDays(const MetricsConfig& config, HistoryStore* outbox,
                                   const std::vector<MetricsDay>& days, const HttpLimits& limits) {
    MetricsSendOutcome outcome;
    std::vector<MetricsDay> dated;
    std::set<std::string> noDates;
    const std::int64_t now = static_cast<std::int64_t>(std::time(nullptr));
    for (const MetricsDay& day : days) {
        if (const std::optional<std::int64_t> stamp = SampleStamp(day.day, now)) {
            dated.push_back(day);
            dated.back().stampMs = *stamp;
        } else if (noDates.insert(day.day).second)
            outcome.notices.push_back(std::string(gbk::kMsgMetricsNoDate) + day.day);
    }

    std::vector<MetricsDay> unsent;
    if (outbox != nullptr) {
        const RecordOutcome queued =
            dated.empty() ? RecordOutcome{true, {}} : outbox->QueueMetrics(dated, now);
        std::string error;
        if (queued.recorded) unsent = outbox->UnsentMetrics(&error);
        if (!queued.recorded || !error.empty()) {
            outcome.notices.push_back(
                queued.recorded ? std::string(gbk::kMsgHistoryRecordFailed) + error : queued.error);
            outbox = nullptr;  // the run's days go straight to the server
        }
    }
    if (outbox == nullptr) unsent = std::move(dated);
    if (unsent.empty()) return outcome;

    std::vector<std::int64_t> sent;
    const std::string error = SendInOrder(config.url, unsent, limits, sent);
    outcome.sent = static_cast<int>(sent.size());
    outcome.kept = static_cast<int>(unsent.size() - sent.size());
    if (outbox != nullptr && !sent.empty()) {
        const RecordOutcome marked = outbox->MarkMetricsSent(sent);
        if (!marked.recorded) outcome.notices.push_back(marked.error);
    }
    if (!error.empty()) {
        if (outbox == nullptr) outcome.kept = 0;
        outcome.notices.push_back(
            std::string(outbox != nullptr ? gbk::kMsgMetricsKept : gbk::kMsgMetricsNotKept) +
            error);
    }
    return outcome;
}

MetricsSendOutcome SendRunCounts(const MetricsConfig& config, HistoryStore* outbox,
                                 const RunRecord& run, const HttpLimits& limits) {
    return SendMetricsDays(config, outbox, MetricsDaysOf(config, run), limits);
}

}  // namespace corvane
