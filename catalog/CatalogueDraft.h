// A draft ErrorList.ini entry for a pattern of unknown errors: the catalogue learns a
// kind of line from the logs.  The draft is text for the catalogue's keeper, and it
// can be added to the catalogue in one step (AddDraftToCatalogue).  Its keyword is
// chosen from the log (patterns/DraftKeyword.h).
//
// The reader only ever looks at the first [ERRORLIST] section and the first section
// of each name, so an entry works only when its list key stands in the existing list
// section and its own sections are the first of their names.  A fragment with a second
// [ERRORLIST] of its own would never be read.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Error.h"
#include "base/Stop.h"
#include "catalog/ErrorCatalogue.h"

namespace corvane {

// ErrorList.ini as a draft read it: what the draft was made for, and what the file
// must still be when the draft is added.
struct ErrorListFile {
    bool present = false;  // false: there was no such file (then `bytes` is empty)
    std::string bytes;
    friend bool operator==(const ErrorListFile&, const ErrorListFile&) = default;
};

// Reads programDir + "ErrorList.ini".  Throws DraftRefused (Unreadable) when it is there
// but cannot be read or is a link, ProfileFileTooLarge above kIniFileMax.
ErrorListFile ReadErrorListFile(const std::string& programDir);

// The codes and list keys that the drafts of one window or one command have taken so
// far: the next draft takes others, so that two drafts can both be added.
struct DraftReservations {
    std::vector<std::string> codes;
    std::vector<std::string> listKeys;  // as FoldAsciiGbk forms
};

struct CatalogueDraft {
    std::string code;     // the lowest free code, 100..998; empty if none
    std::string listKey;  // the free key name for [ERRORLIST]
    std::string serviceCode;
    std::optional<std::string> keyword;  // as given
    std::string name;                    // the error's name (a text to fill in at first)
    std::vector<std::string> memo;       // the explanation's lines, keys 01, 02, ...
    std::string listLine;                // listKey "=" code, without a line end
    std::string sections;                // [ERROR_<code>] and its _MEMO, CR LF line ends
    std::string text;    // what the keeper sees: where each part goes, then the part; GBK, CR LF
    ErrorListFile file;  // the file the draft was made from
};

// The draft entry for `serviceCode` in `file`: the list line under a free key name
// ("01", "02", ... compared as INI key names are), [ERROR_<code>] with the service code,
// an error name to fill in and the keyword, and [ERROR_<code>_MEMO] with key 01 and an
// explanation to fill in.  <code> is the lowest code from 100 to 998 that no entry of
// `loaded` (the catalogue in use) uses, that the file neither lists nor has a section
// of, and that `reserved` does not hold; the draft adds its code and key to `reserved`.
// Without a keyword, a comment says that none was found instead.
CatalogueDraft DraftCatalogueEntry(const ErrorListFile& file, const ErrorCatalogue& loaded,
                                   std::string_view serviceCode,
                                   const std::optional<std::string>& keyword,
                                   DraftReservations& reserved);

// Why a text of a draft's entry cannot stand as typed: the INI reader would read it
// differently (a blank at either end is dropped, one pair of enclosing quotes is
// dropped, a line end ends it) or not at all (more than kProfileValueMax bytes, a zero
// byte), or the entry would name nothing (an empty name or keyword).
enum class DraftTextFault { Empty, LineEnd, ZeroByte, Blank, Quoted, TooLong };
std::optional<DraftTextFault> FindDraftTextFault(std::string_view text);

// Memo lines are read with two-character keys: at most this many.
inline constexpr std::size_t kDraftMemoLinesMax = 99;

// The draft with the name, the explanation's lines and the keyword its keeper typed
// (the keyword is checked against the pattern's lines elsewhere:
// patterns/DraftKeyword.h).  Throws DraftRefused (BadText, naming the part and the
// fault) for a text that cannot stand as typed, an empty explanation or more than
// kDraftMemoLinesMax lines of it; the draft stays as it was then.
void EditDraft(CatalogueDraft& draft, std::string name, std::vector<std::string> memo,
               std::optional<std::string> keyword);

// Why a draft was not added.
enum class DraftRefusal {
    NoCode,       // every code is taken
    NoKeyword,    // no keyword: the entry would find nothing
    BadText,      // a typed text the reader would not read as typed
    Unreadable,   // ErrorList.ini is there but cannot be read
    Changed,      // ErrorList.ini is not what the draft was made from
    Busy,         // the program directory's lock stayed taken (a catalogue update)
    NotRead,      // the reader would not see the new entry as the catalogue's last one
    TooLarge,     // the catalogue would grow beyond the size the reader takes
    WriteFailed,  // the new file could not be written or renamed into place
};

class DraftRefused : public Error {
public:
    DraftRefused(DraftRefusal reason, const std::string& what) : Error(what), reason_(reason) {}
    DraftRefusal Reason() const { return reason_; }

private:
    DraftRefusal reason_;
};

// `bytes` (ErrorList.ini's content) with the draft in it: the list line after the last
// key line of the first [ERRORLIST] section (or after its header when it has no keys;
// a new [ERRORLIST] at the end when there is none), the entry's sections at the end,
// each new line ended like the file's first line; every other byte stays.  Throws
// DraftRefused (NoCode, NoKeyword, NotRead) unless the result reads as the old
// catalogue with the new entry after its last one, and TooLarge when it would be
// longer than kIniFileMax (which no reader would take).
std::string WithDraftEntry(const std::string& bytes, const CatalogueDraft& draft);

// Adds the draft to programDir + "ErrorList.ini": under the lock the catalogue update
// takes (waiting at most `lockWait` for it), the file is read again and must be the one
// the draft was made from; the new content goes to a new file of its own (created
// exclusively under a random name beside the catalogue, never through a link), to the
// disk, takes over the catalogue's group and permissions, and is renamed over it.  A
// refusal leaves the catalogue as it was; it is an answer, not an exception.  Throws
// ProfileFileTooLarge when the file read again is above kIniFileMax.
struct DraftAddition {
    bool stopped = false;                 // a stop ended the wait for the lock: nothing written
    std::optional<DraftRefusal> refusal;  // why the draft was not added
    std::string detail;                   // the refusal's text, naming the file
    bool Added() const { return !stopped && !refusal; }
};
DraftAddition AddDraftToCatalogue(const std::string& programDir, const CatalogueDraft& draft,
                                  std::chrono::milliseconds lockWait = std::chrono::seconds(30),
                                  const StopToken& stop = {});

}  // namespace corvane
