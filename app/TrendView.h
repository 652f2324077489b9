// The trend of one service over its recorded days: known and unknown errors per
// day, a line per error code on request, the chosen day highlighted.  Clicking a
// day asks the window to choose that day; the window tells the view which day is
// chosen.  Every series has a colour of its own, and the day labels are as many as
// fit the plot's width.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <QDialog>

class QCategoryAxis;
class QChart;
class QCheckBox;

namespace corvane::app {

// One recorded day of a service.
struct TrendDay {
    std::string day;  // the day's bytes, as in the day list
    long long known = 0;
    long long unknown = 0;
    std::map<std::string, long long> perCode;  // known errors by code
};

class TrendView final : public QDialog {
    Q_OBJECT

public:
    TrendView(const QString& serviceName, std::vector<TrendDay> days, const std::string& chosenDay,
              QWidget* parent = nullptr);

    // Draws a line per error code besides the two totals.
    void setCodeLines(bool shown);
    bool codeLines() const { return codeLines_; }
    // Marks `day` (the day's bytes) as the chosen one; no mark when it has no record.
    void setChosenDay(const std::string& day);
    // The names of the series drawn, in order; for tests.
    QStringList seriesNames() const;
    // Acts as a click on the point of day `index`.
    void clickDay(int index);

signals:
    void daySelected(const QByteArray& day);

private:
    void rebuild();
    // Labels every day, or every second, third ... day as the plot's width allows.
    void labelDays();

    std::vector<TrendDay> days_;
    std::string chosenDay_;
    bool codeLines_ = false;
    QChart* chart_ = nullptr;
    QCategoryAxis* dayAxis_ = nullptr;
    int labelStep_ = 0;    // days from one label to the next; 0 before any
    bool oneYear_ = true;  // the days lie in one year: their labels leave it out
    QCheckBox* codeLinesBox_ = nullptr;
};

}  // namespace corvane::app
