// Where the update server and the report server are: Server.ini in the program
// directory.  The file is only read, never downloaded or replaced by the update.
#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// The report server's UDP port when Server.ini does not name another.
inline constexpr std::uint16_t ReportPort = 18989;
inline constexpr std::uint16_t kDefaultHttpPort = 80;
inline constexpr std::uint16_t kDefaultHttpsPort = 443;
inline constexpr const char* kDefaultServerHost = "localhost";

// How the catalogues are fetched: plain HTTP, or HTTPS with the server's certificate
// and name verified.
enum class UpdateScheme { Http, Https };

// One host serves both the catalogue downloads (HTTP) and the error-count report (UDP).
struct ServerConfig {
    std::string host = kDefaultServerHost;  // host name or dotted IPv4 address
    UpdateScheme scheme = UpdateScheme::Http;
    std::uint16_t httpPort = kDefaultHttpPort;  // of the downloads, whatever their scheme
    std::uint16_t reportPort = ReportPort;
};

// Reads section "SERVER" of programDir + "Server.ini": "Host", "Scheme", "HttpPort",
// "ReportPort".  A missing file or key, an empty host and a port that is not a decimal
// number from 1 to 65535 each give the default value.  "Scheme" is "http" (the default)
// or "https", in any case; any other value keeps plain HTTP.  The download port's
// default follows the scheme: 80, or 443 for HTTPS.
ServerConfig ReadServerConfig(const std::string& programDir);

}  // namespace corvane
