// The multi-literal engine behind the scanner: every keyword, ignore text and
// failure marker of one scan compiled once, then run over a block of text in a
// single pass.  Matching ignores the case of a-z/A-Z byte by byte, which is exactly
// the scanner's fold (GBK trail bytes in that range included).  The day search uses
// the same engine with its own options: case kept, or one regular expression.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Error.h"

namespace corvane {

// The engine refused to compile the texts it was given, or (for the day search) what
// was typed cannot be read as an expression: what() says why, in the engine's words.
// The search shows it to the operator as the reason the expression was refused.
class CompileRefused : public Error {
public:
    using Error::Error;
};

// The engine could not do what it needs no input for: allocate the space a scan works
// in, or finish a scan.  Nothing the caller can mend.
class LiteralEngineFailure : public Error {
public:
    using Error::Error;
};

// Which texts the engine looks for when it is given a sample (MatchOptions::sample).
enum class PieceChoice : std::uint8_t {
    // A few pieces when they are few and rare in the sample; otherwise a piece of each
    // literal ending where it is rarest, when that runs markedly faster over the sample
    // than the literals themselves; otherwise the literals.  Then the literals'
    // windows (WindowMatcher.h) when they run markedly faster still.
    Weighed,
    // Tests: the few pieces whenever the sample offers some, or the ends of each, or
    // the windows whenever the literals suit them.
    Few,
    Ends,
    Windows,
};

// How the texts given to a LiteralMatcher are compiled.  The defaults are the scan's.
struct MatchOptions {
    bool caseless = true;      // a-z and A-Z alike, byte by byte
    bool expressions = false;  // the texts are regular expressions, not literals
    // An expression's first match ends the scan's reports of it: for one line at a time.
    bool singleMatch = false;
    // An expression may match the empty text, and an empty text is scanned for it.
    bool allowEmpty = false;
    // Text like the text that will be scanned (the scan takes a few pieces of the log).
    // Given for caseless literals, it lets the engine look for short pieces of the
    // literals that are rare in such text instead of the literals themselves, and
    // compare each place it finds one with the literals that hold the piece there:
    // the matches are the same, found with fewer, rarer texts.
    std::string_view sample;
    // With a sample: which pieces, if any, are looked for.
    PieceChoice pieces = PieceChoice::Weighed;
};

class LiteralMatcher {
public:
    // Compiles `literals` (none empty; any byte, NUL included, may appear).  Throws
    // CompileRefused with the engine's message when the engine refuses them.
    explicit LiteralMatcher(const std::vector<std::string>& literals,
                            const MatchOptions& options = MatchOptions());
    ~LiteralMatcher();
    LiteralMatcher(const LiteralMatcher&) = delete;
    LiteralMatcher& operator=(const LiteralMatcher&) = delete;

    // The engine's working memory for one scan at a time: each thread that scans
    // needs its own, while the compiled literals are shared.
    class Scratch {
    public:
        explicit Scratch(const LiteralMatcher& matcher);
        ~Scratch();
        Scratch(const Scratch&) = delete;
        Scratch& operator=(const Scratch&) = delete;

    private:
        friend class LiteralMatcher;
        struct Space;
        std::unique_ptr<Space> space_;
    };

    // Receives one match: the offset just past it in the scanned text and the index
    // of its literal.  Returns false to end the scan there.  Must not throw.
    using MatchHandler = bool (*)(void* context, std::size_t end, std::uint32_t id);

    // Hands every match in [data, data + size) to `handler` as the engine finds it,
    // without collecting them: in order of end offset, or with pieces (see
    // MatchOptions::sample) in order of the ends of the pieces found, so that no match
    // ends at or before the beginning of a match that came before it (matches of
    // literals without line ends come line by line).  Returns false when the handler
    // ended the scan.
    bool Scan(const char* data, std::size_t size, Scratch& scratch, MatchHandler handler,
              void* context) const;

    std::size_t LiteralLength(std::uint32_t id) const { return lengths_[id]; }

    // How many texts the engine looks for: the literals, or the pieces chosen for them.
    std::size_t SearchedTexts() const;

private:
    struct Engine;
    std::unique_ptr<Engine> engine_;
    std::vector<std::size_t> lengths_;
    bool scanEmpty_ = false;
};

}  // namespace corvane
