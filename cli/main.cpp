// corvane-scan: the analyser's core on the command line, for operators who only
// have a terminal on the machine that holds the logs, and for scripts.
//
// Standard output carries the bytes exactly as the core holds them (GBK), one LF
// after each line, unless --utf8 asks for a terminal-friendly conversion.  Each command
// is a row of the table in Commands.cpp; this file parses the command line, sets up
// the writers, hands the command its context and turns what comes back into the exit
// status.

#include <signal.h>

#include <cstdio>
#include <exception>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "corvane/Version.h"
#include "scan/Host.h"
#include "scan/Scanner.h"

namespace {

using namespace corvane;
using namespace corvane::cli;

// follow ends on SIGINT and SIGTERM with status 0, taken by a thread that waits for
// them; one that arrives while the program is still starting (its libraries' own
// initialisers and the catalogues take tens of milliseconds) would end it with the
// default action instead.  So both are held back from before any library initialiser
// runs, and main gives them back at once to every other command.
sigset_t maskBeforeHold;

sigset_t StopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

void HoldStopSignals(int, char**, char**) {
    const sigset_t signals = StopSignals();
    sigprocmask(SIG_BLOCK, &signals, &maskBeforeHold);
}

// The executable's pre-initialisers run before those of the shared libraries.
[[gnu::section(".preinit_array"),
  gnu::used]] void (*const kHoldStopSignals)(int, char**, char**) = HoldStopSignals;

void ReleaseStopSignals() { sigprocmask(SIG_SETMASK, &maskBeforeHold, nullptr); }

int Dispatch(const Arguments& args, LineWriter& out, LineWriter& err) {
    const ProgramDirs dirs = ProgramDirsOf(args);
    ScanOptions options;
    options.programDir = dirs.catalogues;
    options.askAboutLargeFiles = false;
    options.threads = args.threads > 0 ? static_cast<unsigned>(args.threads) : DefaultScanThreads();
    const Command* const command = FindCommand(args.command);
    if (command == nullptr) throw UsageError("unknown command " + args.command);
    return command->run({args, options, dirs.config, out, err});
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    try {
        args = ParseArguments(argc, argv);
    } catch (const UsageError& e) {
        ReleaseStopSignals();
        std::fprintf(stderr, "corvane-scan: %s\n%s", e.what(), UsageText().c_str());
        return 2;
    }
    if (args.command != "follow" || args.help || args.version) ReleaseStopSignals();
    if (args.help || args.version) {
        if (args.help)
            std::fputs(UsageText().c_str(), stdout);
        else
            std::printf("corvane-scan %s\n", kProgramVersion);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    LineWriter out(stdout, args.utf8);
    LineWriter err(stderr, args.utf8);
    int status = 1;
    try {
        status = Dispatch(args, out, err);
        out.Flush();
        return status;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "corvane-scan: %s\n%s", e.what(), UsageText().c_str());
        return 2;
    } catch (const WriteError& e) {
        std::fprintf(stderr, "corvane-scan: %s\n", e.what());
        return 1;
    } catch (const Failure& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "corvane-scan: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fflush(stdout);
        err.Line(e.what());
        return 1;
    }
}
