#include "form/window/busy_guard.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

namespace {

int activeGuards = 0;

enum class Treatment { Pass, Drop, Hold };

// Presses, keys, wheel turns and shortcuts are held. Releases pass while nothing is held:
// they end presses made before the window got busy (a held stretch button would stay
// down). Pointer moves carry no request of their own and are dropped; hovering and the
// shortcut map's queries pass.
Treatment treatment(const QEvent* event, bool holding) {
    switch (event->type()) {
    case QEvent::MouseMove:
        return Treatment::Drop;
    case QEvent::ShortcutOverride:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
    case QEvent::Enter:
    case QEvent::Leave:
        return Treatment::Pass;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
        return holding ? Treatment::Hold : Treatment::Pass;
    case QEvent::Shortcut:
        return Treatment::Hold;
    default:
        return event->isInputEvent() ? Treatment::Hold : Treatment::Pass;
    }
}

} // namespace

BusyGuard::BusyGuard(QWidget* stillServed)
    : stillServed_(stillServed), outermost_(activeGuards == 0) {
    ++activeGuards;
    if (!outermost_) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::instance()->installEventFilter(this);
}

BusyGuard::~BusyGuard() {
    --activeGuards;
    if (!outermost_) {
        return;
    }
    QCoreApplication::instance()->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    // Input still waiting in the window system's queue follows these in the event loop.
    for (HeldEvent& held : held_) {
        if (held.receiver) {
            QCoreApplication::postEvent(held.receiver, held.event.release());
        }
    }
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
    const Treatment what = treatment(event, !held_.empty());
    if (what == Treatment::Pass || isServed(watched)) {
        return false;
    }
    if (what == Treatment::Hold) {
        held_.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
    }
    return true;
}
