// Sending a completed run's counts to the metrics server, with the history database
// as the outbox: what the server did not take is kept there and sent, oldest first,
// by the next run that reaches it.  Never in the run's way: every outcome is a value,
// and the sending is bounded by the HTTP limits (2 s to connect, 10 s a request).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Stop.h"
#include "fleet/MetricsConfig.h"
#include "history/HistoryStore.h"
#include "online/HttpExchange.h"

namespace corvane {

struct MetricsSendOutcome {
    int sent = 0;  // service days the server took
    int kept = 0;  // service days left unsent in the outbox
    // What the operator is told, each once: a day that is no date, a server that did
    // not take the counts, an outbox that could not be written.  GBK.
    std::vector<std::string> notices;
};

// The run's service days for `config.installation`, each with its counts.
std::vector<MetricsDay> MetricsDaysOf(const MetricsConfig& config, const RunRecord& run);

// Queues `days` in `outbox`, each stamped for its sending (LineProtocol.h).  A day that
// is no date is not queued; the outcome's notices say so, once per day, and say when
// the outbox could not be written.
MetricsSendOutcome QueueMetricsDays(HistoryStore& outbox, const std::vector<MetricsDay>& days);

// Runs its argument with the outbox, held for this thread meanwhile (a store shared
// between threads is held only for that call); null when there is none.
using OutboxUse = std::function<void(const std::function<void(HistoryStore*)>&)>;

// Sends every unsent day of the outbox, the longest queued first, up to the first
// request the server does not take, and marks those it took.  The outbox is held only
// to read and to mark, never while the server is asked.  A stop ends the sending; the
// days not taken stay unsent.
MetricsSendOutcome SendUnsentMetrics(const MetricsConfig& config, const OutboxUse& outbox,
                                     const HttpLimits& limits = {}, const StopToken& stop = {});

// Both: queues `days` in `outbox` and sends every unsent day.  Without an outbox (the
// history cannot be used) the days are sent once and lost when the server does not
// take them, which is said.
MetricsSendOutcome SendMetricsDays(const MetricsConfig& config, HistoryStore* outbox,
                                   const std::vector<MetricsDay>& days,
                                   const HttpLimits& limits = {});

// SendMetricsDays of the run's days.
MetricsSendOutcome SendRunCounts(const MetricsConfig& config, HistoryStore* outbox,
                                 const RunRecord& run, const HttpLimits& limits = {});

}  // namespace corvane
