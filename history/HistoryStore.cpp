#include "history/HistoryStore.h"

#include <sqlite3.h>

#include <cstdint>
#include <exception>
#include <unordered_map>

#include "catalog/GbkText.h"
#include "history/SqliteStatement.h"

namespace corvane {

using sql::ReadTransaction;
using sql::ReportReadFailure;
using sql::SqlError;
using sql::Statement;
using sql::WriteTransaction;

HistoryStore::~HistoryStore() { sqlite3_close(db_); }

RecordOutcome HistoryStore::Record(const RunRecord& run) {
    RecordOutcome outcome;
    if (run.services.empty()) {
        outcome.recorded = true;
        return outcome;
    }
    try {
        WriteTransaction transaction(db_);
        Statement addRun(db_, "INSERT INTO runs(ran_at) VALUES(?)");
        addRun.Bind(1, run.ranAt).Run();
        const std::int64_t runId = sqlite3_last_insert_rowid(db_);

        Statement addDirectory(db_,
                               "INSERT INTO directories(path) VALUES(?) ON CONFLICT DO NOTHING");
        Statement findDirectory(db_, "SELECT id FROM directories WHERE path = ?");
        Statement findEarlier(db_,
                              "SELECT id, run_id FROM service_days "
                              "WHERE directory_id = ? AND day = ? AND service_code = ?");
        Statement dropEarlier(db_, "DELETE FROM service_days WHERE id = ?");
        Statement dropEmptyRun(db_,
                               "DELETE FROM runs WHERE id = ?1 AND NOT EXISTS "
                               "(SELECT 1 FROM service_days WHERE run_id = ?1)");
        Statement addDay(db_,
                         "INSERT INTO service_days(directory_id, day, service_code, run_id, known, "
                         "unknown, bytes, seconds) VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
        Statement addCode(db_,
                          "INSERT INTO code_counts(service_day_id, code, count) VALUES(?, ?, ?)");
        Statement addPattern(db_,
                             "INSERT INTO pattern_counts(service_day_id, pattern, count) "
                             "VALUES(?, ?, ?) ON CONFLICT(service_day_id, pattern) "
                             "DO UPDATE SET count = count + excluded.count");

        for (const ServiceRecord& service : run.services) {
            const std::string directory = NormaliseDirectory(service.directory);
            addDirectory.Bind(1, directory).Run();
            findDirectory.Bind(1, directory);
            if (!findDirectory.Step()) throw SqlError(SQLITE_ERROR, "directory not stored");
            const std::int64_t directoryId = findDirectory.Int(0);
            findDirectory.Reset();

            findEarlier.Bind(1, directoryId).Bind(2, service.day).Bind(3, service.serviceCode);
            if (findEarlier.Step()) {
                const std::int64_t earlierId = findEarlier.Int(0);
                const std::int64_t earlierRun = findEarlier.Int(1);
                findEarlier.Reset();
                dropEarlier.Bind(1, earlierId).Run();
                // The run that recorded it goes too once nothing of it is left.
                if (earlierRun != runId) dropEmptyRun.Bind(1, earlierRun).Run();
            } else {
                findEarlier.Reset();
            }

            addDay.Bind(1, directoryId)
                .Bind(2, service.day)
                .Bind(3, service.serviceCode)
                .Bind(4, runId)
                .Bind(5, service.known)
                .Bind(6, service.unknown)
                .Bind(7, service.bytes)
                .Bind(8, service.seconds)
                .Run();
            const std::int64_t dayId = sqlite3_last_insert_rowid(db_);
            for (const auto& [code, count] : service.codes)
                addCode.Bind(1, dayId).Bind(2, code).Bind(3, count).Run();
            for (const PatternCount& pattern : service.patterns)
                addPattern.Bind(1, dayId).Bind(2, pattern.text).Bind(3, pattern.count).Run();
        }
        transaction.Commit();
        outcome.recorded = true;
    } catch (const std::exception& e) {
        outcome.error = std::string(gbk::kMsgHistoryRecordFailed) + e.what();
    }
    return outcome;
}

std::vector<RecordedDay> HistoryStore::Days(const std::string& directory,
                                            const std::string& serviceCode, bool withPatterns,
                                            std::string* error) {
    std::vector<RecordedDay> days;
    try {
        const std::string key = NormaliseDirectory(directory);
        const auto bindKey = [&](Statement& statement) {
            statement.Bind(1, key);
            if (serviceCode.empty()) {
                statement.BindNull(2);
            } else {
                statement.Bind(2, serviceCode);
            }
        };
        ReadTransaction transaction(db_);
        Statement rows(db_,
                       "SELECT s.id, s.day, s.service_code, s.known, s.unknown, s.bytes, "
                       "s.seconds, r.ran_at FROM service_days s "
                       "JOIN directories d ON d.id = s.directory_id JOIN runs r ON r.id = s.run_id "
                       "WHERE d.path = ?1 AND (?2 IS NULL OR s.service_code = ?2) "
                       "ORDER BY s.day, s.service_code");
        bindKey(rows);
        std::unordered_map<std::int64_t, std::size_t> index;
        while (rows.Step()) {
            index[rows.Int(0)] = days.size();
            RecordedDay& day = days.emplace_back();
            day.day = rows.Bytes(1);
            day.serviceCode = rows.Bytes(2);
            day.known = rows.Int(3);
            day.unknown = rows.Int(4);
            day.bytes = rows.Int(5);
            day.seconds = rows.Real(6);
            day.ranAt = rows.Int(7);
        }

        const auto readCounts = [&](const char* sql, Counts RecordedDay::*part) {
            Statement counts(db_, sql);
            bindKey(counts);
            while (counts.Step()) {
                const auto it = index.find(counts.Int(0));
                if (it != index.end()) (days[it->second].*part)[counts.Bytes(1)] = counts.Int(2);
            }
        };
        readCounts(
            "SELECT c.service_day_id, c.code, c.count FROM code_counts c "
            "JOIN service_days s ON s.id = c.service_day_id "
            "JOIN directories d ON d.id = s.directory_id "
            "WHERE d.path = ?1 AND (?2 IS NULL OR s.service_code = ?2)",
            &RecordedDay::codes);
        if (withPatterns) {
            readCounts(
                "SELECT c.service_day_id, c.pattern, c.count FROM pattern_counts c "
                "JOIN service_days s ON s.id = c.service_day_id "
                "JOIN directories d ON d.id = s.directory_id "
                "WHERE d.path = ?1 AND (?2 IS NULL OR s.service_code = ?2)",
                &RecordedDay::patterns);
        }
    } catch (const std::exception& e) {
        days.clear();
        ReportReadFailure(error, e);
    }
    return days;
}

std::vector<std::string> HistoryStore::Services(const std::string& directory, std::string* error) {
    std::vector<std::string> services;
    try {
        Statement rows(db_,
                       "SELECT DISTINCT s.service_code FROM service_days s "
                       "JOIN directories d ON d.id = s.directory_id WHERE d.path = ? ORDER BY 1");
        rows.Bind(1, NormaliseDirectory(directory));
        while (rows.Step()) services.push_back(rows.Bytes(0));
    } catch (const std::exception& e) {
        services.clear();
        ReportReadFailure(error, e);
    }
    return services;
}

}  // namespace corvane
