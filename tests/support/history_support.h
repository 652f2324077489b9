// Helpers for run-history tests: records made by hand, and a direct look into the file.
#pragma once

#include <sqlite3.h>

#include <string>

#include "history/RunRecord.h"

namespace corvane::testing_support {

inline ServiceRecord MakeServiceRecord(const std::string& directory, const std::string& day,
                                       const std::string& serviceCode, Counts codes,
                                       std::int64_t unknown = 0) {
    ServiceRecord record;
    record.directory = directory;
    record.day = day;
    record.serviceCode = serviceCode;
    for (const auto& [code, count] : codes) record.known += count;
    record.codes = std::move(codes);
    record.unknown = unknown;
    return record;
}

// The first column of the first row of `sql` on the database file, as text ("" when
// there is no row); read through a connection of its own, as another program would.
inline std::string QueryFile(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    std::string value;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            const unsigned char* text = sqlite3_column_text(statement, 0);
            if (text != nullptr) value = reinterpret_cast<const char*>(text);
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return value;
}

}  // namespace corvane::testing_support
