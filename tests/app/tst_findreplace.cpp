// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/find/findreplace.h"
#include "app/find/searchdialog.h"
#include "goals/statuspanel.h"
#include "mainwindowfixture.h"
#include "platform/text/textcontrol.h"
#include "settings/settingstable.h"
#include "statuslabels.h"
#include "testmain.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using namespace calmdesk;
using calmdesk::test::MainWindowFixture;
using calmdesk::test::statusLabel;

namespace {

// The writing area with its status line and the find subsystem, as the window wires them.
struct Desk
{
    Desk()
    {
        settings.txtfore = QColor(250, 250, 210);
        settings.txtback = QColor(20, 40, 90);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(text);
        layout->addWidget(status);
        window.resize(500, 300);
        find.setBeep([this] { ++beeps; });
    }

    QString help() const { return statusLabel(status, "lblHelp")->text(); }
    QPair<int, int> selection() const { return {text->selStart(), text->selLength()}; }

    QWidget window;
    Settings settings = defaultSettings();
    TextControl *text = new TextControl(TextKind::Uniform, &window);
    StatusPanel *status = new StatusPanel(&window);
    FindReplace find{text, status, settings, &window};
    int beeps = 0;
};

QPushButton *button(QWidget *dialog, const QString &caption)
{
    for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
        if (b->text() == caption)
            return b;
    }
    return nullptr;
}

void fillIn(QWidget *dialog, const char *field, const QString &text)
{
    auto *edit = dialog->findChild<QLineEdit *>(QLatin1String(field));
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, text);
}

} // namespace

class FindReplaceTest : public QObject
{
    Q_OBJECT

private slots:
    void dialogsAreModelessOverTheEditor()
    {
        Desk d;
        d.find.showFindDialog();
        d.find.showReplaceDialog();
        for (SearchDialog *dialog : {d.find.findDialog(), d.find.replaceDialog()}) {
            QVERIFY(dialog->isVisible());
            QVERIFY(!dialog->isModal());
            QVERIFY(dialog->isWindow());
            QCOMPARE(dialog->parentWidget(), &d.window);
        }
        QVERIFY(!d.find.findDialog()->findChild<QLineEdit *>("txtReplaceWith"));
        auto *replaceWith = d.find.replaceDialog()->findChild<QLineEdit *>("txtReplaceWith");
        QVERIFY(replaceWith);
        // Tab goes from the search text to the replacement.
        QCOMPARE(d.find.replaceDialog()->findChild<QLineEdit *>("txtFindWhat")->nextInFocusChain(),
                 replaceWith);
        // The same dialog each time, keeping what it holds.
        fillIn(d.find.findDialog(), "txtFindWhat", "kept");
        d.find.findDialog()->close();
        d.find.showFindDialog();
        QCOMPARE(d.find.findDialog()->searchText(), QString("kept"));
    }

    void searchButtonsWaitForASearchText()
    {
        Desk d;
        SearchDialog *dialog = d.find.replaceDialog();
        const QStringList searching = {"&Find Next", "&Replace", "Replace &All"};
        for (const QString &caption : searching)
            QVERIFY(!button(dialog, caption)->isEnabled());
        fillIn(dialog, "txtFindWhat", "x");
        for (const QString &caption : searching)
            QVERIFY(button(dialog, caption)->isEnabled());
    }

    void closingADialogPutsTheHelpTextBack()
    {
        Desk d;
        d.text->setText("cat cat");
        d.find.showReplaceDialog();
        fillIn(d.find.replaceDialog(), "txtFindWhat", "cat");
        QTest::keyClick(d.find.replaceDialog()->findChild<QLineEdit *>("txtFindWhat"),
                        Qt::Key_Return);
        QCOMPARE(d.help(), QString("2 matches found."));
        QTest::mouseClick(button(d.find.replaceDialog(), "Close"), Qt::LeftButton);
        QVERIFY(!d.find.replaceDialog()->isVisible());
        QCOMPARE(d.help(), QString("Press F1 for Help."));
    }

    // F3 repeats the latest search, from either dialog, with its options; without one it
    // does nothing at all.
    void f3RepeatsTheLatestSearch_data()
    {
        QTest::addColumn<bool>("searchedBefore");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QList<int>>("selections");
        QTest::newRow("no search yet") << false << false << QList<int>{2, 2};
        QTest::newRow("after a search") << true << false << QList<int>{8, 16, 0};
        QTest::newRow("with the search's match case") << true << true << QList<int>{16, 16};
    }
    void f3RepeatsTheLatestSearch()
    {
        QFETCH(bool, searchedBefore);
        QFETCH(bool, matchCase);
        QFETCH(QList<int>, selections);
        Desk d;
        d.text->setText("Cat and Cat and cat");
        d.text->select(2, 0);
        if (searchedBefore) {
            FindRequest r;
            r.searchText = "cat";
            r.matchCase = matchCase;
            d.find.findOrReplace(r);
            d.text->select(matchCase ? 16 : 0, 3);
        } else {
            d.status->showHelpText("untouched");
        }
        for (int start : selections) {
            d.find.findNext();
            QCOMPARE(d.text->selStart(), start);
        }
        QCOMPARE(d.beeps, 0);
        if (!searchedBefore)
            QCOMPARE(d.help(), QString("untouched"));
    }

    void highlightShowsTheWordInInverseColours()
    {
        Desk d;
        CharAttributes look;
        look.colour = d.settings.txtfore;
        look.background = d.settings.txtback;
        d.text->setCharAttributes(look, FormatScope::AllText);
        d.text->setText("plain words then target here");
        d.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d.window));

        d.find.highlightWord("TARGET");

        QCOMPARE(d.text->marks(MarkKind::Highlight), (QList<MarkRange>{{17, 6}}));
        QCoreApplication::processEvents();
        const QImage shot = d.text->grab().toImage();
        const auto background = [&](int index) {
            // The top left of a character's cell lies above its letter.
            return shot.pixelColor(d.text->characterPosition(index) + QPoint(1, 1));
        };
        QCOMPARE(background(18), d.settings.txtfore);
        QCOMPARE(background(2), d.settings.txtback);
    }

    // In the real window: Ctrl+H, a word replaced everywhere, one Ctrl+Z brings it back.
    void ctrlHReplacesEverywhereAndCtrlZBringsItBack()
    {
        MainWindowFixture f;
        f.setGeneral("show_status", "1");
        const QString file = f.writeFile("story.txt", "The cat sat.\nA cat, the cat.\n");
        TfrmMain &w = f.window();
        QVERIFY(f.start({file}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        TextControl *text = w.textColumn();
        text->setFocus();
        text->setCaret(4);

        QTest::keyClick(w.focusWidget(), Qt::Key_H, Qt::ControlModifier);
        auto *dialog = w.findChild<SearchDialog *>("ReplaceDialog");
        QVERIFY(dialog && dialog->isVisible());
        fillIn(dialog, "txtFindWhat", "cat");
        fillIn(dialog, "txtReplaceWith", "dog");
        QTest::mouseClick(button(dialog, "Replace &All"), Qt::LeftButton);

        QCOMPARE(text->text(), QString("The dog sat.\r\nA dog, the dog.\r\n"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(statusLabel(&w, "lblHelp")->text(), QString("Press F1 for Help."));
        QTRY_VERIFY(text->hasFocus());
        QCOMPARE(text->selStart(), 7);

        QTest::keyClick(w.focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text->text(), QString("The cat sat.\r\nA cat, the cat.\r\n"));
    }

    void findKeysInTheWindow()
    {
        MainWindowFixture f;
        const QString file = f.writeFile("story.txt", "one cat, two cats\n");
        TfrmMain &w = f.window();
        QVERIFY(f.start({file}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        TextControl *text = w.textColumn();
        text->setFocus();
        text->setCaret(1);
        // No search yet: F3 leaves everything as it is.
        QTest::keyClick(w.focusWidget(), Qt::Key_F3);
        QCOMPARE(text->selStart(), 1);
        QCOMPARE(text->selLength(), 0);

        QTest::keyClick(w.focusWidget(), Qt::Key_F, Qt::ControlModifier);
        auto *dialog = w.findChild<SearchDialog *>("FindDialog");
        QVERIFY(dialog && dialog->isVisible());
        fillIn(dialog, "txtFindWhat", "cat");
        QTest::keyClick(dialog->findChild<QLineEdit *>("txtFindWhat"), Qt::Key_Return);
        QCOMPARE(text->selStart(), 4);
        QCOMPARE(statusLabel(&w, "lblHelp")->text(), QString("2 matches found."));

        QTRY_VERIFY(text->hasFocus());
        QTest::keyClick(w.focusWidget(), Qt::Key_F3);
        QCOMPARE(text->selStart(), 13);
        QCOMPARE(text->selLength(), 3);
    }
};

CALMDESK_TEST_MAIN(FindReplaceTest)
#include "tst_findreplace.moc"
