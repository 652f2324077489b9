// The directory that holds the running executable.
#pragma once

#include <string>

namespace corvane {

// The executable's directory (from /proc/self/exe), ending in "/".  All INI,
// version and temporary files of the program live there.
std::string ProgramDir();

}  // namespace corvane
