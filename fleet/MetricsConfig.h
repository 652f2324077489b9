// Where a run's error counts go besides the report datagrams: a metrics server that
// takes InfluxDB line protocol over HTTP and answers PromQL queries (VictoriaMetrics
// or its cluster), named in the optional section "METRICS" of Server.ini.
#pragma once

#include <optional>
#include <string>

namespace corvane {

struct MetricsConfig {
    std::string url;           // without a slash at its end: "http://127.0.0.1:8428"
    std::string installation;  // the name this installation's counts carry (GBK)
};

// Reads section "METRICS" of configDir + "Server.ini": "Url" (http or https) and
// "Installation" (default: this machine's host name).  Nothing when the file has no
// such section or its Url is empty: then nothing is sent and nothing is queried.
std::optional<MetricsConfig> ReadMetricsConfig(const std::string& configDir);

// This machine's host name; "localhost" when it has none.
std::string ThisHostName();

}  // namespace corvane
