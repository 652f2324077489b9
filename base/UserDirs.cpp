#include "base/UserDirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace corvane {

std::string UserBaseDirectory(const char* variable, const char* underHome) {
    const char* set = std::getenv(variable);
    if (set != nullptr && set[0] == '/') return set;
    const char* home = std::getenv("HOME");
    std::string homeDir = home != nullptr ? home : "";
    if (homeDir.empty()) {
        if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
            homeDir = user->pw_dir;
    }
    return homeDir + "/" + underHome;
}

}  // namespace corvane
