#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class QEvent;

// Marks the application busy while a computation runs on the GUI thread: shows the wait
// cursor and lets no press of a key or button, wheel turn or shortcut through except to the
// window stillServed (the progress dialog), as a modal dialog would. Input that arrives
// meanwhile is kept, not lost: what Qt delivers during the computation is held back and
// handed on in its order once the guard ends, so that a tab clicked during a long solve
// opens after it. Guards nest; only the outermost one acts.
class BusyGuard : public QObject {
public:
    explicit BusyGuard(QWidget* stillServed = nullptr);
    ~BusyGuard() override;
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct HeldEvent {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

    bool isServed(const QObject* receiver) const;

    QPointer<QWidget> stillServed_;
    bool outermost_;
    std::vector<HeldEvent> held_;
};
