#include "testmain.h"
#include "textcontrol.h"
#include "tfrmmain.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using calmdesk::TfrmMain;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensBorderlessOnTheWholePrimaryScreen()
    {
        TfrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Calmdesk"));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window.geometry(), QGuiApplication::primaryScreen()->geometry());
    }

    void textColumnHasTheFreshUsersLook()
    {
        TfrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const calmdesk::TextControl *text = window.textColumn();

        QCOMPARE(text->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(text->font().pointSize(), 12);
        QCOMPARE(text->palette().color(QPalette::Text), QColor(255, 128, 64));
        QCOMPARE(text->palette().color(QPalette::Base), QColor(0, 0, 0));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 0, 0));

        // 90 per cent of the window, centred, one pixel from the top.
        const int expectedWidth = window.width() * 90 / 100;
        QCOMPARE(text->width(), expectedWidth);
        QCOMPARE(text->x(), (window.width() - expectedWidth) / 2);
        QCOMPARE(text->y(), 1);
    }

    void writerCanTypeStraightAway()
    {
        TfrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QTRY_VERIFY(window.textColumn()->hasFocus());
        QTest::keyClicks(window.textColumn(), QStringLiteral("It was a dark"));
        QTest::keyClick(window.textColumn(), Qt::Key_Return);
        QTest::keyClicks(window.textColumn(), QStringLiteral("night."));
        QCOMPARE(window.textColumn()->text(), QStringLiteral("It was a dark\r\nnight."));
    }

    void textColumnIsNamedForAssistiveTechnologyByWhatItIs()
    {
        TfrmMain window;
        const QString name = window.textColumn()->accessibleName();
        QVERIFY(!name.isEmpty());
        QVERIFY(name != window.textColumn()->objectName());
    }
};

CALMDESK_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
