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
                        const HttpLimits& limits, const StopToken& stop,
                        std::vector<std::int64_t>& sent) {
    std::string body;
    std::vector<std::int64_t> inBody;
    const auto post = [&]() -> std::string {
        if (!body.empty()) {
            const HttpReply reply = HttpExchange(url + "/write", body, limits, stop);
            if (!reply.Ok()) return reply.error;
        }
        sent.insert(sent.end(), inBody.begin(), inBody.end());
        body.clear();
        inBody.clear();
        return {};
    };
    for (const MetricsDay& day : days) {
        // A day that is no date is never queued; one in an outbox written by hand is
        // dropped rather than kept for ever.
        body.append(LineProtocolOf(day).value_or(""));
        inBody.push_back(day.id);
        if (body.size() >= kRequestBytes) {
            std::string error = post();
            if (!error.empty()) return error;
        }
    }
    return post();
}

// The days of `days` that are dates, stamped for a sending now; a notice per day that
// is none.
std::vector<MetricsDay> Dated(const std::vector<MetricsDay>& days, MetricsSendOutcome& outcome) {
    std::vector<MetricsDay> dated;
    std::set<std::string> noDates;
    const auto now = static_cast<std::int64_t>(std::time(nullptr));
    for (const MetricsDay& day : days) {
        if (const std::optional<std::int64_t> stamp = SampleStamp(day.day, now)) {
            dated.push_back(day);
            dated.back().stampMs = *stamp;
        } else if (noDates.insert(day.day).second) {
            outcome.notices.push_back(std::string(gbk::kMsgMetricsNoDate) + day.day);
        }
    }
    return dated;
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

MetricsSendOutcome QueueMetricsDays(HistoryStore& outbox, const std::vector<MetricsDay>& days) {
    MetricsSendOutcome outcome;
    const std::vector<MetricsDay> dated = Dated(days, outcome);
    if (dated.empty()) return outcome;
    const RecordOutcome queued =
        outbox.QueueMetrics(dated, static_cast<std::int64_t>(std::time(nullptr)));
    if (!queued.recorded) outcome.notices.push_back(queued.error);
    return outcome;
}

MetricsSendOutcome SendUnsentMetrics(const MetricsConfig& config, const OutboxUse& outbox,
                                     const HttpLimits& limits, const StopToken& stop) {
    MetricsSendOutcome outcome;
    std::vector<MetricsDay> unsent;
    std::string error;
    outbox([&](HistoryStore* store) {
        if (store != nullptr) unsent = store->UnsentMetrics(&error);
    });
    if (!error.empty())
        outcome.notices.push_back(std::string(gbk::kMsgHistoryRecordFailed) + error);
    if (unsent.empty()) return outcome;

    std::vector<std::int64_t> sent;
    error = SendInOrder(config.url, unsent, limits, stop, sent);
    outcome.sent = static_cast<int>(sent.size());
    outcome.kept = static_cast<int>(unsent.size() - sent.size());
    if (!sent.empty()) {
        outbox([&](HistoryStore* store) {
            const RecordOutcome marked = store->MarkMetricsSent(sent);
            if (!marked.recorded) outcome.notices.push_back(marked.error);
        });
    }
    if (!error.empty()) outcome.notices.push_back(std::string(gbk::kMsgMetricsKept) + error);
    return outcome;
}

MetricsSendOutcome SendMetricsDays(const MetricsConfig& config, HistoryStore* outbox,
                                   const std::vector<MetricsDay>& days, const HttpLimits& limits) {
    if (outbox != nullptr) {
        MetricsSendOutcome outcome = QueueMetricsDays(*outbox, days);
        MetricsSendOutcome sending = SendUnsentMetrics(
            config, [outbox](const std::function<void(HistoryStore*)>& use) { use(outbox); },
            limits);
        sending.notices.insert(sending.notices.begin(), outcome.notices.begin(),
                               outcome.notices.end());
        return sending;
    }
    // Without an outbox the days go once, straight from the run.
    MetricsSendOutcome outcome;
    const std::vector<MetricsDay> dated = Dated(days, outcome);
    std::vector<std::int64_t> sent;
    const std::string error = SendInOrder(config.url, dated, limits, {}, sent);
    outcome.sent = static_cast<int>(sent.size());
    if (!error.empty()) outcome.notices.push_back(std::string(gbk::kMsgMetricsNotKept) + error);
    return outcome;
}

MetricsSendOutcome SendRunCounts(const MetricsConfig& config, HistoryStore* outbox,
                                 const RunRecord& run, const HttpLimits& limits) {
    return SendMetricsDays(config, outbox, MetricsDaysOf(config, run), limits);
}

}  // namespace corvane
