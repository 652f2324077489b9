// One record per result row of the last run: what the run stored for the row and the
// history's marks beside it.
#pragma once

#include <memory>
#include <vector>

#include "WindowRun.h"
#include "history/HistoryMarks.h"

namespace corvane::app {

struct ResultRow {
    std::shared_ptr<const ServicePass> stored;  // never null
    std::vector<Mark> marks;                    // the new and rising codes
};

// Entry i belongs to result row i.
using ResultRows = std::vector<ResultRow>;

}  // namespace corvane::app
