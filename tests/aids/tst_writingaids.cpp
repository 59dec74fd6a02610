// SPDX-License-Identifier: GPL-3.0-or-later
// Auto-correct and auto-text in a real text column, typed as a writer types.

#include "aids/autocorrect.h"
#include "aids/autotextpanel.h"
#include "platform/text/textcontrol.h"
#include "testmain.h"

#include <QAction>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace calmdesk;

namespace {

using Rules = QList<QPair<QString, QString>>;

// The window's part: the column, the menu item, and the check after every change.
struct Column
{
    explicit Column(const QList<QPair<QString, QString>> &rules)
    {
        QStringList find;
        QStringList replace;
        for (const auto &[f, r] : rules) {
            find << f;
            replace << r;
        }
        correct.setRules(find, replace);
        QObject::connect(txtMain, &TextControl::changed, &correct, &AutoCorrect::editAutoCorrect);
        window.resize(600, 400);
        txtMain->setGeometry(0, 0, 600, 400);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        txtMain->setFocus();
    }
    void type(const QString &text) { QTest::keyClicks(txtMain->focusProxy(), text); }

    QWidget window;
    TextControl *txtMain = new TextControl(TextKind::Uniform, &window);
    QAction mnuAC{"Undo &Auto-Correct"};
    AutoCorrect correct{txtMain, &mnuAC};
};

} // namespace

class TestWritingAids : public QObject
{
    Q_OBJECT

private slots:
    void typingCorrectsAtOnceWithTheCaretAfter()
    {
        Column c(Rules{{"teh", "the"}, {"adn", "and"}});
        c.type("I saw teh");
        QCOMPARE(c.txtMain->text(), "I saw the");
        QCOMPARE(c.txtMain->selStart(), 9);
        c.type(" cat adn Teh dog");
        QCOMPARE(c.txtMain->text(), "I saw the cat and The dog");

        // In the middle of the text the caret ends right after the replacement.
        c.txtMain->setCaret(5);
        c.type(" adn");
        QCOMPARE(c.txtMain->text(), "I saw and the cat and The dog");
        QCOMPARE(c.txtMain->selStart(), 9);
    }

    void nothingAtTheStartOrWithASelection()
    {
        Column c(Rules{{"teh", "the"}});
        c.type("teh");
        QCOMPARE(c.txtMain->text(), "teh");
        c.txtMain->setText("x te");
        c.txtMain->select(1, 3);
        c.txtMain->replaceSelection(" teh");
        QCOMPARE(c.txtMain->text(), "x the");
        c.txtMain->select(0, 1);
        emit c.txtMain->changed();
        QCOMPARE(c.txtMain->text(), "x the");
    }

    void aReplacementMayCompleteAnotherRule()
    {
        Column c(Rules{{"adn", "and"}, {"x and", "X&Y"}});
        c.type("Q x adn");
        QCOMPARE(c.txtMain->text(), "Q x&y");
        QCOMPARE(c.txtMain->selStart(), 5);
    }

    void undoAutoCorrectPutsTheTypedLettersBack()
    {
        Column c(Rules{{"teh", "the"}});
        QSignalSpy beeps(&c.correct, &AutoCorrect::beepRequested);
        QVERIFY(!c.mnuAC.isEnabled());
        c.type("a teh");
        QVERIFY(c.mnuAC.isEnabled());

        c.correct.mnuACClick();
        QCOMPARE(c.txtMain->text(), "a teh");
        QCOMPARE(c.txtMain->selStart(), 5);
        QVERIFY(!c.mnuAC.isEnabled());
        // One undo step: Ctrl+Z takes the undo back, and is not corrected again.
        c.txtMain->undo();
        QCOMPARE(c.txtMain->text(), "a the");
        c.correct.mnuACClick();
        QCOMPARE(beeps.size(), 1);

        // The writer's next edit ends the chance to undo.
        c.type(" teh");
        QVERIFY(c.mnuAC.isEnabled());
        c.type("n");
        QVERIFY(!c.mnuAC.isEnabled());
    }

    void ctrlZAfterACorrectionKeepsTheTypedLetters()
    {
        Column c(Rules{{"teh", "the"}});
        c.type("a teh");
        QTest::keyClick(c.txtMain->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c.txtMain->text(), "a teh");
    }

    void autoTextListsTheWordsThatBeginAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("case ignored, stored form shown") << "I lo" << QStringList{"Love"};
        QTest::newRow("alphabetical") << "a t" << QStringList{"This", "this", "Tomorrow"};
        QTest::newRow("typed in full is listed") << "a love" << QStringList{"Love"};
        QTest::newRow("apostrophe ends the word")
            << "don't" << QStringList{"This", "this", "Tomorrow"};
        QTest::newRow("non-ASCII ends the word") << "caféto" << QStringList{"Tomorrow"};
        QTest::newRow("word from the very start") << "lo" << QStringList{};
        QTest::newRow("after a space") << "I lo " << QStringList{};
        QTest::newRow("no stored word fits") << "I zz" << QStringList{};
    }
    void autoTextListsTheWordsThatBeginAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, listed);
        Column c(Rules{});
        AutoTextPanel pctAT(c.txtMain, &c.window);
        pctAT.setWords({"Tomorrow", "", "Love", " This ", "this", "Editor"});
        c.txtMain->replaceSelection(typed);
        pctAT.editAutoText();
        QCOMPARE(pctAT.isVisible(), !listed.isEmpty());
        if (listed.isEmpty())
            return;
        QCOMPARE(pctAT.listedWords(), listed);
        // Just below the word's first letter.
        const QPoint word =
            c.txtMain->mapTo(&c.window, c.txtMain->characterPosition(typed.size() - 2));
        QVERIFY(pctAT.y() > word.y());
    }

    void okPutsTheWordInPlaceAndEscapeCloses()
    {
        Column c(Rules{});
        AutoTextPanel pctAT(c.txtMain, &c.window);
        pctAT.setWords({"Love", "Lovely"});
        c.type("I lo and more");
        c.txtMain->setCaret(4);
        pctAT.editAutoText();
        auto *lstAT = pctAT.findChild<QListWidget *>("lstAT");
        QVERIFY(lstAT->hasFocus());
        QTest::keyClick(lstAT, Qt::Key_Down);
        QTest::keyClick(lstAT, Qt::Key_Return);
        QCOMPARE(c.txtMain->text(), "I Lovely and more");
        QVERIFY(!pctAT.isVisible());
        QVERIFY(c.txtMain->hasFocus() || c.txtMain->focusProxy()->hasFocus());

        c.txtMain->setCaret(8);
        pctAT.editAutoText();
        QVERIFY(pctAT.isVisible());
        QTest::keyClick(lstAT, Qt::Key_Escape);
        QVERIFY(!pctAT.isVisible());
        QCOMPARE(c.txtMain->text(), "I Lovely and more");
    }
};

CALMDESK_TEST_MAIN(TestWritingAids)
#include "tst_writingaids.moc"
