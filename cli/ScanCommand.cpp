// scan: every finding of one service's log file.
#include "catalog/ErrorCatalogue.h"
#include "cli/Commands.h"
#include "cli/DayRun.h"
#include "cli/JsonLines.h"
#include "scan/Scanner.h"

namespace corvane::cli {

int ScanCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    RequireService(c.options.programDir, args.operands[0], "scan");
    ErrorCatalogue catalogue;
    LoadErrorCatalogue(c.options.programDir, catalogue);
    const std::optional<ScanResult> scanned =
        ScanForCommand(c, args.operands[0], args.operands[1], catalogue);
    if (!scanned) return 1;
    const ScanResult& scan = *scanned;
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
