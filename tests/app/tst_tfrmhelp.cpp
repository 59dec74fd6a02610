// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help/tfrmhelp.h"
#include "platform/shell/urlopener.h"
#include "platform/text/textcontrol.h"
#include "testmain.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

using namespace calmdesk;

namespace {

class RecordingOpener final : public UrlOpener
{
public:
    bool open(const QUrl &url) override
    {
        opened.append(url);
        return true;
    }
    QList<QUrl> opened;
};

QStringList linesOf(const TextControl *column)
{
    return column->text().split(QStringLiteral("\r\n"));
}

// Runs `act` on the card once it is showing modally and active, from inside showHelp. A
// card the act left open is closed, so a failed check never leaves the test waiting.
void whenShown(const std::function<void(TfrmHelp *)> &act)
{
    QTimer::singleShot(0, [act] {
        QPointer<TfrmHelp> help = qobject_cast<TfrmHelp *>(QApplication::activeModalWidget());
        QVERIFY(help);
        QVERIFY(QTest::qWaitForWindowActive(help));
        act(help);
        if (help && help->isVisible())
            help->done(QDialog::Rejected);
    });
}

// Where each line of a column starts, in its own coordinates.
QList<int> lineTops(const TextControl *column)
{
    QList<int> tops;
    int position = 0;
    for (const QString &line : linesOf(column)) {
        tops.append(column->characterPosition(position).y());
        position += line.size() + 2;
    }
    return tops;
}

} // namespace

class TestHelpCard : public QObject
{
    Q_OBJECT

private slots:
    void columnsHoldTheCardExactly_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("left keys")
            << 0 << QStringList{"Ctrl+N", "Ctrl+O", "Ctrl+S, Ctrl+D", "Ctrl+E",       "Ctrl+R",
                                "Ctrl+T", "Ctrl+Q", "Ctrl+A",         "Ctrl+X, C, V", "Ctrl+K",
                                "Ctrl+J", "Alt+F",  "Ctrl+L"};
        QTest::newRow("left commands") << 1
                                       << QStringList{"New File",
                                                      "Open File...",
                                                      "Save File, Save File As...",
                                                      "Export (rtf, html, pdf)",
                                                      "Recent Files",
                                                      "Minimize to Tray",
                                                      "Exit",
                                                      "Select All",
                                                      "Cut, Copy, Paste",
                                                      "Toggle Always on Top",
                                                      "Swap position (windowed mode)",
                                                      "Full-screen mode",
                                                      "Switch between multiple monitors"};
        QTest::newRow("right keys")
            << 2
            << QStringList{"Ctrl+Space", "Ctrl+F",        "F3",   "Ctrl+H",      "Ctrl+B, I, U",
                           "F5",         "Ctrl+F5",       "F7",   "Right-Click", "Alt+Click",
                           "F9, F11",    "Ctrl+P, Alt+P", "Alt+B"};
        QTest::newRow("right commands")
            << 3
            << QStringList{"Quick text (Auto-Text)",
                           "Find...",
                           "Find Next",
                           "Replace",
                           "Insert HTML Tag or BBCode",
                           "Insert Date/Time",
                           "Date/Time (long format)",
                           "Spelling Check",
                           "Spelling suggestions (misspelled word)",
                           "References (thesaurus, definitions, articles)",
                           "Options",
                           "Scratchpad, Global Scratchpad",
                           "Internet Browser"};
    }

    void columnsHoldTheCardExactly()
    {
        QFETCH(int, column);
        QFETCH(QStringList, lines);
        RecordingOpener opener;
        TfrmHelp help(nullptr, opener);
        const TextControl *columns[] = {help.txtCol1, help.txtCol2, help.txtCol3, help.txtCol4};
        QCOMPARE(linesOf(columns[column]), lines);
        QVERIFY(columns[column]->isReadOnly());
    }

    void columnsStandAtTheirPlaces()
    {
        RecordingOpener opener;
        TfrmHelp help(nullptr, opener);
        QCOMPARE(help.txtCol1->geometry(), QRect(8, 72, 97, 281));
        QCOMPARE(help.txtCol2->geometry(), QRect(120, 72, 177, 281));
        QCOMPARE(help.txtCol3->geometry(), QRect(312, 72, 97, 281));
        QCOMPARE(help.txtCol4->geometry(), QRect(424, 72, 233, 281));
        QCOMPARE(help.txtCol1->paragraphSpaceAfter(), 100);
    }

    void eachKeyStandsLevelWithItsMeaning()
    {
        RecordingOpener opener;
        TfrmHelp help(nullptr, opener);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        const TextControl *pairs[][2] = {{help.txtCol1, help.txtCol2},
                                         {help.txtCol3, help.txtCol4}};
        for (const auto &pair : pairs) {
            // No line wraps, and the lines of a pair share their heights.
            QCOMPARE(pair[0]->displayLineCount(), 13);
            QCOMPARE(pair[1]->displayLineCount(), 13);
            const QList<int> keys = lineTops(pair[0]);
            QCOMPARE(lineTops(pair[1]), keys);
            // The last line is inside the column.
            QVERIFY(keys.last() < pair[0]->height());
        }
    }

    void hintsAndFooterTexts()
    {
        RecordingOpener opener;
        TfrmHelp help(nullptr, opener);
        QCOMPARE(help.lblClick1->text(), QStringLiteral("Click"));
        QCOMPARE(help.lblHint1->text(),
                 QStringLiteral("the time bar (in the status bar) to open a Diary page."));
        QCOMPARE(help.lblClick2->text(), QStringLiteral("Click"));
        QCOMPARE(help.lblHint2->text(),
                 QStringLiteral("the filename panel (status bar) to show Recent files."));
        QCOMPARE(help.lblClick1->y(), 408);
        QCOMPARE(help.lblClick2->y(), 424);
        // Each hint reads on from its "Click".
        QVERIFY(help.lblHint1->x() > help.lblClick1->geometry().right());
        QCOMPARE(help.lblHint1->y(), 408);

        QCOMPARE(help.Label1->text(), QStringLiteral("Calmdesk"));
        QCOMPARE(help.Label2->text(), QStringLiteral("calmdesk.org"));
        QCOMPARE(help.cmdClose->text(), QStringLiteral("&Close"));
        QVERIFY(help.cmdClose->isDefault());
        for (QWidget *link :
             {static_cast<QWidget *>(help.imgFooter), static_cast<QWidget *>(help.Label1),
              static_cast<QWidget *>(help.Label2)})
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }

    void headerTexts()
    {
        RecordingOpener opener;
        TfrmHelp help(nullptr, opener);
        QStringList texts;
        for (const QLabel *label : help.findChildren<QLabel *>())
            texts.append(label->text());
        QVERIFY(texts.contains(QStringLiteral("Keyboard shortcuts")));
        QVERIFY(
            texts.contains(QStringLiteral("You can use these shortcuts anywhere in the program.")));
    }

    void windowFrame()
    {
        RecordingOpener opener;
        TfrmHelp help(nullptr, opener);
        QCOMPARE(help.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(help.size(), QSize(665, 505));
        QCOMPARE(help.minimumSize(), help.maximumSize());
        const Qt::WindowFlags flags = help.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    }

    void centredOverTheMainWindow()
    {
        QWidget main;
        main.setGeometry(100, 50, 1280, 1000);
        RecordingOpener opener;
        TfrmHelp help(&main, opener);
        QCOMPARE(help.pos(), QPoint(100 + (1280 - 665) / 2, 50 + (1000 - 505) / 2));
    }

    void footerOpensTheWebAddress_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::newRow("the address") << "Label2";
        QTest::newRow("the program's name") << "Label1";
        QTest::newRow("the image") << "imgFooter";
    }

    void footerOpensTheWebAddress()
    {
        QFETCH(QString, clicked);
        RecordingOpener opener;
        TfrmHelp help(nullptr, opener);
        help.show();
        QWidget *target = clicked == "Label2"   ? static_cast<QWidget *>(help.Label2)
                          : clicked == "Label1" ? static_cast<QWidget *>(help.Label1)
                                                : static_cast<QWidget *>(help.imgFooter);
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(opener.opened, QList<QUrl>{QUrl(QStringLiteral("http://calmdesk.org"))});
        // A right click is no link.
        QTest::mouseClick(target, Qt::RightButton);
        QCOMPARE(opener.opened.size(), 1);
    }

    void closingKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void closingKeys()
    {
        QFETCH(int, key);
        RecordingOpener opener;
        QPointer<TfrmHelp> shown;
        bool closedByKey = false;
        whenShown([&shown, &closedByKey, key](TfrmHelp *help) {
            shown = help;
            QTest::keyClick(help, Qt::Key(key));
            closedByKey = !help->isVisible();
        });
        TfrmHelp::showHelp(nullptr, opener);
        QVERIFY(closedByKey);
        // Nothing of the card is left once showHelp returns.
        QVERIFY(shown.isNull());
        QVERIFY(opener.opened.isEmpty());
    }

    void enterClosesWithTheFocusOnAColumn()
    {
        RecordingOpener opener;
        bool columnHadFocus = false;
        bool closedByKey = false;
        whenShown([&columnHadFocus, &closedByKey](TfrmHelp *help) {
            auto *inner = help->txtCol2->findChild<QAbstractScrollArea *>();
            inner->setFocus();
            columnHadFocus = inner->hasFocus();
            QTest::keyClick(inner, Qt::Key_Return);
            closedByKey = !help->isVisible();
        });
        TfrmHelp::showHelp(nullptr, opener);
        QVERIFY(columnHadFocus);
        QVERIFY(closedByKey);
    }

    void eachOpeningIsAFreshWindow()
    {
        RecordingOpener opener;
        QPointer<TfrmHelp> first;
        whenShown([&first](TfrmHelp *help) {
            first = help;
            QCOMPARE(QApplication::focusWidget(), help->cmdClose);
            // Leave it in another state than it starts in.
            help->txtCol4->findChild<QAbstractScrollArea *>()->setFocus();
            help->txtCol4->select(0, 5);
            help->reject();
        });
        TfrmHelp::showHelp(nullptr, opener);
        QVERIFY(first.isNull());

        bool freshFocus = false;
        int selected = -1;
        whenShown([&freshFocus, &selected](TfrmHelp *help) {
            freshFocus = QApplication::focusWidget() == help->cmdClose;
            selected = help->txtCol4->selLength();
            help->reject();
        });
        TfrmHelp::showHelp(nullptr, opener);
        QVERIFY(freshFocus);
        QCOMPARE(selected, 0);
    }

    void columnsReachAssistiveTechnologyAsShown()
    {
        RecordingOpener opener;
        TfrmHelp help(nullptr, opener);
        help.show();
        auto *inner = help.txtCol4->findChild<QAbstractScrollArea *>();
        QAccessibleInterface *column = QAccessible::queryAccessibleInterface(inner);
        QVERIFY(column);
        QAccessibleTextInterface *text = column->textInterface();
        QVERIFY(text);
        const QString read = text->text(0, text->characterCount());
        for (const QString &line : TfrmHelp::columnLines(3))
            QVERIFY2(read.contains(line), qPrintable(line));
        QVERIFY(!column->text(QAccessible::Name).startsWith(QLatin1String("txt")));
    }
};

CALMDESK_TEST_MAIN(TestHelpCard)
#include "tst_tfrmhelp.moc"
