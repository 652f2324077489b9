// Opening the history: for recording, with the damaged file moved aside and a new one
// started, and for reading, which leaves the file as it is.

#include "history/HistoryStore.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <chrono>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>

#include "catalog/GbkText.h"
#include "history/HistoryFile.h"
#include "history/Migrations.h"
#include "history/SqliteStatement.h"
#include "scan/FileNameText.h"

namespace corvane {

namespace {

using sql::Exec;
using sql::ForeignOrUsable;
using sql::Layout;
using sql::Migrate;
using sql::SchemaVersion;
using sql::SqlError;
using sql::Statement;

void QuickCheck(sqlite3* db) {
    Statement check(db, "PRAGMA quick_check");
    if (!check.Step() || check.Bytes(0) != "ok")
        throw SqlError(SQLITE_CORRUPT, "database disk image is malformed");
}

// Readies a connection for recording.  A file that is no history of this program is
// an answer, before anything is written to it.
Layout PrepareConnection(sqlite3* db, const HistoryOptions& options) {
    sqlite3_busy_timeout(db, options.busyTimeoutMs);
    Exec(db, "PRAGMA foreign_keys = ON");
    // The first statement that reads the file: a damaged header fails here.
    if (ForeignOrUsable(db) == Layout::Foreign) return Layout::Foreign;
    // Readers (the window's trend view) never wait for a writer, and a commit is one
    // append to the log.
    {
        Statement mode(db, "PRAGMA journal_mode = WAL");
        mode.Step();
    }
    Exec(db, "PRAGMA synchronous = NORMAL");
    QuickCheck(db);
    if (SchemaVersion(db) > kHistorySchemaVersion || Migrate(db) == Layout::TooNew)
        return Layout::TooNew;
    sql::AddMetricsOutbox(db);
    if (options.maxPageCount > 0)
        Exec(db, "PRAGMA max_page_count = " + std::to_string(options.maxPageCount));
    return Layout::Usable;
}

// The operator's message for a file that is no history of this program.
std::string_view LayoutRefusal(Layout layout) {
    return layout == Layout::TooNew ? gbk::kMsgHistoryTooNew : gbk::kMsgHistoryNotADatabase;
}

// A GBK message about a file: `text` names the file, as this system does, in UTF-8.
std::string Message(std::string_view prefix, const std::string& text) {
    std::string message(prefix);
    message += FileNameForMessage(text);
    return message;
}

// A connection to the file opened with `flags`, through `uri` when given; null, with
// the reason in `opened.error`, when SQLite cannot open it.
sqlite3* OpenConnection(const std::string& path, int flags, OpenedHistory& opened,
                        const std::string& uri = {}) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(uri.empty() ? path.c_str() : uri.c_str(), &db, flags, nullptr);
    if (rc == SQLITE_OK) return db;
    const std::string why = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close(db);
    opened.error = Message(gbk::kMsgHistoryOpenFailed, path + " - " + why);
    return nullptr;
}

// SQLite's URI of the file at `path` with the parameters `query`: the bytes that
// a URI gives a meaning to are escaped, and an absolute path gets the empty authority,
// so that a path that begins with "//" names no host.
std::string FileUri(const std::string& path, std::string_view query) {
    std::string uri = path.starts_with('/') ? "file://" : "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            static constexpr char kHex[] = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[static_cast<unsigned char>(c) >> 4];
            uri += kHex[static_cast<unsigned char>(c) & 0xF];
        } else {
            uri += c;
        }
    }
    uri += '?';
    uri += query;
    return uri;
}

}  // namespace

OpenedHistory HistoryStore::Open(const std::string& path, const HistoryOptions& options) {
    OpenedHistory opened;
    try {
        const std::filesystem::path parent = std::filesystem::path(path).parent_path();
        std::error_code ignored;  // a directory that cannot be made fails the open below
        if (!parent.empty()) std::filesystem::create_directories(parent, ignored);

        // Switching a new file to WAL can meet another process doing the same, and SQLite
        // then reports the file busy at once instead of waiting: retry for as long as a
        // writer would wait.
        const auto giveUp =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(options.busyTimeoutMs);
        bool movedAside = false;
        for (;;) {
            struct stat seen {};
            const bool existed = ::stat(path.c_str(), &seen) == 0;
            const FileStart start = StartOf(path);
            if (start == FileStart::Other) {
                opened.error = Message(gbk::kMsgHistoryNotADatabase, path);
                return opened;
            }
            sqlite3* db = OpenConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, opened);
            if (db == nullptr) return opened;
            try {
                const Layout layout = PrepareConnection(db, options);
                if (layout == Layout::Usable) {
                    opened.store.reset(new HistoryStore(db, path));
                    return opened;
                }
                sqlite3_close(db);
                opened.error = Message(LayoutRefusal(layout), path);
                return opened;
            } catch (const SqlError& e) {
                sqlite3_close(db);
                if (e.Code() == SQLITE_BUSY && std::chrono::steady_clock::now() < giveUp) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                    continue;
                }
                // Only a database that SQLite itself finds damaged is moved aside; a file
                // it cannot open for another reason (permissions, a full disk) stays.
                const bool damaged = e.Code() == SQLITE_CORRUPT || e.Code() == SQLITE_NOTADB;
                if (!damaged || !existed || start != FileStart::Database || movedAside) {
                    opened.error = Message(gbk::kMsgHistoryOpenFailed, path + " - " + e.what());
                    return opened;
                }
                const std::string moved = MoveAside(path, seen);
                if (!moved.empty()) opened.notice = Message(gbk::kMsgHistoryMovedAside, moved);
                movedAside = true;
            }
        }
    } catch (const std::exception& e) {
        opened.store.reset();
        opened.error = Message(gbk::kMsgHistoryOpenFailed, path + " - " + e.what());
    }
    return opened;
}

OpenedHistory HistoryStore::OpenForReading(const std::string& path, const HistoryOptions& options) {
    OpenedHistory opened;
    switch (StartOf(path)) {
        case FileStart::Missing:
        case FileStart::Empty:
            return opened;  // nothing recorded yet
        case FileStart::Other:
            opened.error = Message(gbk::kMsgHistoryNotADatabase, path);
            return opened;
        case FileStart::Database:
        case FileStart::Unreadable:
            break;  // SQLite says what is wrong with the latter
    }
    // Read-only all the way: another user's database, or one in a directory this
    // process may not write, is listed as well.  "immutable" takes no locks; it is
    // chosen only where no writer can have the file open.
    const std::string uri =
        FileUri(path, ReadWithoutIndex(path) ? "mode=ro&immutable=1" : "mode=ro");
    sqlite3* db = OpenConnection(path, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, opened, uri);
    if (db == nullptr) return opened;
    try {
        sqlite3_busy_timeout(db, options.busyTimeoutMs);
        Layout layout = ForeignOrUsable(db);
        int version = 0;
        if (layout == Layout::Usable) {
            QuickCheck(db);
            version = SchemaVersion(db);
            if (version > kHistorySchemaVersion) layout = Layout::TooNew;
        }
        if (layout != Layout::Usable) {
            sqlite3_close(db);
            opened.error = Message(LayoutRefusal(layout), path);
        } else if (version == 0) {  // made, but nothing recorded in it yet
            sqlite3_close(db);
        } else {
            opened.store.reset(new HistoryStore(db, path));
        }
    } catch (const SqlError& e) {
        sqlite3_close(db);
        opened.error = Message(gbk::kMsgHistoryOpenFailed, path + " - " + e.what());
    }
    return opened;
}

}  // namespace corvane
