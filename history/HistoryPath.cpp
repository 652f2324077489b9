#include "history/HistoryPath.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace corvane {

std::string DefaultHistoryPath() {
    std::string base;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        std::string homeDir = home != nullptr ? home : "";
        if (homeDir.empty()) {
            if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
                homeDir = user->pw_dir;
        }
        base = homeDir + "/.local/share";
    }
    return base + "/corvane/history.sqlite";
}

std::string NormaliseDirectory(const std::string& directory) {
    std::filesystem::path path =
        directory.empty() ? std::filesystem::path("/") : std::filesystem::path(directory);
    if (path.is_relative()) {
        std::error_code error;
        std::filesystem::path absolute = std::filesystem::absolute(path, error);
        if (!error) path = std::move(absolute);
    }
    std::string text = path.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

}  // namespace corvane
