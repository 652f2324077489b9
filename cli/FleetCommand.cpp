// fleet: what every installation sent to the metrics server for a day.
#include <string>
#include <vector>

#include "catalog/GbkText.h"
#include "cli/Commands.h"
#include "cli/JsonLines.h"
#include "cli/Messages.h"
#include "fleet/FleetQuery.h"
#include "fleet/LineProtocol.h"
#include "fleet/MetricsConfig.h"

namespace corvane::cli {

int FleetCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    const std::optional<MetricsConfig> config = ReadMetricsConfig(c.configDir);
    if (!config) {
        c.err.Line(std::string(gbk::kMsgFleetNoMetrics) + c.configDir + "Server.ini");
        return 1;
    }
    const FleetClient fleet(config->url);
    std::string error;
    std::string day;
    if (!args.operands.empty()) {
        day = args.operands[0];
    } else {
        const std::optional<std::string> latest = fleet.LatestDay(error);
        if (!latest) {
            c.err.Line(error.empty() ? Say(Msg::FleetNothingSent) : error);
            return 1;
        }
        day = *latest;
    }
    const std::string service = args.service ? TypedText(c, *args.service) : std::string();
    FleetDay table;
    std::vector<FleetTotal> totals;
    if (!fleet.Day(day, service, table, error) ||
        (args.days > 0 && !fleet.Totals(DayAfter(day, -args.days).value_or(day),
                                        DayAfter(day, -1).value_or(day), service, totals, error))) {
        c.err.Line(error);
        return 1;
    }

    if (args.json) {
        LineWriter json(stdout, false);
        json.Line(JsonObject("fleet").Text("day", day).Line());
        for (const FleetRow& row : table.rows)
            json.Line(JsonObject("service")
                          .Text("installation", row.installation)
                          .Text("service", row.service)
                          .Number("known", row.known)
                          .Number("unknown", row.unknown)
                          .Line());
        for (const FleetCode& code : table.codes)
            json.Line(JsonObject("code")
                          .Text("code", code.code)
                          .Number("installations", code.installations)
                          .Number("count", code.count)
                          .Line());
        for (const FleetTotal& total : totals)
            json.Line(JsonObject("day")
                          .Text("day", total.day)
                          .Number("known", total.known)
                          .Number("unknown", total.unknown)
                          .Line());
        json.Flush();
        return 0;
    }
    for (const FleetRow& row : table.rows)
        c.out.Line(row.installation + "\t" + row.service + "\t" + std::to_string(row.known) + "\t" +
                   std::to_string(row.unknown));
    for (const FleetCode& code : table.codes)
        c.out.Line(code.code + "\t" + std::to_string(code.installations) + "\t" +
                   std::to_string(code.count));
    for (const FleetTotal& total : totals)
        c.out.Line(total.day + "\t" + std::to_string(total.known) + "\t" +
                   std::to_string(total.unknown));
    return 0;
}

}  // namespace corvane::cli
