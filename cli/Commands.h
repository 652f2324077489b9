// corvane-scan's commands: one row each in the table of Commands.cpp with the command's
// word, its operands, the options it takes, its lines of the usage text and the
// function that carries it out.  Each command's function lives in its own file
// (the catalogue commands share one).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/Stop.h"
#include "catalog/ProgramDir.h"
#include "catalog/ServiceCatalogue.h"
#include "cli/Arguments.h"
#include "cli/Console.h"
#include "cli/Locale.h"
#include "scan/Scanner.h"

namespace corvane::cli {

// What a command works with.  options.programDir is where the catalogues are,
// configDir where Server.ini is, and options.threads how many threads a scan takes.
struct CommandContext {
    const Arguments& args;
    const ScanOptions& options;
    const std::string& configDir;
    LineWriter& out;
    LineWriter& err;
    // How typed text arrives: in UTF-8 it is converted to the GBK the core holds.
    TextForm text = TextForm::Held;
    // The command line runs each command to its end: nobody requests this stop.
    StopToken stop{};
};

// Carries out the command; returns the exit status.  Throws UsageError for a command
// line the parser let through but the command refuses, Failure and WriteError.
using CommandHandler = int (*)(const CommandContext&);

struct Command {
    std::string_view name;  // "backfill" stands for "history backfill"
    std::size_t minOperands;
    std::size_t maxOperands;
    // The options the command takes besides those every command takes, separated by
    // blanks.
    std::string_view options;
    // The command's entry in the usage text: what it is called with, and the lines
    // that say what it does.
    std::string_view synopsis;
    std::vector<std::string_view> description;
    // One command line a user might type, for the command's help.
    std::string_view example;
    // The operand that is a DAY (counted from 1), or 0: a day is eight bytes, as the
    // day list takes them from the log files' names.
    std::size_t dayOperand;
    CommandHandler run;
};

// Every command, in the order of the usage text.
const std::vector<Command>& Commands();
// The command called `name`, or null.
const Command* FindCommand(std::string_view name);
// Whether `command` takes `option` (one that not every command takes).
bool Takes(const Command& command, std::string_view option);

// What "corvane-scan --help" prints: the commands, and the options every command
// takes.
std::string GeneralHelp();
// What "corvane-scan COMMAND --help" prints: the command's usage, operands, options
// and an example.
std::string CommandHelp(const Command& command);
// The line after a usage error: the command's usage, or (for none) the general one.
std::string UsageLine(const Command* command);
// The manual page, made from the same tables (packaging/man/corvane-scan.1 holds it).
std::string ManPage();

// Where the INI files are: everything in --program-dir (with a slash at its end), or
// the running program's directories.
ProgramDirs ProgramDirsOf(const Arguments& args);
// Text given in UTF-8 on the command line, as the GBK bytes the core holds; throws
// UsageError when it has no GBK form.
std::string Utf8ToGbk(const std::string& text);
// Text typed on the command line (a PATTERN, a name) as the core holds it: converted
// from UTF-8 when the terminal's text is UTF-8, the bytes as typed otherwise.
std::string TypedText(const CommandContext& c, const std::string& text);
// The services named by --services (codes separated by commas), in catalogue order;
// throws UsageError for a code the catalogue does not have.
std::vector<ServiceEntry> ChosenServices(std::vector<ServiceEntry> services,
                                         const std::string& list);
// A directory that the command reads must be there and readable; throws Failure.
void RequireDirectory(const std::string& path);
// The catalogue's service `code`; throws UsageError naming `where` otherwise.
void RequireService(const std::string& programDir, const std::string& code, std::string_view where);

int DaysCommand(const CommandContext& c);
int ScanCommand(const CommandContext& c);
int RunCommand(const CommandContext& c);
int CatalogueCommand(const CommandContext& c);
int ExplainCommand(const CommandContext& c);
int UpdateCommand(const CommandContext& c);
int CheckCommand(const CommandContext& c);
int IniCommand(const CommandContext& c);
int HistoryCommand(const CommandContext& c);  // history and history backfill
int PatternsCommand(const CommandContext& c);
int DraftCommand(const CommandContext& c);
int FollowCommand(const CommandContext& c);
int GrepCommand(const CommandContext& c);
int TimelineCommand(const CommandContext& c);
int MergeCommand(const CommandContext& c);
int FleetCommand(const CommandContext& c);

}  // namespace corvane::cli
