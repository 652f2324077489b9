// The trend of one service over its recorded days: known and unknown errors per
// day, a line per error code on request, the chosen day highlighted.  Clicking a
// day asks the window to choose that day.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <QDialog>

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
    // The names of the series drawn, in order; for tests.
    QStringList seriesNames() const;
    // Acts as a click on the point of day `index`.
    void clickDay(int index);

signals:
    void daySelected(const QByteArray& day);

private:
    void rebuild();

    std::vector<TrendDay> days_;
    std::string chosenDay_;
    bool codeLines_ = false;
    QChart* chart_ = nullptr;
    QCheckBox* codeLinesBox_ = nullptr;
};

}  // namespace corvane::app
