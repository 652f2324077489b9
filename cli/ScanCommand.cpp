// scan: every finding of one service's log file.
#include "catalog/ErrorCatalogue.h"
#include "cli/Commands.h"
#include "cli/JsonLines.h"
#include "scan/Scanner.h"

namespace corvane::cli {

int ScanCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    ErrorCatalogue catalogue;
    LoadErrorCatalogue(c.options.programDir, catalogue);
    NullProgressSink row;
    const ScanResult scan = ScanLogFile(args.operands[0], args.operands[1], catalogue, row,
                                        c.dialogs, c.pump, c.stop, c.options);
    if (scan.outcome == ScanOutcome::ReadFailed) throw ScanReadError(scan.error);
    if (scan.outcome != ScanOutcome::Scanned) return 1;
    if (args.json) {
        // JSON is UTF-8 already: the bytes go out as they are, whatever --utf8 says.
        LineWriter json(stdout, false);
        for (const Finding& finding : scan.findings)
            json.Line(FindingJson(args.operands[0], finding, catalogue));
        json.Line(JsonObject("counts")
                      .Number("unknown", scan.unknown)
                      .Number("known", scan.known)
                      .Line());
        json.Flush();
        return 0;
    }
    // The list as it is printed: the findings, then the unknown count, then the known
    // count.  Only findings get a line number.
    for (const Finding& finding : scan.findings) {
        if (args.lineNumbers) c.out.Write(std::to_string(finding.place.line) + "\t");
        c.out.Line(finding.text);
    }
    c.out.Line(std::to_string(scan.unknown));
    c.out.Line(std::to_string(scan.known));
    return 0;
}

}  // namespace corvane::cli
