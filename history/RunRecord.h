// What the run history keeps: per log directory, day and service, the counts of one
// analysis run.  All texts are the bytes the analysis holds (GBK); nothing is decoded.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace corvane {

// A count per key (an error code or an unknown-error pattern text), in byte order of
// the keys.
using Counts = std::map<std::string, std::int64_t>;

// The number of unknown-error lines that one pattern covers.
struct PatternCount {
    std::string text;  // the pattern (GBK, variable parts as "<*>")
    std::int64_t count = 0;
};

// One service of a completed run, as it is handed to the store.
struct ServiceRecord {
    std::string directory;  // the log directory; the store normalises it
    std::string day;
    std::string serviceCode;
    std::int64_t known = 0;
    std::int64_t unknown = 0;
    std::int64_t bytes = 0;  // size of the log file
    double seconds = 0;      // wall time of its scan
    Counts codes;            // known findings per error code (unknown errors are not here)
    std::vector<PatternCount> patterns;  // unknown findings per pattern; repeats are added up
};

// A completed run: when it started, and its services in run order.
struct RunRecord {
    std::int64_t ranAt = 0;  // seconds since 1970-01-01 UTC
    std::vector<ServiceRecord> services;
};

// One recorded day of one service, as the store gives it back.
struct RecordedDay {
    std::string day;
    std::string serviceCode;
    std::int64_t known = 0;
    std::int64_t unknown = 0;
    std::int64_t bytes = 0;
    double seconds = 0;
    std::int64_t ranAt = 0;  // start of the run that recorded it
    Counts codes;
    Counts patterns;  // filled only when asked for
};

// One count of a service's day as the metrics server takes it: the findings of one
// error code, known or unknown.
struct MetricsCount {
    std::string kind;  // "known" or "unknown"
    std::string code;
    std::int64_t count = 0;
};

// One installation's service day for the metrics server, as the outbox keeps it.
struct MetricsDay {
    std::int64_t id = 0;  // the outbox's
    std::string installation;
    std::string day;
    std::string serviceCode;
    std::int64_t queuedAt = 0;  // seconds since 1970-01-01 UTC
    // The time its samples carry, in milliseconds since 1970-01-01 UTC: within the day,
    // and later than that of every earlier sending of the same day.
    std::int64_t stampMs = 0;
    std::vector<MetricsCount> counts;  // in kind and then code order (bytes)
};

}  // namespace corvane
