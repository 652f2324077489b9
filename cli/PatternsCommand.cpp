// patterns: every non-empty line of a file, or a service's unknown findings in it,
// grouped into patterns.
#include <optional>

#include "catalog/ErrorCatalogue.h"
#include "cli/Commands.h"
#include "cli/DayRun.h"
#include "cli/Messages.h"
#include "patterns/PatternListing.h"
#include "scan/Scanner.h"

namespace corvane::cli {

int PatternsCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    const std::string& path = args.operands[0];
    PatternTuning tuning;
    if (args.tuning && !ParsePatternTuning(*args.tuning, tuning))
        throw UsageError(Say(Msg::BadTuning, {*args.tuning}));
    std::optional<PatternListing> listing;
    if (args.service) {
        RequireService(c.options.programDir, *args.service, "--service");
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(c.options.programDir, catalogue);
        const std::optional<ScanResult> scan = ScanForCommand(c, *args.service, path, catalogue);
        if (!scan) return 1;
        listing = MineUnknownFindingPatterns(scan->findings, c.stop, kDefaultMaxPatterns, tuning);
    } else {
        listing = MineFilePatterns(path, c.stop, kDefaultMaxPatterns, tuning);
    }
    if (!listing) return 1;
    FormatPatternListing(*listing, args.assign, [&](std::string_view line) { c.out.Line(line); });
    return 0;
}

}  // namespace corvane::cli
