// patterns: every non-empty line of a file, or a service's unknown findings in it,
// grouped into patterns.
#include <optional>

#include "catalog/ErrorCatalogue.h"
#include "cli/Commands.h"
#include "patterns/PatternListing.h"
#include "scan/Scanner.h"

namespace corvane::cli {

int PatternsCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    const std::string& path = args.operands[0];
    PatternTuning tuning;
    if (args.tuning && !ParsePatternTuning(*args.tuning, tuning))
        throw UsageError(
            "--tuning takes name=value pairs (similarity=0..100, wordcost=0..64, "
            "glued, stamps, punct, optional =0|1), not \"" +
            *args.tuning + "\"");
    std::optional<PatternListing> listing;
    if (args.service) {
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(c.options.programDir, catalogue);
        NullProgressSink row;
        const ScanResult scan =
            ScanLogFile(*args.service, path, catalogue, row, c.dialogs, c.pump, c.stop, c.options);
        if (scan.outcome == ScanOutcome::ReadFailed) throw ScanReadError(scan.error);
        if (scan.outcome != ScanOutcome::Scanned) return 1;
        listing =
            MineUnknownFindingPatterns(scan.findings, nullptr, c.stop, kDefaultMaxPatterns, tuning);
    } else {
        listing = MineFilePatterns(path, nullptr, c.stop, kDefaultMaxPatterns, tuning);
    }
    if (!listing) return 1;
    FormatPatternListing(*listing, args.assign, [&](std::string_view line) { c.out.Line(line); });
    return 0;
}

}  // namespace corvane::cli
