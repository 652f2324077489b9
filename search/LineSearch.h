// Searching every line of a log file for one text or one regular expression: the
// lines that hold it, with their numbers, in file order.  The scan's literal engine
// does the matching and its line engine (scan/LineEngine.h) the reading, in parts, so
// a search of a large file runs on every core with the memory of a scan.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Error.h"
#include "base/GbkBytes.h"
#include "base/Stop.h"
#include "scan/LiteralMatcher.h"
#include "scan/LogFile.h"

namespace corvane {

// What is searched for.  The pattern is bytes (GBK as typed) and is matched as GBK
// characters: a match begins where a character of the line begins, and the case of
// a-z/A-Z is ignored unless `caseSensitive` only where the letter is a character of
// its own, never in the trail byte of a double-byte character.  A regular expression
// is matched against each line alone, so ^ and $ are the line's start and end, and a
// class or `.` stands for one whole character (search/GbkExpression.h).
struct SearchQuery {
    std::string pattern;
    bool regex = false;
    bool caseSensitive = false;
};

// What was typed cannot be read as an expression, or the engine refused it; the
// message says why.
using SearchPatternError = CompileRefused;

// One query compiled once; shared by every thread of a search.
class LineSearch {
public:
    // Throws SearchPatternError.
    explicit LineSearch(const SearchQuery& query);

    // Every line matches (an empty literal).
    bool MatchesEveryLine() const { return everyLine_; }
    // No line can match (a literal that holds a line end).
    bool MatchesNoLine() const { return noLine_; }
    bool PerLine() const { return perLine_; }
    const LiteralMatcher* Matcher() const { return matcher_.get(); }
    // For an expression: the engine's form for a line of ASCII bytes alone, and its
    // quick first look at any other line (search/GbkExpression.h).
    const LiteralMatcher* AsciiMatcher() const { return asciiMatcher_.get(); }
    const LiteralMatcher* Candidates() const { return candidates_.get(); }
    std::size_t LiteralLength() const { return literal_.size(); }

    // Whether the literal the engine found at [begin, end), which begins on a
    // character boundary of its line, is the literal as characters: the engine folds
    // every byte in a-z/A-Z, trail bytes too, and knows nothing of a lone lead byte at
    // the literal's end taking the line's next byte as its trail.  `lineEnd` is where
    // the line ends.
    bool WholeCharacters(const char* begin, const char* end, const char* lineEnd) const {
        for (const std::size_t at : trailLetters_)
            if (begin[at] != literal_[at]) return false;
        return !endsInLeadByte_ || end == lineEnd ||
               !IsGbkTrailByte(static_cast<unsigned char>(*end));
    }

private:
    std::unique_ptr<LiteralMatcher> matcher_;
    std::unique_ptr<LiteralMatcher> asciiMatcher_;
    std::unique_ptr<LiteralMatcher> candidates_;
    bool everyLine_ = false;
    bool noLine_ = false;
    bool perLine_ = false;  // the engine runs over each line alone
    std::string literal_;
    std::vector<std::size_t> trailLetters_;  // where the literal has a letter as a trail byte
    bool endsInLeadByte_ = false;            // its last character is a lone lead byte
};

// One matching line: its 1-based number (numbered as findings are), the byte offset of
// its first byte and its bytes without the terminator.
struct LineMatch {
    std::int64_t number = 0;
    std::int64_t offset = 0;
    std::string_view text;  // valid while the batch that holds it is unchanged
};

// Matching lines in file order, their bytes kept together: a search that matches
// millions of lines allocates per batch, not per line.
class MatchBatch {
public:
    void Add(std::int64_t number, std::int64_t offset, std::string_view text);
    // The lines, their texts pointing into the batch.
    const std::vector<LineMatch>& Lines();
    bool Empty() const { return lines_.empty(); }
    void Renumber(std::int64_t lineEndsBefore);
    void Clear();  // keeps the memory for the next lines
    void Swap(MatchBatch& other);

private:
    std::vector<LineMatch> lines_;
    std::vector<std::size_t> at_;  // where each line's text begins in bytes_
    std::string bytes_;
};

// Receives the matching lines in file order, a batch at a time, on the thread that
// called the search.  Returns false to end the search.
class MatchSink {
public:
    virtual ~MatchSink() = default;
    virtual bool Take(MatchBatch& batch) = 0;
};

struct SearchOptions {
    unsigned threads = 1;
    // Only tests change these, to reach block and part boundaries with small files.
    std::size_t blockLength = std::size_t{1} << 20;
    std::int64_t partLength = 0;  // 0: chosen from the file size and the threads
};

enum class SearchOutcome { Completed, Stopped, Failed };

// Searches a compressed log (scan/GzipCopy.h) as a thread of its own decompresses
// its stream, one block at a time, on the calling thread; memory stays at a few
// buffers plus the longest line.  A corrupt, truncated or oversized stream ends the
// search with Failed and `error` (GBK, naming the file); the lines found before were
// handed on.
SearchOutcome SearchCompressedLog(const std::string& path, const LineSearch& search,
                                  MatchSink& sink, const StopToken& stop, std::string& error);

// Searches the whole of `file` (its size as opened) through the line engine
// (scan/LineEngine.h): in parts on options.threads threads, or whole on the calling
// thread.  A stop request, or a sink that answers false, ends the search with Stopped.
// A file that delivers fewer bytes than its size ends it with Failed and `error` (GBK,
// naming the file); the lines found before were handed on.
SearchOutcome SearchLogFile(const LogFile& file, const LineSearch& search, MatchSink& sink,
                            const StopToken& stop, const SearchOptions& options,
                            std::string& error);

}  // namespace corvane
