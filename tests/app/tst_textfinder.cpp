// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/find/textfinder.h"
#include "eachtextkind.h"
#include "platform/text/textcontrol.h"

#include <QColor>
#include <QTest>

#include <memory>

using namespace calmdesk;

Q_DECLARE_METATYPE(QList<calmdesk::MarkRange>)

namespace {

FindRequest request(const QString &search, bool matchCase = false, bool wholeWord = false,
                    FindAction action = FindAction::FindNext, const QString &replacement = {})
{
    FindRequest r;
    r.searchText = search;
    r.replacement = replacement;
    r.matchCase = matchCase;
    r.wholeWord = wholeWord;
    r.action = action;
    return r;
}

} // namespace

// The search of the find and replace dialogs, on either kind of text control.
class TextFinderTest : public QObject
{
    Q_OBJECT

public:
    explicit TextFinderTest(TextKind kind)
        : m_kind(kind)
    {}

private slots:
    void init()
    {
        m_text = std::make_unique<TextControl>(m_kind);
        m_text->resize(400, 300);
    }
    void cleanup() { m_text.reset(); }

    void findNextCountsAndSelects_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<int>("foundAt"); // -1: nothing found
        QTest::addColumn<QString>("message");

        QTest::newRow("a caret alone searches from the top")
            << "cat dog cat" << 5 << 0 << "cat" << false << false << 0 << "2 matches found.";
        QTest::newRow("from the end of the selection")
            << "cat dog cat" << 0 << 3 << "cat" << false << false << 8 << "2 matches found.";
        QTest::newRow("past the last match wraps to the first")
            << "cat dog cat" << 8 << 3 << "cat" << false << false << 0 << "2 matches found.";
        QTest::newRow("exactly one")
            << "cat dog cat" << 0 << 0 << "dog" << false << false << 4 << "One match found.";
        QTest::newRow("none anywhere")
            << "cat dog cat" << 4 << 3 << "cow" << false << false << -1 << "No matches found.";
        QTest::newRow("counted without overlaps")
            << "aaaa" << 0 << 0 << "aa" << false << false << 0 << "2 matches found.";
        QTest::newRow("letter case ignored")
            << "Cat cAT" << 0 << 0 << "CAT" << false << false << 0 << "2 matches found.";
        QTest::newRow("match case")
            << "Cat cat" << 0 << 0 << "cat" << true << false << 4 << "One match found.";
        QTest::newRow("only ASCII letters fold")
            << QString("\u00c9cole \u00e9cole") << 0 << 0 << QString("\u00e9cole") << false << false
            << 6 << "One match found.";
        QTest::newRow("whole word: no count, longer words skipped")
            << "concat cat" << 0 << 0 << "cat" << false << true << 7 << "Press F1 for Help.";
        QTest::newRow("whole word found nowhere beeps")
            << "concat cats" << 0 << 0 << "cat" << false << true << -1 << "Press F1 for Help.";
        QTest::newRow("a break counts two")
            << "one\r\ncat\r\ncat" << 0 << 0 << "cat" << false << false << 5 << "2 matches found.";
        QTest::newRow("many") << "a a a a a a a a a a a a" << 0 << 0 << "a" << false << false << 0
                              << "12 matches found.";
    }
    void findNextCountsAndSelects()
    {
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, search);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(int, foundAt);
        QFETCH(QString, message);
        m_text->setText(text);
        m_text->select(selStart, selLength);

        TextFinder finder;
        const FindOutcome outcome =
            finder.findOrReplace(*m_text, request(search, matchCase, wholeWord));

        QCOMPARE(outcome.message, message);
        QCOMPARE(outcome.found, foundAt >= 0);
        QCOMPARE(outcome.beep, foundAt < 0);
        // Nothing found leaves the selection as it was.
        QCOMPARE(m_text->selStart(), foundAt >= 0 ? foundAt : selStart);
        QCOMPARE(m_text->selLength(), foundAt >= 0 ? int(search.size()) : selLength);
        QCOMPARE(m_text->text(), text);
    }

    void emptySearchTextDoesNothing()
    {
        m_text->setText("cat");
        m_text->select(1, 1);
        TextFinder finder;
        const FindOutcome outcome = finder.findOrReplace(*m_text, request(QString()));
        QVERIFY(outcome.message.isEmpty());
        QVERIFY(!outcome.beep && !outcome.found);
        QCOMPARE(m_text->selStart(), 1);
        QCOMPARE(m_text->selLength(), 1);
    }

    // Each press of Replace takes the match after the selection (after Find Next, the one
    // after the match it showed) and leaves the caret right after the replacement, from
    // where the next press goes on; past the last it wraps, and with none left it beeps.
    void replaceTakesTheNextMatchEachPress()
    {
        m_text->setText("cat cat\r\ncat");
        TextFinder finder;
        QVERIFY(finder.findOrReplace(*m_text, request("cat")).found);
        QCOMPARE(m_text->selStart(), 0);

        struct Step
        {
            QString text;
            int caret;
        };
        const QList<Step> steps = {
            {"cat dog\r\ncat", 7}, {"cat dog\r\ndog", 12}, {"dog dog\r\ndog", 3}};
        const FindRequest replace = request("CAT", false, false, FindAction::Replace, "dog");
        for (const Step &step : steps) {
            const FindOutcome outcome = finder.findOrReplace(*m_text, replace);
            QVERIFY(outcome.found);
            QCOMPARE(outcome.message, QString("Press F1 for Help."));
            QCOMPARE(m_text->text(), step.text);
            QCOMPARE(m_text->selStart(), step.caret);
            QCOMPARE(m_text->selLength(), 0);
        }
        const FindOutcome none = finder.findOrReplace(*m_text, replace);
        QVERIFY(none.beep);
        QCOMPARE(none.message, QString("No matches found."));
        QCOMPARE(m_text->text(), QString("dog dog\r\ndog"));
    }

    void replaceContinuesOnlyFromItsOwnCaret()
    {
        m_text->setText("cat cat cat");
        TextFinder finder;
        const FindRequest replace = request("cat", false, false, FindAction::Replace, "cow");
        finder.findOrReplace(*m_text, replace);
        QCOMPARE(m_text->text(), QString("cow cat cat"));
        // The writer puts the caret elsewhere: the caret alone counts for nothing again.
        m_text->setCaret(9);
        finder.findOrReplace(*m_text, replace);
        QCOMPARE(m_text->text(), QString("cow cow cat"));
        QCOMPARE(m_text->selStart(), 7);
    }

    void replaceAllHonoursTheOptions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<int>("selectedUpTo");
        QTest::addColumn<QString>("replaced");
        QTest::addColumn<int>("caret");

        QTest::newRow("every match, letter case ignored")
            << "Cat cat CAT"
            << "cat"
            << "dog" << false << false << 0 << "dog dog dog" << 3;
        QTest::newRow("match case") << "Cat cat CAT"
                                    << "cat"
                                    << "dog" << true << false << 0 << "Cat dog CAT" << 7;
        QTest::newRow("whole word keeps longer words")
            << "cat concat cats cat."
            << "cat"
            << "dog" << false << true << 0 << "dog concat cats dog." << 3;
        QTest::newRow("whole word and match case")
            << "Cat cat concat cat"
            << "cat"
            << "dog" << true << true << 0 << "Cat dog concat dog" << 7;
        QTest::newRow("in every paragraph")
            << "cat\r\n\r\nthe cat\r\ncat"
            << "cat"
            << "a dog" << false << false << 0 << "a dog\r\n\r\nthe a dog\r\na dog" << 5;
        QTest::newRow("the caret ends after the match after the selection")
            << "cat cat cat"
            << "cat"
            << "dog" << false << false << 3 << "dog dog dog" << 7;
        QTest::newRow("a replacement holding the search text")
            << "cat cat"
            << "cat"
            << "cats" << false << false << 0 << "cats cats" << 4;
        QTest::newRow("an empty replacement removes")
            << "a cat sat cat"
            << "cat "
            << "" << false << false << 0 << "a sat cat" << 2;
        QTest::newRow("many in one paragraph") << "aaaaaaa"
                                               << "aa"
                                               << "b" << false << false << 0 << "bbba" << 1;
    }
    void replaceAllHonoursTheOptions()
    {
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(int, selectedUpTo);
        QFETCH(QString, replaced);
        QFETCH(int, caret);
        m_text->setText(text);
        // Something typed first, so there is a history to keep.
        m_text->setCaret(m_text->textLength());
        m_text->replaceSelection("!");
        if (selectedUpTo > 0)
            m_text->select(0, selectedUpTo);
        else
            m_text->setCaret(0);

        TextFinder finder;
        const FindOutcome outcome = finder.findOrReplace(
            *m_text, request(search, matchCase, wholeWord, FindAction::ReplaceAll, replacement));

        QVERIFY(outcome.found);
        QCOMPARE(outcome.message, QString("Press F1 for Help."));
        QCOMPARE(m_text->text(), replaced + "!");
        QCOMPARE(m_text->selStart(), caret);
        QCOMPARE(m_text->selLength(), 0);
        QCOMPARE(m_text->paragraphs(), m_text->text().split("\r\n"));
        // One undo brings all of it back; the one before it undoes the typing.
        m_text->undo();
        QCOMPARE(m_text->text(), text + "!");
        m_text->undo();
        QCOMPARE(m_text->text(), text);
    }

    void replaceAllKeepsWhatEndsEachParagraph()
    {
        m_text->setParagraphs({"one cat", "two", "cat three"}, {1, 2, 3});
        m_text->setNewParagraphTag(9);
        TextFinder finder;
        finder.findOrReplace(*m_text, request("cat", false, false, FindAction::ReplaceAll, "dog"));
        QCOMPARE(m_text->text(), QString("one dog\r\ntwo\r\ndog three"));
        const auto tags = [this] {
            const std::vector<ParagraphMirror::Tag> &t = m_text->paragraphTags();
            return QList<int>(t.begin(), t.end());
        };
        QCOMPARE(tags(), QList<int>({1, 2, 3}));
        m_text->undo();
        QCOMPARE(m_text->text(), QString("one cat\r\ntwo\r\ncat three"));
        QCOMPARE(tags(), QList<int>({1, 2, 3}));
    }

    void replaceAllKeepsCountsInStep()
    {
        // A long text, so that its lines are counted anew in the background.
        QStringList paragraphs;
        for (int i = 0; i < 5000; ++i)
            paragraphs << QString("The cat sat on the mat, paragraph %1 of the story.").arg(i);
        m_text->setParagraphs(paragraphs);
        m_text->displayLineCount();
        TextFinder finder;
        finder.findOrReplace(*m_text, request("the", false, true, FindAction::ReplaceAll, "a"));
        QStringList expected = paragraphs;
        for (QString &p : expected)
            p = p.replace("The ", "a ").replace(" the ", " a ");
        QCOMPARE(m_text->paragraphs(), expected);
        QCOMPARE(m_text->text(), expected.join("\r\n"));
        QCOMPARE(m_text->countMatches("the", FindFlag::WholeWord), 0);
        // The counted lines are those of the text now, background count or not.
        TextControl fresh(m_kind);
        fresh.resize(m_text->size());
        fresh.setParagraphs(expected);
        QCOMPARE(m_text->displayLineCount(), fresh.displayLineCount());
    }

    void highlightMarksWholeWords_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QList<MarkRange>>("marks");
        const QList<MarkRange> before{{4, 6}};
        QTest::newRow("whole words, letter case ignored")
            << " cat " << QList<MarkRange>{{0, 3}, {11, 3}, {17, 3}};
        QTest::newRow("nothing once trimmed keeps the highlight") << "  " << before;
        QTest::newRow("no occurrence clears it") << "cow" << QList<MarkRange>{};
    }
    void highlightMarksWholeWords()
    {
        QFETCH(QString, word);
        QFETCH(QList<MarkRange>, marks);
        m_text->setText("Cat concat cat,\r\nCAT cats");
        highlightWord(*m_text, "concat", Qt::black, Qt::white);
        m_text->select(2, 5);

        highlightWord(*m_text, word, QColor(0, 0, 128), QColor(255, 255, 0));

        QCOMPARE(m_text->marks(MarkKind::Highlight), marks);
        QCOMPARE(m_text->selStart(), 2);
        QCOMPARE(m_text->selLength(), 5);
        QVERIFY(!m_text->canUndo());
    }

private:
    const TextKind m_kind;
    std::unique_ptr<TextControl> m_text;
};

CALMDESK_TEST_MAIN_EACH_TEXT_KIND(TextFinderTest)
#include "tst_textfinder.moc"
