// A matcher of its own for caseless literals that the multi-literal engine runs
// slowly on: text made of the literals' own words, where every short stretch of a
// literal is common and the engine's first stage lets most places through.  Each
// literal of eleven bytes or more is looked for by eight-byte windows of it, checked
// at every fourth place of the text through one table lookup (four windows of each
// literal, one after another, so that every place the literal can begin is seen by
// exactly one of them); each shorter literal by a rare pair of its bytes (a literal
// of one byte by that byte), compared sixteen places at a time.  A window or pair
// found is compared with the literals that hold it there, so the matches are exactly
// the literals' matches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvane {

class WindowMatcher {
public:
    // How often the `length` folded bytes of `word` (its first byte lowest, zero
    // beyond `length`) occur in text like the text to be scanned.
    using PieceCount = std::function<std::size_t(std::uint64_t word, std::size_t length)>;
    // As LiteralMatcher::MatchHandler.
    using MatchHandler = bool (*)(void* context, std::size_t end, std::uint32_t id);

    // For `folded` (each literal with A-Z folded to a-z, none empty), or nothing when
    // the short literals need more than a few distinct pairs.
    // `count` counts in a sample of `sampleLength` bytes.
    static std::unique_ptr<WindowMatcher> Make(const std::vector<std::string>& folded,
                                               const PieceCount& count, std::size_t sampleLength);

    // Hands every match in [data, data + size) to `handler`, in order of the place a
    // window or pair of it was found, so that no match ends at or before the
    // beginning of a match that came before it.  Returns false when the handler ended
    // the scan.
    bool Scan(const char* data, std::size_t size, MatchHandler handler, void* context) const;

    // How many windows and pairs it looks for.
    std::size_t Texts() const { return windowWords_.size() + pairs_.size(); }

    WindowMatcher(const WindowMatcher&) = delete;
    WindowMatcher& operator=(const WindowMatcher&) = delete;
    ~WindowMatcher();

private:
    WindowMatcher() = default;
    struct Holder {
        std::uint32_t literal;
        std::uint32_t offset;  // of the window or pair in the literal
    };
    // Two bytes, or one for a literal of one byte.
    struct Pair {
        std::uint16_t folded;
        bool single;
        std::vector<Holder> holders;
        bool Holds(const unsigned char* p) const;
    };
    bool ChoosePairs(const std::vector<std::uint32_t>& shorts, const PieceCount& count,
                     std::size_t sampleLength);
    bool Chunk(const unsigned char* at, std::size_t place, const unsigned char* data,
               std::size_t size, MatchHandler handler, void* context) const;
    bool Compare(const Holder& holder, std::size_t place, const unsigned char* data,
                 std::size_t size, MatchHandler handler, void* context) const;

    std::vector<std::string> literals_;
    std::vector<std::uint64_t> heads_;  // each literal's first eight bytes, folded
    std::vector<std::uint8_t> filter_;  // by window hash: whether some window has it
    // The windows in open addressing by their folded words; holders of slot s are
    // holders_[firstHolder_[s]] up to holders_[firstHolder_[s + 1]].
    std::vector<std::uint64_t> windowWords_;
    std::vector<std::uint64_t> slotWords_;
    std::vector<std::uint32_t> slotWindow_;  // index into windowWords_, or kEmpty
    std::vector<std::uint32_t> firstHolder_;
    std::vector<Holder> holders_;
    std::vector<Pair> pairs_;
};

}  // namespace corvane
