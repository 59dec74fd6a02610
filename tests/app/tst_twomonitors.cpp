// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys/keycommands.h"
#include "app/layout/edgepanels.h"
#include "app/layout/focuslock.h"
#include "app/layout/toolspanel.h"
#include "mainwindowfixture.h"
#include "testmain.h"

#include <QAbstractScrollArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTest>
#include <QToolButton>

using namespace calmdesk;
using calmdesk::test::MainWindowFixture;

// The window on a desktop of two monitors: a 1920 x 1080 primary and a 1280 x 1024 to its
// right, where the writing tools can stand in a window of their own.
class TestTwoMonitors : public QObject
{
    Q_OBJECT

private slots:
    void detachedToolsKeepTheKeyboardAndTheCommands()
    {
        MainWindowFixture f;
        f.setGeneral("show_status", "1");
        TfrmMain &w = f.window();
        w.FormCreate({});
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.focusLock()->button(), Qt::LeftButton);
        QTest::keyClick(w.focusWidget(), Qt::Key_P, Qt::AltModifier);
        ToolsPanel *panel = w.toolsPanel();
        emit panel->detachRequested();
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        QCOMPARE(panel->screen(), QGuiApplication::screens().at(1));
        // Clicked, the tools keep the keyboard however often the lock looks.
        panel->activateWindow();
        panel->cmdCloseRef->setFocus();
        QTRY_COMPARE(QApplication::activeWindow(), panel);
        QTest::qWait(4 * FocusLock::kWatchIntervalMs);
        QCOMPARE(QApplication::activeWindow(), panel);
        // The window-wide commands work from there.
        QTest::keyClick(panel->cmdCloseRef, Qt::Key_B, Qt::AltModifier);
        QCOMPARE(panel->tabTools->currentIndex(), int(ToolsPage::Internet));
        QTest::keyClick(panel->cmdCloseRef, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.dialogs.saveCount, 1);
    }

    void hoverStripsLeaveTheTextToThePointer_data()
    {
        QTest::addColumn<int>("monitor");
        QTest::newRow("on the 1920-pixel primary") << 0;
        QTest::newRow("on the 1280-pixel monitor") << 1;
    }

    void hoverStripsLeaveTheTextToThePointer()
    {
        QFETCH(int, monitor);
        MainWindowFixture f;
        f.setGeneral("scrollbar", "2");
        TfrmMain &w = f.window();
        w.FormCreate({f.writeLines("long.txt", 300)});
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (monitor == 1)
            QTest::keyClick(w.focusWidget(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(w.geometry(), QGuiApplication::screens().at(monitor)->geometry());
        QWindow *display = w.windowHandle();
        TextControl *text = w.textColumn();
        QScrollBar *bar = text->findChild<QAbstractScrollArea *>()->verticalScrollBar();
        EdgePanels *edges = w.edgePanels();
        for (int width = 10; width <= 100; ++width) {
            f.setGeneral("width", QString::number(width));
            w.loadSettings();
            w.applySettings();
            const QByteArray at = "width " + QByteArray::number(width);
            const QRect column = text->geometry();
            const int firstLine = column.top() + text->characterPosition(0).y() + 4;
            // The pointer thrown into the screen's top-right corner brings the top bar up;
            // over the text it goes, even where the bar's strip lies over the first line.
            QTest::mouseMove(display, QPoint(w.width() - 1, 0));
            QTRY_VERIFY2(edges->isTopBarShown(), at);
            QTest::mouseMove(display, QPoint(column.left() + 2, firstLine));
            QTRY_VERIFY2(!edges->isTopBarShown() && edges->isScrollBarCovered(), at);
            // A click in the text's top-right corner puts the caret at the first line's end.
            const QPoint corner(column.right() - bar->width() - 2, firstLine);
            QTest::mouseClick(display, Qt::LeftButton, {}, corner);
            QVERIFY2(text->selStart() == QStringLiteral("line 000").size(), at);
            // Over the cover the scroll bar shows, and its handle (halfway down) drags.
            text->setVerticalScrollPosition(bar->maximum() / 2);
            const QPoint middle = bar->mapTo(&w, bar->rect().center());
            QTest::mouseMove(display, middle);
            QTRY_VERIFY2(!edges->isScrollBarCovered(), at);
            QTest::mousePress(display, Qt::LeftButton, {}, middle);
            QVERIFY2(bar->isSliderDown(), at);
            QTest::mouseMove(display, middle + QPoint(0, 50));
            QTest::mouseRelease(display, Qt::LeftButton, {}, middle + QPoint(0, 50));
            QVERIFY2(bar->value() > bar->maximum() / 2, at);
            text->setVerticalScrollPosition(0);
        }
    }
};

int main(int argc, char **argv)
{
    calmdesk::test::IsolatedEnvironment environment;
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [
        {"name": "primary", "x": 0, "y": 0, "width": 1920, "height": 1080},
        {"name": "second", "x": 1920, "y": 0, "width": 1280, "height": 1024}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    QApplication app(argc, argv);
    TestTwoMonitors tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_twomonitors.moc"
