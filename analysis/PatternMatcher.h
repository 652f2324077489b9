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
    struct Match {
        std::size_t end;   // offset just past the match within the scanned block
        std::uint32_t id;  // index of the pattern as given to Compile
    };

    // Compiles `patterns` (none empty).  Throws std::runtime_error when the engine
    // refuses them.
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

    // Appends every match in [data, data + size) to `out`, in order of end offset.
    void Scan(const char* data, std::size_t size, Scratch& scratch, std::vector<Match>& out) const;

    std::size_t PatternLength(std::uint32_t id) const { return lengths_[id]; }

private:
    struct Engine;
    std::unique_ptr<Engine> engine_;
    std::vector<std::size_t> lengths_;
};

}  // namespace corvane
