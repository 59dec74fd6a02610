// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/paragraphcounter.h"
#include "goals/pendingedit.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QTest>

using namespace calmdesk;

namespace {

// Paragraph texts that exercise the rules: empty ones (doubled breaks), lone
// characters, separators only, words.
QString randomParagraph(QRandomGenerator &random)
{
    static const QStringList pieces = {"",    "",  "",   "x",     "-",     "two words",
                                       "a.b", " ", "\t", "don't", "\"q\"", QString(QChar(0xE9)),
                                       "end."};
    return pieces.at(random.bounded(int(pieces.size())));
}

QStringList randomParagraphs(QRandomGenerator &random, int maxCount)
{
    QStringList list;
    const int count = int(random.bounded(maxCount + 1));
    for (int i = 0; i < count; ++i)
        list.append(randomParagraph(random));
    return list;
}

QString describe(const QStringList &paragraphs)
{
    QString text = paragraphs.join(QStringLiteral("|"));
    text.replace(QStringLiteral("\t"), QStringLiteral("\\t"));
    return QStringLiteral("[%1]").arg(text);
}

} // namespace

// Counts kept per paragraph must always equal a plain recount of the whole text.
class ParagraphCounterTest : public QObject
{
    Q_OBJECT

private slots:
    void startsAsOneEmptyParagraph()
    {
        ParagraphCounter counter;
        QCOMPARE(counter.paragraphCount(), 1);
        QCOMPARE(counter.counts(), countText(QString()));
    }

    void setTextSplitsAtEveryBreakKind()
    {
        ParagraphCounter counter;
        counter.setText("a\r\nb\nc\rd");
        QCOMPARE(counter.paragraphCount(), 4);
        QCOMPARE(counter.text(), QString("a\r\nb\r\nc\r\nd"));
    }

    void replaceReportsWhetherTextChanged()
    {
        ParagraphCounter counter;
        counter.setText("one\r\ntwo");
        QVERIFY(!counter.replaceParagraphs(1, 1, {"two"}));
        QVERIFY(counter.replaceParagraphs(1, 1, {"twos"}));
        QVERIFY(counter.replaceParagraphs(1, 0, {}) == false);
        QVERIFY(counter.replaceParagraphs(2, 0, {""}));
        QCOMPARE(counter.text(), QString("one\r\ntwos\r\n"));
    }

    void randomEditsAgreeWithRecount()
    {
        QRandomGenerator random(1234567);
        for (int sequence = 0; sequence < 300; ++sequence) {
            ParagraphCounter counter;
            QStringList model = {QString()};
            for (int step = 0; step < 40; ++step) {
                const int count = int(model.size());
                const int first = int(random.bounded(count + 1));
                const int removed = int(random.bounded(count - first + 1));
                QStringList added = randomParagraphs(random, 4);
                if (count - removed + added.size() < 1)
                    added.append(QString());
                counter.replaceParagraphs(first, removed, added);
                model.remove(first, removed);
                for (int i = 0; i < added.size(); ++i)
                    model.insert(first + i, added.at(i));

                const QString text = model.join(QStringLiteral("\r\n"));
                if (counter.counts() != countText(text) || counter.text() != text)
                    QFAIL(qPrintable(QStringLiteral("sequence %1 step %2: %3")
                                         .arg(sequence)
                                         .arg(step)
                                         .arg(describe(model))));
            }
        }
    }

    void runsOfEmptyParagraphs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty run at the start") << "\r\n\r\n\r\nx";
        QTest::newRow("empty run at the end") << "x\r\n\r\n\r\n";
        QTest::newRow("only breaks") << "\r\n\r\n\r\n\r\n";
        QTest::newRow("two runs") << "a\r\n\r\nb\r\n\r\n\r\nc";
    }
    // Typing into, and deleting, each empty paragraph of a run changes the pairing of
    // the whole run.
    void runsOfEmptyParagraphs()
    {
        QFETCH(QString, text);
        ParagraphCounter base;
        base.setText(text);
        for (int i = 0; i < base.paragraphCount(); ++i) {
            ParagraphCounter typed;
            typed.setText(text);
            typed.replaceParagraphs(i, 1, {"w"});
            QCOMPARE(typed.counts(), countText(typed.text()));
            ParagraphCounter joined;
            joined.setText(text);
            if (joined.paragraphCount() > 1) {
                joined.replaceParagraphs(i, 1, {});
                QCOMPARE(joined.counts(), countText(joined.text()));
            }
        }
    }

    // Edits merged into one pending edit, applied at once, give the same text as the
    // edits applied one by one.
    void pendingEditCoversMergedEdits()
    {
        QRandomGenerator random(7654321);
        for (int sequence = 0; sequence < 2000; ++sequence) {
            QStringList before;
            const int size = 1 + int(random.bounded(8));
            for (int i = 0; i < size; ++i)
                before.append(QString::number(i));
            QStringList after = before;
            PendingEdit pending;
            int serial = 0;
            const int edits = 1 + int(random.bounded(4));
            for (int e = 0; e < edits; ++e) {
                const int count = int(after.size());
                const int first = int(random.bounded(count + 1));
                const int removed = int(random.bounded(count - first + 1));
                const int added = int(random.bounded(3));
                after.remove(first, removed);
                for (int i = 0; i < added; ++i)
                    after.insert(first, QStringLiteral("new%1").arg(serial++));
                pending.add(first, removed, added);
            }
            if (pending.removed() < 0 || pending.first() + pending.removed() > before.size() ||
                pending.end() > after.size())
                QFAIL(qPrintable(QStringLiteral("sequence %1: span out of range").arg(sequence)));
            QStringList rebuilt = before;
            rebuilt.remove(pending.first(), pending.removed());
            const QStringList span = after.mid(pending.first(), pending.end() - pending.first());
            for (int i = 0; i < span.size(); ++i)
                rebuilt.insert(pending.first() + i, span.at(i));
            if (rebuilt != after)
                QFAIL(qPrintable(QStringLiteral("sequence %1: %2 became %3, merged gives %4")
                                     .arg(sequence)
                                     .arg(describe(before), describe(after), describe(rebuilt))));
        }
    }
};

CALMDESK_TEST_MAIN_CORE(ParagraphCounterTest)
#include "tst_paragraphcounter.moc"
