// When each finding of a scan happened: the time of its own line, or, for a line
// without one (a continuation line, a stack trace), the time of the nearest earlier
// line of the same file that has one.  The timeline, the go-to-time and the
// per-code summary read these; the "发生时间" column keeps its own bytes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/Stop.h"
#include "scan/FindingList.h"
#include "scan/LogFile.h"
#include "timeline/LineTime.h"

namespace corvane {

// The line of a finding: the last place.length bytes of its text (a carried stamp
// goes in front of them), or the text after the code and the bar when the place is
// not known.
std::string_view FindingLine(const Finding& finding);

// Gives `times` an entry for every finding of `findings` (file order, places from a
// scan of `file`), keeping the entries it already has: a followed file's list grows,
// and the times of its earlier findings stay.  A finding whose line has no time
// takes that of the nearest earlier line with one: the lines between it and the
// finding before it are read backwards from the file until one has a time, and when
// none has, it takes the earlier finding's.  kNoTime when no earlier line has a
// time.  A finding without a known place only has its own line's time.  A stop
// leaves `times` shorter than `findings`; a read failure throws ScanReadError.
void ExtendFindingTimes(const LogFile& file, const FindingList& findings,
                        std::vector<DayTime>& times, const StopToken& stop = {});
// The same for the log at `path`, opened (a compressed day through its decompressed
// copy) only when a finding's line has no time of its own; a file that cannot be opened
// then throws ScanReadError with the message the operator is told.
void ExtendFindingTimes(const std::string& path, const FindingList& findings,
                        std::vector<DayTime>& times, const StopToken& stop = {});

}  // namespace corvane
