// The notes of the writing-tools panel: their formatting commands, the document's notes kept
// beside it, the global notes kept over a restart, and Insert.

#include "app/layout/toolspanel.h"
#include "document/documenthandler.h"
#include "mainwindowfixture.h"
#include "platform/text/textcontrol.h"
#include "reference/scratchpadpage.h"
#include "testmain.h"

#include <QFileInfo>
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
};

CALMDESK_TEST_MAIN(TestScratchpads)
#include "tst_scratchpads.moc"
