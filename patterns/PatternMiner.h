// Groups log lines into patterns: the constant text of a kind of line with its
// variable parts marked "<*>".
//
// Lines are added one at a time and each joins a pattern at once, so the miner can be
// fed in slices from the window's thread or run on a worker thread; it keeps no global
// state and never looks at a line again.  The same lines in the same order always give
// the same patterns.  Time and memory per line are bounded (LineTokens.h), and so is
// the number of patterns: once the cap is reached, lines that fit no pattern go to one
// group of their own, "<other>".
//
// A line's header (time stamp, level, ids, logger; LineTokens.h) never decides its
// pattern: lines are compared by the message after it, and a pattern's text begins
// with what the headers of its lines share, the rest of them as "<*>".
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::size_t kDefaultMaxPatterns = 5000;

// The miner's tunable choices.  The defaults are what the program uses; the others
// exist so that a benchmark can weigh each choice on every log with that log left out.
struct PatternTuning {
    // How similar a line must be to a pattern to join it, in percent.
    int similarityPercent = 70;
    // What an ASCII word between blanks in place of another costs where a line first
    // differs from a pattern (a matched word gains 8; two capitalised words cost more; a
    // word glued to the text around it costs 8).  More than the word gains: a word
    // that differs in a short sentence names its kind more often than a value
    // ("Instance spawned successfully" and "Instance destroyed successfully").
    int wordCost = 12;
    // A value with a bracketed value glued to it is one variable part (LineTokens.h).
    bool gluedValues = true;
    // Words before a time stamp in seconds since 1970 belong to the header (LineTokens.h).
    bool lateStamps = true;
    // A pattern's variable part takes brackets glued to the values of a line
    // ("LOCAL(0)" where an address stands), at half their weight.
    bool gluedPunctuation = true;
    // Patterns whose texts differ only by optional fields (a bracketed value, more items
    // of a list) or by what a dump of key=value fields in brackets holds are one group.
    bool optionalFields = true;
    // Patterns alike but for one lower-case word in one place (not the first) that
    // takes three words or more are one group.
    bool wordSlots = true;
    // Lines that differ only by one of two lower-case words between words ("Failed
    // password for" and "Failed none for") are two groups when each word holds two lines
    // or more and no third word stands there.
    bool eitherWord = true;
    // Lines that differ only by the lower-case word a key=value pair holds
    // ("user=root" and "user=guest") are a group for each word when each holds two
    // lines or more and no more than three words stand there.
    bool pairWords = true;
    // A line whose header names another program than all of a pattern's lines (another
    // word in a header of the same form) does not join the pattern when it lacks one of
    // the pattern's values or holds one the pattern lacks.
    bool sameSource = true;
    // With wordSlots, patterns alike but for one acronym in a place that takes five or
    // more ("ACPI: DSDT (v1)", "ACPI: FADT (v1)", ...) are one group too.
    bool capsWords = true;
    // With wordSlots, patterns alike but for one word alone between quotes, whatever its
    // case, are one group too ("state 'Active'" and "state 'Inactive'").
    bool quotedWords = true;
    // Lines that differ only by the name a message starts with and a colon follows
    // ("getTasks: caller 7 ..." and "getRunningAppProcesses: caller 8 ..."), a word
    // without digits, are two groups when each name holds two lines or more and no
    // third name stands there, as with eitherWord.
    bool labelWords = true;
    // With pairWords, a constant's full name that a pair holds after a colon or an
    // equals sign ("action: android.intent.action.SCREEN_ON") names a kind as a
    // lower-case word does.
    bool constantNames = true;
    // Lines that differ only by the lower-case word the message starts with ("disk limit
    // not specified" and "vcpu limit not specified"; two words, as with eitherWord) or
    // by a pair's key, a colon glued after it ("Total memory: 5 MB", "Total disk: 7 GB";
    // up to three, as with pairWords), are a group for each word seen in two lines or
    // more.
    bool wordPlaces = true;
    // Lines that differ only by the Chinese characters in one place of a sentence, with
    // the same text on either side ("缓存未命中" and "缓存命中", "接口成功" and "接口超时"),
    // are two groups when each holds two lines or more and no third text stands there,
    // as with eitherWord: names and places taken there are many.
    bool chineseRuns = true;
    // The groups that the patterns made are compared once more, the largest first, so
    // that one which began before a more general one formed can join it.
    bool regroup = true;
};

// Reads "name=value,name=value" (names: similarity, wordcost, glued, stamps, punct,
// optional, slots, either, pairs, source, caps, quoted, labels, names, places, runs, again;
// values numbers, 0 or 1) over `tuning`.  Returns false, leaving `tuning` as it may be,
// on anything else.
bool ParsePatternTuning(std::string_view text, PatternTuning& tuning);

// What the miner reports about one pattern.
struct PatternGroup {
    std::vector<std::uint32_t> ids;  // the ids that Add returned for the group's lines
    std::int64_t count = 0;          // lines in the group
    std::string text;                // GBK, variable parts as "<*>"; "<other>" for the rest group
    bool other = false;              // the group of lines beyond the cap
    // The constant parts of the pattern between its variable parts, in order, each as it
    // stands in the pattern's text (blanks included).
    std::vector<std::string> constants;
};

class PatternMiner {
public:
    // The group id of the lines that came after the cap was reached and fit no pattern.
    static constexpr std::uint32_t kOtherGroup = 0xFFFFFFFFu;

    explicit PatternMiner(std::size_t maxPatterns = kDefaultMaxPatterns,
                          const PatternTuning& tuning = {});
    ~PatternMiner();
    PatternMiner(PatternMiner&&) noexcept;
    PatternMiner& operator=(PatternMiner&&) noexcept;

    // Adds one line (without its terminator) and returns the id of the pattern it
    // joined: 0, 1, 2, ... in the order in which they first appear, or kOtherGroup.  A
    // pattern may hand out further ids, to the lines with the second of two words that
    // take turns in one place or another word a pair holds (PatternTuning::eitherWord,
    // pairWords).  Ranked tells which group each id ended in.
    std::uint32_t Add(std::string_view line);

    // Number of patterns so far, without the <other> group.
    std::size_t PatternCount() const;
    // Lines added so far.
    std::int64_t LineCount() const;

    // The groups ranked: the largest first, equal counts in the order of first
    // appearance, and the <other> group (when it holds lines) last.  Patterns that
    // have become alike since they began are one group here.  Costs a pass over the
    // patterns; call it when the lines are in.
    std::vector<PatternGroup> Ranked() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The 1-based rank in `ranked` (as returned by Ranked) of every id that Add returned,
// indexed by id; the <other> group's rank is returned in `otherRank` (0 when it is
// empty).
std::vector<std::uint32_t> RanksById(const std::vector<PatternGroup>& ranked,
                                     std::uint32_t& otherRank);

}  // namespace corvane
