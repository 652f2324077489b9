#include "report/CsvExport.h"

#include <array>

#include "report/ExportFile.h"
#include "report/ExportText.h"
#include "scan/FindingText.h"

namespace corvane {
namespace {

// Spreadsheet programs run a cell that begins with one of these as a formula; log
// lines and catalogue names come from elsewhere and must stay text.
bool ReadAsFormula(std::string_view text) {
    return !text.empty() &&
           std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

// Appends one field, quoted when it holds a delimiter, a quote or a line end, and
// behind an apostrophe when a spreadsheet would take it for a formula.
void AppendField(std::string& record, std::string_view text) {
    const std::string_view guard = ReadAsFormula(text) ? "'" : "";
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        record.append(guard).append(text);
        return;
    }
    record.push_back('"');
    record.append(guard);
    for (char c : text) {
        if (c == '"') record.push_back('"');
        record.push_back(c);
    }
    record.push_back('"');
}

void AppendRecord(std::string& record, const std::array<std::string_view, 7>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) record.push_back(',');
        AppendField(record, fields[i]);
    }
    record.append("\r\n");
}

}  // namespace

void WriteFindingsCsv(const ExportedRun& run, std::ostream& out) {
    using namespace report_text;
    GbkToUtf8Converter converter;
    ErrorNames names(run.catalogue, converter);

    std::string record = "\xEF\xBB\xBF";  // the byte order mark
    AppendRecord(
        record, {kServiceName, kServiceCode, kErrorCode, kErrorName, kTime, kLineNumber, kLogLine});
    out.write(record.data(), static_cast<std::streamsize>(record.size()));

    for (const ServicePass* service : run.services) {
        const std::string serviceName = DisplayText(converter, service->caption);
        const std::string serviceCode = DisplayText(converter, service->serviceCode);
        for (const Finding& found : service->findings) {
            const std::string_view finding = found.text;
            const std::string_view code = found.Code();
            record.clear();
            AppendRecord(record, {serviceName, serviceCode, DisplayText(converter, code),
                                  names.Name(code), DisplayText(converter, TimeField(finding)),
                                  LineNumberText(found), DisplayText(converter, LogLine(finding))});
            out.write(record.data(), static_cast<std::streamsize>(record.size()));
        }
    }
}

void SaveFindingsCsv(const ExportedRun& run, const std::string& path) {
    WriteExportFile(
        path, [&run](std::ostream& out) { WriteFindingsCsv(run, out); }, run.logFiles);
}

}  // namespace corvane
