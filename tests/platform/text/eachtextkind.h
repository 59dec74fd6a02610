// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "isolatedenvironment.h"
#include "platform/text/textcontrol.h"

#include <QApplication>
#include <QTest>

// Runs a text control test once for each kind of text control: whatever the widget
// inside, the control behaves the same. The test object takes the kind to make.
#define CALMDESK_TEST_MAIN_EACH_TEXT_KIND(TestObject)                                              \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        calmdesk::test::IsolatedEnvironment environment;                                           \
        QApplication app(argc, argv);                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        int status = 0;                                                                            \
        for (calmdesk::TextKind kind :                                                             \
             {calmdesk::TextKind::Formatted, calmdesk::TextKind::Uniform}) {                       \
            TestObject tc(kind);                                                                   \
            status |= QTest::qExec(&tc, argc, argv);                                               \
        }                                                                                          \
        return status;                                                                             \
    }
