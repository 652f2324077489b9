// scan: every finding of one service's log file.
#include "analysis/Scanner.h"
#include "catalog/ErrorCatalogue.h"
#include "cli/Commands.h"

namespace corvane::cli {

int ScanCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    ErrorCatalogue catalogue;
    LoadErrorCatalogue(c.options.programDir, catalogue);
    NullProgressSink row;
    const ScanResult scan = ScanLogFile(args.operands[0], args.operands[1], catalogue, row,
                                        c.dialogs, c.pump, c.options);
    if (scan.outcome == ScanOutcome::ReadFailed) throw ScanReadError(scan.error);
    if (scan.outcome != ScanOutcome::Scanned) return 1;
    for (std::size_t i = 0; i < scan.findings.size(); ++i) {
        if (args.lineNumbers && i < scan.places.size())
            c.out.Write(std::to_string(scan.places[i].line) + "\t");
        c.out.Line(scan.findings[i]);
    }
    return 0;
}

}  // namespace corvane::cli
