// SPDX-License-Identifier: GPL-3.0-or-later
#include "eachtextkind.h"
#include "platform/text/textcontrol.h"
#include "testmain.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace calmdesk;

Q_DECLARE_METATYPE(QList<calmdesk::MarkRange>)

namespace {

constexpr QSize ControlSize(400, 300);

QList<MarkRange> ranges(std::initializer_list<MarkRange> list)
{
    return QList<MarkRange>(list);
}

// The pixels in which two pictures of the control differ.
QList<QPoint> differences(const QImage &a, const QImage &b)
{
    QList<QPoint> points;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                points.append({x, y});
        }
    }
    return points;
}

// Paint events of one widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

// Spelling marks and find highlights as a view layer, and the find operation.
class TextControlMarksTest : public QObject
{
    Q_OBJECT

public:
    explicit TextControlMarksTest(TextKind kind)
        : m_kind(kind)
    {}

private slots:
    void init();
    void cleanup();

    void markChangesNeitherTextNorHistory();
    void undoAfterMarkRestoresPreviousText();
    void marksAreVisibleAndClearingRestoresView();
    void movedMarkShowsAtItsNewPlace();
    void markThenEditElsewhereKeepsMarkAndLines();
    void editsMoveOrDropMarks_data();
    void editsMoveOrDropMarks();
    void hasMarkAtPositions_data();
    void hasMarkAtPositions();
    void markOverBreakSkipsTheBreak();
    void clearingPartOfMarkKeepsTheRest();
    void clearingOneKindKeepsTheOther();
    void formattingAllTextKeepsMarks();
    void settingTextDropsMarks();
    void markClearedByAKeyHandlerSparesItsNeighbours();
    void underlineShowsUnderTheMarkedCharacters_data();
    void underlineShowsUnderTheMarkedCharacters();
    void markAddedInViewIsRepainted();

    void find_data();
    void find();

private:
    const TextKind m_kind;
    TextControl *m_control = nullptr;
};

void TextControlMarksTest::init()
{
    test::IsolatedEnvironment::current()->reset();
    m_control = new TextControl(m_kind);
    m_control->resize(ControlSize);
    m_control->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_control));
}

void TextControlMarksTest::cleanup()
{
    delete m_control;
    m_control = nullptr;
}

void TextControlMarksTest::markChangesNeitherTextNorHistory()
{
    m_control->setText(QStringLiteral("one twoo three"));
    QSignalSpy changes(m_control, &TextControl::changed);
    m_control->addMark(4, 4, MarkKind::SpellingError);
    m_control->addMark(0, 3, MarkKind::Highlight);
    m_control->clearMarks(0, 1, MarkKind::Highlight);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(m_control->text(), QStringLiteral("one twoo three"));
    QVERIFY(!m_control->canUndo());
    QCOMPARE(m_control->caretAttributes().underline, std::optional(UnderlineStyle::None));
}

void TextControlMarksTest::undoAfterMarkRestoresPreviousText()
{
    m_control->setText(QStringLiteral("hello"));
    m_control->setCaret(5);
    m_control->replaceSelection(QStringLiteral(" wrld"));
    m_control->addMark(6, 4, MarkKind::SpellingError);

    QStringList seen;
    connect(m_control, &TextControl::changed, this, [&] { seen.append(m_control->text()); });
    m_control->undo();
    QCOMPARE(m_control->text(), QStringLiteral("hello"));
    QCOMPARE(seen, QStringList{QStringLiteral("hello")});
    QVERIFY(!m_control->canUndo());

    // Redo brings the text back, not the mark.
    m_control->redo();
    QCOMPARE(m_control->text(), QStringLiteral("hello wrld"));
    QCOMPARE(m_control->marks(MarkKind::SpellingError), QList<MarkRange>());
}

void TextControlMarksTest::marksAreVisibleAndClearingRestoresView()
{
    m_control->setText(QStringLiteral("mark this word"));
    m_control->setCaret(0);
    const QImage plain = m_control->grab().toImage();
    m_control->addMark(5, 4, MarkKind::Highlight);
    const QImage highlighted = m_control->grab().toImage();
    QVERIFY(highlighted != plain);
    m_control->clearMarks(MarkKind::Highlight);
    m_control->addMark(5, 4, MarkKind::SpellingError);
    const QImage underlined = m_control->grab().toImage();
    QVERIFY(underlined != plain);
    QVERIFY(underlined != highlighted);
    m_control->clearMarks(MarkKind::SpellingError);
    QCOMPARE(m_control->grab().toImage(), plain);
}

void TextControlMarksTest::movedMarkShowsAtItsNewPlace()
{
    m_control->setText(QStringLiteral("mark this word"));
    m_control->setCaret(0);
    m_control->addMark(5, 4, MarkKind::SpellingError);
    const QImage expected = m_control->grab().toImage();

    m_control->setText(QStringLiteral("ark this word"));
    m_control->addMark(4, 4, MarkKind::SpellingError);
    m_control->setCaret(0);
    m_control->replaceSelection(QStringLiteral("m"));
    m_control->setCaret(0);
    QCOMPARE(m_control->grab().toImage(), expected);
}

void TextControlMarksTest::markThenEditElsewhereKeepsMarkAndLines()
{
    // No event loop runs between the calls, as in a spelling pass or a handler.
    m_control->setText(QStringLiteral("one two\r\nthree"));
    const int lines = m_control->displayLineCount();
    m_control->addMark(4, 3, MarkKind::SpellingError);
    QCOMPARE(m_control->displayLineCount(), lines);
    m_control->addMark(9, 5, MarkKind::Highlight);
    m_control->setCaret(14);
    m_control->replaceSelection(QStringLiteral("!"));
    QCOMPARE(m_control->marks(MarkKind::SpellingError), ranges({{4, 3}}));
    QCOMPARE(m_control->marks(MarkKind::Highlight), ranges({{9, 5}}));
    QCOMPARE(m_control->displayLineCount(), lines);
}

void TextControlMarksTest::editsMoveOrDropMarks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("markStart");
    QTest::addColumn<int>("markLength");
    QTest::addColumn<int>("editStart");
    QTest::addColumn<int>("editLength");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QList<MarkRange>>("expected");

    const QString words = QStringLiteral("one two three");
    QTest::newRow("typing before shifts") << words << 4 << 3 << 0 << 0 << "X" << ranges({{5, 3}});
    QTest::newRow("typing just before the word shifts")
        << words << 4 << 3 << 4 << 0 << "X" << ranges({{5, 3}});
    QTest::newRow("typing inside drops") << words << 4 << 3 << 5 << 0 << "X" << ranges({});
    QTest::newRow("typing just after keeps, not extended")
        << words << 4 << 3 << 7 << 0 << "X" << ranges({{4, 3}});
    QTest::newRow("typing after keeps") << words << 4 << 3 << 12 << 0 << "X" << ranges({{4, 3}});
    QTest::newRow("deleting the word drops") << words << 4 << 3 << 4 << 3 << "" << ranges({});
    QTest::newRow("replacing across it drops") << words << 4 << 3 << 2 << 4 << "-" << ranges({});
    QTest::newRow("break before counts two") << words << 4 << 3 << 0 << 0 << "\n"
                                             << ranges({{6, 3}});
    QTest::newRow("joining lines moves mark back")
        << QStringLiteral("ab\r\none two") << 8 << 3 << 2 << 2 << "" << ranges({{6, 3}});
    QTest::newRow("splitting its line moves mark down") << words << 8 << 5 << 3 << 1 << "\n"
                                                        << ranges({{9, 5}});
}

void TextControlMarksTest::editsMoveOrDropMarks()
{
    QFETCH(QString, text);
    QFETCH(int, markStart);
    QFETCH(int, markLength);
    QFETCH(int, editStart);
    QFETCH(int, editLength);
    QFETCH(QString, insert);
    QFETCH(QList<MarkRange>, expected);
    m_control->setText(text);
    m_control->addMark(markStart, markLength, MarkKind::SpellingError);
    m_control->select(editStart, editLength);
    m_control->replaceSelection(insert);
    QCOMPARE(m_control->marks(MarkKind::SpellingError), expected);
    for (const MarkRange &range : expected) {
        QVERIFY(m_control->hasMark(range.start, MarkKind::SpellingError));
        QVERIFY(!m_control->hasMark(range.start + range.length, MarkKind::SpellingError));
    }
}

void TextControlMarksTest::hasMarkAtPositions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("marked");
    // "ab" CR LF "cd", marked from b to c across the break.
    QTest::newRow("before the mark") << 0 << false;
    QTest::newRow("first marked character") << 1 << true;
    QTest::newRow("CR of the break") << 2 << false;
    QTest::newRow("LF of the break") << 3 << false;
    QTest::newRow("marked after the break") << 4 << true;
    QTest::newRow("after the mark") << 5 << false;
    QTest::newRow("end of text") << 6 << false;
    QTest::newRow("negative") << -1 << false;
}

void TextControlMarksTest::hasMarkAtPositions()
{
    QFETCH(int, position);
    QFETCH(bool, marked);
    m_control->setText(QStringLiteral("ab\r\ncd"));
    m_control->addMark(1, 4, MarkKind::SpellingError);
    QCOMPARE(m_control->hasMark(position, MarkKind::SpellingError), marked);
    QVERIFY(!m_control->hasMark(position, MarkKind::Highlight));
}

void TextControlMarksTest::markOverBreakSkipsTheBreak()
{
    m_control->setText(QStringLiteral("ab\r\ncd"));
    m_control->addMark(1, 5, MarkKind::SpellingError);
    QCOMPARE(m_control->marks(MarkKind::SpellingError), ranges({{1, 1}, {4, 2}}));
}

void TextControlMarksTest::clearingPartOfMarkKeepsTheRest()
{
    m_control->setText(QStringLiteral("one twoo three"));
    m_control->addMark(4, 4, MarkKind::SpellingError);
    m_control->clearMarks(5, 2, MarkKind::SpellingError);
    QCOMPARE(m_control->marks(MarkKind::SpellingError), ranges({{4, 1}, {7, 1}}));
    m_control->clearMarks(0, 100, MarkKind::SpellingError);
    QCOMPARE(m_control->marks(MarkKind::SpellingError), QList<MarkRange>());
}

void TextControlMarksTest::clearingOneKindKeepsTheOther()
{
    m_control->setText(QStringLiteral("one two"));
    m_control->addMark(0, 3, MarkKind::SpellingError);
    m_control->addMark(0, 3, MarkKind::Highlight);
    m_control->addMark(4, 3, MarkKind::Highlight);
    m_control->clearMarks(MarkKind::SpellingError);
    QCOMPARE(m_control->marks(MarkKind::SpellingError), QList<MarkRange>());
    QCOMPARE(m_control->marks(MarkKind::Highlight), ranges({{0, 3}, {4, 3}}));
}

void TextControlMarksTest::formattingAllTextKeepsMarks()
{
    m_control->setText(QStringLiteral("one two"));
    m_control->addMark(4, 3, MarkKind::SpellingError);
    CharAttributes colour;
    colour.colour = Qt::darkGreen;
    m_control->setCharAttributes(colour, FormatScope::AllText);
    m_control->setParagraphSpaceAfter(240);
    QCOMPARE(m_control->marks(MarkKind::SpellingError), ranges({{4, 3}}));
}

void TextControlMarksTest::settingTextDropsMarks()
{
    m_control->setText(QStringLiteral("one two"));
    m_control->addMark(4, 3, MarkKind::SpellingError);
    m_control->setText(QStringLiteral("one two"));
    QCOMPARE(m_control->marks(MarkKind::SpellingError), QList<MarkRange>());
    QVERIFY(!m_control->hasMark(4, MarkKind::SpellingError));
}

void TextControlMarksTest::markClearedByAKeyHandlerSparesItsNeighbours()
{
    m_control->setText(QStringLiteral("helo wrold"));
    m_control->addMark(0, 4, MarkKind::SpellingError);
    m_control->addMark(5, 5, MarkKind::SpellingError);
    QCoreApplication::processEvents();
    // As the spelling marks do: a key about to edit a word takes that word's mark away.
    connect(m_control, &TextControl::keyDown, this,
            [this] { m_control->clearMarks(5, 5, MarkKind::SpellingError); });
    m_control->setFocus();
    m_control->setCaret(10);
    QTest::keyClick(m_control->focusWidget(), Qt::Key_S);
    QCOMPARE(m_control->text(), QStringLiteral("helo wrolds"));
    QCOMPARE(m_control->marks(MarkKind::SpellingError), ranges({{0, 4}}));
}

void TextControlMarksTest::underlineShowsUnderTheMarkedCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("markStart");
    QTest::addColumn<int>("markLength");
    // Put in at the start of the text after the mark, or nothing.
    QTest::addColumn<QString>("insertedBefore");

    const QString words = QStringLiteral("mark this word");
    const QString longText = QStringLiteral("word ").repeated(60);
    QTest::newRow("in place") << words << 5 << 4 << QString();
    QTest::newRow("typing before moves it along") << words << 5 << 4 << QStringLiteral("more ");
    QTest::newRow("a paragraph before moves it down") << words << 5 << 4 << QStringLiteral("\r\n");
    QTest::newRow("second paragraph") << QStringLiteral("one\r\ntwo three") << 9 << 5 << QString();
    QTest::newRow("over a wrapped line") << longText << -1 << 12 << QString();
}

void TextControlMarksTest::underlineShowsUnderTheMarkedCharacters()
{
    QFETCH(QString, text);
    QFETCH(int, markStart);
    QFETCH(int, markLength);
    QFETCH(QString, insertedBefore);
    const QFontMetrics metrics(m_control->font());
    m_control->setText(text);
    if (markStart < 0) {
        // Across the first line's end: from the last word of the first line on.
        int wrap = 1;
        while (m_control->characterPosition(wrap).y() == m_control->characterPosition(0).y())
            ++wrap;
        markStart = wrap - markLength / 2;
    }
    m_control->addMark(markStart, markLength, MarkKind::SpellingError);
    m_control->setCaret(0);
    m_control->replaceSelection(insertedBefore);
    markStart += int(insertedBefore.size());
    QCOMPARE(m_control->marks(MarkKind::SpellingError), ranges({{markStart, markLength}}));

    m_control->setCaret(m_control->textLength());
    const QImage marked = m_control->grab().toImage();
    m_control->clearMarks(MarkKind::SpellingError);
    const QImage plain = m_control->grab().toImage();

    // The boxes of the marked characters, as the text shows them (to the pixel: their
    // places are rounded).
    QList<QRect> boxes;
    QSet<int> lineTops;
    for (int i = markStart; i < markStart + markLength; ++i) {
        const QPoint at = m_control->characterPosition(i);
        const QPoint next = m_control->characterPosition(i + 1);
        const int right = next.y() == at.y() ? next.x() : at.x() + metrics.averageCharWidth();
        boxes.append(
            QRect(QPoint(at.x() - 1, at.y()), QPoint(right + 1, at.y() + metrics.lineSpacing())));
        lineTops.insert(at.y());
    }
    const QList<QPoint> drawn = differences(marked, plain);
    QVERIFY(!drawn.isEmpty());
    QSet<int> underlinedLines;
    for (const QPoint &point : drawn) {
        const auto box = std::find_if(boxes.begin(), boxes.end(),
                                      [&](const QRect &r) { return r.contains(point); });
        QVERIFY2(
            box != boxes.end(),
            qPrintable(
                QStringLiteral("drawn at %1,%2, outside the mark").arg(point.x()).arg(point.y())));
        underlinedLines.insert(box->top());
        // Below the letters' middle: an underline, not a colour over them.
        QVERIFY(point.y() > box->top() + metrics.ascent() / 2);
    }
    QCOMPARE(underlinedLines, lineTops);
}

void TextControlMarksTest::markAddedInViewIsRepainted()
{
    QStringList paragraphs;
    for (int i = 0; i < 300; ++i)
        paragraphs << QStringLiteral("paragraph %1").arg(i, 3, 10, QLatin1Char('0'));
    m_control->setText(paragraphs.join(QStringLiteral("\r\n")));
    // The view in the middle of the text: paragraphs above it and below it.
    const int middle = int(paragraphs.size() / 2) * int(paragraphs.first().size() + 2);
    m_control->setCaret(middle);
    m_control->clearFocus();
    QWidget *viewport = m_control->findChild<QAbstractScrollArea *>()->viewport();
    QCoreApplication::processEvents();
    PaintCounter paints(viewport);

    // Far above and far below the view, in the same turn: nothing to show, nothing painted.
    m_control->addMark(0, 9, MarkKind::SpellingError);
    m_control->addMark(m_control->textLength() - 3, 3, MarkKind::SpellingError);
    QTest::qWait(50);
    QCOMPARE(paints.count, 0);

    // In view: shown without any edit or scroll to bring it.
    m_control->addMark(middle, 9, MarkKind::SpellingError);
    QTRY_VERIFY(paints.count > 0);
    const int afterAdding = paints.count;
    m_control->clearMarks(middle, 9, MarkKind::SpellingError);
    QTRY_VERIFY(paints.count > afterAdding);
}

void TextControlMarksTest::find_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("expected");
    const int none = int(FindFlag::NoFlags);
    const int matchCase = int(FindFlag::MatchCase);
    const int wholeWord = int(FindFlag::WholeWord);
    // "Cat cat" CR LF "concatenate CAT" CR LF "cat"
    // C0 ... c4 CR7 LF8 c9 ... "cat" in concatenate at 12, CAT 21, CR24 LF25, cat 26
    QTest::newRow("case folds by default") << "cat" << 0 << -1 << none << 0;
    QTest::newRow("match case") << "cat" << 0 << -1 << matchCase << 4;
    QTest::newRow("from a position") << "cat" << 1 << -1 << none << 4;
    QTest::newRow("inside a word after a break") << "cat" << 5 << -1 << none << 12;
    QTest::newRow("whole word skips inside words") << "cat" << 5 << -1 << wholeWord << 21;
    QTest::newRow("whole word and match case") << "cat" << 5 << -1 << (wholeWord | matchCase) << 26;
    QTest::newRow("from between CR and LF") << "con" << 8 << -1 << none << 9;
    QTest::newRow("range too short for the match") << "cat" << 4 << 2 << none << -1;
    QTest::newRow("range ends exactly at match end") << "cat" << 4 << 3 << none << 4;
    QTest::newRow("needle across a break") << "cat\r\ncon" << 0 << -1 << none << 4;
    QTest::newRow("needle across a break with whole word")
        << "t\r\nc" << 0 << -1 << wholeWord << -1;
    QTest::newRow("not found") << "dog" << 0 << -1 << none << -1;
    QTest::newRow("from the end") << "cat" << 29 << -1 << none << -1;
    QTest::newRow("last word of the text") << "CAT" << 22 << -1 << matchCase << -1;
}

void TextControlMarksTest::find()
{
    QFETCH(QString, what);
    QFETCH(int, from);
    QFETCH(int, length);
    QFETCH(int, flags);
    QFETCH(int, expected);
    m_control->setText(QStringLiteral("Cat cat\r\nconcatenate CAT\r\ncat"));
    const int found = m_control->find(what, from, length, FindFlags(flags));
    QCOMPARE(found, expected);
    if (found >= 0 && !FindFlags(flags).testFlag(FindFlag::MatchCase))
        QCOMPARE(m_control->text().mid(found, what.size()).toLower(), what.toLower());
}

CALMDESK_TEST_MAIN_EACH_TEXT_KIND(TextControlMarksTest)
#include "tst_textcontrol_marks.moc"
