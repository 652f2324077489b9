// corvane-scan's command line: the command word, its operands and the options.
//
// Options stand before the command word or between it and the first operand; the
// first operand or "--" ends them, so "scan GW --help" scans a file named "--help".
// Each option is one row of the table in Arguments.cpp; the command table in
// Commands.cpp names the options each command takes, and an option given to a command
// that does not take it is a usage error.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/Error.h"

namespace corvane::cli {

// The most threads --threads may ask for: far beyond any machine's cores, far below
// where a count of threads stops being a number a scan can plan with.
inline constexpr int kMaxThreads = 1024;

struct Arguments {
    std::string command;  // "backfill" stands for "history backfill"
    std::vector<std::string> operands;

    bool help = false;                      // --help, -h
    bool version = false;                   // --version
    bool utf8 = false;                      // --utf8
    bool gbk = false;                       // --gbk
    bool man = false;                       // --man (the manual page; not in the help)
    std::optional<std::string> programDir;  // --program-dir DIR
    int threads = 0;                        // --threads N (1 <= N <= kMaxThreads); 0: not given
    bool lineNumbers = false;               // --line-numbers
    std::optional<std::string> service;     // --service CODE
    bool assign = false;                    // --assign
    std::optional<std::string> tuning;      // --tuning NAME=VALUE,...
    bool write = false;                     // --write
    std::optional<std::string> name;        // --name TEXT
    std::vector<std::string> memo;          // --memo TEXT, each a line
    std::string defaultText;                // --default TEXT
    std::optional<std::string> csvFile;     // --csv FILE
    std::optional<std::string> htmlFile;    // --html FILE
    bool record = false;                    // --record
    std::optional<std::string> db;          // --db FILE
    int days = 0;                           // --days N (N >= 1); 0 when not given
    bool unsent = false;                    // --unsent
    bool regex = false;                     // --regex
    bool caseSensitive = false;             // --case-sensitive
    std::optional<std::string> services;    // --services CODE,...
    bool json = false;                      // --json
    bool fromStart = false;                 // --from-start
    int minutes = 0;                        // --minutes N (1 <= N <= 1440); 0: not given
    std::optional<std::string> from;        // --from HH:MM:SS
    std::optional<std::string> to;          // --to HH:MM:SS
};

// A command line that breaks the rules; the message says which rule.
class UsageError : public Error {
public:
    using Error::Error;
};

struct Option {
    std::string_view name;
    // What the usage text calls the option's value; empty for an option without one.
    std::string_view value;
    bool everyCommand;  // taken by every command, and so named by none
    // The option's entry in the usage text after its name; none for an option that
    // is another name of one listed.
    std::vector<std::string_view> description;
    void (*apply)(Arguments&, std::string_view value);
};

// Every option, in the order of the usage text.
const std::vector<Option>& Options();

// Parses argv[1..argc).  Unless --help was given, the command must be one of the
// command table's, every option must be one the command takes, and the number of
// operands must lie within the command's range.  Throws UsageError.
Arguments ParseArguments(int argc, const char* const* argv);

}  // namespace corvane::cli
