// Where the program's files are: the directory that holds the running executable, and
// the directory of the catalogues.
#pragma once

#include <string>
#include <utility>

namespace corvane {

// The executable's directory (from /proc/self/exe), ending in "/".  The kernel's link
// names the real file, so a program started through a symbolic link (/usr/bin's links
// to the installed executables) finds the directory that holds the executable itself.
std::string ProgramDir();

// The directory of ServiceList.ini, ErrorList.ini, Version.ini and the update's
// temporary files, ending in "/", for an executable in `executableDir`.  The installed
// program (its executables in the package's program directory) keeps them in its data
// directory: the operators' group may change them there, and that directory holds
// nothing else that anyone runs or trusts.  Any other copy of the program (a build,
// the demo) keeps them beside its executables.
std::string CatalogueDirFor(const std::string& executableDir);

// The two directories the program reads: `config` holds Server.ini, which only the
// installation's owner may change; `catalogues` what CatalogueDirFor names.  Made from
// one directory, both are that directory (corvane-scan --program-dir, the tests).
struct ProgramDirs {
    ProgramDirs(std::string configDir, std::string catalogueDir)
        : config(std::move(configDir)), catalogues(std::move(catalogueDir)) {}
    // Everything in one directory; a directory converts, so that a caller that names
    // one directory need not know of the two.
    ProgramDirs(std::string dir) : config(dir), catalogues(std::move(dir)) {}
    std::string config;
    std::string catalogues;
};

// The directories of the running executable.
ProgramDirs RunningProgramDirs();

}  // namespace corvane
