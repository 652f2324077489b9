// The multi-pattern engine behind the scanner: every keyword, ignore text and
// failure marker of one scan compiled once, then run over a block of text in a
// single pass.  Matching ignores the case of a-z/A-Z byte by byte, which is exactly
// the scanner's fold (GBK trail bytes in that range included).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace corvane {

class PatternMatcher {
public:
    // Compiles `patterns` (none empty; any byte, NUL included, may appear).  Throws
    // std::runtime_error when the engine refuses them.
    explicit PatternMatcher(const std::vector<std::string>& patterns);
    ~PatternMatcher();
    PatternMatcher(const PatternMatcher&) = delete;
    PatternMatcher& operator=(const PatternMatcher&) = delete;

    // The engine's working memory for one scan at a time: each thread that scans
    // needs its own, while the compiled patterns are shared.
    class Scratch {
    public:
        explicit Scratch(const PatternMatcher& matcher);
        ~Scratch();
        Scratch(const Scratch&) = delete;
        Scratch& operator=(const Scratch&) = delete;

    private:
        friend class PatternMatcher;
        struct Space;
        std::unique_ptr<Space> space_;
    };

    // Receives one match: the offset just past it in the scanned text and the index
    // of its pattern.  Returns false to end the scan there.  Must not throw.
    using MatchHandler = bool (*)(void* context, std::size_t end, std::uint32_t id);

    // Hands every match in [data, data + size) to `handler` as the engine finds it,
    // in order of end offset, without collecting them.  Returns false when the
    // handler ended the scan.
    bool Scan(const char* data, std::size_t size, Scratch& scratch, MatchHandler handler,
              void* context) const;

    std::size_t PatternLength(std::uint32_t id) const { return lengths_[id]; }

private:
    struct Engine;
    std::unique_ptr<Engine> engine_;
    std::vector<std::size_t> lengths_;
};

}  // namespace corvane
