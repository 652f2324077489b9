// corvane-scan: the analyser's core on the command line, for operators who only
// have a terminal on the machine that holds the logs, and for scripts.
//
// Standard output carries text in the locale's character set: UTF-8 under a UTF-8
// locale, otherwise the bytes exactly as the core holds them (GBK); --gbk and --utf8
// choose either whatever the locale.  One LF follows each line.  Each command is a row
// of the table in Commands.cpp; this file reads the locale, parses the command line,
// sets up the writers, hands the command its context and turns what comes back into
// the exit status.

#include <signal.h>

#include <cstdio>
#include <exception>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/Locale.h"
#include "cli/Messages.h"
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

int Dispatch(const Arguments& args, TextForm text, LineWriter& out, LineWriter& err) {
    const ProgramDirs dirs = ProgramDirsOf(args);
    ScanOptions options;
    options.programDir = dirs.catalogues;
    options.askAboutLargeFiles = false;
    options.threads = args.threads > 0 ? static_cast<unsigned>(args.threads) : DefaultScanThreads();
    const Command* const command = FindCommand(args.command);
    if (command == nullptr) throw UsageError(Say(Msg::UnknownCommand, {args.command}));
    return command->run({args, options, dirs.config, out, err, text});
}

// A usage error: the message, the command's usage and where to read more.
int Usage(LineWriter& err, const std::string& message, const std::string& command) {
    const Command* const known = FindCommand(command);
    err.Line(message);
    std::fprintf(stderr, "%s\n", UsageLine(known).c_str());
    err.Line(Say(Msg::SeeHelp, {known != nullptr ? command + " " : std::string()}));
    return 2;
}

// What --help, --man and --version print on standard output.
std::string Information(const Arguments& args) {
    if (args.man) return ManPage();
    if (args.version) return std::string("corvane-scan ") + kProgramVersion + "\n";
    const Command* const command = FindCommand(args.command);
    return command != nullptr ? CommandHelp(*command) : GeneralHelp();
}

}  // namespace

int main(int argc, char** argv) {
    const Locale locale = EnvironmentLocale();
    UseMessageLanguage(locale.language);
    Arguments args;
    try {
        args = ParseArguments(argc, argv);
    } catch (const UsageError& e) {
        ReleaseStopSignals();
        LineWriter err(stderr, locale.text == TextForm::Utf8, true);
        std::string command;
        for (int i = 1; i < argc && command.empty(); ++i)
            if (FindCommand(argv[i]) != nullptr) command = argv[i];
        return Usage(err, e.what(), command);
    }
    if (args.command != "follow" || args.help || args.version || args.man) ReleaseStopSignals();
    if (args.help || args.version || args.man) {
        const std::string text = Information(args);
        std::fwrite(text.data(), 1, text.size(), stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    const TextForm text = args.gbk ? TextForm::Held : args.utf8 ? TextForm::Utf8 : locale.text;
    LineWriter out(stdout, text == TextForm::Utf8);
    LineWriter err(stderr, text == TextForm::Utf8, true);
    try {
        const int status = Dispatch(args, text, out, err);
        out.Flush();
        return status;
    } catch (const UsageError& e) {
        return Usage(err, e.what(), args.command);
    } catch (const WriteError& e) {
        err.Line(e.what());
        return 1;
    } catch (const std::exception& e) {
        // A Failure, or the core's message of what ended the command.
        std::fflush(stdout);
        err.Line(e.what());
        return 1;
    }
}
