// The result list places each line by its row: hit tests, keys and scrolling agree with what
// it paints, and appending a line costs the same whatever the list already holds.
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

#include "form/window/result_list.h"
#include "qt_test_main.h"

namespace {

// A request's worth of lines, the last line made the top item and the list painted, as the
// equation page does: the time in nanoseconds.
qint64 appendBlock(ResultList& list, int lines) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < lines; ++i) {
        list.addItem(QStringLiteral("X%1 =  1.414213562").arg(i + 1));
    }
    list.scrollToItem(list.item(list.count() - 1), QAbstractItemView::PositionAtTop);
    QCoreApplication::processEvents();
    return timer.nsecsElapsed();
}

void show(ResultList& list) {
    list.resize(400, 300);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
}

} // namespace

class ResultListTest : public QObject {
    Q_OBJECT

private slots:
    void hitTestsFindThePaintedLine();
    void keysMoveTheCurrentLine_data();
    void keysMoveTheCurrentLine();
    void widestLineCanBeScrolledIntoView_data();
    void widestLineCanBeScrolledIntoView();
    void clearingForgetsTheWidestLine();
    void lastLineAsTopItemSurvivesTheHorizontalScrollBar();
    void appendingCostsTheSameWhateverTheListHolds();
};

void ResultListTest::hitTestsFindThePaintedLine() {
    ResultList list;
    show(list);
    for (int i = 0; i < 1000; ++i) {
        list.addItem(QString::number(i));
    }
    list.scrollToItem(list.item(500), QAbstractItemView::PositionAtTop);
    const QRect top = list.visualItemRect(list.item(500));
    QCOMPARE(top.top(), 0);
    QVERIFY(top.height() >= list.fontMetrics().height());
    for (int row = 500; row < 510; ++row) {
        const QRect rect = list.visualItemRect(list.item(row));
        QCOMPARE(rect.top(), top.top() + (row - 500) * top.height());
        QCOMPARE(list.itemAt(rect.center()), list.item(row));
        QCOMPARE(list.itemAt(rect.topLeft()), list.item(row));
        QCOMPARE(list.itemAt(rect.bottomLeft()), list.item(row));
    }
    // Below the last line there is none.
    list.scrollToItem(list.item(999));
    const QRect last = list.visualItemRect(list.item(999));
    QVERIFY(list.viewport()->rect().contains(last));
    QCOMPARE(list.itemAt(last.center() + QPoint(0, last.height())), nullptr);
}

void ResultListTest::keysMoveTheCurrentLine_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("down") << 10 << int(Qt::Key_Down) << 11;
    QTest::newRow("up") << 10 << int(Qt::Key_Up) << 9;
    QTest::newRow("up at the first line") << 0 << int(Qt::Key_Up) << 0;
    QTest::newRow("down at the last line") << 99 << int(Qt::Key_Down) << 99;
    QTest::newRow("home") << 50 << int(Qt::Key_Home) << 0;
    QTest::newRow("end") << 50 << int(Qt::Key_End) << 99;
    QTest::newRow("page down near the end") << 98 << int(Qt::Key_PageDown) << 99;
    QTest::newRow("page up near the start") << 1 << int(Qt::Key_PageUp) << 0;
}

// The newly current line is also scrolled into view.
void ResultListTest::keysMoveTheCurrentLine() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    ResultList list;
    show(list);
    for (int i = 0; i < 100; ++i) {
        list.addItem(QString::number(i));
    }
    list.setCurrentRow(start);
    QTest::keyClick(&list, Qt::Key(key));
    QCOMPARE(list.currentRow(), expected);
    QVERIFY(list.viewport()->rect().contains(list.visualItemRect(list.item(expected))));
}

// Plain ASCII lines, measured by their characters, and lines with other characters, shaped.
void ResultListTest::widestLineCanBeScrolledIntoView_data() {
    QTest::addColumn<QString>("wide");
    QTest::newRow("hyphens") << QString(300, QLatin1Char('-'));
    QTest::newRow("root lines") << QStringLiteral("X99999 = -685846.8499999999 ").repeated(12);
    QTest::newRow("narrow and wide letters") << QStringLiteral("iIl1WMwm.,").repeated(30);
    QTest::newRow("umlauts") << QStringLiteral("Lösungsintervall für Größen ").repeated(12);
}

void ResultListTest::widestLineCanBeScrolledIntoView() {
    QFETCH(QString, wide);
    ResultList list;
    show(list);
    list.addItem(QStringLiteral("short"));
    list.addItem(wide);
    list.addItem(QStringLiteral("short again"));
    QCoreApplication::processEvents();
    QScrollBar* bar = list.horizontalScrollBar();
    const int width = list.fontMetrics().horizontalAdvance(wide);
    QVERIFY(bar->maximum() + list.viewport()->width() >= width);
    QVERIFY(bar->maximum() + list.viewport()->width() <= width + 20);
    bar->setValue(bar->maximum());
    QCOMPARE(list.visualItemRect(list.item(1)).right(), list.viewport()->width() - 1);
}

void ResultListTest::clearingForgetsTheWidestLine() {
    ResultList list;
    show(list);
    list.addItem(QString(300, QLatin1Char('-')));
    QCoreApplication::processEvents();
    QVERIFY(list.horizontalScrollBar()->maximum() > 0);
    list.clear();
    list.addItem(QStringLiteral("short"));
    QCoreApplication::processEvents();
    QCOMPARE(list.horizontalScrollBar()->maximum(), 0);
    delete list.takeItem(0);
    QCoreApplication::processEvents();
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.verticalScrollBar()->maximum(), 0);
}

// The horizontal scroll bar shows up only after its range has changed; the list, scrolled to
// its end, stays there.
void ResultListTest::lastLineAsTopItemSurvivesTheHorizontalScrollBar() {
    ResultList list;
    show(list);
    for (int i = 0; i < 50; ++i) {
        list.addItem(QString::number(i));
    }
    list.addItem(QString(300, QLatin1Char('-')));
    list.scrollToItem(list.item(list.count() - 1), QAbstractItemView::PositionAtTop);
    QCoreApplication::processEvents();
    QVERIFY(list.horizontalScrollBar()->isVisible());
    QCOMPARE(list.verticalScrollBar()->value(), list.verticalScrollBar()->maximum());
    const QRect last = list.visualItemRect(list.item(list.count() - 1));
    QVERIFY(last.top() >= 0 && last.bottom() < list.viewport()->height());
}

// Blocks of 100 lines go, in turns, to an empty list and to one that holds 500,000 lines;
// the fastest block of each is compared. A list that laid out every line after an insertion
// would take thousands of times longer for the full one.
void ResultListTest::appendingCostsTheSameWhateverTheListHolds() {
    ResultList empty;
    ResultList full;
    show(empty);
    show(full);
    for (int i = 0; i < 500000; ++i) {
        full.addItem(QStringLiteral("X%1 =  1.414213562").arg(i + 1));
    }
    QCoreApplication::processEvents();
    constexpr int Lines = 100;
    std::vector<qint64> toEmpty;
    std::vector<qint64> toFull;
    for (int round = 0; round < 15; ++round) {
        empty.clear();
        QCoreApplication::processEvents();
        toEmpty.push_back(appendBlock(empty, Lines));
        toFull.push_back(appendBlock(full, Lines));
    }
    const double perLineEmpty = *std::min_element(toEmpty.begin(), toEmpty.end()) / 1e3 / Lines;
    const double perLineFull = *std::min_element(toFull.begin(), toFull.end()) / 1e3 / Lines;
    const double ratio = perLineFull / perLineEmpty;
    qInfo("per appended line: %.2f us to an empty list, %.2f us to one of 500,000 lines; "
          "ratio %.2f",
          perLineEmpty, perLineFull, ratio);
    QCOMPARE(full.count(), 500000 + 15 * Lines);
    QVERIFY(full.viewport()->rect().contains(full.visualItemRect(full.item(full.count() - 1))));
    QVERIFY2(ratio < 3, "appending slows down with the lines the list holds");
}

QUINT_QTEST_MAIN(ResultListTest)
#include "result_list_test.moc"
