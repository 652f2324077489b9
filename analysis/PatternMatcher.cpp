#include "analysis/PatternMatcher.h"

#include <hs/hs.h>

#include <algorithm>
#include <stdexcept>

namespace corvane {

struct PatternMatcher::Engine {
    hs_database_t* database = nullptr;
    hs_scratch_t* scratch = nullptr;  // the prototype each Scratch is cloned from
    ~Engine() {
        if (scratch) hs_free_scratch(scratch);
        if (database) hs_free_database(database);
    }
};

struct PatternMatcher::Scratch::Space {
    hs_scratch_t* scratch = nullptr;
    ~Space() {
        if (scratch) hs_free_scratch(scratch);
    }
};

PatternMatcher::Scratch::Scratch(const PatternMatcher& matcher)
    : space_(std::make_unique<Space>()) {
    if (matcher.engine_->scratch &&
        hs_clone_scratch(matcher.engine_->scratch, &space_->scratch) != HS_SUCCESS) {
        throw std::runtime_error("pattern engine: cannot allocate scratch space");
    }
}

PatternMatcher::Scratch::~Scratch() = default;

PatternMatcher::PatternMatcher(const std::vector<std::string>& patterns)
    : engine_(std::make_unique<Engine>()) {
    lengths_.reserve(patterns.size());
    for (const std::string& p : patterns) lengths_.push_back(p.size());
    if (patterns.empty()) return;

    std::vector<const char*> expressions;
    std::vector<unsigned> flags(patterns.size(), HS_FLAG_CASELESS);
    std::vector<unsigned> ids;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        expressions.push_back(patterns[i].data());
        ids.push_back(static_cast<unsigned>(i));
    }
    hs_compile_error_t* error = nullptr;
    if (hs_compile_lit_multi(expressions.data(), flags.data(), ids.data(), lengths_.data(),
                             static_cast<unsigned>(patterns.size()), HS_MODE_BLOCK, nullptr,
                             &engine_->database, &error) != HS_SUCCESS) {
        std::string message =
            error && error->message ? error->message : "pattern compilation failed";
        hs_free_compile_error(error);
        throw std::runtime_error(message);
    }
    if (hs_alloc_scratch(engine_->database, &engine_->scratch) != HS_SUCCESS) {
        throw std::runtime_error("pattern engine: cannot allocate scratch space");
    }
}

PatternMatcher::~PatternMatcher() = default;

namespace {
int OnMatch(unsigned int id, unsigned long long, unsigned long long to, unsigned int,
            void* context) {
    static_cast<std::vector<PatternMatcher::Match>*>(context)->push_back(
        {static_cast<std::size_t>(to), static_cast<std::uint32_t>(id)});
    return 0;
}
}  // namespace

void PatternMatcher::Scan(const char* data, std::size_t size, Scratch& scratch,
                          std::vector<Match>& out) const {
    if (!engine_->database || size == 0) return;
    const std::size_t first = out.size();
    // The engine takes 32-bit lengths.  Blocks are far smaller in practice, but a
    // pathological single line may not be: scan it in overlapping windows and keep
    // each match once.
    constexpr std::size_t kMaxWindow = std::size_t{1} << 30;
    const std::size_t longest = *std::max_element(lengths_.begin(), lengths_.end());
    std::size_t offset = 0;
    std::size_t reportedUpTo = 0;
    for (;;) {
        const std::size_t n = std::min(kMaxWindow, size - offset);
        const std::size_t before = out.size();
        if (hs_scan(engine_->database, data + offset, static_cast<unsigned>(n), 0,
                    scratch.space_->scratch, OnMatch, &out) != HS_SUCCESS) {
            throw std::runtime_error("pattern engine: scan failed");
        }
        std::size_t kept = before;
        for (std::size_t i = before; i < out.size(); ++i) {
            out[i].end += offset;
            if (out[i].end > reportedUpTo) out[kept++] = out[i];
        }
        out.resize(kept);
        reportedUpTo = offset + n;
        if (reportedUpTo >= size) break;
        offset = reportedUpTo - (longest - 1);
    }
    // Literal matches arrive ordered by end offset; keep that promise even if an
    // engine version delivers same-block matches slightly out of order.
    auto begin = out.begin() + static_cast<std::ptrdiff_t>(first);
    if (!std::is_sorted(begin, out.end(),
                        [](const Match& a, const Match& b) { return a.end < b.end; })) {
        std::stable_sort(begin, out.end(),
                         [](const Match& a, const Match& b) { return a.end < b.end; });
    }
}

}  // namespace corvane
