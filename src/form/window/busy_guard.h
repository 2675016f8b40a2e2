#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>

// Marks the application busy while a computation runs on the GUI thread: shows the wait
// cursor and lets no press of a key or button, wheel turn or shortcut through except to the
// window stillServed (the progress dialog), as a modal dialog would. Input that arrived during a
// computation of Moment or longer is dropped when the guard ends, so that clicks made meanwhile do
// not run afterwards. Guards nest; only the outermost one acts.
class BusyGuard : public QObject {
public:
    // Input typed ahead of a shorter computation is kept.
    static constexpr qint64 MomentMs = 100;

    explicit BusyGuard(QWidget* stillServed = nullptr);
    ~BusyGuard() override;
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isServed(const QObject* receiver) const;

    QPointer<QWidget> stillServed_;
    QElapsedTimer clock_;
    bool outermost_;
};
