#include "scan/LiteralMatcher.h"

#include <hs/hs.h>

#include <algorithm>
#include <cstdio>

// The engine library's own entry for its AVX2 code, present in its builds that pick
// their code for the processor at run time.
// NOLINTNEXTLINE(readability-identifier-naming): the library's own name
extern "C" hs_error_t avx2_hs_scan(const hs_database_t* db, const char* data, unsigned length,
                                   unsigned flags, hs_scratch_t* scratch,
                                   match_event_handler onEvent, void* context)
    __attribute__((weak));

namespace corvane {
namespace {

using ScanEntry = decltype(&hs_scan);

// Which of the engine's code paths runs the scans, and the processor features the
// literals are compiled for so that it accepts them.
struct EnginePath {
    ScanEntry scan = hs_scan;
    bool avx2Only = false;
};

// The library picks its code for the processor when a scan begins.  On a processor
// with AVX-512 that is code which misses matches: with "llxy" and "failed " compiled,
// "failed " after a run of 61 'a' bytes is not reported, and about one random literal
// set in two hundred loses a match the same way, with or without case folding.  Its
// AVX2 code finds them all, so where the library offers that code by name, it runs
// every scan on such a processor.
const EnginePath& ChosenPath() {
    static const EnginePath path = [] {
        EnginePath chosen;
        if (avx2_hs_scan != nullptr && __builtin_cpu_supports("avx512f") &&
            __builtin_cpu_supports("avx2")) {
            chosen.scan = avx2_hs_scan;
            chosen.avx2Only = true;
        }
        return chosen;
    }();
    return path;
}

}  // namespace

struct LiteralMatcher::Engine {
    hs_database_t* database = nullptr;
    hs_scratch_t* scratch = nullptr;  // the prototype each Scratch is cloned from
    ~Engine() {
        if (scratch) hs_free_scratch(scratch);
        if (database) hs_free_database(database);
    }
};

struct LiteralMatcher::Scratch::Space {
    hs_scratch_t* scratch = nullptr;
    ~Space() {
        if (scratch) hs_free_scratch(scratch);
    }
};

LiteralMatcher::Scratch::Scratch(const LiteralMatcher& matcher)
    : space_(std::make_unique<Space>()) {
    if (matcher.engine_->scratch &&
        hs_clone_scratch(matcher.engine_->scratch, &space_->scratch) != HS_SUCCESS) {
        throw LiteralEngineFailure("literal engine: cannot allocate scratch space");
    }
}

LiteralMatcher::Scratch::~Scratch() = default;

namespace {

// The literal interface takes a leading NUL byte for an empty literal.  A set with
// such a literal is compiled as expressions instead, every byte written as \xHH,
// which match exactly the same places.
std::string AsExpression(const std::string& literal) {
    std::string expression;
    expression.reserve(4 * literal.size());
    char hex[5];
    for (const char c : literal) {
        std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
        expression += hex;
    }
    return expression;
}

}  // namespace

LiteralMatcher::LiteralMatcher(const std::vector<std::string>& literals,
                               const MatchOptions& options)
    : engine_(std::make_unique<Engine>()) {
    lengths_.reserve(literals.size());
    for (const std::string& p : literals) lengths_.push_back(p.size());
    if (literals.empty()) return;

    const bool literal =
        !options.expressions && std::none_of(literals.begin(), literals.end(),
                                             [](const std::string& p) { return p[0] == '\0'; });
    std::vector<std::string> texts;
    if (options.expressions)
        texts = literals;
    else if (!literal)
        std::transform(literals.begin(), literals.end(), std::back_inserter(texts), AsExpression);
    std::vector<const char*> expressions;
    unsigned flag = options.caseless ? HS_FLAG_CASELESS : 0;
    if (options.singleMatch) flag |= HS_FLAG_SINGLEMATCH;
    if (options.allowEmpty) flag |= HS_FLAG_ALLOWEMPTY;
    scanEmpty_ = options.allowEmpty;
    std::vector<unsigned> flags(literals.size(), flag);
    std::vector<unsigned> ids;
    for (std::size_t i = 0; i < literals.size(); ++i) {
        expressions.push_back(literal ? literals[i].data() : texts[i].c_str());
        ids.push_back(static_cast<unsigned>(i));
    }
    hs_platform_info_t platform{};
    hs_platform_info_t* target = nullptr;
    if (ChosenPath().avx2Only && hs_populate_platform(&platform) == HS_SUCCESS) {
        platform.cpu_features &= HS_CPU_FEATURES_AVX2;
        target = &platform;
    }
    hs_compile_error_t* error = nullptr;
    const unsigned count = static_cast<unsigned>(literals.size());
    const hs_error_t compiled =
        literal
            ? hs_compile_lit_multi(expressions.data(), flags.data(), ids.data(), lengths_.data(),
                                   count, HS_MODE_BLOCK, target, &engine_->database, &error)
            : hs_compile_multi(expressions.data(), flags.data(), ids.data(), count, HS_MODE_BLOCK,
                               target, &engine_->database, &error);
    if (compiled != HS_SUCCESS) {
        std::string message =
            error && error->message ? error->message : "literal compilation failed";
        hs_free_compile_error(error);
        throw CompileRefused(message);
    }
    if (hs_alloc_scratch(engine_->database, &engine_->scratch) != HS_SUCCESS) {
        throw LiteralEngineFailure("literal engine: cannot allocate scratch space");
    }
}

LiteralMatcher::~LiteralMatcher() = default;

namespace {

struct Delivery {
    LiteralMatcher::MatchHandler handler;
    void* context;
    std::size_t offset;        // of the engine's window in the text
    std::size_t reportedUpTo;  // matches ending here or before came in an earlier window
};

int OnMatch(unsigned int id, unsigned long long, unsigned long long to, unsigned int,
            void* context) {
    Delivery& delivery = *static_cast<Delivery*>(context);
    const std::size_t end = static_cast<std::size_t>(to) + delivery.offset;
    if (delivery.offset > 0 && end <= delivery.reportedUpTo) return 0;
    return delivery.handler(delivery.context, end, static_cast<std::uint32_t>(id)) ? 0 : 1;
}

}  // namespace

bool LiteralMatcher::Scan(const char* data, std::size_t size, Scratch& scratch,
                          MatchHandler handler, void* context) const {
    if (!engine_->database || (size == 0 && !scanEmpty_)) return true;
    // The engine takes 32-bit lengths.  Blocks are far smaller in practice, but a
    // pathological single line may not be: scan it in overlapping windows and hand
    // on each match once.
    constexpr std::size_t kMaxWindow = std::size_t{1} << 30;
    const std::size_t longest = *std::max_element(lengths_.begin(), lengths_.end());
    Delivery delivery{handler, context, 0, 0};
    for (;;) {
        const std::size_t n = std::min(kMaxWindow, size - delivery.offset);
        const hs_error_t result =
            ChosenPath().scan(engine_->database, data + delivery.offset, static_cast<unsigned>(n),
                              0, scratch.space_->scratch, OnMatch, &delivery);
        if (result == HS_SCAN_TERMINATED) return false;
        if (result != HS_SUCCESS) throw LiteralEngineFailure("literal engine: scan failed");
        delivery.reportedUpTo = delivery.offset + n;
        if (delivery.reportedUpTo >= size) return true;
        delivery.offset = delivery.reportedUpTo - (longest - 1);
    }
}

}  // namespace corvane
