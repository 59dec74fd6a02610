#include "app/keys/keycommands.h"
#include "app/layout/focuslock.h"
#include "app/layout/toolspanel.h"
#include "mainwindowfixture.h"
#include "testmain.h"

#include <QPushButton>
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
