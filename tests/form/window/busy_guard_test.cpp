// While the window computes it shows the wait cursor and takes no input; clicks and keys
// that arrive during a solve are kept and run after it, in their order.
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

#include "equation_test_support.h"
#include "form/equation/equation_state.h"
#include "form/graph/graph_frame.h"
#include "form/window/busy_guard.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

namespace {

std::optional<Qt::CursorShape> overrideShape() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor ? std::optional(cursor->shape()) : std::nullopt;
}

// A window that notes the cursor while it scans and draws, and can run code during the
// scan and make the scan last longer.
class ObservedForm : public Form1 {
public:
    int scans = 0;
    std::optional<Qt::CursorShape> cursorWhileScanning;
    std::optional<Qt::CursorShape> cursorWhileDrawing;
    std::function<void()> duringScan;
    int extraScanMs = 0;

    int X_ungefaehr(int a, int b) override {
        ++scans;
        cursorWhileScanning = overrideShape();
        if (duringScan) {
            duringScan();
        }
        QTest::qSleep(extraScanMs);
        return Form1::X_ungefaehr(a, b);
    }
    void KurveZeichnen(long double* Werte, long double Massstab, int Anzahl, QColor Farbe,
                       int* Fehler) override {
        cursorWhileDrawing = overrideShape();
        Form1::KurveZeichnen(Werte, Massstab, Anzahl, Farbe, Fehler);
    }
};

// A click as the window system queues it: delivered by the event loop, after the slot that
// runs now has returned.
void postClick(QWidget* widget, std::optional<QPoint> at = std::nullopt) {
    const QPointF centre = at ? QPointF(*at) : QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QCoreApplication::postEvent(
            widget,
            new QMouseEvent(type, centre, global, Qt::LeftButton,
                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                            Qt::NoModifier));
    }
}

void postKey(QWidget* widget, Qt::Key key, const QString& text) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QCoreApplication::postEvent(widget, new QKeyEvent(type, key, Qt::NoModifier, text));
    }
}

const QStringList SqrtTwoBlock{"x^2 = 2",           "",     " ", "X1 = -1.414213562",
                               "X2 =  1.414213562", Closing};

} // namespace

class BusyGuardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ObservedForm> form;

    void solve(const QString& left, const QString& right) {
        QTest::keyClicks(form->GleichLinks_LineEdit, left);
        QTest::keyClicks(form->GleichRechts_LineEdit, right);
        QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    }
    // Runs the event loop long enough for every posted event to be delivered.
    static void settle() { QTest::qWait(50); }

private slots:
    void init();
    void cleanup() { form.reset(); }

    void waitCursorDuringSolve();
    void waitCursorDuringPlot();
    void postedClickRunsWhenIdle();
    void inputDuringLongSolveIsKept();
    void inputDuringShortSolveIsKept();
    void guardsNest();
    void releaseOfAnEarlierPressPasses();
};

void BusyGuardTest::init() {
    Schrittweite = 100;
    form = startWindow<ObservedForm>();
    QVERIFY(form != nullptr);
    QVERIFY(!overrideShape());
}

void BusyGuardTest::waitCursorDuringSolve() {
    solve("X^2", "2");
    QCOMPARE(form->cursorWhileScanning, std::optional(Qt::WaitCursor));
    QVERIFY(!overrideShape());
    QCOMPARE(lines(form->Ergebnisse_ListBox), SqrtTwoBlock);
}

void BusyGuardTest::waitCursorDuringPlot() {
    QTest::keyClicks(form->GleichLinks_LineEdit, "sin(x)");
    QTest::keyClicks(form->GleichRechts_LineEdit, "0");
    form->TabWidget->setCurrentWidget(form->Graph_TabPage);
    QTest::mouseClick(form->Zeichnen_pushButton, Qt::LeftButton);
    QCOMPARE(form->cursorWhileDrawing, std::optional(Qt::WaitCursor));
    QVERIFY(!overrideShape());
}

// The control of the next test: the posted click reaches the button when nothing runs.
void BusyGuardTest::postedClickRunsWhenIdle() {
    QTest::keyClicks(form->GleichLinks_LineEdit, "X^2");
    QTest::keyClicks(form->GleichRechts_LineEdit, "2");
    postClick(form->IstGleich_pushButton);
    settle();
    QCOMPARE(form->scans, 1);
    QCOMPARE(lines(form->Ergebnisse_ListBox), SqrtTwoBlock);
}

void BusyGuardTest::inputDuringLongSolveIsKept() {
    // A click on the graph tab, a second "=" and a typed key while the solve runs.
    form->extraScanMs = 150;
    bool tabChangedDuringScan = false;
    form->duringScan = [this, &tabChangedDuringScan] {
        QTabBar* tabs = form->TabWidget->tabBar();
        postClick(tabs, tabs->tabRect(form->TabWidget->indexOf(form->Graph_TabPage)).center());
        postClick(form->IstGleich_pushButton);
        postKey(form->GleichLinks_LineEdit, Qt::Key_1, "1");
        QCoreApplication::processEvents();
        tabChangedDuringScan = form->TabWidget->currentWidget() != form->Gleichung_TabPage;
    };
    form->GleichLinks_LineEdit->setFocus();
    solve("X^2", "2");
    form->duringScan = nullptr;
    QVERIFY(!tabChangedDuringScan);
    QCOMPARE(form->scans, 1);
    settle();
    QVERIFY(!overrideShape());
    QCOMPARE(form->TabWidget->currentWidget(), form->Graph_TabPage);
    QCOMPARE(form->scans, 2);
    QCOMPARE(lines(form->Ergebnisse_ListBox), SqrtTwoBlock + SqrtTwoBlock);
    QCOMPARE(form->GleichLinks_LineEdit->text(), "X^21");
}

void BusyGuardTest::inputDuringShortSolveIsKept() {
    form->duringScan = [this] { postKey(form->GleichLinks_LineEdit, Qt::Key_1, "1"); };
    form->GleichLinks_LineEdit->setFocus();
    solve("X^2", "2");
    form->duringScan = nullptr;
    settle();
    QCOMPARE(form->GleichLinks_LineEdit->text(), "X^21");
}

void BusyGuardTest::guardsNest() {
    QTest::keyClicks(form->GleichLinks_LineEdit, "X^2");
    QTest::keyClicks(form->GleichRechts_LineEdit, "2");
    {
        const BusyGuard outer;
        {
            const BusyGuard inner;
            QCOMPARE(overrideShape(), std::optional(Qt::WaitCursor));
        }
        QCOMPARE(overrideShape(), std::optional(Qt::WaitCursor));
        // A click delivered while busy reaches no button yet.
        QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
        QCOMPARE(form->scans, 0);
    }
    QVERIFY(!overrideShape());
    // It does once the window is idle.
    settle();
    QCOMPARE(form->scans, 1);
    QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    QCOMPARE(form->scans, 2);
}

// A stretch button held down before a long redraw and let go during it comes up again.
void BusyGuardTest::releaseOfAnEarlierPressPasses() {
    form->TabWidget->setCurrentWidget(form->Graph_TabPage);
    QPushButton* button = form->yGroesser_pushButton;
    QTest::mousePress(button, Qt::LeftButton);
    QVERIFY(button->isDown());
    {
        const BusyGuard busy;
        QTest::mouseRelease(button, Qt::LeftButton);
    }
    QVERIFY(!button->isDown());
}

QUINT_QTEST_MAIN(BusyGuardTest)
#include "busy_guard_test.moc"
