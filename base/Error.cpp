#include "base/Error.h"

#include <errno.h>

#include <cstdio>
#include <string>

namespace corvane {

void WriteFailure(std::string_view where, std::string_view what) {
    // One write, so that lines of several threads do not interleave.
    std::string line = program_invocation_short_name;
    line.append(": ").append(where).append(": ").append(what).append("\n");
    std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace corvane
