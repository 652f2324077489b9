#include "history/HistoryPath.h"

#include <filesystem>
#include <system_error>

#include "base/UserDirs.h"

namespace corvane {

std::string DefaultHistoryPath() {
    return UserBaseDirectory("XDG_DATA_HOME", ".local/share") + "/corvane/history.sqlite";
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
