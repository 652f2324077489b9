// One record per result row of the last run: what the run stored for the row and the
// history's marks beside it.
#pragma once

#include <memory>
#include <vector>

#include <QLatin1Char>
#include <QString>
#include <QStringList>

#include "GbkDisplay.h"
#include "WindowRun.h"
#include "catalog/GbkText.h"
#include "history/HistoryMarks.h"

namespace corvane::app {

struct ResultRow {
    std::shared_ptr<const ServicePass> stored;  // never null
    std::vector<Mark> marks;                    // the new and rising codes
    // Findings of the day's files before the current one (cut short or rotated away
    // while followed), which the day's record keeps beside the current file's.
    FindingList carried;
};

// Entry i belongs to result row i.
using ResultRows = std::vector<ResultRow>;

// The kinds of `marks` as the result list and the known-error list show them
// ("新", "突增").
inline QString MarkKinds(const std::vector<Mark>& marks) {
    bool isNew = false, spike = false;
    for (const Mark& mark : marks) (mark.kind == MarkKind::New ? isNew : spike) = true;
    QStringList kinds;
    if (isNew) kinds << FromGbkLine(gbk::kMarkNew);
    if (spike) kinds << FromGbkLine(gbk::kMarkSpike);
    return kinds.join(QLatin1Char(' '));
}

}  // namespace corvane::app
