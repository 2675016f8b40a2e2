#pragma once

#include <QListWidget>
#include <QStringList>
#include <QTest>

#include <memory>

#include "form/window/form1.h"

// The closing line of every solve request.
inline const QString Closing(71, QLatin1Char('-'));

// The texts of all lines of a list, in order.
inline QStringList lines(const QListWidget* list) {
    QStringList result;
    for (int row = 0; row < list->count(); ++row) {
        result << list->item(row)->text();
    }
    return result;
}

// A window of type W as main starts it: catalogue built, shown and exposed.
template <class W> std::unique_ptr<W> startWindow() {
    auto window = std::make_unique<W>();
    window->BeispielGleichungen();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        return nullptr;
    }
    return window;
}
