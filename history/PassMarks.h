// The history's answer to "what is new or rising in this service's pass": the marks
// beside the window's rows, its known list and its patterns tab, the follow's rows, and
// the lines of `corvane-scan history`.  A day is marked against the recorded days of the
// same service and directory before it; the directory is named as the operator named it
// (the store normalises it).
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "history/HistoryMarks.h"
#include "history/RunRecord.h"
#include "scan/AnalysisRun.h"
#include "scan/FindingList.h"

namespace corvane {

class HistoryStore;

// The known findings of `lists` per error code: what a day's record keeps of them.
Counts KnownCodeCounts(std::initializer_list<const FindingList*> lists);

// What one service's day is marked against: the service's recorded days before the
// day, oldest first.  Read it once where the day's findings go on changing (a follow),
// and mark each new state of them without going back to the store.
class DayMarker {
public:
    DayMarker() = default;  // nothing recorded: no marks
    // A failure to read the history leaves nothing recorded.
    DayMarker(HistoryStore& store, const ServicePass& pass, bool withPatterns = false);

    // The marks by error code of the day with the known findings of `findings` and of
    // `carried` (those of the day's earlier files that a follow keeps beside the current
    // file's).
    std::vector<Mark> Codes(const FindingList& findings, const FindingList& carried = {}) const;
    // The same for the day's known findings counted by code (KnownCodeCounts), for a
    // caller that keeps the counts as the day changes instead of the findings.
    std::vector<Mark> Codes(const Counts& known) const;
    // The marks by unknown-error pattern of the day with `patterns` (a repeated text
    // counts once with its counts added up); the marker must have been read with its
    // patterns.
    std::vector<Mark> Patterns(const std::vector<PatternCount>& patterns) const;

private:
    std::vector<RecordedDay> earlier_;
};

// The marks by error code of `pass`'s day: its known findings and those of `carried`
// against the service's recorded days before the day.  Whether the day itself is
// recorded does not matter.
std::vector<Mark> PassMarks(HistoryStore& store, const ServicePass& pass,
                            const FindingList& carried = {});

// A recorded day with its marks by error code against its service's recorded days
// before it.
struct MarkedDay {
    RecordedDay day;
    std::vector<Mark> marks;
};

// The recorded days of `directory`, of one service when `serviceCode` is not empty, in
// day order and then service-code order, each marked.  On failure the list is empty
// and `error` (when given) says why.
std::vector<MarkedDay> MarkedDays(HistoryStore& store, const std::string& directory,
                                  const std::string& serviceCode = {},
                                  std::string* error = nullptr);

}  // namespace corvane
