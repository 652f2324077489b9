#include "cli/Commands.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <optional>

#include "base/GbkUtf8.h"
#include "catalog/ProgramDir.h"
#include "cli/Messages.h"

namespace corvane::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"days",
         1,
         1,
         "",
         "days LOGDIR",
         {"the days that have log files in LOGDIR, in directory order"},
         "corvane-scan days /usr/share/corvane-log-analyzer/demo/logs",
         0,
         &DaysCommand},
        {"scan",
         2,
         2,
         "--program-dir --threads --line-numbers --json",
         "scan SERVICE_CODE LOGFILE",
         {"every finding of LOGFILE, then the unknown and known counts"},
         "corvane-scan scan --line-numbers GW "
         "/usr/share/corvane-log-analyzer/demo/logs/Gateway20261201.log",
         0,
         &ScanCommand},
        {"run",
         2,
         2,
         "--program-dir --threads --csv --html --record --db --json",
         "run LOGDIR DAY",
         {"name, known and unknown count of every service with a log", "file for DAY"},
         "corvane-scan run /usr/share/corvane-log-analyzer/demo/logs 20261201",
         2,
         &RunCommand},
        {"follow",
         1,
         2,
         "--program-dir --json --from-start",
         "follow LOGDIR [DAY]",
         {"the findings of every service's log file for DAY (default:",
          "today, then the next days) as the files grow, until SIGINT",
          "or SIGTERM; \"SERVICE_CODE<TAB>lineNumber<TAB>finding\""},
         "corvane-scan follow --from-start /var/log/corvane",
         2,
         &FollowCommand},
        {"grep",
         3,
         3,
         "--program-dir --threads --regex --case-sensitive --services --json",
         "grep PATTERN LOGDIR DAY",
         {"every line of DAY's log files that holds PATTERN, as",
          "\"SERVICE_CODE<TAB>LINE_NUMBER<TAB>LINE\", services in catalogue",
          "order; exit 0 with matches, 1 without, 2 for a bad PATTERN"},
         "corvane-scan grep --services GW,MQ timeout /usr/share/corvane-log-analyzer/demo/logs "
         "20261202",
         3,
         &GrepCommand},
        {"timeline",
         2,
         2,
         "--program-dir --threads --services --minutes --json",
         "timeline LOGDIR DAY",
         {"the findings of DAY per slot of --minutes, each service in",
          "catalogue order, its slots in time order (those without a",
          "time first): \"SERVICE_CODE<TAB>HH:MM<TAB>KNOWN<TAB>UNKNOWN\""},
         "corvane-scan timeline --minutes 60 /usr/share/corvane-log-analyzer/demo/logs 20261202",
         2,
         &TimelineCommand},
        {"merge",
         2,
         2,
         "--program-dir --services --from --to --json",
         "merge LOGDIR DAY",
         {"every line of DAY's log files in time order (a line without a",
          "time takes the earlier line's; each file keeps its own order):",
          "\"HH:MM:SS<TAB>SERVICE_CODE<TAB>LINE_NUMBER<TAB>CODE<TAB>LINE\",",
          "CODE the line's finding's or -"},
         "corvane-scan merge --from 10:00:00 --to 10:20:00 "
         "/usr/share/corvane-log-analyzer/demo/logs 20261202",
         2,
         &MergeCommand},
        {"catalogue",
         0,
         0,
         "--program-dir",
         "catalogue",
         {"the service and error catalogues as loaded"},
         "corvane-scan catalogue --program-dir /usr/share/corvane-log-analyzer/demo",
         0,
         &CatalogueCommand},
        {"explain",
         1,
         1,
         "--program-dir",
         "explain CODE",
         {"the name and explanation lines of an error code"},
         "corvane-scan explain 101",
         0,
         &ExplainCommand},
        {"update",
         0,
         0,
         "--program-dir",
         "update",
         {"the start-up catalogue update; exit 0 when Version.ini was", "replaced, 1 otherwise"},
         "corvane-scan update",
         0,
         &UpdateCommand},
        {"check",
         0,
         0,
         "--program-dir",
         "check",
         {"warnings about the catalogues: file, line, section, key,",
          "message, separated by TAB; exit 1 when there are any"},
         "corvane-scan check --program-dir /usr/share/corvane-log-analyzer/demo",
         0,
         &CheckCommand},
        {"ini",
         1,
         3,
         "--default",
         "ini FILE [SECTION [KEY]]",
         {"what the program reads from an INI file: the section names,",
          "a section's key names, or a value"},
         "corvane-scan ini /var/lib/corvane-log-analyzer/ServiceList.ini SERVICELIST",
         0,
         &IniCommand},
        {"history",
         0,
         1,
         "--service --db --days --unsent",
         "history LOGDIR",
         {"day, service code, known and unknown count and marks of",
          "each recorded day of LOGDIR (new:CODE, spike:CODE); with",
          "--unsent and no LOGDIR, \"INSTALLATION<TAB>DAY<TAB>SERVICE_CODE\"",
          "of each service day the metrics server has not taken yet"},
         "corvane-scan history --days 7 /var/log/corvane",
         0,
         &HistoryCommand},
        {"backfill",
         1,
         1,
         "--program-dir --threads --db",
         "history backfill LOGDIR",
         {"analyse every day of LOGDIR and record each in the history"},
         "corvane-scan history backfill /var/log/corvane",
         0,
         &HistoryCommand},
        {"patterns",
         1,
         1,
         "--program-dir --threads --service --assign --tuning",
         "patterns LOGFILE",
         {"the lines of LOGFILE (with --service: the service's unknown",
          "errors) grouped into patterns, \"count<TAB>pattern\" largest",
          "first; with --assign \"lineNumber<TAB>patternRank\" per line"},
         "corvane-scan patterns --service GW "
         "/usr/share/corvane-log-analyzer/demo/logs/Gateway20261202.log",
         0,
         &PatternsCommand},
        {"draft",
         2,
         2,
         "--program-dir --threads --service --write --name --memo",
         "draft RANK[,RANK...] LOGFILE",
         {"the ErrorList.ini entry for the pattern of that rank among the",
          "unknown errors of --service (ranks as patterns prints them);",
          "with --write it is added to ErrorList.ini, with --name and",
          "--memo as its name and explanation; several ranks give entries",
          "added one after another, in the order in which each takes",
          "exactly its pattern's lines"},
         "corvane-scan draft --service GW 1 "
         "/usr/share/corvane-log-analyzer/demo/logs/Gateway20261202.log",
         0,
         &DraftCommand},
        {"fleet",
         0,
         1,
         "--program-dir --service --days --json",
         "fleet [DAY]",
         {"what every installation sent to the metrics server for DAY",
          "(default: the latest day sent):",
          "\"INSTALLATION<TAB>SERVICE_CODE<TAB>KNOWN<TAB>UNKNOWN\" by",
          "installation and service, then \"CODE<TAB>INSTALLATIONS<TAB>COUNT\"",
          "by code; with --days N then \"DAY<TAB>KNOWN<TAB>UNKNOWN\" of each",
          "of the N days before DAY"},
         "corvane-scan fleet --days 7 20261202",
         1,
         &FleetCommand},
    };
    return commands;
}

const Command* FindCommand(std::string_view name) {
    const std::vector<Command>& commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Command& c) { return c.name == name; });
    return command == commands.end() ? nullptr : &*command;
}

bool Takes(const Command& command, std::string_view option) {
    std::string_view rest = command.options;
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        if (rest.substr(0, blank) == option) return true;
        rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    }
    return false;
}

ProgramDirs ProgramDirsOf(const Arguments& args) {
    if (!args.programDir) return RunningProgramDirs();
    std::string dir = *args.programDir;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

std::string Utf8ToGbk(const std::string& text) {
    const std::optional<std::string> gbk = FromUtf8(text, "GBK");
    if (!gbk) throw UsageError(Say(Msg::NotGbkText, {text}));
    return *gbk;
}

std::string TypedText(const CommandContext& c, const std::string& text) {
    return c.text == TextForm::Utf8 ? Utf8ToGbk(text) : text;
}

std::vector<ServiceEntry> ChosenServices(std::vector<ServiceEntry> services,
                                         const std::string& list) {
    std::vector<std::string> codes;
    for (std::size_t from = 0;;) {
        const std::size_t comma = list.find(',', from);
        codes.push_back(list.substr(from, comma - from));
        if (comma == std::string::npos) break;
        from = comma + 1;
    }
    for (const std::string& code : codes) {
        if (std::none_of(services.begin(), services.end(),
                         [&](const ServiceEntry& s) { return s.code == code; }))
            throw UsageError(Say(Msg::NoSuchService, {"--services", code}));
    }
    std::erase_if(services, [&](const ServiceEntry& s) {
        return std::find(codes.begin(), codes.end(), s.code) == codes.end();
    });
    return services;
}

void RequireDirectory(const std::string& path) {
    DIR* dir = ::opendir(path.empty() ? "/" : path.c_str());
    if (dir == nullptr) throw Failure(Say(Msg::CannotReadDirectory, {path, std::strerror(errno)}));
    ::closedir(dir);
}

void RequireService(const std::string& programDir, const std::string& code,
                    std::string_view where) {
    std::vector<ServiceEntry> services;
    LoadServiceCatalogue(programDir, services);
    if (std::none_of(services.begin(), services.end(),
                     [&](const ServiceEntry& s) { return s.code == code; }))
        throw UsageError(Say(Msg::NoSuchService, {where, code}));
}

}  // namespace corvane::cli
