// The multi-literal engine behind the scanner: every keyword, ignore text and
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

class LiteralMatcher {
public:
    // Compiles `literals` (none empty; any byte, NUL included, may appear).  Throws
    // std::runtime_error when the engine refuses them.
    explicit LiteralMatcher(const std::vector<std::string>& literals);
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
    // in order of end offset, without collecting them.  Returns false when the
    // handler ended the scan.
    bool Scan(const char* data, std::size_t size, Scratch& scratch, MatchHandler handler,
              void* context) const;

    std::size_t LiteralLength(std::uint32_t id) const { return lengths_[id]; }

private:
    struct Engine;
    std::unique_ptr<Engine> engine_;
    std::vector<std::size_t> lengths_;
};

}  // namespace corvane
