#include "history/PassMarks.h"

#include <map>

#include "catalog/ErrorCatalogue.h"
#include "history/HistoryStore.h"

namespace corvane {

namespace {

std::vector<const Counts*> CountsOf(const std::vector<RecordedDay>& days,
                                    Counts RecordedDay::*part) {
    std::vector<const Counts*> counts;
    counts.reserve(days.size());
    for (const RecordedDay& day : days) counts.push_back(&(day.*part));
    return counts;
}

}  // namespace

Counts KnownCodeCounts(std::initializer_list<const FindingList*> lists) {
    Counts codes;
    for (const FindingList* list : lists) {
        for (const Finding& finding : *list) {
            const std::string_view code = finding.Code();
            if (code != kUnknownCode) ++codes[std::string(code)];
        }
    }
    return codes;
}

DayMarker::DayMarker(HistoryStore& store, const ServicePass& pass, bool withPatterns)
    : earlier_(store.Days(pass.directory, pass.serviceCode, withPatterns)) {
    // Days come in day order: the day itself and the ones after it end the list.
    std::erase_if(earlier_, [&](const RecordedDay& day) { return day.day >= pass.day; });
}

std::vector<Mark> DayMarker::Codes(const FindingList& findings, const FindingList& carried) const {
    return DayMarks(CountsOf(earlier_, &RecordedDay::codes),
                    KnownCodeCounts({&carried, &findings}));
}

std::vector<Mark> DayMarker::Codes(const Counts& known) const {
    return DayMarks(CountsOf(earlier_, &RecordedDay::codes), known);
}

std::vector<Mark> DayMarker::Patterns(const std::vector<PatternCount>& patterns) const {
    Counts day;
    for (const PatternCount& pattern : patterns) day[pattern.text] += pattern.count;
    return DayMarks(CountsOf(earlier_, &RecordedDay::patterns), day);
}

std::vector<Mark> PassMarks(HistoryStore& store, const ServicePass& pass,
                            const FindingList& carried) {
    return DayMarker(store, pass).Codes(pass.findings, carried);
}

std::vector<MarkedDay> MarkedDays(HistoryStore& store, const std::string& directory,
                                  const std::string& serviceCode, std::string* error) {
    std::vector<RecordedDay> days = store.Days(directory, serviceCode, false, error);
    // Each service's days in day order, as indices into `days`.
    std::map<std::string, std::vector<std::size_t>> byService;
    std::vector<std::size_t> positions(days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        std::vector<std::size_t>& own = byService[days[i].serviceCode];
        positions[i] = own.size();
        own.push_back(i);
    }
    std::vector<MarkedDay> marked(days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        const std::vector<std::size_t>& own = byService[days[i].serviceCode];
        std::vector<const Counts*> earlier;
        const std::size_t first = positions[i] > kMarkLookBack ? positions[i] - kMarkLookBack : 0;
        for (std::size_t k = first; k < positions[i]; ++k) earlier.push_back(&days[own[k]].codes);
        marked[i].marks = DayMarks(earlier, days[i].codes);
    }
    for (std::size_t i = 0; i < days.size(); ++i) marked[i].day = std::move(days[i]);
    return marked;
}

}  // namespace corvane
