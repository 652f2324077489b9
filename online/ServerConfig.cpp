#include "online/ServerConfig.h"

#include <charconv>
#include <string_view>

#include "base/AsciiCase.h"
#include "catalog/ProfileString.h"

namespace corvane {

namespace {

std::uint16_t ParsePort(std::string_view text, std::uint16_t def) {
    unsigned value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || value == 0 || value > 65535) return def;
    return static_cast<std::uint16_t>(value);
}

}  // namespace

ServerConfig ReadServerConfig(const std::string& programDir) {
    ServerConfig config;
    ProfileFile ini(programDir + "Server.ini");
    std::string host = ini.ReadString("SERVER", "Host", kDefaultServerHost);
    if (!host.empty()) config.host = std::move(host);
    if (EqualsIgnoringAsciiCase(ini.ReadString("SERVER", "Scheme", "http"), "https"))
        config.scheme = UpdateScheme::Https;
    config.httpPort =
        ParsePort(ini.ReadString("SERVER", "HttpPort", ""),
                  config.scheme == UpdateScheme::Https ? kDefaultHttpsPort : kDefaultHttpPort);
    config.reportPort = ParsePort(ini.ReadString("SERVER", "ReportPort", ""), ReportPort);
    return config;
}

}  // namespace corvane
