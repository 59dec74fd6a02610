// SPDX-License-Identifier: GPL-3.0-or-later
#include "eachtextkind.h"
#include "platform/text/textcontrol.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace calmdesk;

namespace {

constexpr QSize ControlSize(400, 300);

QStringList paragraphsOf(const TextControl &control)
{
    QStringList paragraphs;
    for (int i = 0; i < control.paragraphCount(); ++i)
        paragraphs.append(control.paragraphText(i));
    return paragraphs;
}

// The paragraphs the widget shows, read from its document.
QStringList shownParagraphs(const TextControl &control)
{
    const auto *document = control.findChild<QTextDocument *>();
    QStringList paragraphs;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        paragraphs.append(block.text());
    return paragraphs;
}

// Keeps a copy of the control's paragraphs up to date from paragraphsChanged alone,
// as a listener that recounts only what changed would.
class Mirror : public QObject
{
public:
    explicit Mirror(TextControl &control)
        : m_control(control)
        , m_paragraphs(paragraphsOf(control))
    {
        connect(&control, &TextControl::paragraphsChanged, this, &Mirror::apply);
        connect(&control, &TextControl::changed, this, [this] { changesBeforeNotice = 0; });
    }

    QStringList paragraphs() const { return m_paragraphs; }
    // Reports since the last changed(); changed() must follow every report.
    int changesBeforeNotice = 0;

private:
    void apply(int first, int removed, int added)
    {
        ++changesBeforeNotice;
        QVERIFY(first >= 0 && removed >= 0 && added >= 0);
        QVERIFY(first + removed <= m_paragraphs.size());
        m_paragraphs.remove(first, removed);
        for (int i = 0; i < added; ++i)
            m_paragraphs.insert(first + i, m_control.paragraphText(first + i));
    }

    TextControl &m_control;
    QStringList m_paragraphs;
};

} // namespace

// The paragraph view of the text, and the report of which paragraphs each change
// replaced, which lets a listener keep per-paragraph figures without reading the
// whole text.
class TextControlParagraphsTest : public QObject
{
    Q_OBJECT

public:
    explicit TextControlParagraphsTest(TextKind kind)
        : m_kind(kind)
    {}

    TextControl *control = nullptr;

private:
    const TextKind m_kind;

private slots:
    void init()
    {
        control = new TextControl(m_kind);
        control->resize(ControlSize);
        control->show();
        QVERIFY(QTest::qWaitForWindowExposed(control));
        control->setFocus();
    }
    void cleanup() { delete control; }

    void paragraphsJoinToTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("paragraphs");
        QTest::newRow("empty text is one empty paragraph") << "" << QStringList{""};
        QTest::newRow("break at the end gives an empty last paragraph") << "ab\r\n"
                                                                        << QStringList{"ab", ""};
        QTest::newRow("blank line") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("no-break space kept") << QString("a\u00A0b") << QStringList{"a\u00A0b"};
    }
    void paragraphsJoinToTheText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, paragraphs);
        control->setText(text);
        QCOMPARE(paragraphsOf(*control), paragraphs);
        QCOMPARE(shownParagraphs(*control), paragraphs);
        QCOMPARE(paragraphsOf(*control).join("\r\n"), control->text());
        QCOMPARE(control->paragraphText(paragraphs.size()), QString());
    }

    void everyKindOfEditIsReported()
    {
        control->setText("one\r\ntwo\r\nthree");
        Mirror mirror(*control);
        const auto check = [&](const char *what) {
            QVERIFY2(shownParagraphs(*control) == paragraphsOf(*control), what);
            QVERIFY2(mirror.paragraphs() == paragraphsOf(*control), what);
            QVERIFY2(mirror.changesBeforeNotice == 0, what);
        };
        QTest::keyClicks(control->focusProxy(), "x");
        check("typing");
        QTest::keyClick(control->focusProxy(), Qt::Key_Return);
        check("Enter");
        QTest::keyClick(control->focusProxy(), Qt::Key_Backspace);
        check("Backspace joining paragraphs");
        control->select(2, 9);
        control->replaceSelection("A\r\nB\r\n\r\nC");
        check("selection across paragraphs replaced");
        control->undo();
        check("undo");
        control->redo();
        check("redo");
        control->appendParagraph("appended");
        check("appended paragraph");
        control->replaceLine(1, "replaced");
        check("replaced line");
        CharAttributes bold;
        bold.bold = true;
        control->setCharAttributes(bold, FormatScope::AllText);
        check("format of all text");
        control->setText("new\r\n\r\ntext");
        check("text set");
        control->clearText();
        check("text cleared");
        QCOMPARE(mirror.paragraphs(), QStringList{""});
    }

    void randomEditsAreReported()
    {
        QRandomGenerator random(31337);
        const QStringList inserts = {"a", "\r\n", "word ", "\r\n\r\n", "", "x\r\ny"};
        control->setText("first\r\nsecond\r\n\r\nthird");
        Mirror mirror(*control);
        for (int step = 0; step < 300; ++step) {
            const int length = control->textLength();
            const int start = int(random.bounded(length + 1));
            const int span = int(random.bounded(qMin(10, length - start) + 1));
            switch (random.bounded(4)) {
            case 0:
                control->undo();
                break;
            case 1:
                QTest::keyClick(control->focusProxy(), Qt::Key_Delete);
                break;
            default:
                control->select(start, span);
                control->replaceSelection(inserts.at(random.bounded(int(inserts.size()))));
            }
            const QStringList shown = shownParagraphs(*control);
            if (mirror.paragraphs() != shown || paragraphsOf(*control) != shown ||
                control->text() != shown.join("\r\n") ||
                control->paragraphTags().size() != std::size_t(shown.size()))
                QFAIL(qPrintable(QStringLiteral("step %1").arg(step)));
        }
    }

    // What ended each paragraph in a file rides along with it: a paragraph keeps its tag
    // while it is edited, and the breaks an edit makes get the tag for new ones.
    void paragraphTagsFollowEdits_data()
    {
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("tags");
        // "one", "two", "three" are tagged 1, 2, 3; new paragraphs get 9.
        QTest::newRow("typing in a paragraph keeps its tag")
            << 6 << "x"
            << "one\r\ntxwo\r\nthree" << QList<int>{1, 2, 3};
        QTest::newRow("Enter at a paragraph's end: the new break is its")
            << 8 << "\n"
            << "one\r\ntwo\r\n\r\nthree" << QList<int>{1, 9, 2, 3};
        QTest::newRow("Enter at a paragraph's start: the new break ends the new paragraph")
            << 5 << "\n"
            << "one\r\n\r\ntwo\r\nthree" << QList<int>{1, 9, 2, 3};
        QTest::newRow("Backspace joining two paragraphs keeps the second's")
            << 5 << "\b"
            << "onetwo\r\nthree" << QList<int>{2, 3};
        QTest::newRow("typing at the end keeps the last tag")
            << 15 << "!"
            << "one\r\ntwo\r\nthree!" << QList<int>{1, 2, 3};
    }
    void paragraphTagsFollowEdits()
    {
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QList<int>, tags);
        control->setParagraphs({"one", "two", "three"}, {1, 2, 3});
        control->setNewParagraphTag(9);
        control->setCaret(caret);
        if (typed == "\n")
            QTest::keyClick(control->focusProxy(), Qt::Key_Return);
        else if (typed == "\b")
            QTest::keyClick(control->focusProxy(), Qt::Key_Backspace);
        else
            QTest::keyClicks(control->focusProxy(), typed);
        QCOMPARE(control->text(), text);
        const std::vector<ParagraphMirror::Tag> &got = control->paragraphTags();
        QCOMPARE(QList<int>(got.begin(), got.end()), tags);
        // Undo puts the text back; the paragraphs it did not touch keep their tags.
        control->undo();
        QCOMPARE(control->text(), QString("one\r\ntwo\r\nthree"));
        QCOMPARE(control->paragraphTags().back(), ParagraphMirror::Tag(3));
    }
};

CALMDESK_TEST_MAIN_EACH_TEXT_KIND(TextControlParagraphsTest)
#include "tst_textcontrol_paragraphs.moc"
