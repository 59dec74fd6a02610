#include "testmain.h"
#include "windowlayout.h"

#include <QTest>

class TestWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void textColumn_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("widthSetting");
        QTest::addColumn<int>("pinnedPanel");
        QTest::addColumn<QRect>("expected");

        QTest::newRow("fresh user: 90 per cent of 1920, centred")
            << QSize(1920, 1080) << 0 << 0 << QRect(96, 1, 1728, 1080);
        QTest::newRow("width 150 falls back to 90 per cent")
            << QSize(1920, 1080) << 150 << 0 << QRect(96, 1, 1728, 1080);
        QTest::newRow("width 9 falls back to 90 per cent")
            << QSize(1000, 800) << 9 << 0 << QRect(50, 1, 900, 800);
        QTest::newRow("width 10 is kept") << QSize(1000, 800) << 10 << 0 << QRect(450, 1, 100, 800);
        QTest::newRow("width 100 fills the window")
            << QSize(1000, 800) << 100 << 0 << QRect(0, 1, 1000, 800);
        QTest::newRow("pinned 300-pixel panel on 1280: 882 wide at x 49")
            << QSize(1280, 1024) << 90 << 300 << QRect(49, 1, 882, 1024);
        QTest::newRow("odd widths truncate")
            << QSize(1001, 700) << 33 << 0 << QRect(335, 1, 330, 700);
    }

    void textColumn()
    {
        QFETCH(QSize, window);
        QFETCH(int, widthSetting);
        QFETCH(int, pinnedPanel);
        QFETCH(QRect, expected);
        QCOMPARE(calmdesk::textColumnRect(window, widthSetting, pinnedPanel, window.height()),
                 expected);
    }
};

CALMDESK_TEST_MAIN_CORE(TestWindowLayout)
#include "tst_windowlayout.moc"
