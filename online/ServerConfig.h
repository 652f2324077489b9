// Where the update server and the report server are: Server.ini in the program
// directory.  The file is only read, never downloaded or replaced by the update.
#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// The report server's UDP port when Server.ini does not name another.
inline constexpr std::uint16_t ReportPort = 18989;
inline constexpr std::uint16_t kDefaultHttpPort = 80;
inline constexpr const char* kDefaultServerHost = "localhost";

// One host serves both the catalogue downloads (HTTP) and the error-count report (UDP).
struct ServerConfig {
    std::string host = kDefaultServerHost;  // host name or dotted IPv4 address
    std::uint16_t httpPort = kDefaultHttpPort;
    std::uint16_t reportPort = ReportPort;
};

// Reads section "SERVER" of programDir + "Server.ini": "Host", "HttpPort", "ReportPort".
// A missing file or key, an empty host and a port that is not a decimal number from
// 1 to 65535 each give the default value.
ServerConfig ReadServerConfig(const std::string& programDir);

}  // namespace corvane
