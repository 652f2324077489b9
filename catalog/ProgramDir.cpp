#include "catalog/ProgramDir.h"

#include <unistd.h>

#include <vector>

namespace corvane {

std::string ProgramDir() {
    std::vector<char> buf(4096);
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0) return "./";  // no /proc: the catalogues are looked for where we stand
        if (static_cast<std::size_t>(n) < buf.size()) {
            std::string exe(buf.data(), static_cast<std::size_t>(n));
            std::size_t slash = exe.rfind('/');
            return slash == std::string::npos ? std::string("./") : exe.substr(0, slash + 1);
        }
        buf.resize(buf.size() * 2);  // the link may have been cut: try a larger buffer
    }
}

std::string CatalogueDirFor(const std::string& executableDir) {
    const std::string installed = CORVANE_INSTALL_DIR;
    const std::string data = CORVANE_DATA_DIR;
    if (installed.empty() || data.empty() || executableDir.empty()) return executableDir;
    const auto slashed = [](std::string dir) { return dir.back() == '/' ? dir : dir + '/'; };
    return executableDir == slashed(installed) ? slashed(data) : executableDir;
}

ProgramDirs RunningProgramDirs() {
    std::string dir = ProgramDir();
    std::string catalogues = CatalogueDirFor(dir);
    return {std::move(dir), std::move(catalogues)};
}

}  // namespace corvane
