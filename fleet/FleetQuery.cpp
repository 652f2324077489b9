#include "fleet/FleetQuery.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "base/GbkUtf8.h"
#include "catalog/GbkText.h"
#include "fleet/Json.h"
#include "fleet/LineProtocol.h"

namespace corvane {

namespace {

// How far back "already had it" and the latest day look.
constexpr int kLookbackDays = 400;

std::string UrlEncoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
            c == '-' || c == '_' || c == '.' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    return out;
}

// A label value in a PromQL selector: UTF-8, in double quotes, escaped.
std::string Quoted(std::string_view gbk) {
    std::string out = "\"";
    for (const char c : GbkToUtf8(gbk)) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + "\"";
}

// The server's UTF-8 as the GBK the core holds; a text without a GBK form stays as sent.
std::string HeldText(const std::string& utf8) {
    try {
        if (std::optional<std::string> gbk = FromUtf8(utf8, "GB18030")) return *gbk;
    } catch (const ConversionUnavailable&) {
    }
    return utf8;
}

std::string Selector(const std::string& service, const std::string& notInstallation = {}) {
    std::string selector = "corvane_errors_count";
    std::vector<std::string> matchers;
    if (!service.empty()) matchers.push_back("service=" + Quoted(service));
    if (!notInstallation.empty()) matchers.push_back("installation!=" + Quoted(notInstallation));
    if (matchers.empty()) return selector;
    selector += "{";
    for (std::size_t i = 0; i < matchers.size(); ++i) selector += (i > 0 ? "," : "") + matchers[i];
    return selector + "}";
}

// A day's samples: those at its midnight.  The query looks back the day's length (23
// to 25 hours where the clock changes) from a millisecond before the next midnight.
struct DayWindow {
    std::string range;  // "[86400s]"
    std::string time;   // the query's time
};

std::optional<DayWindow> WindowOf(const std::string& day) {
    const std::optional<DaySpan> span = DaySpanOf(day);
    if (!span) return std::nullopt;
    return DayWindow{"[" + std::to_string(span->end - span->midnight) + "s]",
                     std::to_string(span->end - 1) + ".999"};
}

// WindowOf, or nothing with `error` saying that the day is no date.
std::optional<DayWindow> WindowOf(const std::string& day, std::string& error) {
    std::optional<DayWindow> window = WindowOf(day);
    if (!window) error = std::string(gbk::kMsgMetricsNoDate) + day;
    return window;
}

std::int64_t Count(double value) { return static_cast<std::int64_t>(std::llround(value)); }

}  // namespace

FleetClient::FleetClient(std::string url, HttpLimits limits)
    : url_(std::move(url)), limits_(std::move(limits)) {}

// The result array of the server's answer to `address`, or null with `error` set.
const JsonValue* FleetClient::Ask(const std::string& address, std::optional<JsonValue>& answer,
                                  std::string& error) const {
    const HttpReply reply = HttpExchange(address, std::nullopt, limits_);
    answer = ParseJson(reply.body);
    const JsonValue* status = answer ? answer->Find("status") : nullptr;
    if (!reply.Ok() || status == nullptr || status->text != "success") {
        const JsonValue* said = answer ? answer->Find("error") : nullptr;
        error = std::string(gbk::kMsgFleetQueryFailed) +
                (said != nullptr ? HeldText(said->text) : reply.error);
        return nullptr;
    }
    const JsonValue* data = answer->Find("data");
    const JsonValue* result = data != nullptr ? data->Find("result") : nullptr;
    if (result == nullptr || result->type != JsonValue::Type::Array) {
        error = std::string(gbk::kMsgFleetQueryFailed) + "no result";
        return nullptr;
    }
    return result;
}

bool FleetClient::QueryRange(const std::string& promql, const std::string& start,
                             const std::string& end, const std::string& step,
                             std::vector<Series>& out, std::string& error) const {
    std::optional<JsonValue> answer;
    const JsonValue* result =
        Ask(url_ + "/api/v1/query_range?query=" + UrlEncoded(promql) + "&start=" + start +
                "&end=" + end + "&step=" + step + "&nocache=1",
            answer, error);
    if (result == nullptr) return false;
    out.clear();
    for (const JsonValue& item : result->items) {
        const JsonValue* metric = item.Find("metric");
        const JsonValue* values = item.Find("values");
        if (metric == nullptr || values == nullptr) continue;
        Series series;
        for (const auto& [key, text] : metric->members) series.labels[key] = HeldText(text.text);
        for (const JsonValue& point : values->items)
            if (point.items.size() == 2)
                series.points.emplace_back(point.items[0].number,
                                           std::strtod(point.items[1].text.c_str(), nullptr));
        out.push_back(std::move(series));
    }
    return true;
}

bool FleetClient::Query(const std::string& promql, const std::string& time,
                        std::vector<Sample>& out, std::string& error) const {
    std::string address = url_ + "/api/v1/query?query=" + UrlEncoded(promql);
    if (!time.empty()) address += "&time=" + time;
    std::optional<JsonValue> answer;
    const JsonValue* result = Ask(address, answer, error);
    if (result == nullptr) return false;
    out.clear();
    for (const JsonValue& item : result->items) {
        const JsonValue* metric = item.Find("metric");
        const JsonValue* value = item.Find("value");
        if (metric == nullptr || value == nullptr || value->items.size() != 2) continue;
        Sample sample;
        for (const auto& [key, text] : metric->members) sample.labels[key] = HeldText(text.text);
        sample.value = std::strtod(value->items[1].text.c_str(), nullptr);
        out.push_back(std::move(sample));
    }
    return true;
}

std::optional<std::string> FleetClient::LatestDay(std::string& error) const {
    std::vector<Sample> samples;
    const std::string promql =
        "max(tlast_over_time(corvane_errors_count[" + std::to_string(kLookbackDays) + "d]))";
    if (!Query(promql, {}, samples, error) || samples.empty()) return std::nullopt;
    const auto time = static_cast<std::time_t>(samples.front().value);
    std::tm tm{};
    char text[16];
    if (::localtime_r(&time, &tm) == nullptr ||
        std::strftime(text, sizeof text, "%Y%m%d", &tm) != 8)
        return std::nullopt;
    return std::string(text);
}

bool FleetClient::Day(const std::string& day, const std::string& service, FleetDay& out,
                      std::string& error) const {
    const std::optional<DayWindow> window = WindowOf(day, error);
    if (!window) return false;
    const std::string last = "last_over_time(" + Selector(service) + window->range + ")";
    std::vector<Sample> perService, perCode, installations;
    if (!Query("sum by (installation, service, kind) (" + last + ")", window->time, perService,
               error) ||
        !Query("sum by (code) (" + last + ")", window->time, perCode, error) ||
        !Query("count by (code) (sum by (code, installation) (" + last + ") > 0)", window->time,
               installations, error))
        return false;

    out = FleetDay{day, {}, {}};
    std::map<std::pair<std::string, std::string>, FleetRow> rows;
    for (Sample& sample : perService) {
        FleetRow& row = rows[{sample.labels["installation"], sample.labels["service"]}];
        row.installation = sample.labels["installation"];
        row.service = sample.labels["service"];
        (sample.labels["kind"] == kMetricsUnknown ? row.unknown : row.known) += Count(sample.value);
    }
    for (auto& [key, row] : rows) out.rows.push_back(std::move(row));
    std::map<std::string, FleetCode> codes;
    for (Sample& sample : perCode) {
        if (Count(sample.value) == 0) continue;
        FleetCode& code = codes[sample.labels["code"]];
        code.code = sample.labels["code"];
        code.count = Count(sample.value);
    }
    for (Sample& sample : installations) {
        const auto code = codes.find(sample.labels["code"]);
        if (code != codes.end()) code->second.installations = Count(sample.value);
    }
    for (auto& [key, code] : codes) out.codes.push_back(std::move(code));
    return true;
}

bool FleetClient::Totals(const std::string& first, const std::string& last,
                         const std::string& service, std::vector<FleetTotal>& out,
                         std::string& error) const {
    out.clear();
    if (!WindowOf(first, error)) return false;
    std::vector<DayWindow> windows;  // one per day of `out`
    bool evenDays = true;            // no change of the clock: every day 86,400 s long
    for (std::optional<std::string> day = first; day && *day <= last; day = DayAfter(*day, 1)) {
        std::optional<DayWindow> window = WindowOf(*day);
        if (!window) break;
        evenDays = evenDays && window->range == "[86400s]";
        out.push_back(FleetTotal{*day, 0, 0});
        windows.push_back(std::move(*window));
    }
    if (out.empty()) return true;
    const std::string perKind = "sum by (kind) (last_over_time(" + Selector(service);
    if (evenDays) {
        // One query for all the days: a point at the end of each.
        const std::string& start = windows.front().time;
        const std::string& end = windows.back().time;
        std::vector<Series> series;
        if (!QueryRange(perKind + "[86400s]))", start, end, "86400s", series, error)) return false;
        const double firstEnd = std::strtod(start.c_str(), nullptr);
        for (Series& one : series)
            for (const auto& [time, value] : one.points) {
                const auto index =
                    static_cast<std::size_t>(std::llround((time - firstEnd) / 86400));
                if (index >= out.size()) continue;
                (one.labels["kind"] == kMetricsUnknown ? out[index].unknown : out[index].known) +=
                    Count(value);
            }
        return true;
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::vector<Sample> samples;
        if (!Query(perKind + windows[i].range + "))", windows[i].time, samples, error))
            return false;
        for (Sample& sample : samples)
            (sample.labels["kind"] == kMetricsUnknown ? out[i].unknown : out[i].known) +=
                Count(sample.value);
    }
    return true;
}

bool FleetClient::CodeInstallations(const std::string& day, const std::string& service,
                                    std::map<std::string, std::vector<std::string>>& out,
                                    std::string& error) const {
    const std::optional<DayWindow> window = WindowOf(day, error);
    if (!window) return false;
    std::vector<Sample> samples;
    if (!Query("sum by (code, installation) (last_over_time(" + Selector(service) + window->range +
                   ")) > 0",
               window->time, samples, error))
        return false;
    out.clear();
    for (Sample& sample : samples)
        out[sample.labels["code"]].push_back(sample.labels["installation"]);
    for (auto& [code, names] : out) std::sort(names.begin(), names.end());
    return true;
}

bool FleetClient::OthersWithCodes(const std::string& day, const std::string& installation,
                                  std::map<std::string, std::int64_t>& out,
                                  std::string& error) const {
    const std::optional<DayWindow> window = WindowOf(day, error);
    if (!window) return false;
    std::vector<Sample> samples;
    if (!Query("count by (code) (max by (code, installation) (max_over_time(" +
                   Selector({}, installation) + "[" + std::to_string(kLookbackDays) + "d])) > 0)",
               window->time, samples, error))
        return false;
    out.clear();
    for (Sample& sample : samples) out[sample.labels["code"]] = Count(sample.value);
    return true;
}

}  // namespace corvane
