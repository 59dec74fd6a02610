// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "isolatedenvironment.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>

// Test entry points: the isolated folders are in place before Qt reads any of them.
#define CALMDESK_TEST_MAIN_IMPL(AppClass, TestObject)                                              \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        calmdesk::test::IsolatedEnvironment environment;                                           \
        AppClass app(argc, argv);                                                                  \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

// A test that needs widgets.
#define CALMDESK_TEST_MAIN(TestObject) CALMDESK_TEST_MAIN_IMPL(QApplication, TestObject)
// A test of logic only.
#define CALMDESK_TEST_MAIN_CORE(TestObject) CALMDESK_TEST_MAIN_IMPL(QCoreApplication, TestObject)
