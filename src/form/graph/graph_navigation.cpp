// Navigation of the graph page: zoom, stretch with auto-repeat, pan, reset, the curve
// switch, deferred redraws after window events and the click read-out.
#include "form/window/form1.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "form/equation/solve_record.h"
#include "form/graph/graph_frame.h"
#include "form/graph/graph_state.h"
#include "form/graph/plot_mapping.h"
#include "form/graph/solution_view.h"
#include "form/window/c_locale_format.h"

namespace {

constexpr int DeferredRedrawMs = 10;
constexpr int AutoRepeatMs = 200;
constexpr long double ZoomInLimit = 1000000000.0L;
constexpr long double ZoomOutLimit = 0.000000001L;
constexpr long double MaxStretch = 1000;
constexpr int GraphTabIndex = 1;

// One stretch step within 1 ... MaxStretch; true when ygroesser changed.
bool stretchStep(bool enlarge) {
    if (enlarge && ygroesser < MaxStretch) {
        ygroesser = ygroesser + 1;
        return true;
    }
    if (!enlarge && ygroesser > 1) {
        ygroesser = ygroesser - 1;
        return true;
    }
    return false;
}

void stopTimer(QObject* owner, int& timer) {
    if (timer != -1) {
        owner->killTimer(timer);
    }
    timer = -1;
}

void startAutoRepeat(QObject* owner, bool enlarge) {
    stopTimer(owner, KleinerGroesserTimer);
    KleinerGroesserTimer = owner->startTimer(AutoRepeatMs);
    GroesserWahr = enlarge;
}

// A burst of window events gives one redraw, DeferredRedrawMs after the last of them.
void scheduleDeferredRedraw(QObject* owner) {
    stopTimer(owner, normalTimer);
    normalTimer = owner->startTimer(DeferredRedrawMs, Qt::PreciseTimer);
}

void readFrameSize(const GraphFrame* frame) {
    setFrameSize(frame->width(), frame->height());
}

QString readOut(long double value) {
    return QString::fromStdString(formatNumber("%+.4LG", value));
}

// The read-outs of the last clicked point, in the current view.
void showReadOut(QLabel* x, QLabel* y) {
    const PlotView plot = currentView();
    x->setText(readOut(plot_mapping::clickX(plot, MausXk)));
    y->setText(readOut(plot_mapping::clickY(plot, MausYk)));
}

// Sets a scroll bar to the negated offset, rounded and within its range, without its
// redraw; returns the offset it can show.
long double showOffset(QScrollBar* bar, long double offset) {
    const long double wanted =
        std::clamp(-std::round(offset), static_cast<long double>(bar->minimum()),
                   static_cast<long double>(bar->maximum()));
    const QSignalBlocker quiet(bar);
    bar->setValue(static_cast<int>(wanted));
    return -bar->value();
}

} // namespace

void Form1::VergroessernSlot() {
    if (groesse < ZoomInLimit) {
        groesse = groesse * 2;
    }
    ZeichnenSlot();
}

void Form1::VerkleinernSlot() {
    if (groesse > ZoomOutLimit) {
        groesse = groesse * 0.5L;
    }
    ZeichnenSlot();
}

void Form1::NormalSlot() {
    xOffset = 0;
    yOffset = 0;
    groesse = 100;
    ygroesser = 1;
    ZeichnenSlot();
    xOffset_scrollBar->setValue(static_cast<int>(xOffset));
    yOffset_scrollBar->setValue(static_cast<int>(yOffset));
    showReadOut(x_textLabel, y_textLabel);
}

// Each notch is one zoom step of the buttons. The offsets move so that the plot point under
// the pointer stays at its pixel, as far as the scroll bars, whose values they are, reach.
void Form1::zoomAt(int notches, QPoint position) {
    setFrameSize(grafik->width(), grafik->height());
    const long double before = groesse;
    for (int step = 0; step < std::abs(notches); ++step) {
        if (notches > 0 && groesse < ZoomInLimit) {
            groesse = groesse * 2;
        } else if (notches < 0 && groesse > ZoomOutLimit) {
            groesse = groesse * 0.5L;
        }
    }
    const long double k = groesse / before;
    const long double fromCentreColumn = position.x() - xKreuz_NULL;
    const long double aboveCentreRow = yKreuz_NULL - position.y();
    xOffset = showOffset(xOffset_scrollBar, fromCentreColumn * (1 - k) + k * xOffset);
    yOffset = showOffset(yOffset_scrollBar, aboveCentreRow * (k - 1) + k * yOffset);
    ZeichnenSlot();
}

// The interval of the last solve, else the one the spin boxes would solve on; the y view as
// reset.
void Form1::LoesungsintervallSlot() {
    setFrameSize(grafik->width(), grafik->height());
    const SolveRecord* solve = lastSolve();
    const long double from = solve ? solve->MinX : Mitte_spinBox->value() - Delta_spinBox->value();
    const long double to = solve ? solve->MaxX : Mitte_spinBox->value() + Delta_spinBox->value();
    const IntervalView view = solutionIntervalView(Breite, from, to);
    groesse = view.groesse;
    ygroesser = 1;
    xOffset = showOffset(xOffset_scrollBar, view.xOffset);
    yOffset = showOffset(yOffset_scrollBar, 0);
    ZeichnenSlot();
    showReadOut(x_textLabel, y_textLabel);
}

void Form1::TabWidgetSlot(QWidget* pTW) {
    if (TabWidget->indexOf(pTW) == GraphTabIndex) {
        readFrameSize(grafik);
        NormalSlot();
    }
    scheduleDeferredRedraw(this);
}

void Form1::yL_yRSlot(bool b) {
    BeideSeiten = b;
    ZeichnenSlot();
}

void Form1::xOffset_scrollBarSlot(int x) {
    xOffset = -x;
    ZeichnenSlot();
}

void Form1::yOffset_scrollBarSlot(int y) {
    yOffset = -y;
    ZeichnenSlot();
}

void Form1::yKleiner_pressedSlot() {
    stretchStep(false);
    ZeichnenSlot();
    startAutoRepeat(this, false);
}

void Form1::yKleiner_releasedSlot() {
    stopTimer(this, KleinerGroesserTimer);
}

void Form1::yGroesser_pressedSlot() {
    stretchStep(true);
    ZeichnenSlot();
    startAutoRepeat(this, true);
}

void Form1::yGroesser_releasedSlot() {
    stopTimer(this, KleinerGroesserTimer);
}

void Form1::resizeEvent(QResizeEvent*) {
    readFrameSize(grafik);
}

void Form1::paintEvent(QPaintEvent*) {
    scheduleDeferredRedraw(this);
}

void Form1::mouseMoveEvent(QMouseEvent*) {}

void Form1::mousePressEvent(QMouseEvent* e) {
    const QPoint inFrame = grafik->mapFrom(this, e->position().toPoint());
    MausXk = inFrame.x() - xKreuz_NULL;
    MausYk = yKreuz_NULL - inFrame.y();
    showReadOut(x_textLabel, y_textLabel);
}

void Form1::timerEvent(QTimerEvent* e) {
    const int id = e->timerId();
    if (id == normalTimer) {
        stopTimer(this, normalTimer);
        ZeichnenSlot();
    } else if (id == KleinerGroesserTimer) {
        if (stretchStep(GroesserWahr)) {
            ZeichnenSlot();
        }
    }
}

void Form1::moveEvent(QMoveEvent*) {
    scheduleDeferredRedraw(this);
}
