#include "form/window/busy_guard.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

namespace {

int activeGuards = 0;

// Releases pass: they end presses made before the window got busy (a held stretch button
// would stay down), and without their press they do nothing.
bool isDroppedInput(const QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease) {
        return false;
    }
    return event->isInputEvent() || type == QEvent::Shortcut;
}

} // namespace

BusyGuard::BusyGuard(QWidget* stillServed)
    : stillServed_(stillServed), outermost_(activeGuards == 0) {
    ++activeGuards;
    if (!outermost_) {
        return;
    }
    clock_.start();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::instance()->installEventFilter(this);
}

BusyGuard::~BusyGuard() {
    --activeGuards;
    if (!outermost_) {
        return;
    }
    // Input that waits in the queue now came while the window was busy: deliver it to the
    // filter, which drops it. Timers wait for the event loop.
    if (clock_.elapsed() >= MomentMs) {
        QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    }
    QCoreApplication::instance()->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

bool BusyGuard::isServed(const QObject* receiver) const {
    if (!stillServed_ || !stillServed_->isVisible()) {
        return false;
    }
    if (const auto* widget = qobject_cast<const QWidget*>(receiver)) {
        return widget->window() == stillServed_;
    }
    return receiver == stillServed_->windowHandle();
}

bool BusyGuard::eventFilter(QObject* watched, QEvent* event) {
    return isDroppedInput(event) && !isServed(watched);
}
