#include "patterns/DraftKeyword.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "base/GbkBytes.h"
#include "catalog/ProfileString.h"
#include "scan/FileLines.h"
#include "scan/TextScan.h"

namespace corvane {
namespace {

bool IsAsciiPunctOrBlank(unsigned char c) {
    return c < 0x80 &&
           !((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
}

// GBK quotation marks (“ ” ‘ ’) at the ends go too.
bool StartsWithWideQuote(std::string_view s) {
    return s.size() >= 2 && static_cast<unsigned char>(s[0]) == 0xA1 &&
           (static_cast<unsigned char>(s[1]) >= 0xAE && static_cast<unsigned char>(s[1]) <= 0xB1);
}

// The start of the last character of `s`, reading GBK from the front.
std::size_t LastCharStart(std::string_view s) {
    std::size_t i = 0;
    std::size_t last = 0;
    while (i < s.size()) {
        last = i;
        const unsigned char c = static_cast<unsigned char>(s[i]);
        i += (IsGbkLeadByte(c) && i + 1 < s.size()) ? 2 : 1;
    }
    return last;
}

std::string_view Trim(std::string_view s) {
    for (;;) {
        if (!s.empty() && IsAsciiPunctOrBlank(static_cast<unsigned char>(s.front()))) {
            s.remove_prefix(1);
        } else if (StartsWithWideQuote(s)) {
            s.remove_prefix(2);
        } else {
            break;
        }
    }
    for (;;) {
        if (s.empty()) return s;
        const std::size_t last = LastCharStart(s);
        const std::string_view tail = s.substr(last);
        if ((tail.size() == 1 && IsAsciiPunctOrBlank(static_cast<unsigned char>(tail[0]))) ||
            StartsWithWideQuote(tail)) {
            s = s.substr(0, last);
        } else {
            return s;
        }
    }
}

bool ContainsIgnoreIn(std::string_view line, const std::vector<std::string>& foldedIgnores,
                      std::string& scratch) {
    if (foldedIgnores.empty()) return false;
    scratch = FoldAscii(line);
    for (const std::string& t : foldedIgnores)
        if (scratch.find(t) != std::string::npos) return true;
    return false;
}

}  // namespace

std::vector<std::string> KeywordCandidates(const std::vector<std::string>& constants) {
    std::vector<std::string> out;
    auto add = [&](std::string_view text) {
        text = Trim(text);
        // An INI value holds at most kProfileValueMax bytes.
        if (text.empty() || text.size() > kProfileValueMax) return;
        if (std::find(out.begin(), out.end(), text) == out.end()) out.emplace_back(text);
    };
    for (const std::string& c : constants) {
        add(c);
        // The pieces between blanks, for lines whose blanks differ from the pattern's.
        std::size_t i = 0;
        while (i < c.size()) {
            while (i < c.size() && (c[i] == ' ' || c[i] == '\t')) ++i;
            std::size_t j = i;
            while (j < c.size() && c[j] != ' ' && c[j] != '\t') ++j;
            if (j > i) add(std::string_view(c).substr(i, j - i));
            i = j;
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const std::string& a, const std::string& b) {
        return a.size() > b.size();
    });
    return out;
}

KeywordChooser::KeywordChooser(const std::vector<std::string>& constants) {
    for (std::string& text : KeywordCandidates(constants)) {
        Candidate c;
        c.folded = FoldAscii(text);
        c.text = std::move(text);
        candidates_.push_back(std::move(c));
    }
}

void KeywordChooser::AddLine(std::string_view line, bool ofPattern) {
    bool any = false;
    for (const Candidate& c : candidates_) any = any || c.alive;
    if (!any) return;
    folded_ = FoldAscii(line);
    for (Candidate& c : candidates_) {
        if (!c.alive) continue;
        const bool found = folded_.find(c.folded) != std::string::npos;
        // In every line of the pattern, and in no other line.
        if (found != ofPattern) c.alive = false;
    }
}

std::optional<std::string> KeywordChooser::Keyword() const {
    for (const Candidate& c : candidates_)
        if (c.alive) return c.text;
    return std::nullopt;
}

KeywordPass ChoosePatternKeyword(const std::vector<std::string>& constants, const std::string& path,
                                 const std::vector<std::int64_t>& patternLines,
                                 const std::vector<std::string>& ignoreList, EventPump* pump,
                                 const StopToken& stop) {
    std::vector<std::string> ignores;
    for (const std::string& t : ignoreList)
        if (!t.empty()) ignores.push_back(FoldAscii(t));
    KeywordChooser chooser(constants);
    FileLineReader reader(path);
    FileLine line;
    std::string scratch;
    auto next = patternLines.begin();
    while (reader.Next(line)) {
        if (PumpAndCheckStop(pump, stop)) return {true, std::nullopt};
        while (next != patternLines.end() && *next < line.number) ++next;
        const bool ofPattern = next != patternLines.end() && *next == line.number;
        if (ContainsIgnoreIn(line.text, ignores, scratch)) continue;
        chooser.AddLine(line.text, ofPattern);
    }
    return {false, chooser.Keyword()};
}

}  // namespace corvane
