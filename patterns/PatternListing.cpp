#include "patterns/PatternListing.h"

#include "patterns/FindingLines.h"
#include "scan/FileLines.h"

namespace corvane {

std::optional<PatternListing> MineFilePatterns(const std::string& path, const StopToken& stop,
                                               std::size_t maxPatterns,
                                               const PatternTuning& tuning) {
    PatternListing listing;
    PatternMiner miner(maxPatterns, tuning);
    bool stopped = false;
    ForEachLogLine(path, [&](const FileLine& line) {
        if (stop.stop_requested()) {
            stopped = true;
            return false;
        }
        if (!line.text.empty()) listing.lines.push_back({line.number, miner.Add(line.text)});
        return true;
    });
    if (stopped) return std::nullopt;
    listing.groups = miner.Ranked();
    return listing;
}

std::optional<PatternListing> MineUnknownFindingPatterns(const FindingList& findings,
                                                         const StopToken& stop,
                                                         std::size_t maxPatterns,
                                                         const PatternTuning& tuning) {
    PatternListing listing;
    PatternMiner miner(maxPatterns, tuning);
    for (const LocatedFinding& f : LocateUnknownFindings(findings)) {
        if (stop.stop_requested()) return std::nullopt;
        listing.lines.push_back({f.place.line, miner.Add(f.text), f.index});
    }
    listing.groups = miner.Ranked();
    return listing;
}

void FormatPatternListing(const PatternListing& listing, bool byLine,
                          const std::function<void(std::string_view)>& emit) {
    std::string text;
    if (!byLine) {
        for (const PatternGroup& g : listing.groups) {
            text = std::to_string(g.count);
            text += '\t';
            text += g.text;
            emit(text);
        }
        return;
    }
    std::uint32_t otherRank = 0;
    const std::vector<std::uint32_t> ranks = RanksById(listing.groups, otherRank);
    for (const GroupedLine& l : listing.lines) {
        text = std::to_string(l.line);
        text += '\t';
        text += std::to_string(l.group == PatternMiner::kOtherGroup ? otherRank : ranks[l.group]);
        emit(text);
    }
}

}  // namespace corvane
