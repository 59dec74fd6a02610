// SPDX-License-Identifier: GPL-3.0-or-later
// The spelling checker in the editor, as the writer meets it: marks a moment after typing
// stops, the context menu's suggestions, Ignore and Add To Dictionary, and the spelling
// dialog that F7 opens.

#include "aids/spelling/asyoutypespelling.h"
#include "aids/spelling/documentspellcheck.h"
#include "aids/spelling/spelling.h"
#include "aids/spelling/spellingdictionary.h"
#include "aids/spelling/spellingmenu.h"
#include "aids/spelling/spellstatusicons.h"
#include "aids/spelling/tfrmspell.h"
#include "app/keys/editmenu.h"
#include "app/keys/keycommands.h"
#include "mainwindowfixture.h"
#include "testmain.h"

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>

using namespace calmdesk;
using calmdesk::test::MainWindowFixture;

namespace {

QString smallList()
{
    return QString::fromLocal8Bit(qgetenv("CALMDESK_TEST_DATA")) + "/spelling/small.dct";
}

constexpr int kMarksWithinMs = 8000;

// The editor with "Check Spelling as you type" on and the small word list.
struct SpellingFixture : MainWindowFixture
{
    explicit SpellingFixture(bool withList = true)
    {
        setGeneral("spelltype", "1");
        spelling().setDictionaryCandidates({withList ? smallList() : folder() + "/english.dct"});
    }

    Spelling &spelling() { return *window().spelling(); }
    TextControl &text() { return *window().textColumn(); }

    bool startLoaded()
    {
        QSignalSpy loaded(&spelling(), &Spelling::dictionaryLoaded);
        return start() && (spelling().dictLoaded() || loaded.wait(10000));
    }

    // The marked words, as the writer sees them underlined.
    QStringList marked()
    {
        QStringList words;
        for (const MarkRange &range : text().marks(MarkKind::SpellingError))
            words << text().text().mid(range.start, range.length);
        return words;
    }

    bool waitForMarks(const QStringList &expected)
    {
        return QTest::qWaitFor([&] { return marked() == expected; }, kMarksWithinMs);
    }

    // The spelling items at the top of the context menu, as a screen reader reads them out
    // (the items above "Undo"), with the bold one in brackets.
    QStringList suggestions()
    {
        EditMenu *menu = window().editMenu();
        menu->popup(QPoint(0, 0));
        QStringList items;
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; i < list->childCount(); ++i) {
            QAccessibleInterface *item = list->child(i);
            if (item->state().invisible || item->role() == QAccessible::Separator)
                continue;
            const QString name = item->text(QAccessible::Name);
            if (name == "Undo")
                break;
            QAction *bold = menu->defaultAction();
            items << (bold && bold->text() == name ? "[" + name + "]" : name);
        }
        menu->close();
        return items;
    }

    void pressF7() { window().runCommand(WindowCommand::SpellingCheck); }
    TfrmSpell &dialog() { return *spelling().dialog(); }
};

} // namespace

class TestSpelling : public QObject
{
    Q_OBJECT

private slots:
    void marksComeAfterThePauseAndStayOutOfTheDocument()
    {
        SpellingFixture f;
        QVERIFY(f.startLoaded());
        SpellStatusIcons *icons = f.spelling().statusIcons();
        QVERIFY(!icons->imgSpell->isHidden());
        QVERIFY(icons->imgSpell3->isHidden());

        f.text().replaceSelection("helo wrold, the cat");
        f.window().document()->setSaved(true);
        // Not at once: the check waits for the pause.
        QTest::qWait(500);
        QVERIFY(f.marked().isEmpty());
        QVERIFY(f.waitForMarks({"helo", "wrold"}));
        // Marks are no edit: the document is as saved, and one undo takes the typing away.
        QVERIFY(f.window().document()->isSaved());
        f.text().undo();
        QCOMPARE(f.text().text(), QString());
        QVERIFY(!f.text().canUndo());
    }

    void typingDuringACheckDropsItsMarks()
    {
        SpellingFixture f;
        QVERIFY(f.startLoaded());
        AsYouTypeSpelling *check = f.spelling().asYouType();
        bool typed = false;
        QList<bool> checks;
        connect(check, &AsYouTypeSpelling::checkingChanged, this, [&](bool running) {
            checks << running;
            // The writer types again while the words are being judged.
            if (running && !typed) {
                typed = true;
                f.text().setCaret(0);
                f.text().replaceSelection("The ");
            }
        });
        f.text().replaceSelection("wrold");
        QVERIFY(QTest::qWaitFor([&] { return checks.size() >= 2; }, kMarksWithinMs));
        QVERIFY(f.marked().isEmpty());
        // The typing scheduled the next check, which marks the text as it is now.
        QVERIFY(f.waitForMarks({"wrold"}));
        QCOMPARE(f.text().text(), QString("The wrold"));
    }

    void wordIgnoredDuringACheckIsNotMarkedByIt()
    {
        SpellingFixture f;
        QVERIFY(f.startLoaded());
        f.text().replaceSelection("helo wrold");
        AsYouTypeSpelling *check = f.spelling().asYouType();
        QTest::qWait(AsYouTypeSpelling::kMinimumGapMs);
        check->stopTimer();
        check->tmrSpellTimer();
        // Accepted while the words are being judged, before any mark is in.
        f.spelling().addWord("wrold", false);
        QVERIFY(QTest::qWaitFor([&] { return !check->isChecking(); }, kMarksWithinMs));
        QCOMPARE(f.marked(), QStringList({"helo"}));
    }

    void noListNoMarksAndTheCheckOnlyBeeps()
    {
        SpellingFixture f(false);
        QVERIFY(f.start());
        QSignalSpy beeps(&f.spelling(), &Spelling::beepRequested);
        QTest::qWait(Spelling::kLoadDelayMs + 300);
        QVERIFY(!f.spelling().dictLoaded());
        QVERIFY(!f.spelling().statusIcons()->imgSpell3->isHidden());
        QVERIFY(f.spelling().statusIcons()->imgSpell->isHidden());
        f.text().replaceSelection("helo wrold");
        f.pressF7();
        QCOMPARE(beeps.count(), 1);
        QVERIFY(f.dialog().isHidden());
        f.spelling().asYouType()->tmrSpellTimer();
        QTest::qWait(100);
        QVERIFY(f.marked().isEmpty());
    }

    void contextMenuOffersSuggestionsAndReplaces()
    {
        SpellingFixture f;
        QVERIFY(f.startLoaded());
        f.text().replaceSelection("helo wrold London london");
        QVERIFY(f.waitForMarks({"helo", "wrold", "london"}));

        f.text().setCaret(8);
        QCOMPARE(f.suggestions(), QStringList({"[world]", "Ignore", "Add To Dictionary"}));
        // No word of its key in the list: only Ignore and Add To Dictionary.
        f.text().setCaret(2);
        QCOMPARE(f.suggestions(), QStringList({"Ignore", "Add To Dictionary"}));
        // A proper noun written small: its capitalised form, bold.
        f.text().setCaret(f.text().textLength());
        QCOMPARE(f.suggestions(), QStringList({"[London]", "Ignore", "Add To Dictionary"}));
        // Off a marked word, the menu is the editing menu alone.
        f.text().setCaret(13);
        QCOMPARE(f.suggestions(), QStringList());

        f.text().setCaret(6);
        f.suggestions();
        f.spelling().menu()->suggestionItems().first()->trigger();
        QCOMPARE(f.text().text(), QString("helo world London london"));
        QCOMPARE(f.text().selStart(), 10);
        QCOMPARE(f.marked(), QStringList({"helo", "london"}));
    }

    void editingAWordTakesItsMarkMovingDoesNot()
    {
        SpellingFixture f;
        QVERIFY(f.startLoaded());
        f.text().replaceSelection("helo wrold");
        QVERIFY(f.waitForMarks({"helo", "wrold"}));
        f.text().setFocus();
        QWidget *keys = f.window().focusWidget();
        // The writer walks onto the word with the arrows: the mark stays, and so does the menu.
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_Left})
            QTest::keyClick(keys, key);
        QCOMPARE(f.marked(), QStringList({"helo", "wrold"}));
        QCOMPARE(f.suggestions().first(), QString("[world]"));
        // Typing at the word's end makes it another word: its mark goes at once.
        QTest::keyClick(keys, Qt::Key_End);
        QTest::keyClick(keys, Qt::Key_S);
        QCOMPARE(f.text().text(), QString("helo wrolds"));
        QCOMPARE(f.marked(), QStringList({"helo"}));
    }

    void ignoreAndAddToDictionary()
    {
        QTemporaryDir words;
        const QString own = words.filePath("added-words.dct");
        {
            SpellingFixture f;
            f.spelling().setUserWordFile(own);
            QVERIFY(f.startLoaded());
            f.text().replaceSelection("Helo wrold");
            QVERIFY(f.waitForMarks({"Helo", "wrold"}));

            f.text().setCaret(1);
            f.suggestions();
            f.window().editMenu()->mnuIgnore->trigger();
            QCOMPARE(f.marked(), QStringList({"wrold"}));
            QVERIFY(!QFile::exists(own));

            f.text().setCaret(7);
            f.suggestions();
            f.window().editMenu()->mnuAddToDict->trigger();
            QVERIFY(f.marked().isEmpty());
            QCOMPARE(MainWindowFixture::readFile(own), QByteArray("wrold\r\n"));
            // Neither comes back at the next check.
            f.text().replaceSelection(" ");
            QTest::qWait(AsYouTypeSpelling::kSpellIntervalMs + 500);
            QVERIFY(f.marked().isEmpty());
        }
        // After a restart the added word is still known, the ignored one is not.
        SpellingFixture f;
        f.spelling().setUserWordFile(own);
        QVERIFY(f.startLoaded());
        QVERIFY(f.spelling().dictionary()->isKnownWord("wrold"));
        QVERIFY(!f.spelling().dictionary()->isKnownWord("Helo"));
    }

    void addedWordGoesToTheUsersDataFolder()
    {
        SpellingFixture f;
        QVERIFY(f.startLoaded());
        const qsizetype before = f.messages.shown.size();
        f.spelling().addWord("Calmdesk", true);
        const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            "/calmdesk/added-words.dct";
        QCOMPARE(MainWindowFixture::readFile(own), QByteArray("Calmdesk\r\n"));
        // A file that cannot be written is reported; the word stays accepted.
        f.spelling().setUserWordFile("/proc/calmdesk/added-words.dct");
        f.spelling().addWord("Wrold", true);
        QCOMPARE(f.messages.shown.size(), before + 1);
        QCOMPARE(f.messages.shown.last().icon, Message::Icon::Error);
        QVERIFY(f.spelling().dictionary()->isKnownWord("Wrold"));
    }

    void dialogWalksTheTextToTheEnd()
    {
        SpellingFixture f;
        QVERIFY(f.startLoaded());
        f.text().replaceSelection("the cat sat. hello wrold");
        f.pressF7();
        TfrmSpell &d = f.dialog();
        QVERIFY(d.isVisible());
        QCOMPARE(d.txtWord->text(), QString("the"));
        QCOMPARE(d.lstSuggestions->count(), 1);
        QCOMPARE(d.txtChangeTo->text(), QString("The"));
        QCOMPARE(f.text().selectedText(), QString("the"));

        d.cmdChange->click();
        QCOMPARE(d.txtWord->text(), QString("hello"));
        QCOMPARE(f.text().selStart(), 13);
        d.cmdIgnore->click();
        QCOMPARE(d.txtWord->text(), QString("wrold"));
        QCOMPARE(d.txtChangeTo->text(), QString("world"));
        d.cmdChange->click();

        QCOMPARE(f.text().text(), QString("The cat sat. hello world"));
        QVERIFY(d.isHidden());
        QCOMPARE(f.messages.shown.last().text, QString("The Spelling Check is complete."));
        QCOMPARE(f.messages.shown.last().caption, QString("Spell Check"));
    }

    void changeSkipsAWordEditedMeanwhile()
    {
        SpellingFixture f;
        QVERIFY(f.startLoaded());
        f.text().replaceSelection("Hello wrold end");
        // The status line's "Spelling Check" image starts the same walk as F7.
        f.spelling().statusIcons()->imgSpell->click();
        QCOMPARE(f.dialog().txtWord->text(), QString("wrold"));
        // The dialog is modeless: the writer edits the word in the text meanwhile.
        f.text().select(6, 5);
        f.text().replaceSelection("cat");
        f.dialog().cmdChange->click();
        QCOMPARE(f.text().text(), QString("Hello cat end"));
        QCOMPARE(f.messages.shown.last().text, QString("The Spelling Check is complete."));
    }

    void wordWithoutSuggestionsAndAddWord()
    {
        SpellingFixture f;
        QTemporaryDir words;
        f.spelling().setUserWordFile(words.filePath("added-words.dct"));
        QVERIFY(f.startLoaded());
        f.text().replaceSelection("Hello qqqq wrold");
        f.pressF7();
        TfrmSpell &d = f.dialog();
        QCOMPARE(d.txtWord->text(), QString("qqqq"));
        QVERIFY(!d.lstSuggestions->isEnabled());
        QCOMPARE(d.lstSuggestions->item(0)->text(), QString("(no suggestions)"));
        QCOMPARE(d.txtChangeTo->text(), QString());
        // Change with nothing to change to takes the word out.
        d.cmdChange->click();
        QCOMPARE(f.text().text(), QString("Hello  wrold"));
        QCOMPARE(d.txtWord->text(), QString("wrold"));

        // Add Word asks first; No leaves everything as it is.
        const qsizetype before = f.messages.shown.size();
        f.messages.answers = {Answer::No};
        d.cmdAdd->click();
        QCOMPARE(f.messages.shown.last().text,
                 QString("Are you sure you want to add the specified Word to the current "
                         "Dictionary?"));
        QCOMPARE(f.messages.shown.last().caption, QString("Add To Dictionary"));
        QVERIFY(d.isVisible());
        f.messages.answers = {Answer::Yes};
        d.cmdAdd->click();
        QCOMPARE(f.messages.shown.last().text, QString("The Spelling Check is complete."));
        // In memory only: known now, not kept for the next start.
        QVERIFY(f.spelling().dictionary()->isKnownWord("wrold"));
        QVERIFY(!QFile::exists(words.filePath("added-words.dct")));
        // The next check runs from the top and finds nothing.
        f.pressF7();
        QCOMPARE(f.messages.shown.size(), before + 4);
        QVERIFY(d.isHidden());
    }
};

CALMDESK_TEST_MAIN(TestSpelling)
#include "tst_spelling.moc"
