// The outbox of the metrics server in the history database: what a run queued for it
// stays here until the server took it.
#include <sqlite3.h>

#include <algorithm>
#include <exception>
#include <map>
#include <utility>

#include "catalog/GbkText.h"
#include "history/HistoryStore.h"
#include "history/SqliteStatement.h"

namespace corvane {

using sql::ReadTransaction;
using sql::Statement;
using sql::WriteTransaction;

RecordOutcome HistoryStore::QueueMetrics(const std::vector<MetricsDay>& days,
                                         std::int64_t queuedAt) {
    RecordOutcome outcome;
    try {
        WriteTransaction transaction(db_);
        Statement findEarlier(db_,
                              "SELECT id, stamp_ms FROM metrics_days "
                              "WHERE installation = ? AND day = ? AND service_code = ?");
        Statement earlierCounts(db_,
                                "SELECT kind, code FROM metrics_counts WHERE metrics_day_id = ?");
        Statement dropEarlier(db_, "DELETE FROM metrics_days WHERE id = ?");
        Statement addDay(db_,
                         "INSERT INTO metrics_days(installation, day, service_code, queued_at, "
                         "stamp_ms) VALUES(?, ?, ?, ?, ?)");
        Statement addCount(db_,
                           "INSERT INTO metrics_counts(metrics_day_id, kind, code, count) "
                           "VALUES(?, ?, ?, ?)");
        for (const MetricsDay& day : days) {
            std::map<std::pair<std::string, std::string>, std::int64_t> counts;
            std::int64_t stamp = day.stampMs;
            findEarlier.Bind(1, day.installation).Bind(2, day.day).Bind(3, day.serviceCode);
            if (findEarlier.Step()) {
                const std::int64_t earlier = findEarlier.Int(0);
                stamp = std::max(stamp, findEarlier.Int(1) + 1);
                findEarlier.Reset();
                earlierCounts.Bind(1, earlier);
                while (earlierCounts.Step())
                    counts[{earlierCounts.Bytes(0), earlierCounts.Bytes(1)}] = 0;
                earlierCounts.Reset();
                dropEarlier.Bind(1, earlier).Run();
            } else {
                findEarlier.Reset();
            }
            for (const MetricsCount& count : day.counts)
                counts[{count.kind, count.code}] = count.count;
            addDay.Bind(1, day.installation)
                .Bind(2, day.day)
                .Bind(3, day.serviceCode)
                .Bind(4, queuedAt)
                .Bind(5, stamp)
                .Run();
            const std::int64_t id = sqlite3_last_insert_rowid(db_);
            for (const auto& [key, count] : counts)
                addCount.Bind(1, id).Bind(2, key.first).Bind(3, key.second).Bind(4, count).Run();
        }
        transaction.Commit();
        outcome.recorded = true;
    } catch (const std::exception& e) {
        outcome.error = std::string(gbk::kMsgHistoryRecordFailed) + e.what();
    }
    return outcome;
}

std::vector<MetricsDay> HistoryStore::UnsentMetrics(std::string* error) {
    std::vector<MetricsDay> days;
    try {
        ReadTransaction transaction(db_);
        // A history only read, of the layout before the outbox, has none.
        Statement outbox(db_, "SELECT 1 FROM sqlite_master WHERE name = 'metrics_days'");
        if (!outbox.Step()) return days;
        Statement unsent(db_,
                         "SELECT id, installation, day, service_code, queued_at, stamp_ms "
                         "FROM metrics_days WHERE sent = 0 ORDER BY id");
        Statement counts(db_,
                         "SELECT kind, code, count FROM metrics_counts "
                         "WHERE metrics_day_id = ? ORDER BY kind, code");
        while (unsent.Step()) {
            MetricsDay day;
            day.id = unsent.Int(0);
            day.installation = unsent.Bytes(1);
            day.day = unsent.Bytes(2);
            day.serviceCode = unsent.Bytes(3);
            day.queuedAt = unsent.Int(4);
            day.stampMs = unsent.Int(5);
            counts.Bind(1, day.id);
            while (counts.Step())
                day.counts.push_back({counts.Bytes(0), counts.Bytes(1), counts.Int(2)});
            counts.Reset();
            days.push_back(std::move(day));
        }
    } catch (const std::exception& e) {
        days.clear();
        sql::ReportReadFailure(error, e);
    }
    return days;
}

RecordOutcome HistoryStore::MarkMetricsSent(const std::vector<std::int64_t>& ids) {
    RecordOutcome outcome;
    try {
        WriteTransaction transaction(db_);
        Statement mark(db_, "UPDATE metrics_days SET sent = 1 WHERE id = ?");
        for (const std::int64_t id : ids) mark.Bind(1, id).Run();
        transaction.Commit();
        outcome.recorded = true;
    } catch (const std::exception& e) {
        outcome.error = std::string(gbk::kMsgHistoryRecordFailed) + e.what();
    }
    return outcome;
}

}  // namespace corvane
