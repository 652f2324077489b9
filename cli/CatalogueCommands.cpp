// The commands about the catalogues of the program directory: catalogue lists them as
// loaded, explain looks up one error code, update runs the start-up update and check
// warns about what is wrong in them.
#include <algorithm>

#include "catalog/CatalogueCheck.h"
#include "catalog/ErrorCatalogue.h"
#include "catalog/ServiceCatalogue.h"
#include "cli/Commands.h"
#include "cli/Messages.h"
#include "online/CatalogueUpdate.h"
#include "online/ServerConfig.h"

namespace corvane::cli {

int CatalogueCommand(const CommandContext& c) {
    const std::string& programDir = c.options.programDir;
    std::vector<ServiceEntry> services;
    LoadServiceCatalogue(programDir, services);
    for (const ServiceEntry& s : services) {
        c.out.Line("SERVICE\t" + s.code + "\t" + s.caption + "\t" + s.logSubdir + "\t" +
                   s.logPrefix);
        for (const std::string& text : ReadIgnoreList(programDir, s.code)) {
            c.out.Line("IGNORE\t" + s.code + "\t" + text);
        }
    }
    ErrorCatalogue catalogue;
    LoadErrorCatalogue(programDir, catalogue);
    for (const ErrorRecord& rec : catalogue) {
        c.out.Line("ERROR\t" + rec.errorCode + "\t" + rec.serviceCode + "\t" + rec.errorName +
                   "\t" + rec.keyword);
        for (const std::string& line : rec.memo) c.out.Line("MEMO\t" + rec.errorCode + "\t" + line);
    }
    return 0;
}

int ExplainCommand(const CommandContext& c) {
    ErrorCatalogue catalogue;
    LoadErrorCatalogue(c.options.programDir, catalogue);
    c.out.Line(LookupErrorName(c.args.operands[0], catalogue));
    std::vector<std::string> lines;
    LookupExplanation(c.args.operands[0], catalogue, lines);
    for (const std::string& line : lines) c.out.Line(line);
    const std::string& code = c.args.operands[0];
    if (std::none_of(catalogue.begin(), catalogue.end(),
                     [&](const ErrorRecord& rec) { return rec.errorCode == code; })) {
        c.err.Line(Say(Msg::NoSuchErrorCode, {code}));
        return 1;
    }
    return 0;
}

int UpdateCommand(const CommandContext& c) {
    return UpdateCatalogues(c.options.programDir, ReadServerConfig(c.configDir)) ? 0 : 1;
}

int CheckCommand(const CommandContext& c) {
    // Each warning goes out as it is found: a large catalogue can have millions.
    const std::size_t warnings =
        CheckCatalogues(c.options.programDir, [&](const CatalogueWarning& w) {
            c.out.Line(w.file + "\t" + std::to_string(w.line) + "\t" + w.section + "\t" + w.key +
                       "\t" + w.message);
        });
    return warnings == 0 ? 0 : 1;
}

}  // namespace corvane::cli
