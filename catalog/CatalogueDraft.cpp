#include "catalog/CatalogueDraft.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

#include "base/AsciiCase.h"
#include "base/FileAccess.h"
#include "catalog/DirectoryLock.h"
#include "catalog/GbkText.h"
#include "catalog/ProfileString.h"

namespace corvane {
namespace {

constexpr std::string_view kCrLf = "\r\n";

bool Contains(const std::vector<std::string>& list, std::string_view item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// What of the file a new entry must keep clear of: the folded names of all its
// sections, the folded key names and the codes of its first [ERRORLIST] section.
// Every line is looked at, not the reader's enumeration, which a large file overflows.
struct TakenNames {
    std::vector<std::string> sections;
    std::vector<std::string> listKeys;
    std::vector<std::string> listedCodes;
};

TakenNames TakenNamesOf(const std::string& bytes) {
    TakenNames taken;
    const std::string list = FoldAsciiGbk(gbk::kSecErrorList);
    bool inList = false;
    bool listSeen = false;
    ForEachProfileLine(bytes, [&](const ProfileLine& l) {
        if (l.kind == ProfileLine::Kind::Header) {
            taken.sections.push_back(FoldAsciiGbk(l.name));
            inList = !listSeen && taken.sections.back() == list;
            listSeen = listSeen || inList;
        } else if (inList && l.kind == ProfileLine::Kind::Key) {
            taken.listKeys.push_back(FoldAsciiGbk(l.name));
            taken.listedCodes.push_back(CleanProfileValue(l.value));
        }
    });
    return taken;
}

// The line end of the file's first line; CR LF for a file without one.
std::string_view LineEndOf(std::string_view bytes) {
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos) return kCrLf;
    if (bytes[end] == '\n') return "\n";
    return end + 1 < bytes.size() && bytes[end + 1] == '\n' ? kCrLf : std::string_view("\r");
}

// The offset just past the line end that follows `from`, or the end of the text.
std::size_t PastLineEnd(std::string_view bytes, std::size_t from) {
    const std::size_t end = bytes.find_first_of("\r\n", from);
    if (end == std::string_view::npos) return bytes.size();
    return end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
}

bool EndsLine(std::string_view bytes) {
    return bytes.empty() || bytes.back() == '\n' || bytes.back() == '\r';
}

std::string WithLineEnds(std::string text, std::string_view lineEnd) {
    if (lineEnd == kCrLf) return text;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, kCrLf) == 0) {
            out.append(lineEnd);
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

[[noreturn]] void Refuse(DraftRefusal reason, const std::string& what) {
    throw DraftRefused(reason, what);
}

void RequireComplete(const CatalogueDraft& draft) {
    if (draft.code.empty())
        Refuse(DraftRefusal::NoCode, "every error code from 100 to 998 is taken");
    if (!draft.keyword)
        Refuse(DraftRefusal::NoKeyword,
               "no keyword gives exactly the pattern's lines; the entry would find nothing");
}

// The two-character key of the explanation's line `index` (0-based).
std::string MemoKey(std::size_t index) {
    std::string key = std::to_string(index + 1);
    if (key.size() < 2) key.insert(key.begin(), '0');
    return key;
}

bool MemoReads(const ProfileText& text, const std::string& section,
               const std::vector<std::string>& memo) {
    const std::vector<std::string> keys = text.ReadSection(section);
    if (keys.size() != memo.size()) return false;
    for (std::size_t i = 0; i < memo.size(); ++i)
        if (keys[i] != MemoKey(i) || text.ReadString(section, keys[i], "") != memo[i]) return false;
    return true;
}

// The new text must read as the old catalogue with the new entry after its last one:
// the old list keys, then the new one with the new code, and the new sections as the
// first of their names.
void RequireReadAsLast(const std::string& before, const std::string& after,
                       const CatalogueDraft& draft) {
    const ProfileText old(before);
    const ProfileText now(after);
    const std::string_view list = gbk::kSecErrorList;
    std::vector<std::string> keys = old.ReadSection(list);
    keys.push_back(draft.listKey);
    const std::string section = std::string(gbk::kSecErrorPrefix) + draft.code;
    const bool read = now.ReadSection(list) == keys &&
                      now.ReadString(list, draft.listKey, "") == draft.code &&
                      now.ReadString(section, gbk::kKeyOwnerService, "") == draft.serviceCode &&
                      now.ReadString(section, gbk::kKeyKeyword, "") == *draft.keyword &&
                      now.ReadString(section, gbk::kKeyErrorName, "") == draft.name &&
                      MemoReads(now, section + std::string(gbk::kSecMemoSuffix), draft.memo);
    if (!read)
        Refuse(DraftRefusal::NotRead,
               "ErrorList.ini would not read the new entry (its [ERRORLIST] section is longer "
               "than the reader's 16,384-byte list of key names, or the keyword, the name or the "
               "explanation would not be read as it stands)");
}

// The entry's sections and the text its keeper sees, from the draft's parts.
void ComposeDraft(CatalogueDraft& draft) {
    std::string& s = draft.sections;
    s.clear();
    s.append("[").append(gbk::kSecErrorPrefix).append(draft.code).append("]").append(kCrLf);
    s.append(gbk::kKeyOwnerService).append("=").append(draft.serviceCode).append(kCrLf);
    s.append(gbk::kKeyErrorName).append("=").append(draft.name).append(kCrLf);
    if (draft.keyword)
        s.append(gbk::kKeyKeyword).append("=").append(*draft.keyword).append(kCrLf);
    else
        s.append(";").append(gbk::kDraftNoKeyword).append(kCrLf);
    s.append(kCrLf);
    s.append("[").append(gbk::kSecErrorPrefix).append(draft.code).append(gbk::kSecMemoSuffix);
    s.append("]").append(kCrLf);
    for (std::size_t i = 0; i < draft.memo.size(); ++i)
        s.append(MemoKey(i)).append("=").append(draft.memo[i]).append(kCrLf);

    // Two parts for two places; the comments say where each goes.  The list line comes
    // last: pasted at the end with the rest by mistake, it falls into the draft's own
    // explanation section instead of another entry's.
    std::string& t = draft.text;
    t.clear();
    t.append(";").append(gbk::kDraftSectionsHint).append(kCrLf);
    t.append(s).append(kCrLf);
    t.append(";").append(gbk::kDraftListLineHint).append(kCrLf);
    t.append(draft.listLine).append(kCrLf);
}

}  // namespace

ErrorListFile ReadErrorListFile(const std::string& programDir) {
    const std::string path = programDir + "ErrorList.ini";
    ErrorListFile file;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return file;  // not there: the reader sees no sections
    // The catalogue's directory is writable by a group: a link put there in its place
    // must not have the draft copy another file's bytes into the catalogue.
    WholeFile whole = ReadWholeFile(path, kIniFileMax, LinkRule::Refuse);
    if (whole.outcome == WholeFile::Outcome::TooLarge)
        throw ProfileFileTooLarge(path + " is larger than " + std::to_string(kIniFileMax) +
                                  " bytes");
    if (whole.outcome != WholeFile::Outcome::Read || !whole.stable)
        Refuse(DraftRefusal::Unreadable, "cannot read " + path);
    file.present = true;
    file.bytes = std::move(whole.bytes);
    return file;
}

CatalogueDraft DraftCatalogueEntry(const ErrorListFile& file, const ErrorCatalogue& loaded,
                                   std::string_view serviceCode,
                                   const std::optional<std::string>& keyword,
                                   DraftReservations& reserved) {
    CatalogueDraft draft;
    draft.keyword = keyword;
    draft.serviceCode = serviceCode;
    draft.file = file;
    const TakenNames taken = TakenNamesOf(file.bytes);
    const std::string prefix = FoldAsciiGbk(gbk::kSecErrorPrefix);
    const std::string memo = FoldAsciiGbk(gbk::kSecMemoSuffix);
    for (int n = 100; n <= 998 && draft.code.empty(); ++n) {
        const std::string code = std::to_string(n);
        const bool used =
            std::any_of(loaded.begin(), loaded.end(),
                        [&](const ErrorRecord& r) { return r.errorCode == code; }) ||
            Contains(taken.listedCodes, code) || Contains(taken.sections, prefix + code) ||
            Contains(taken.sections, prefix + code + memo) || Contains(reserved.codes, code);
        if (!used) draft.code = code;
    }
    for (int n = 1; draft.listKey.empty(); ++n) {
        char key[16];
        std::snprintf(key, sizeof key, "%02d", n);
        if (!Contains(taken.listKeys, key) && !Contains(reserved.listKeys, key))
            draft.listKey = key;
    }

    if (draft.code.empty()) {
        draft.text.append(";").append(gbk::kDraftNoCode).append(kCrLf);
        return draft;
    }
    reserved.codes.push_back(draft.code);
    reserved.listKeys.push_back(draft.listKey);
    draft.listLine = draft.listKey + "=" + draft.code;
    draft.name = gbk::kDraftErrorName;
    draft.memo = {std::string(gbk::kDraftExplanation)};
    ComposeDraft(draft);
    return draft;
}

std::optional<DraftTextFault> FindDraftTextFault(std::string_view text) {
    if (text.empty()) return DraftTextFault::Empty;
    if (text.find_first_of("\r\n") != std::string_view::npos) return DraftTextFault::LineEnd;
    if (text.find('\0') != std::string_view::npos) return DraftTextFault::ZeroByte;
    if (text.size() > kProfileValueMax) return DraftTextFault::TooLong;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (blank(text.front()) || blank(text.back())) return DraftTextFault::Blank;
    if (text.size() >= 2 && text.front() == text.back() &&
        (text.front() == '"' || text.front() == '\''))
        return DraftTextFault::Quoted;
    return std::nullopt;
}

void EditDraft(CatalogueDraft& draft, std::string name, std::vector<std::string> memo,
               std::optional<std::string> keyword) {
    const auto require = [](std::string_view part, std::string_view text) {
        const std::optional<DraftTextFault> fault = FindDraftTextFault(text);
        if (!fault) return;
        static constexpr std::string_view kWhy[] = {
            "is empty",
            "holds a line end",
            "holds a zero byte",
            "begins or ends with a blank, which the reader drops",
            "stands in quotes, which the reader drops",
            "is longer than the 2,047 bytes the reader takes"};
        Refuse(DraftRefusal::BadText,
               std::string(part) + " " + std::string(kWhy[static_cast<int>(*fault)]));
    };
    require("the error's name", name);
    if (memo.empty()) Refuse(DraftRefusal::BadText, "the explanation has no line");
    if (memo.size() > kDraftMemoLinesMax)
        Refuse(DraftRefusal::BadText,
               "the explanation has more than " + std::to_string(kDraftMemoLinesMax) + " lines");
    for (const std::string& line : memo) require("a line of the explanation", line);
    if (keyword) require("the keyword", *keyword);
    draft.name = std::move(name);
    draft.memo = std::move(memo);
    draft.keyword = std::move(keyword);
    if (!draft.code.empty()) ComposeDraft(draft);
}

std::string WithDraftEntry(const std::string& bytes, const CatalogueDraft& draft) {
    RequireComplete(draft);
    const std::string_view lineEnd = LineEndOf(bytes);
    const std::string list = FoldAsciiGbk(gbk::kSecErrorList);

    // Where the list line goes: just past the last key line of the first list section.
    std::optional<std::size_t> at;
    bool inList = false;
    bool listSeen = false;
    ForEachProfileLine(bytes, [&](const ProfileLine& l) {
        if (l.kind == ProfileLine::Kind::Header) {
            inList = !listSeen && FoldAsciiGbk(l.name) == list;
            listSeen = listSeen || inList;
            if (!inList) return;
        } else if (!inList || l.kind != ProfileLine::Kind::Key) {
            return;
        }
        at = PastLineEnd(bytes,
                         static_cast<std::size_t>(l.text.data() - bytes.data()) + l.text.size());
    });

    std::string out;
    out.reserve(bytes.size() + draft.listLine.size() + draft.sections.size() + 64);
    if (at) {
        out.append(bytes, 0, *at);
        if (!EndsLine(out)) out.append(lineEnd);
        out.append(draft.listLine).append(lineEnd);
        out.append(bytes, *at, std::string::npos);
    } else {
        out = bytes;
        if (!EndsLine(out)) out.append(lineEnd);
        if (!out.empty()) out.append(lineEnd);
        out.append("[").append(gbk::kSecErrorList).append("]").append(lineEnd);
        out.append(draft.listLine).append(lineEnd);
    }
    if (!EndsLine(out)) out.append(lineEnd);
    out.append(lineEnd);
    out.append(WithLineEnds(draft.sections, lineEnd));
    // Every reader refuses a larger file: the whole catalogue would be lost to them.
    if (out.size() > kIniFileMax)
        Refuse(DraftRefusal::TooLarge, "ErrorList.ini would grow to " + std::to_string(out.size()) +
                                           " bytes, above the " + std::to_string(kIniFileMax) +
                                           " bytes up to which the catalogue is read");
    RequireReadAsLast(bytes, out, draft);
    return out;
}

namespace {

// The addition; false when a stop ended the wait for the lock.  The checks on the way
// refuse by throwing DraftRefused, which AddDraftToCatalogue turns into its answer.
bool AddDraft(const std::string& programDir, const CatalogueDraft& draft,
              std::chrono::milliseconds lockWait, const StopToken& stop) {
    RequireComplete(draft);
    // The catalogue update renames its download over the same file under this lock; so
    // does this, so neither replaces a file the other has just read.
    DirectoryLock lock(programDir);
    const auto deadline = std::chrono::steady_clock::now() + lockWait;
    for (;;) {
        const DirectoryLock::Attempt attempt = lock.TryTake();
        if (attempt == DirectoryLock::Attempt::Taken) break;
        if (attempt == DirectoryLock::Attempt::Failed)
            Refuse(DraftRefusal::WriteFailed, "cannot lock the directory " + programDir);
        if (stop.stop_requested()) return false;
        if (std::chrono::steady_clock::now() >= deadline)
            Refuse(DraftRefusal::Busy, "the catalogue is being updated (the directory " +
                                           programDir + " stayed locked); try again");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }

    if (!(ReadErrorListFile(programDir) == draft.file))
        Refuse(DraftRefusal::Changed,
               "ErrorList.ini changed since the draft was made; make the draft again");
    const std::string content = WithDraftEntry(draft.file.bytes, draft);

    const std::string path = programDir + "ErrorList.ini";
    // A new file under a name nobody can guess or have planted, in the catalogue's own
    // directory so that the rename replaces the catalogue in one step.
    ExclusiveFile out = CreateExclusive(programDir + "ErrorList", ".tmp", 0666);
    if (!out)
        Refuse(DraftRefusal::WriteFailed,
               "cannot create a new file beside " + path + ": " + std::strerror(out.OpenError()));
    int error = WriteAll(out.File(), content.data(), content.size());
    // On the disk before the rename: a rename must never install a file whose data is
    // not there.
    if (error == 0 && ::fsync(out.File().Get()) != 0) error = errno;
    if (error == 0) {
        // As the update does: the catalogue keeps its group and permissions.
        TakeOverPermissions(out.File(), path);
        if (std::rename(out.Path().c_str(), path.c_str()) == 0)
            out.Keep();
        else
            error = errno;
    }
    if (error != 0) {
        const std::string temporary = out.Path();
        out.Discard();
        Refuse(DraftRefusal::WriteFailed,
               "cannot write " + path + " (by way of " + temporary + "): " + std::strerror(error));
    }
    out.File().Close();
    lock.Sync();
    return true;
}

}  // namespace

DraftAddition AddDraftToCatalogue(const std::string& programDir, const CatalogueDraft& draft,
                                  std::chrono::milliseconds lockWait, const StopToken& stop) {
    DraftAddition addition;
    try {
        addition.stopped = !AddDraft(programDir, draft, lockWait, stop);
    } catch (const DraftRefused& e) {
        addition.refusal = e.Reason();
        addition.detail = e.what();
    }
    return addition;
}

}  // namespace corvane
