// Fuzz target: the catalogue loaders and the catalogue check on arbitrary files.  The
// input is split at its first 0xFF 0xFF pair into ServiceList.ini and ErrorList.ini.  The
// error catalogue must equal one built from the plain reference reader, every warning
// must name a line of its file, and the look-ups must hold for every loaded code.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "ReferenceIni.h"
#include "catalog/CatalogueCheck.h"
#include "catalog/ErrorCatalogue.h"
#include "catalog/GbkText.h"
#include "catalog/ServiceCatalogue.h"

namespace {

using corvane::ErrorCatalogue;
using corvane::ErrorRecord;
namespace gbk = corvane::gbk;

// LoadErrorCatalogue's steps over the reference reader.
ErrorCatalogue ReferenceErrors(const std::string& text) {
    const corvane::testing_support::ReferenceIni ini(text);
    ErrorCatalogue catalogue;
    const std::string list(gbk::kSecErrorList);
    for (const std::string& key : ini.ReadSection(list)) {
        ErrorRecord rec;
        rec.errorCode = ini.ReadString(list, key, "");
        const std::string section = std::string(gbk::kSecErrorPrefix) + rec.errorCode;
        rec.serviceCode = ini.ReadString(section, gbk::kKeyOwnerService, "");
        rec.errorName = ini.ReadString(section, gbk::kKeyErrorName, "");
        rec.keyword = ini.ReadString(section, gbk::kKeyKeyword, "");
        const std::string memo = section + std::string(gbk::kSecMemoSuffix);
        for (const std::string& name : ini.ReadSection(memo)) {
            const std::string line = name + "=" + ini.ReadString(memo, name, "");
            rec.memo.push_back(line.size() > 3 ? line.substr(3) : std::string());
        }
        catalogue.push_back(std::move(rec));
    }
    return catalogue;
}

std::size_t LineCount(const std::string& text) {
    std::size_t lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lines;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using corvane::fuzz::Fail;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find("\xff\xff");
    const std::string services = input.substr(0, split);
    const std::string errors = split == std::string::npos ? std::string() : input.substr(split + 2);
    corvane::fuzz::WriteScratch("ServiceList.ini", services);
    corvane::fuzz::WriteScratch("ErrorList.ini", errors);
    const std::string& dir = corvane::fuzz::ScratchDir();

    std::vector<corvane::ServiceEntry> rows;
    corvane::LoadServiceCatalogue(dir, rows);
    for (const auto& row : rows) corvane::ReadIgnoreList(dir, row.code);

    ErrorCatalogue catalogue;
    corvane::LoadErrorCatalogue(dir, catalogue);
    const ErrorCatalogue expected = ReferenceErrors(errors);
    if (catalogue.size() != expected.size()) Fail("catalogue size");
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const ErrorRecord& a = catalogue[i];
        const ErrorRecord& b = expected[i];
        if (a.errorCode != b.errorCode || a.serviceCode != b.serviceCode ||
            a.errorName != b.errorName || a.keyword != b.keyword || a.memo != b.memo)
            Fail("catalogue entry");
        std::vector<std::string> lines;
        corvane::LookupExplanation(a.errorCode, catalogue, lines);
        if (a.errorCode != corvane::kUnknownCode && lines.size() < a.memo.size())
            Fail("explanation");
        corvane::LookupErrorName(a.errorCode, catalogue);
    }

    const std::size_t serviceLines = LineCount(services), errorLines = LineCount(errors);
    for (const corvane::CatalogueWarning& w : corvane::CheckCatalogues(dir)) {
        const std::size_t lines = w.file == "ServiceList.ini" ? serviceLines : errorLines;
        if (w.line > lines || w.message.empty()) Fail("warning");
    }
    return 0;
}
