#pragma once

#include <QApplication>
#include <QTest>

#include "form/window/application_setup.h"

// Like QTEST_MAIN, with the same application setup as the program's main.
#define QUINT_QTEST_MAIN(TestObject)                                                               \
    int main(int argc, char* argv[]) {                                                             \
        QApplication application(argc, argv);                                                      \
        setupApplication();                                                                        \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
