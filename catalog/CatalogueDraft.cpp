#include "catalog/CatalogueDraft.h"

#include <algorithm>
#include <cstdio>

#include "base/AsciiCase.h"
#include "catalog/GbkText.h"
#include "catalog/ProfileString.h"

namespace corvane {

CatalogueDraft DraftCatalogueEntry(const ErrorCatalogue& catalogue,
                                   const std::vector<std::string>& listKeys,
                                   std::string_view serviceCode,
                                   const std::optional<std::string>& keyword) {
    CatalogueDraft draft;
    draft.keyword = keyword;
    for (int n = 100; n <= 998 && draft.code.empty(); ++n) {
        const std::string code = std::to_string(n);
        const bool used = std::any_of(catalogue.begin(), catalogue.end(),
                                      [&](const ErrorRecord& r) { return r.errorCode == code; });
        if (!used) draft.code = code;
    }
    // INI key names match without regard to case.
    std::vector<std::string> folded;
    for (const std::string& k : listKeys) folded.push_back(FoldAscii(k));
    for (int n = 1; draft.listKey.empty(); ++n) {
        char key[16];
        std::snprintf(key, sizeof key, "%02d", n);
        if (std::find(folded.begin(), folded.end(), key) == folded.end()) draft.listKey = key;
    }

    const std::string_view crlf = "\r\n";
    std::string& t = draft.text;
    if (draft.code.empty()) {
        t.append(";").append(gbk::kDraftNoCode).append(crlf);
        return draft;
    }
    t.append("[").append(gbk::kSecErrorList).append("]").append(crlf);
    t.append(draft.listKey).append("=").append(draft.code).append(crlf).append(crlf);
    t.append("[").append(gbk::kSecErrorPrefix).append(draft.code).append("]").append(crlf);
    t.append(gbk::kKeyOwnerService).append("=").append(serviceCode).append(crlf);
    t.append(gbk::kKeyErrorName).append("=").append(gbk::kDraftErrorName).append(crlf);
    if (keyword)
        t.append(gbk::kKeyKeyword).append("=").append(*keyword).append(crlf);
    else
        t.append(";").append(gbk::kDraftNoKeyword).append(crlf);
    t.append(crlf);
    t.append("[").append(gbk::kSecErrorPrefix).append(draft.code).append(gbk::kSecMemoSuffix);
    t.append("]").append(crlf);
    t.append("01=").append(gbk::kDraftExplanation).append(crlf);
    return draft;
}

std::vector<std::string> ReadErrorListKeys(const std::string& programDir) {
    const ProfileFile ini(programDir + "ErrorList.ini");
    return ini.ReadSection(gbk::kSecErrorList);
}

}  // namespace corvane
