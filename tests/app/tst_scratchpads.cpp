// SPDX-License-Identifier: GPL-3.0-or-later
// The notes of the writing-tools panel: their formatting commands, the document's notes kept
// beside it, the global notes kept over a restart, and Insert.

#include "app/layout/toolspanel.h"
#include "document/documenthandler.h"
#include "mainwindowfixture.h"
#include "platform/text/textcontrol.h"
#include "reference/browserpage.h"
#include "reference/scratchpadpage.h"
#include "testmain.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;
using calmdesk::test::MainWindowFixture;

namespace {

void typeNote(ScratchpadPage *page, const QString &text, bool bold)
{
    TextControl *notes = page->notes();
    notes->setCaret(notes->textLength());
    CharAttributes look;
    look.bold = bold;
    notes->setCharAttributes(look, FormatScope::Selection);
    notes->replaceSelection(text);
}

bool boldAt(TextControl *notes, int position)
{
    notes->setCaret(position);
    return notes->caretAttributes().bold.value_or(false);
}

} // namespace

class TestScratchpads : public QObject
{
    Q_OBJECT

private slots:
    void fontSizeStepsStopAtTheirLimits_data()
    {
        QTest::addColumn<qreal>("size");
        QTest::addColumn<bool>("grow");
        QTest::addColumn<qreal>("after");
        QTest::newRow("71 grows to 73") << 71.0 << true << 73.0;
        QTest::newRow("72 stays") << 72.0 << true << 72.0;
        QTest::newRow("7 shrinks to 5") << 7.0 << false << 5.0;
        QTest::newRow("6 stays") << 6.0 << false << 6.0;
    }
    void fontSizeStepsStopAtTheirLimits()
    {
        QFETCH(qreal, size);
        QFETCH(bool, grow);
        QFETCH(qreal, after);
        TextControl notes(TextKind::Formatted);
        notes.setText("note");
        notes.selectAllText();
        CharAttributes look;
        look.pointSize = size;
        notes.setCharAttributes(look, FormatScope::Selection);
        applyScratchpadCommand(notes,
                               grow ? ScratchpadCommand::GrowFont : ScratchpadCommand::ShrinkFont);
        QCOMPARE(notes.caretAttributes().pointSize.value_or(0), after);
        // A toggle turns a style on and off again.
        applyScratchpadCommand(notes, ScratchpadCommand::Bold);
        QVERIFY(notes.caretAttributes().bold.value_or(false));
        applyScratchpadCommand(notes, ScratchpadCommand::Bold);
        QVERIFY(!notes.caretAttributes().bold.value_or(false));
    }

    void documentNotesTravelWithTheDocument()
    {
        MainWindowFixture f;
        const QString a = f.writeFile("a.txt", "story");
        const QString b = f.writeFile("b.txt", "other");
        TfrmMain &w = f.window();
        QVERIFY(f.start({a}));
        ScratchpadPage *notes = w.documentNotesPage();
        typeNote(notes, "plain ", false);
        typeNote(notes, "bold", true);
        QVERIFY(w.document()->saveDocument(false));
        const QString companion = f.folder() + "/a-Scratchpad.rtf";
        QVERIFY(QFileInfo::exists(companion));

        QVERIFY(w.document()->openDocument(b));
        QVERIFY(notes->isBlank());
        QVERIFY(w.document()->openDocument(a));
        QCOMPARE(notes->notes()->text(), "plain bold");
        QVERIFY(!boldAt(notes->notes(), 2));
        QVERIFY(boldAt(notes->notes(), 9));

        // Notes emptied: the companion goes at the next save.
        notes->notes()->clearText();
        QVERIFY(w.document()->saveDocument(false));
        QVERIFY(!QFileInfo::exists(companion));
    }

    // Export and import through the notes' own dialogs: rich text keeps its look, the other
    // entries write plain text whatever the name; a file that cannot be read or written is
    // told and leaves the notes as they were.
    void notesImportAndExport()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start());
        ScratchpadPage *notes = w.notesPage();
        typeNote(notes, "plain ", false);
        typeNote(notes, "bold", true);
        const QString rich = f.folder() + "/notes.rtf";
        const QString plain = f.folder() + "/plain.rtf";
        f.dialogs.exportTargets = {{rich, 1}, {plain, 2}, {f.folder(), 1}};
        notes->exportNotes();
        notes->exportNotes();
        QCOMPARE(MainWindowFixture::readFile(plain), QByteArray("plain bold"));
        QVERIFY(MainWindowFixture::readFile(rich).startsWith("{\\rtf"));
        notes->exportNotes();
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown.last().text,
                 "The system was unable to write to the specified file.");

        ScratchpadPage *other = w.documentNotesPage();
        const QString text = f.writeFile("import.txt", "from a text file\n");
        f.dialogs.paths = {rich, text, f.folder() + "/missing.rtf"};
        other->importNotes();
        QCOMPARE(other->notes()->text(), "plain bold");
        QVERIFY(boldAt(other->notes(), 9));
        other->importNotes();
        QCOMPARE(other->notes()->text(), "from a text file\r\n");
        other->importNotes();
        QCOMPARE(f.messages.shown.last().caption, "System File Error");
        QCOMPARE(f.messages.shown.last().text, "The system was unable to open the specified file.");
        QCOMPARE(other->notes()->text(), "from a text file\r\n");
    }

    void globalNotesSurviveARestart()
    {
        MainWindowFixture f;
        {
            TfrmMain &w = f.window();
            QVERIFY(f.start());
            typeNote(w.notesPage(), "remember this", true);
            QVERIFY(w.close());
        }
        TfrmMain again(TfrmMain::Services{*f.store,
                                          f.messages,
                                          f.dialogs,
                                          f.opener,
                                          IsolatedEnvironment::current()->dataHome(),
                                          {},
                                          [] {
                                              return true;
                                          }});
        again.FormCreate({});
        QVERIFY(QTest::qWaitFor([&] { return again.hasFinishedStartup(); }));
        QCOMPARE(again.notesPage()->notes()->text(), "remember this");
        QVERIFY(boldAt(again.notesPage()->notes(), 3));
    }

    void insertPutsTheTrimmedSelectionIntoTheDocument()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start());
        TextControl *notes = w.notesPage()->notes();
        notes->setText("   \r\n  idea  ");
        QPushButton *insert = nullptr;
        for (QPushButton *button : w.toolsPanel()->pctGScr->findChildren<QPushButton *>()) {
            if (button->text() == "Insert")
                insert = button;
        }
        QVERIFY(insert);
        notes->select(0, 3);
        insert->click();
        QCOMPARE(w.textColumn()->text(), QString());
        notes->selectAllText();
        insert->click();
        QCOMPARE(w.textColumn()->text(), "idea");
    }

    // The document named on the command line keeps its list of visited pages, and what
    // the writer adds to it is kept beside the document at the next save.
    void theStartDocumentKeepsItsWebHistory()
    {
        MainWindowFixture f;
        const QString a = f.writeFile("a.txt", "story");
        f.writeFile("a-References.txt", "http://a.org/\r\nb.org\r\n");
        TfrmMain &w = f.window();
        QVERIFY(f.start({a}));
        QCOMPARE(w.browser()->entries(), (QStringList{"http://a.org/", "b.org"}));
        QCOMPARE(w.browser()->historyList()->count(), 2);

        w.browser()->addressBox()->setText("c.org");
        for (QAction *action : w.browser()->historyMenu()->actions()) {
            if (action->text() == "&Add Current Address")
                action->trigger();
        }
        QVERIFY(w.document()->saveDocument(false));
        QCOMPARE(MainWindowFixture::readFile(f.folder() + "/a-References.txt"),
                 QByteArray("http://a.org/\r\nb.org\r\nc.org\r\n"));
        // A new document starts an empty list.
        QVERIFY(w.document()->newDocument());
        QVERIFY(w.browser()->entries().isEmpty());
    }
};

CALMDESK_TEST_MAIN(TestScratchpads)
#include "tst_scratchpads.moc"
