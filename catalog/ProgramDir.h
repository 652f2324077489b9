// The directory that holds the running executable.
#pragma once

#include <string>

namespace corvane {

// The executable's directory (from /proc/self/exe), ending in "/".  All INI,
// version and temporary files of the program live there.  The kernel's link names
// the real file, so a program started through a symbolic link (/usr/bin's links to
// the installed executables) finds the directory that holds the executable itself.
std::string ProgramDir();

}  // namespace corvane
