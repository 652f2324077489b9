// What the metrics server knows of all installations: a day's counts per installation
// and service, the codes of the day with how many installations had them, and the
// fleet's totals per day.  Read through the server's PromQL query API; texts come back
// as the GBK the core holds.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fleet/Json.h"
#include "online/HttpExchange.h"

namespace corvane {

struct FleetRow {
    std::string installation;
    std::string service;
    std::int64_t known = 0;
    std::int64_t unknown = 0;
};

struct FleetCode {
    std::string code;
    std::int64_t installations = 0;  // that had it on the day
    std::int64_t count = 0;          // its findings on the day, all installations
};

struct FleetTotal {
    std::string day;
    std::int64_t known = 0;
    std::int64_t unknown = 0;
};

struct FleetDay {
    std::string day;
    std::vector<FleetRow> rows;    // by installation, then service (bytes)
    std::vector<FleetCode> codes;  // by code (bytes); codes of no finding are left out
};

// One server's answers.  Every query is bounded by the HTTP limits; a failure comes
// back as false (or nothing) with `error` set to what the operator is told (GBK).
class FleetClient {
public:
    explicit FleetClient(std::string url, HttpLimits limits = {});

    // The latest day any installation sent; nothing when none has (error empty) or the
    // server could not be asked.
    std::optional<std::string> LatestDay(std::string& error) const;

    // `day`'s table; with `service` only that service's counts.
    bool Day(const std::string& day, const std::string& service, FleetDay& out,
             std::string& error) const;

    // The totals of each day from `first` to `last`, oldest first (days the fleet sent
    // nothing for are there with zeros); with `service` only that service's.
    bool Totals(const std::string& first, const std::string& last, const std::string& service,
                std::vector<FleetTotal>& out, std::string& error) const;

    // For each code of `service` on `day`, the installations that had it (bytes order).
    bool CodeInstallations(const std::string& day, const std::string& service,
                           std::map<std::string, std::vector<std::string>>& out,
                           std::string& error) const;

    // For each code that installations other than `installation` had on `day` or on one
    // of the 400 days before it: how many of them had it.
    bool OthersWithCodes(const std::string& day, const std::string& installation,
                         std::map<std::string, std::int64_t>& out, std::string& error) const;

private:
    struct Sample {
        std::map<std::string, std::string> labels;  // GBK
        double value = 0;
    };
    struct Series {
        std::map<std::string, std::string> labels;      // GBK
        std::vector<std::pair<double, double>> points;  // time, value
    };
    bool Query(const std::string& promql, const std::string& time, std::vector<Sample>& out,
               std::string& error) const;
    bool QueryRange(const std::string& promql, const std::string& start, const std::string& end,
                    const std::string& step, std::vector<Series>& out, std::string& error) const;
    const JsonValue* Ask(const std::string& address, std::optional<JsonValue>& answer,
                         std::string& error) const;

    std::string url_;
    HttpLimits limits_;
};

}  // namespace corvane
