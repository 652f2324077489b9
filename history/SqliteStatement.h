// Thin wrappers around the SQLite C interface for the history: every failing call
// becomes an SqlError, and statements and transactions end with their scope.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include <sqlite3.h>

#include "base/Error.h"

namespace corvane::sql {

// A read that failed: its message for the caller who asked for it, else on stderr (the
// marks, the trend and the outbox go on without the history).
void ReportReadFailure(std::string* error, const std::exception& failure);

// A failed SQLite call: its primary result code and SQLite's message.  It goes no
// further than the store's interface, which turns it into a message.
class SqlError : public Error {
public:
    SqlError(int code, const std::string& what) : Error(what), code_(code) {}
    int Code() const { return code_; }

private:
    int code_;
};

// Throws unless `rc` is a success of some kind.
void Check(sqlite3* db, int rc);

void Exec(sqlite3* db, const std::string& sql);

class Statement {
public:
    Statement(sqlite3* db, const char* sql) : db_(db) {
        Check(db, sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr));
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, std::int64_t value) {
        Check(db_, sqlite3_bind_int64(stmt_, index, value));
        return *this;
    }
    Statement& Bind(int index, double value) {
        Check(db_, sqlite3_bind_double(stmt_, index, value));
        return *this;
    }
    // Bytes as a blob; an empty text is an empty blob, not NULL.
    Statement& Bind(int index, const std::string& bytes) {
        Check(db_, sqlite3_bind_blob64(stmt_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT));
        return *this;
    }
    Statement& BindNull(int index) {
        Check(db_, sqlite3_bind_null(stmt_, index));
        return *this;
    }
    // True while rows come.
    bool Step() {
        const int rc = sqlite3_step(stmt_);
        Check(db_, rc);
        return rc == SQLITE_ROW;
    }
    void Run() {
        Step();
        sqlite3_reset(stmt_);
    }
    void Reset() { sqlite3_reset(stmt_); }

    std::int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
    double Real(int column) const { return sqlite3_column_double(stmt_, column); }
    std::string Bytes(int column) const {
        const void* data = sqlite3_column_blob(stmt_, column);
        const int size = sqlite3_column_bytes(stmt_, column);
        return data == nullptr ? std::string() : std::string(static_cast<const char*>(data), size);
    }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// A write transaction that takes the write lock at once, so that two writers queue
// on the busy timeout instead of one failing when it upgrades a read.  Rolled back
// unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(sqlite3* db) : db_(db) { Exec(db_, "BEGIN IMMEDIATE"); }
    ~WriteTransaction() {
        if (open_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    void Commit() {
        Exec(db_, "COMMIT");
        open_ = false;
    }

private:
    sqlite3* db_;
    bool open_ = true;
};

// A read transaction: the queries of one read see one state of the file.
class ReadTransaction {
public:
    explicit ReadTransaction(sqlite3* db) : db_(db) { Exec(db_, "BEGIN"); }
    ~ReadTransaction() { sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr); }
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    sqlite3* db_;
};

}  // namespace corvane::sql
