// days: the days that have log files in a directory.
#include "cli/Commands.h"
#include "scan/LogDays.h"

namespace corvane::cli {

int DaysCommand(const CommandContext& c) {
    RequireDirectory(c.args.operands[0]);
    for (const std::string& day : ListLogDays(c.args.operands[0])) c.out.Line(day);
    return 0;
}

}  // namespace corvane::cli
