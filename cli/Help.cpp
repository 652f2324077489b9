// The help texts and the manual page, all made from the option and command tables.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Commands.h"

namespace corvane::cli {

namespace {

// What each operand word of the synopses stands for.
struct OperandText {
    std::string_view word;
    std::string_view text;
};
constexpr OperandText kOperands[] = {
    {"LOGDIR", "the directory that holds the services' log files"},
    {"DAY", "the day as YYYYMMDD, the eight characters of the log files' names"},
    {"LOGFILE", "one log file, plain or compressed (.gz)"},
    {"SERVICE_CODE", "a service's code in ServiceList.ini"},
    {"CODE", "an error code of ErrorList.ini"},
    {"PATTERN",
     "the text to find, typed in the terminal's character set (with --regex an "
     "expression)"},
    {"FILE", "an INI file"},
    {"SECTION", "a section's name"},
    {"KEY", "a key's name within the section"},
    {"RANK",
     "a pattern's rank among the service's unknown errors, as patterns prints it; several, "
     "separated by commas, for entries that go in one after another"},
};

constexpr std::string_view kUsage = "usage: corvane-scan ";

std::string OptionName(const Option& o) {
    std::string name(o.name);
    if (!o.value.empty()) name.append(" ").append(o.value);
    return name;
}

// The operand words of a synopsis: those in capitals, without their brackets.
std::vector<const OperandText*> OperandsOf(const Command& command) {
    std::vector<const OperandText*> operands;
    std::string_view rest = command.synopsis;
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        std::string_view word = rest.substr(0, blank);
        rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
        while (!word.empty() && word.front() == '[') word.remove_prefix(1);
        while (!word.empty() && word.back() == ']') word.remove_suffix(1);
        // A repeated operand (RANK[,RANK...]) is described once.
        word = word.substr(0, word.find('['));
        for (const OperandText& operand : kOperands)
            if (operand.word == word) operands.push_back(&operand);
    }
    return operands;
}

// The options a command takes, every command's last.
std::vector<const Option*> OptionsOf(const Command* command) {
    std::vector<const Option*> options;
    for (const bool every : {false, true})
        for (const Option& o : Options())
            if (!o.description.empty() && o.everyCommand == every &&
                (every || (command != nullptr && Takes(*command, o.name))))
                options.push_back(&o);
    return options;
}

// Each entry as "  NAME  first line", its further lines below the first, with the
// names of one list padded to the longest.
void AppendEntries(
    const std::vector<std::pair<std::string, std::vector<std::string_view>>>& entries,
    std::string& text) {
    std::size_t width = 0;
    for (const auto& entry : entries) width = std::max(width, entry.first.size());
    for (const auto& [name, lines] : entries) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string shown = i == 0 ? name : std::string();
            text.append("  ").append(shown).append(width - shown.size() + 2, ' ');
            text.append(lines[i]).append("\n");
        }
    }
}

void AppendOptions(const std::vector<const Option*>& options, std::string& text) {
    std::vector<std::pair<std::string, std::vector<std::string_view>>> entries;
    for (const Option* o : options) entries.emplace_back(OptionName(*o), o->description);
    AppendEntries(entries, text);
}

std::string CommandUsage(const Command& command) {
    std::string_view synopsis = command.synopsis;
    // "history backfill LOGDIR": the options stand after both words.
    const std::size_t words = command.name == "backfill" ? 2 : 1;
    std::size_t end = 0;
    for (std::size_t i = 0; i < words && end != std::string_view::npos; ++i)
        end = synopsis.find(' ', end + (i > 0 ? 1 : 0));
    std::string usage(synopsis.substr(0, end));
    usage += " [OPTION...]";
    if (end != std::string_view::npos) usage.append(synopsis.substr(end));
    return usage;
}

// Roff: backslashes and minus signs escaped, a control character at a line's
// start made text.
std::string Roff(std::string_view text) {
    std::string out;
    if (!text.empty() && (text.front() == '.' || text.front() == '\'')) out += "\\&";
    for (const char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    return out;
}

std::string Joined(const std::vector<std::string_view>& lines) {
    std::string text;
    for (const std::string_view line : lines) {
        if (!text.empty()) text += ' ';
        text += line;
    }
    return text;
}

}  // namespace

std::string GeneralHelp() {
    std::string text(kUsage);
    text += "[OPTION...] COMMAND [OPTION...] [--] [OPERAND...]\n\n";
    std::vector<std::pair<std::string, std::vector<std::string_view>>> entries;
    for (const Command& c : Commands()) entries.emplace_back(c.synopsis, c.description);
    AppendEntries(entries, text);
    text += "\nOptions of every command:\n";
    AppendOptions(OptionsOf(nullptr), text);
    text +=
        "\n\"corvane-scan COMMAND --help\" lists the options of that command.  Options stand\n"
        "before the command or between it and the first operand; the first operand or --\n"
        "ends them.  Text is shown in the locale's character set: UTF-8 under a UTF-8\n"
        "locale, the GBK bytes as held otherwise.  Usage errors exit with 2, failures\n"
        "with 1.\n";
    return text;
}

std::string CommandHelp(const Command& command) {
    std::string text(kUsage);
    text += CommandUsage(command) + "\n\n";
    for (const std::string_view line : command.description) text.append(line).append("\n");
    const std::vector<const OperandText*> operands = OperandsOf(command);
    if (!operands.empty()) {
        text += "\nOperands:\n";
        std::vector<std::pair<std::string, std::vector<std::string_view>>> entries;
        for (const OperandText* o : operands) entries.push_back({std::string(o->word), {o->text}});
        AppendEntries(entries, text);
    }
    text += "\nOptions:\n";
    AppendOptions(OptionsOf(&command), text);
    text += "\nExample:\n  ";
    text.append(command.example).append("\n");
    return text;
}

std::string UsageLine(const Command* command) {
    if (command == nullptr)
        return std::string(kUsage) + "[OPTION...] COMMAND [OPTION...] [OPERAND...]";
    return std::string(kUsage) + CommandUsage(*command);
}

std::string ManPage() {
    std::string page =
        ".\\\" Made by \"corvane-scan --man\" from the program's command and option tables.\n"
        ".TH CORVANE-SCAN 1 \"\" \"corvane-log-analyzer\" \"User Commands\"\n"
        ".SH NAME\n"
        "corvane-scan \\- analyse Corvane service logs on the command line\n"
        ".SH SYNOPSIS\n"
        ".B corvane-scan\n"
        ".RI [ OPTION ...]\n"
        ".I COMMAND\n"
        ".RI [ OPTION ...]\n"
        ".RB [ \\-\\- ]\n"
        ".RI [ OPERAND ...]\n"
        ".SH DESCRIPTION\n"
        ".B corvane-scan\n"
        "runs the analyser's core without a window: it scans the log files of a day against\n"
        "the service catalogue\n"
        ".I ServiceList.ini\n"
        "and the error catalogue\n"
        ".IR ErrorList.ini ,\n"
        "and prints the findings and counts.\n"
        "Options stand before the command or between it and the first operand; the first\n"
        "operand or\n"
        ".B \\-\\-\n"
        "ends them.\n"
        ".PP\n"
        "Text follows the locale: under a UTF-8 locale the logs' and catalogues' GBK text is\n"
        "shown in UTF-8 and typed text (a PATTERN, names) is read as UTF-8; under a GBK or\n"
        "GB18030 locale, and the C locale, the bytes are shown and read as the files hold\n"
        "them.\n"
        ".B \\-\\-gbk\n"
        "and\n"
        ".B \\-\\-utf8\n"
        "choose either whatever the locale;\n"
        ".B \\-\\-json\n"
        "output is UTF-8 always.\n"
        "Messages are in Chinese under a zh_* locale (LC_MESSAGES), in English otherwise.\n"
        ".SH COMMANDS\n";
    for (const Command& command : Commands()) {
        page += ".SS " + Roff(command.synopsis) + "\n";
        page += Roff(Joined(command.description)) + "\n";
        for (const OperandText* o : OperandsOf(command))
            page += ".TP\n.I " + std::string(o->word) + "\n" + Roff(o->text) + "\n";
        for (const Option* o : OptionsOf(&command)) {
            if (o->everyCommand) continue;
            page += ".TP\n.B " + Roff(OptionName(*o)) + "\n" + Roff(Joined(o->description)) + "\n";
        }
        page += ".PP\nExample:\n.RS\n.nf\n" + Roff(command.example) + "\n.fi\n.RE\n";
    }
    page += ".SH OPTIONS\nEvery command takes these.\n";
    for (const Option* o : OptionsOf(nullptr))
        page += ".TP\n.B " + Roff(OptionName(*o)) + "\n" + Roff(Joined(o->description)) + "\n";
    page +=
        ".SH ENVIRONMENT\n"
        ".TP\n"
        ".BR LC_ALL \", \" LC_CTYPE \", \" LANG\n"
        "the character set of the output and of typed text (UTF-8, or the bytes as held)\n"
        ".TP\n"
        ".BR LC_ALL \", \" LC_MESSAGES \", \" LANG\n"
        "the language of the messages (Chinese for zh_*, English otherwise)\n"
        ".SH FILES\n"
        ".TP\n"
        ".I /opt/corvane-log-analyzer/\n"
        "the executables and Server.ini (the update and report server), root's alone\n"
        ".TP\n"
        ".I /var/lib/corvane-log-analyzer/\n"
        "ServiceList.ini, ErrorList.ini and Version.ini; members of the group corvane may\n"
        "update the catalogues\n"
        ".TP\n"
        ".I /usr/share/corvane-log-analyzer/demo/\n"
        "demo catalogues and logs\n"
        ".TP\n"
        ".I ~/.local/share/corvane/history.sqlite\n"
        "the run history\n"
        ".SH EXIT STATUS\n"
        "0 on success, 1 on a failure (its message on standard error), 2 on a usage error.\n"
        ".SH SEE ALSO\n"
        ".BR corvane-log-analyzer (1)\n";
    return page;
}

}  // namespace corvane::cli
