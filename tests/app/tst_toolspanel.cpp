// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/toolspanel.h"
#include "app/layout/topbar.h"
#include "testmain.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace calmdesk;

class TestEdgePanels : public QObject
{
    Q_OBJECT

private slots:
    void windowButtonsHintsAndOrder()
    {
        WindowButtons buttons;
        const QList<QToolButton *> inOrder{buttons.imgMin, buttons.imgRestore1, buttons.imgRestore2,
                                           buttons.Image4, buttons.imgClose};
        const QStringList hints{"Minimize to Tray", "Restore horizontally", "Restore vertically",
                                "Full-screen", "Close Editor"};
        for (int i = 0; i < inOrder.size(); ++i) {
            QCOMPARE(inOrder[i]->toolTip(), hints[i]);
            QCOMPARE(inOrder[i]->accessibleName(), hints[i]);
            QCOMPARE(inOrder[i]->size(), QSize(22, 24));
            if (i > 0)
                QVERIFY(inOrder[i]->x() > inOrder[i - 1]->x());
        }
        QCOMPARE(buttons.size(), QSize(121, 23));
        QCOMPARE(buttons.palette().color(QPalette::Window), QColor(24, 30, 36));
    }

    void windowButtonsAskForTheirModes_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("half");
        QTest::newRow("restore horizontally: top half") << 1 << 1;
        QTest::newRow("restore vertically: right half") << 2 << 2;
        QTest::newRow("full screen") << 3 << 0;
    }

    void windowButtonsAskForTheirModes()
    {
        QFETCH(int, index);
        QFETCH(int, half);
        WindowButtons buttons;
        QSignalSpy modes(&buttons, &WindowButtons::screenHalfRequested);
        QSignalSpy minimised(&buttons, &WindowButtons::minimizeRequested);
        QSignalSpy closed(&buttons, &WindowButtons::closeRequested);
        QToolButton *const all[] = {buttons.imgMin, buttons.imgRestore1, buttons.imgRestore2,
                                    buttons.Image4, buttons.imgClose};
        all[index]->click();
        QCOMPARE(modes.size(), 1);
        QCOMPARE(modes.first().first().toInt(), half);
        QCOMPARE(minimised.size(), 0);
        QCOMPARE(closed.size(), 0);
    }

    void minimiseAndClose()
    {
        WindowButtons buttons;
        QSignalSpy minimised(&buttons, &WindowButtons::minimizeRequested);
        QSignalSpy closed(&buttons, &WindowButtons::closeRequested);
        buttons.imgMin->click();
        QCOMPARE(minimised.size(), 1);
        QCOMPARE(closed.size(), 0);
        buttons.imgClose->click();
        QCOMPARE(closed.size(), 1);
    }

    void toolsPanelParts()
    {
        ToolsPanel panel;
        QCOMPARE(panel.lblTitle->text(), QStringLiteral("Writing Tools"));
        QCOMPARE(panel.cmdCloseRef->text(), QStringLiteral("Close"));
        QCOMPARE(panel.Image1->toolTip(), QStringLiteral("Close panel"));
        QCOMPARE(panel.imgPin0->toolTip(), QStringLiteral("Pin panel"));
        QCOMPARE(panel.imgPin1->toolTip(), QStringLiteral("Pin panel"));
        QCOMPARE(panel.imgMax1->toolTip(), QStringLiteral("Dettach panel"));
        QCOMPARE(panel.imgMax0->toolTip(), QStringLiteral("Attach panel"));
        QCOMPARE(panel.width(), 300);
        QStringList pages;
        for (int i = 0; i < panel.tabTools->count(); ++i)
            pages.append(panel.tabTools->tabText(i));
        QCOMPARE(pages, (QStringList{"References", "Notes", "Scratchpad", "The Internet"}));
        QCOMPARE(panel.tabTools->widget(3), panel.pctIE);
        QCOMPARE(panel.tabTools->widget(1), panel.pctGScr);
        QCOMPARE(panel.pctDrag->cursor().shape(), Qt::SizeHorCursor);
    }

    void pinAndDetachImagesFollowTheState()
    {
        ToolsPanel panel;
        QVERIFY(!panel.imgPin0->isHidden());
        QVERIFY(panel.imgPin1->isHidden());
        QVERIFY(!panel.imgMax1->isHidden());
        QVERIFY(panel.imgMax0->isHidden());

        panel.setPinned(true);
        QVERIFY(panel.imgPin0->isHidden());
        QVERIFY(!panel.imgPin1->isHidden());

        panel.setFloating(true);
        QVERIFY(panel.imgMax1->isHidden());
        QVERIFY(!panel.imgMax0->isHidden());
        QVERIFY(!panel.imgPin0->isEnabled());
        QVERIFY(!panel.imgPin1->isEnabled());

        panel.setFloating(false);
        QVERIFY(panel.imgPin1->isEnabled());
        QVERIFY(!panel.imgMax1->isHidden());
    }

    void panelSignals()
    {
        ToolsPanel panel;
        QSignalSpy closed(&panel, &ToolsPanel::closeRequested);
        QSignalSpy pinned(&panel, &ToolsPanel::pinToggled);
        QSignalSpy detached(&panel, &ToolsPanel::detachRequested);
        QSignalSpy attached(&panel, &ToolsPanel::attachRequested);
        QSignalSpy closeRef(&panel, &ToolsPanel::closeRefClicked);
        panel.Image1->click();
        panel.imgPin0->click();
        panel.setPinned(true);
        panel.imgPin1->click();
        panel.imgMax1->click();
        panel.setFloating(true);
        panel.imgMax0->click();
        panel.cmdCloseRef->click();
        QCOMPARE(closed.size(), 1);
        QCOMPARE(pinned.size(), 2);
        QCOMPARE(detached.size(), 1);
        QCOMPARE(attached.size(), 1);
        QCOMPARE(closeRef.size(), 1);
    }

    void splitterStripReportsALeftDrag()
    {
        ToolsPanel panel;
        panel.resize(300, 600);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QSignalSpy started(panel.pctDrag, &PanelDragStrip::dragStarted);
        QSignalSpy moved(panel.pctDrag, &PanelDragStrip::dragMoved);
        QTest::mousePress(panel.pctDrag, Qt::LeftButton, {}, QPoint(4, 100));
        QCOMPARE(started.size(), 1);
        QCOMPARE(started.first().first().toInt(), 4);
        QMouseEvent move(QEvent::MouseMove, QPointF(-20, 120), QPointF(-20, 120), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel.pctDrag, &move);
        QCOMPARE(moved.size(), 1);
        QCOMPARE(moved.first().first().toInt(), -20);
        QTest::mouseRelease(panel.pctDrag, Qt::LeftButton, {}, QPoint(-20, 120));
        // Moving without the button is no drag.
        QMouseEvent hover(QEvent::MouseMove, QPointF(2, 5), QPointF(2, 5), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(panel.pctDrag, &hover);
        QCOMPARE(moved.size(), 1);
    }

    void panelLaysOutItsPartsFromItsSize()
    {
        ToolsPanel panel;
        panel.resize(400, 700);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(panel.cmdCloseRef->geometry(), QRect(400 - 86, 700 - 31, 75, 23));
        QCOMPARE(panel.tabTools->size(), QSize(400 - 19, 700 - 72));
        QCOMPARE(panel.pctDrag->height(), 700);
        QCOMPARE(panel.Image1->x(), 400 - 22);
        QCOMPARE(panel.imgPin0->x(), 400 - 44);
        QCOMPARE(panel.imgMax1->x(), 400 - 66);
    }
};

CALMDESK_TEST_MAIN(TestEdgePanels)
#include "tst_toolspanel.moc"
