#include "fleet/MetricsConfig.h"

#include <unistd.h>

#include <climits>

#include "catalog/ProfileString.h"

namespace corvane {

std::string ThisHostName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') return "localhost";
    return name;
}

std::optional<MetricsConfig> ReadMetricsConfig(const std::string& configDir) {
    ProfileFile ini(configDir + "Server.ini");
    MetricsConfig config;
    config.url = ini.ReadString("METRICS", "Url", "");
    while (!config.url.empty() && config.url.back() == '/') config.url.pop_back();
    if (config.url.empty()) return std::nullopt;
    config.installation = ini.ReadString("METRICS", "Installation", "");
    if (config.installation.empty()) config.installation = ThisHostName();
    return config;
}

}  // namespace corvane
