#include "cli/Arguments.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

namespace corvane::cli {

namespace {

using Apply = void (*)(Arguments&, std::string_view value);

struct OptionRule {
    std::string_view name;
    bool takesValue;
    // The commands that take the option, separated by blanks; "*" for every command.
    std::string_view commands;
    Apply apply;
};

int PositiveNumber(std::string_view option, std::string_view value) {
    int n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || end != value.data() + value.size() || n < 1)
        throw UsageError(std::string(option) + " takes a whole number of at least 1, not \"" +
                         std::string(value) + "\"");
    return n;
}

void SetThreads(Arguments& a, std::string_view value) {
    a.threads = PositiveNumber("--threads", value);
    if (a.threads > kMaxThreads)
        throw UsageError("--threads takes at most " + std::to_string(kMaxThreads) + ", not \"" +
                         std::string(value) + "\"");
}

// One row per option.
constexpr OptionRule kOptions[] = {
    {"--help", false, "*", [](Arguments& a, std::string_view) { a.help = true; }},
    {"-h", false, "*", [](Arguments& a, std::string_view) { a.help = true; }},
    {"--utf8", false, "*", [](Arguments& a, std::string_view) { a.utf8 = true; }},
    {"--program-dir", true, "scan run catalogue explain update check patterns backfill",
     [](Arguments& a, std::string_view v) { a.programDir = std::string(v); }},
    {"--threads", true, "scan run patterns backfill", &SetThreads},
    {"--line-numbers", false, "scan", [](Arguments& a, std::string_view) { a.lineNumbers = true; }},
    {"--service", true, "patterns history",
     [](Arguments& a, std::string_view v) { a.service = std::string(v); }},
    {"--assign", false, "patterns", [](Arguments& a, std::string_view) { a.assign = true; }},
    {"--default", true, "ini", [](Arguments& a, std::string_view v) { a.defaultText = v; }},
    {"--csv", true, "run", [](Arguments& a, std::string_view v) { a.csvFile = std::string(v); }},
    {"--html", true, "run", [](Arguments& a, std::string_view v) { a.htmlFile = std::string(v); }},
    {"--record", false, "run", [](Arguments& a, std::string_view) { a.record = true; }},
    {"--db", true, "run history backfill",
     [](Arguments& a, std::string_view v) { a.db = std::string(v); }},
    {"--days", true, "history",
     [](Arguments& a, std::string_view v) { a.days = PositiveNumber("--days", v); }},
};

bool Takes(const OptionRule& rule, std::string_view command) {
    if (rule.commands == "*") return true;
    std::string_view rest = rule.commands;
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        if (rest.substr(0, blank) == command) return true;
        rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    }
    return false;
}

}  // namespace

const std::vector<CommandRule>& Commands() {
    static const std::vector<CommandRule> commands = {
        {"days", 1, 1},    {"scan", 2, 2},     {"run", 2, 2},      {"catalogue", 0, 0},
        {"explain", 1, 1}, {"update", 0, 0},   {"check", 0, 0},    {"ini", 1, 3},
        {"history", 1, 1}, {"backfill", 1, 1}, {"patterns", 1, 1},
    };
    return commands;
}

Arguments ParseArguments(int argc, const char* const* argv) {
    Arguments args;
    std::vector<const OptionRule*> given;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && a.size() > 1 && a[0] == '-') {
            const auto* rule = std::find_if(std::begin(kOptions), std::end(kOptions),
                                            [&](const OptionRule& r) { return r.name == a; });
            if (rule == std::end(kOptions)) throw UsageError("unknown option " + std::string(a));
            std::string_view value;
            if (rule->takesValue) {
                if (i + 1 >= argc) throw UsageError(std::string(a) + " needs a value");
                value = argv[++i];
            }
            rule->apply(args, value);
            given.push_back(rule);
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
    if (args.help) return args;

    if (args.command.empty()) throw UsageError("no command given");
    const auto& commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const CommandRule& c) { return args.command == c.name; });
    if (command == commands.end()) throw UsageError("unknown command " + args.command);
    for (const OptionRule* rule : given)
        if (!Takes(*rule, args.command))
            throw UsageError(args.command + " does not take " + std::string(rule->name));
    if (args.operands.size() < command->minOperands || args.operands.size() > command->maxOperands)
        throw UsageError(args.command + " takes " +
                         (command->minOperands == command->maxOperands
                              ? std::to_string(command->minOperands)
                              : std::to_string(command->minOperands) + " to " +
                                    std::to_string(command->maxOperands)) +
                         " operand(s), not " + std::to_string(args.operands.size()));
    return args;
}

}  // namespace corvane::cli
