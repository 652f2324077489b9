// The search tab over the chosen day's logs of the checked services: its rows against
// the lines that hold the text, a result opening the lines around it, a refused
// expression, and a stop.

#include <QCheckBox>
#include <QTableView>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ContextView.h"
#include "SearchRows.h"
#include "WindowTestSupport.h"

using namespace wintest;

namespace {

struct SearchWindow {
    TestDirs dirs;
    FakeDialogs dialogs;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<Controls> c;
    QLineEdit* edit;
    QCheckBox* regex;
    QPushButton* search;
    QPushButton* stop;
    QLabel* status;
    QTableView* list;

    explicit SearchWindow(int alphaLines = 3000, bool compressedBeta = false) {
        // Decompressed copies go into the test's tree, never into the user's cache.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(dirs.LogDir() + QStringLiteral("/../cache")));
        dirs.WriteProgramFile("ServiceList.ini", ServiceListIni({{"A", "甲服务", "Alpha"},
                                                                 {"B", "乙服务", "Beta"},
                                                                 {"C", "丙服务", "Gamma"}}));
        dirs.WriteProgramFile("ErrorList.ini", QByteArray());
        QByteArray alpha;
        for (int i = 1; i <= alphaLines; ++i)
            alpha += "10:00:" + QByteArray::number(10 + i % 50) + ".000 order " +
                     (i % 7 == 0 ? "ORD-XQ " : "ORD-AB ") + QByteArray::number(i) + "\r\n";
        dirs.WriteLog("Alpha20240102.log", alpha);
        dirs.WriteLog("Beta20240102.log", "no time here ord-xq\nsecond\n" +
                                              Gbk(QStringLiteral("订单 Ord-Xq 已提交\n")));
        dirs.WriteLog("Gamma20240102.log", "ORD-XQ in an unchecked service\n");
        if (compressedBeta) {
            const QByteArray beta = QFile::encodeName(dirs.LogDir() + "/Beta20240102.log");
            if (std::system(("gzip " + beta).constData()) != 0) qWarning("gzip failed");
        }
        form = std::make_unique<MainWindow>(dirs.ProgramDir(), &dialogs);
        c = std::make_unique<Controls>(*form);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) qWarning("window not exposed");
        c->ChooseDay(dirs.LogDir(), QStringLiteral("20240102"));
        c->serviceList->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
        edit = Controls::Find<QLineEdit>(*form, design::kSearchEdit);
        regex = Controls::Find<QCheckBox>(*form, design::kSearchRegex);
        search = Controls::Find<QPushButton>(*form, design::kSearchButton);
        stop = Controls::Find<QPushButton>(*form, design::kSearchStopButton);
        status = Controls::Find<QLabel>(*form, design::kSearchStatus);
        list = Controls::Find<QTableView>(*form, design::kSearchList);
    }

    // Searches for `text` and waits for the search's end.
    void Search(const QString& text) {
        edit->setText(text);
        search->click();
        QVERIFY(ServeEventsUntil([&] { return !stop->isEnabled(); }));
        DrainEvents();
    }

    int Count() const { return Controls::RowCount(list); }
    // Opens the lines around result `row`, as a double click or Enter does.
    void Activate(int row) const {
        const QModelIndex index = list->model()->index(row, 0);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < Count(); ++i)
            rows << Controls::Cell(list, i, 0) + '|' + Controls::Cell(list, i, 1) + '|' +
                        Controls::Cell(list, i, 2) + '|' + Controls::Cell(list, i, 3);
        return rows;
    }
};

}  // namespace

class WindowSearchTest : public QObject {
    Q_OBJECT

private slots:
    void findsEveryLineOfTheCheckedServicesInOrder() {
        SearchWindow w;
        w.Search(QStringLiteral("ord-xq"));
        QStringList expected;
        for (int i = 7; i <= 3000; i += 7)
            expected << QStringLiteral("A|%1|10:00:%2.000|10:00:%2.000 order ORD-XQ %1")
                            .arg(i)
                            .arg(10 + i % 50);
        expected << QStringLiteral("B|1||no time here ord-xq")
                 << QStringLiteral("B|3||订单 Ord-Xq 已提交");
        QCOMPARE(w.Rows(), expected);
        QCOMPARE(w.status->text(), QStringLiteral("共 %1 行").arg(expected.size()));

        // A result opens the lines around it, its own line highlighted.
        w.Activate(2);
        const auto* view = w.form->findChild<corvane::app::ContextView*>();
        QVERIFY(view);
        QCOMPARE(view->highlightedLineNumber(), 21);
        QVERIFY(view->problem().isEmpty());
        QVERIFY(view->text().contains(QStringLiteral("ORD-XQ 21")));

        // Case kept: only the upper-case lines of Alpha.
        Controls::Find<QCheckBox>(*w.form, design::kSearchCase)->setChecked(true);
        w.Search(QStringLiteral("ORD-XQ"));
        QCOMPARE(w.Count(), 3000 / 7);
    }

    void aCompressedDayIsSearchedAndItsContextOpened() {
        SearchWindow w(100, true);
        w.Search(QStringLiteral("ord-xq"));
        QCOMPARE(w.Count(), 100 / 7 + 2);
        const int last = w.Count() - 1;
        QCOMPARE(w.Rows().last(), QStringLiteral("B|3||订单 Ord-Xq 已提交"));
        w.Activate(last);
        QTRY_VERIFY(w.form->findChild<corvane::app::ContextView*>());
        const auto* view = w.form->findChild<corvane::app::ContextView*>();
        QCOMPARE(view->highlightedLineNumber(), 3);
        QVERIFY(view->problem().isEmpty());
        QCOMPARE(view->firstLineNumber(), 1);
        QVERIFY(view->text().contains(QStringLiteral("second")));
    }

    // The list keeps places alone: each comes back as it was given, those beyond the
    // packed fields and those past a chunk included, and a shown row reads its line.
    void theRowsKeepEveryPlaceAndReadTheirLines() {
        using corvane::FindingPlace;
        using corvane::app::SearchRows;
        QTemporaryDir dir;
        QVERIFY(TestDirs::WriteFile(dir.filePath("a.log"), "first\r\nsecond line\r\n"));
        QVERIFY(TestDirs::WriteFile(dir.filePath("b.log"), "x\ny\n"));
        const std::int64_t maxOffset = (std::int64_t{1} << 40) - 1;
        const std::int64_t maxLength = (std::int64_t{1} << 24) - 2;
        const std::vector<FindingPlace> a = {{1, 0, 5}, {2, 7, 11}};
        std::vector<FindingPlace> b = {{2, 2, 1},
                                       {9, maxOffset, 3},
                                       {10, maxOffset + 1, 3},
                                       {11, 0, maxLength},
                                       {12, 4, maxLength + 1}};
        for (std::int64_t i = 0; i < 70000; ++i) b.push_back({100 + i, i, 1});
        SearchRows rows;
        for (const auto& [name, places] :
             {std::pair{"a.log", &a},
              std::pair{"b.log", static_cast<const std::vector<FindingPlace>*>(&b)}}) {
            const std::string path = QFile::encodeName(dir.filePath(name)).toStdString();
            rows.addFile({path, corvane::StatusOfPath(path)->stamp, QString(name), false});
            std::vector<corvane::app::PackedPlace> packed;
            std::vector<FindingPlace> aside;
            for (const FindingPlace& p : *places)
                packed.push_back(SearchRows::Pack(p.line, p.offset, p.length, aside));
            rows.append(packed, aside);
        }
        QCOMPARE(rows.rowCount(), 70007);
        for (long long row = 0; row < rows.size(); ++row) {
            const bool inA = row < 2;
            const FindingPlace& expected = inA ? a[row] : b[static_cast<std::size_t>(row - 2)];
            if (!(rows.placeOf(row) == expected)) QFAIL(qPrintable(QString::number(row)));
            QCOMPARE(rows.fileOf(row).service, QString(inA ? "a.log" : "b.log"));
        }
        const auto cell = [&](int row, int column) {
            return rows.data(rows.index(row, column), Qt::DisplayRole).toString();
        };
        QCOMPARE(cell(1, 0) + '|' + cell(1, 1) + '|' + cell(1, 3),
                 QStringLiteral("a.log|2|second line"));
        QCOMPARE(cell(2, 1) + '|' + cell(2, 3), QStringLiteral("2|y"));
        QCOMPARE(rows.lineOf(5), std::string("x\ny\n"));  // the file ends before the length
        QCOMPARE(cell(3, 3), QString());                  // beyond the file
    }

    void anExpressionTheEngineRefusesIsSaidAndAStopEndsTheSearch() {
        SearchWindow w(400000);
        w.regex->setChecked(true);
        w.Search(QStringLiteral("ord-(xq"));
        QVERIFY(w.status->text().startsWith(QStringLiteral("表达式有误：")));
        QCOMPARE(w.Count(), 0);

        w.Search(QStringLiteral("^10:00:1[0-4]\\.000 order ORD-XQ"));
        QCOMPARE(w.status->text(), QStringLiteral("共 %1 行").arg(w.Count()));
        QVERIFY(w.Count() > 0);

        // Every line matches: the stop ends the search with what it has shown.
        w.edit->setText(QStringLiteral("order"));
        w.search->click();
        QVERIFY(w.stop->isEnabled());
        w.stop->click();
        QVERIFY(!w.stop->isEnabled());
        DrainEvents();
        QVERIFY(w.status->text().startsWith(QStringLiteral("已停止")));
        QVERIFY(w.form->close());
    }
};

QTEST_MAIN(WindowSearchTest)
#include "tst_window_search.moc"
