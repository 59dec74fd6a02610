// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/windowlayout.h"
#include "testmain.h"

#include <QTest>

using namespace calmdesk;

Q_DECLARE_METATYPE(std::optional<int>)

namespace {

const QRect kFullHd(0, 0, 1920, 1080);
const QRect kSecondMonitor(1920, -200, 1280, 1024);
const QRect kThirdMonitor(-1024, 0, 1024, 768);

LayoutState pinnedPanel(int width)
{
    LayoutState state;
    state.panelPinned = true;
    state.panelWidth = width;
    return state;
}

} // namespace

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

    void windowOnItsMonitor_data()
    {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<int>("monitorIndex");
        QTest::addColumn<int>("half");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<int>("monitorAfter");

        const QList<QRect> one{kFullHd};
        const QList<QRect> three{kFullHd, kSecondMonitor, kThirdMonitor};
        QTest::newRow("full screen on the primary")
            << one << 0 << int(ScreenHalf::Full) << kFullHd << 0;
        QTest::newRow("right half of 1920 x 1080 starts at x 960")
            << one << 0 << int(ScreenHalf::Right) << QRect(960, 0, 960, 1080) << 0;
        QTest::newRow("left half keeps x 0")
            << one << 0 << int(ScreenHalf::Left) << QRect(0, 0, 960, 1080) << 0;
        QTest::newRow("top half") << one << 0 << int(ScreenHalf::Top) << QRect(0, 0, 1920, 540)
                                  << 0;
        QTest::newRow("bottom half")
            << one << 0 << int(ScreenHalf::Bottom) << QRect(0, 540, 1920, 540) << 0;
        QTest::newRow("second monitor at its own place")
            << three << 1 << int(ScreenHalf::Full) << kSecondMonitor << 1;
        QTest::newRow("bottom half of a monitor above the primary's top")
            << three << 1 << int(ScreenHalf::Bottom) << QRect(1920, 312, 1280, 512) << 1;
        QTest::newRow("monitor on the left of the primary")
            << three << 2 << int(ScreenHalf::Right) << QRect(-512, 0, 512, 768) << 2;
        QTest::newRow("removed monitor falls back to the primary")
            << one << 2 << int(ScreenHalf::Full) << kFullHd << 0;
        QTest::newRow("index equal to the count falls back")
            << three << 3 << int(ScreenHalf::Full) << kFullHd << 0;
        QTest::newRow("negative index falls back")
            << three << -1 << int(ScreenHalf::Full) << kFullHd << 0;
    }

    void windowOnItsMonitor()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(int, monitorIndex);
        QFETCH(int, half);
        QFETCH(QRect, window);
        QFETCH(int, monitorAfter);
        const WindowLayout layout =
            computeWindowLayout(screens, monitorIndex, ScreenHalf(half), LayoutState());
        QCOMPARE(layout.window, window);
        QCOMPARE(layout.monitorIndex, monitorAfter);
        // The parts are placed inside the window, from its own size.
        QCOMPARE(layout.statusLine.status.width(), window.width());
    }

    void pinnedPanelNarrowsTheColumnOfTheWholeLayout()
    {
        LayoutState state = pinnedPanel(300);
        state.widthSetting = 90;
        state.scrollBarWidth = 17;
        const WindowLayout layout = layoutInside(QSize(1280, 1024), state);
        QCOMPARE(layout.txtMain, QRect(49, 1, 882, 1024 - 26));
        QCOMPARE(layout.pctDict, QRect(980, 24, 300, 1024 - 48));
        // The cover sits over the column's right edge, the full window high.
        QCOMPARE(layout.pctRed, QRect(49 + 882 - 17, 0, 17, 1024));

        state.panelPinned = false;
        const WindowLayout unpinned = layoutInside(QSize(1280, 1024), state);
        QCOMPARE(unpinned.txtMain, QRect(64, 1, 1152, 1024 - 26));
        QCOMPARE(unpinned.pctRed.x(), 64 + 1152 - 17);
    }

    void textHeightFollowsTheStatusMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("height");
        QTest::newRow("always shown: 26 pixels kept free") << int(BarMode::Always) << 774;
        QTest::newRow("never shown: full height") << int(BarMode::Never) << 800;
        QTest::newRow("under the pointer: full height, the line covers the text")
            << int(BarMode::AutoHide) << 800;
    }

    void textHeightFollowsTheStatusMode()
    {
        QFETCH(int, mode);
        QFETCH(int, height);
        LayoutState state;
        state.showStatus = BarMode(mode);
        QCOMPARE(layoutInside(QSize(1000, 800), state).txtMain.height(), height);
    }

    void edgePartsFollowTheWindowSize()
    {
        LayoutState state;
        state.spanLeft = 0;
        const WindowLayout layout = layoutInside(QSize(1000, 800), state);
        QCOMPARE(layout.statusLine.status, QRect(0, 776, 1000, 24));
        QCOMPARE(layout.statusLine.spellImagesLeft, 980);
        // The column (50 to 949, from y 1) reaches into the corner: the corner keeps its top
        // row and what lies right of the column; the edge strip is clear of it.
        QCOMPARE(layout.imgHover, (HoverArea{QRect(879, 0, 121, 1), QRect(950, 1, 50, 24)}));
        QCOMPARE(layout.imgHover2, HoverArea{QRect(975, 120, 25, 560)});
        // At width 100 the column fills the corner below its top row, and the whole edge.
        state.widthSetting = 100;
        const WindowLayout full = layoutInside(QSize(1000, 800), state);
        QCOMPARE(full.imgHover, HoverArea{QRect(879, 0, 121, 1)});
        QVERIFY(full.imgHover2.isEmpty());
        QCOMPARE(layout.pctSpan, QRect(0, 1, 1000, 24));
        QCOMPARE(layout.pctControl, QRect(877, 1, 121, 23));
        QCOMPARE(layout.reCopy, QRect(0, -1024, 1280, layout::kReCopyHeight));
        QCOMPARE(layout.reCopy.bottom() < 0, true);
    }

    void floatingPanelIsNotPlacedInTheWindow()
    {
        LayoutState state;
        state.panelFloating = true;
        QVERIFY(layoutInside(QSize(1000, 800), state).pctDict.isNull());
    }

    void fileNameMakesRoomForTheTimer_data()
    {
        QTest::addColumn<bool>("cronVisible");
        QTest::addColumn<int>("cronLeft");
        QTest::addColumn<int>("fileLeft");
        // 1000 wide: the clock at 910; a 60-pixel timer stands 2 pixels before it.
        QTest::newRow("timer hidden: file 130 before the clock") << false << 848 << 780;
        QTest::newRow("timer shown: file 130 before the timer") << true << 848 << 718;
    }

    void fileNameMakesRoomForTheTimer()
    {
        QFETCH(bool, cronVisible);
        QFETCH(int, cronLeft);
        QFETCH(int, fileLeft);
        LayoutState state;
        state.cronVisible = cronVisible;
        state.cronWidth = 60;
        const StatusLineLayout line = layoutInside(QSize(1000, 800), state).statusLine;
        QCOMPARE(line.timeLeft, 910);
        QCOMPARE(line.cronLeft, cronLeft);
        QCOMPARE(line.fileLeft, fileLeft);
    }

    void statusLineUnderThePointer_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("shown");
        QTest::newRow("exactly 26 above the bottom shows") << 774 << true;
        QTest::newRow("at the last row shows") << 799 << true;
        QTest::newRow("one pixel higher hides") << 773 << false;
        QTest::newRow("top of the text hides") << 0 << false;
    }

    void statusLineUnderThePointer()
    {
        QFETCH(int, y);
        QFETCH(bool, shown);
        QCOMPARE(statusShownAtPointer(y, 800), shown);
    }

    void scrollCoverUnderThePointer_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("covered");
        QTest::newRow("left of three quarters covers") << 749 << 1000 << true;
        QTest::newRow("exactly three quarters uncovers") << 750 << 1000 << false;
        // 0.75 * 1001 = 750.75: 750 is still left of it, which rounding would lose.
        QTest::newRow("fraction is kept: 750 of 1001 covers") << 750 << 1001 << true;
        QTest::newRow("751 of 1001 uncovers") << 751 << 1001 << false;
        QTest::newRow("right edge uncovers") << 999 << 1000 << false;
    }

    void scrollCoverUnderThePointer()
    {
        QFETCH(int, x);
        QFETCH(int, width);
        QFETCH(bool, covered);
        QCOMPARE(scrollCoverShownAtPointer(x, width), covered);
    }

    void scrollCoverFixedByTheSetting()
    {
        QCOMPARE(fixedScrollCoverVisibility(BarMode::Never), std::optional<bool>(true));
        QCOMPARE(fixedScrollCoverVisibility(BarMode::Always), std::optional<bool>(false));
        QVERIFY(!fixedScrollCoverVisibility(BarMode::AutoHide).has_value());
    }

    void wheelScrollsThreeLinesPerNotch_data()
    {
        QTest::addColumn<QList<int>>("turns");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("one notch towards the writer: three down")
            << QList<int>{-120} << QList<int>{3};
        QTest::newRow("one notch away: three up") << QList<int>{120} << QList<int>{-3};
        QTest::newRow("two notches at once: six") << QList<int>{-240} << QList<int>{6};
        QTest::newRow("quarter notches add up to one")
            << QList<int>{-30, -30, -30, -30} << QList<int>{0, 0, 0, 3};
        QTest::newRow("a turn back cancels the part")
            << QList<int>{-60, 60, -60} << QList<int>{0, 0, 0};
        QTest::newRow("the rest of a notch carries over")
            << QList<int>{-150, -90} << QList<int>{3, 3};
    }

    void wheelScrollsThreeLinesPerNotch()
    {
        QFETCH(QList<int>, turns);
        QFETCH(QList<int>, lines);
        WheelNotches wheel;
        QList<int> scrolled;
        for (int turn : turns)
            scrolled.append(wheel.linesFor(turn));
        QCOMPARE(scrolled, lines);
    }

    void splitterDrag_data()
    {
        QTest::addColumn<int>("pointerX");
        QTest::addColumn<std::optional<int>>("width");
        // Window 1000 wide, panel 300 wide at x 700, the drag started at x 4 of the strip.
        QTest::newRow("no movement keeps 300") << 4 << std::optional<int>(300);
        QTest::newRow("dragged 50 left widens to 350") << -46 << std::optional<int>(350);
        QTest::newRow("exactly 200 is accepted") << 104 << std::optional<int>(200);
        QTest::newRow("199 is refused") << 105 << std::optional<int>();
        QTest::newRow("exactly half the window is accepted") << -196 << std::optional<int>(500);
        QTest::newRow("one more than half is refused") << -197 << std::optional<int>();
    }

    void splitterDrag()
    {
        QFETCH(int, pointerX);
        QFETCH(std::optional<int>, width);
        QCOMPARE(acceptPanelWidth(700, pointerX, 4, 1000), width);
    }

    void attachBringsTheWidthIntoRange_data()
    {
        QTest::addColumn<int>("docked");
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<int>("width");
        QTest::newRow("in range is kept") << 300 << 1280 << 300;
        QTest::newRow("too narrow is raised to 200") << 150 << 1280 << 200;
        QTest::newRow("too wide is lowered to half") << 900 << 1280 << 640;
        QTest::newRow("small window: half wins over 200") << 300 << 300 << 150;
    }

    void attachBringsTheWidthIntoRange()
    {
        QFETCH(int, docked);
        QFETCH(int, windowWidth);
        QFETCH(int, width);
        QCOMPARE(dockedWidthOnAttach(docked, windowWidth), width);
    }

    void monitorRules_data()
    {
        QTest::addColumn<int>("monitor");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("next");
        QTest::addColumn<std::optional<int>>("detachTo");
        QTest::newRow("single monitor: stays, detach does nothing")
            << 0 << 1 << 0 << std::optional<int>();
        QTest::newRow("primary of two: to the second") << 0 << 2 << 1 << std::optional<int>(1);
        QTest::newRow("last of two: back to the primary") << 1 << 2 << 0 << std::optional<int>(0);
        QTest::newRow("middle of three") << 1 << 3 << 2 << std::optional<int>(2);
        QTest::newRow("index of a removed monitor wraps") << 4 << 2 << 0 << std::optional<int>(0);
    }

    void monitorRules()
    {
        QFETCH(int, monitor);
        QFETCH(int, count);
        QFETCH(int, next);
        QFETCH(std::optional<int>, detachTo);
        QCOMPARE(nextMonitor(monitor, count), next);
        QCOMPARE(detachTargetMonitor(monitor, count), detachTo);
    }

    void swappingHalves_data()
    {
        QTest::addColumn<int>("half");
        QTest::addColumn<int>("swapped");
        QTest::newRow("full screen stays") << int(ScreenHalf::Full) << int(ScreenHalf::Full);
        QTest::newRow("top to bottom") << int(ScreenHalf::Top) << int(ScreenHalf::Bottom);
        QTest::newRow("right to left") << int(ScreenHalf::Right) << int(ScreenHalf::Left);
        QTest::newRow("bottom to top") << int(ScreenHalf::Bottom) << int(ScreenHalf::Top);
        QTest::newRow("left to right") << int(ScreenHalf::Left) << int(ScreenHalf::Right);
    }

    void swappingHalves()
    {
        QFETCH(int, half);
        QFETCH(int, swapped);
        QCOMPARE(int(swappedScreenHalf(ScreenHalf(half))), swapped);
    }

    void swappedRightHalfMovesToXZero()
    {
        const QList<QRect> screens{kFullHd};
        const ScreenHalf swapped = swappedScreenHalf(ScreenHalf::Right);
        QCOMPARE(computeWindowLayout(screens, 0, swapped, LayoutState()).window,
                 QRect(0, 0, 960, 1080));
    }

    void toolsPanelParts()
    {
        const ToolsPanelLayout panel = layoutToolsPanel(QSize(300, 952));
        QCOMPARE(panel.pctDrag, QRect(0, 0, 9, 952));
        QCOMPARE(panel.tabTools.size(), QSize(281, 880));
        QCOMPARE(panel.cmdCloseRef, QRect(214, 921, 75, 23));
        QCOMPARE(panel.Image1.x(), 278);
        QCOMPARE(panel.imgPin0.x(), 256);
        QCOMPARE(panel.imgPin1.x(), 256);
        QCOMPARE(panel.imgMax.x(), 234);
        // Nothing overlaps: the pages end above the Close button, the title before the images.
        QVERIFY(panel.tabTools.bottom() < panel.cmdCloseRef.top());
        QVERIFY(panel.title.right() < panel.imgMax.left());
        QVERIFY(panel.pctDrag.right() < panel.tabTools.left());
    }
};

CALMDESK_TEST_MAIN_CORE(TestWindowLayout)
#include "tst_windowlayout.moc"
