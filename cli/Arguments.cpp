#include "cli/Arguments.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

#include "cli/Commands.h"
#include "cli/Messages.h"

namespace corvane::cli {

namespace {

int PositiveNumber(std::string_view option, std::string_view value) {
    int n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || end != value.data() + value.size() || n < 1)
        throw UsageError(Say(Msg::NumberAtLeastOne, {option, value}));
    return n;
}

void SetThreads(Arguments& a, std::string_view value) {
    a.threads = PositiveNumber("--threads", value);
    if (a.threads > kMaxThreads)
        throw UsageError(Say(Msg::NumberAtMost, {"--threads", std::to_string(kMaxThreads), value}));
}

void SetMinutes(Arguments& a, std::string_view value) {
    constexpr int kMinutesPerDay = 1440;
    a.minutes = PositiveNumber("--minutes", value);
    if (a.minutes > kMinutesPerDay)
        throw UsageError(
            Say(Msg::NumberAtMost, {"--minutes", std::to_string(kMinutesPerDay), value}));
}

}  // namespace

const std::vector<Option>& Options() {
    // The commands an option's description names are those whose rows in the command
    // table take it.
    static const std::vector<Option> options = {
        {"--program-dir",
         "DIR",
         false,
         {"where the INI files are, all of them (default: beside this",
          "program; when installed, the catalogues in its data directory);",
          "scan, run, catalogue, explain, update, check, patterns, draft,",
          "backfill, follow, grep, timeline, merge, fleet"},
         [](Arguments& a, std::string_view v) { a.programDir = std::string(v); }},
        {"--threads",
         "N",
         false,
         {"scan each file with N threads, 1 <= N <= 1024 (default: one",
          "per core); scan, run, patterns, history backfill, grep, timeline"},
         &SetThreads},
        {"--line-numbers",
         "",
         false,
         {"each finding's line number and a TAB before it; scan"},
         [](Arguments& a, std::string_view) { a.lineNumbers = true; }},
        {"--csv",
         "FILE",
         false,
         {"also write every finding to FILE as CSV (UTF-8); run"},
         [](Arguments& a, std::string_view v) { a.csvFile = std::string(v); }},
        {"--html",
         "FILE",
         false,
         {"also write a report of the run to FILE as HTML; run"},
         [](Arguments& a, std::string_view v) { a.htmlFile = std::string(v); }},
        {"--record",
         "",
         false,
         {"also record the run in the history; run"},
         [](Arguments& a, std::string_view) { a.record = true; }},
        {"--db",
         "FILE",
         false,
         {"the history database (default: $XDG_DATA_HOME/corvane/",
          "history.sqlite); history, run --record"},
         [](Arguments& a, std::string_view v) { a.db = std::string(v); }},
        {"--service",
         "CODE",
         false,
         {"one service only; history, patterns, draft, fleet"},
         [](Arguments& a, std::string_view v) { a.service = std::string(v); }},
        {"--assign",
         "",
         false,
         {"the pattern rank of every line instead; patterns"},
         [](Arguments& a, std::string_view) { a.assign = true; }},
        {"--tuning",
         "LIST",
         false,
         {"the miner's tunable choices, as "
          "similarity=70,wordcost=12,glued=1,stamps=1,punct=1,optional=1,slots=1,either=1,"
          "pairs=1,source=1,caps=1,quoted=1,labels=1,names=1,places=1,runs=1,again=1",
          "(for bench/pattern_accuracy.py); patterns"},
         [](Arguments& a, std::string_view v) { a.tuning = std::string(v); }},
        {"--write",
         "",
         false,
         {"add the draft to the program directory's ErrorList.ini; draft"},
         [](Arguments& a, std::string_view) { a.write = true; }},
        {"--name",
         "TEXT",
         false,
         {"the error's name in the draft's entry; draft"},
         [](Arguments& a, std::string_view v) { a.name = std::string(v); }},
        {"--memo",
         "TEXT",
         false,
         {"a line of the explanation in the draft's entry (again for each", "further line); draft"},
         [](Arguments& a, std::string_view v) { a.memo.emplace_back(v); }},
        {"--days",
         "N",
         false,
         {"the last N recorded days only; history; fleet: the totals of",
          "each of the N days before DAY too"},
         [](Arguments& a, std::string_view v) { a.days = PositiveNumber("--days", v); }},
        {"--unsent",
         "",
         false,
         {"the service days whose counts the metrics server has not taken",
          "yet, the longest waiting first; history"},
         [](Arguments& a, std::string_view) { a.unsent = true; }},
        {"--regex",
         "",
         false,
         {"PATTERN is a regular expression matched against each line; grep"},
         [](Arguments& a, std::string_view) { a.regex = true; }},
        {"--case-sensitive",
         "",
         false,
         {"a-z and A-Z differ (default: they match alike); grep"},
         [](Arguments& a, std::string_view) { a.caseSensitive = true; }},
        {"--services",
         "CODE,...",
         false,
         {"these services only, in catalogue order; grep, timeline, merge"},
         [](Arguments& a, std::string_view v) { a.services = std::string(v); }},
        {"--minutes",
         "N",
         false,
         {"slots of N minutes, 1 <= N <= 1440, from midnight (default: 1);", "timeline"},
         &SetMinutes},
        {"--from",
         "HH:MM:SS",
         false,
         {"only the lines of this time or later (of each file: its lines",
          "whose time lies within --from and --to, merged); merge"},
         [](Arguments& a, std::string_view v) { a.from = std::string(v); }},
        {"--to",
         "HH:MM:SS",
         false,
         {"only the lines of this time or earlier, to the second; merge"},
         [](Arguments& a, std::string_view v) { a.to = std::string(v); }},
        {"--default",
         "TEXT",
         false,
         {"the value of a missing key; ini"},
         [](Arguments& a, std::string_view v) { a.defaultText = v; }},
        {"--json",
         "",
         false,
         {"one JSON object per line, in UTF-8, instead; scan, run, follow,",
          "grep, timeline, merge, fleet"},
         [](Arguments& a, std::string_view) { a.json = true; }},
        {"--from-start",
         "",
         false,
         {"every finding of the files so far first; follow"},
         [](Arguments& a, std::string_view) { a.fromStart = true; }},
        {"--utf8",
         "",
         true,
         {"text shown and typed in UTF-8, whatever the locale"},
         [](Arguments& a, std::string_view) { a.utf8 = true; }},
        {"--gbk",
         "",
         true,
         {"text shown and typed as the GBK bytes the files hold, whatever", "the locale"},
         [](Arguments& a, std::string_view) { a.gbk = true; }},
        {"--man", "", true, {}, [](Arguments& a, std::string_view) { a.man = true; }},
        {"--help",
         "",
         true,
         {"the commands; after a command, its operands, options and an example"},
         [](Arguments& a, std::string_view) { a.help = true; }},
        {"-h", "", true, {}, [](Arguments& a, std::string_view) { a.help = true; }},
        {"--version",
         "",
         true,
         {"the program's name and version"},
         [](Arguments& a, std::string_view) { a.version = true; }},
    };
    return options;
}

Arguments ParseArguments(int argc, const char* const* argv) {
    Arguments args;
    std::vector<const Option*> given;
    bool optionsEnded = false;
    const std::vector<Option>& options = Options();
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && a.size() > 1 && a[0] == '-') {
            const auto option = std::find_if(options.begin(), options.end(),
                                             [&](const Option& o) { return o.name == a; });
            if (option == options.end()) throw UsageError(Say(Msg::UnknownOption, {a}));
            std::string_view value;
            if (!option->value.empty()) {
                if (i + 1 >= argc) throw UsageError(Say(Msg::NeedsValue, {a}));
                value = argv[++i];
            }
            option->apply(args, value);
            given.push_back(&*option);
        } else if (args.command.empty()) {
            args.command = a;
        } else if (args.command == "history" && args.operands.empty() && a == "backfill") {
            // "history backfill" is one command of two words; options may follow it.
            args.command = "backfill";
        } else {
            args.operands.emplace_back(a);
            optionsEnded = true;
        }
    }
    if (args.utf8 && args.gbk) throw UsageError(Say(Msg::FormsExclude));
    if (args.help || args.version || args.man) return args;

    if (args.command.empty()) throw UsageError(Say(Msg::NoCommand));
    const Command* const command = FindCommand(args.command);
    if (command == nullptr) throw UsageError(Say(Msg::UnknownCommand, {args.command}));
    for (const Option* option : given)
        if (!option->everyCommand && !Takes(*command, option->name))
            throw UsageError(Say(Msg::DoesNotTake, {args.command, option->name}));
    if (args.operands.size() < command->minOperands || args.operands.size() > command->maxOperands)
        throw UsageError(Say(Msg::OperandCount, {args.command,
                                                 command->minOperands == command->maxOperands
                                                     ? std::to_string(command->minOperands)
                                                     : std::to_string(command->minOperands) + "-" +
                                                           std::to_string(command->maxOperands),
                                                 std::to_string(args.operands.size())}));
    constexpr std::size_t kDayLength = 8;
    if (command->dayOperand > 0 && args.operands.size() >= command->dayOperand &&
        args.operands[command->dayOperand - 1].size() != kDayLength)
        throw UsageError(Say(Msg::BadDay, {args.operands[command->dayOperand - 1]}));
    return args;
}

}  // namespace corvane::cli
