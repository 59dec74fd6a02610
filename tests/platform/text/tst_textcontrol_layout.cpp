// SPDX-License-Identifier: GPL-3.0-or-later
#include "eachtextkind.h"
#include "platform/text/displaylinecounter.h"
#include "platform/text/textcontrol.h"
#include "testmain.h"

#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

Q_DECLARE_METATYPE(calmdesk::CharAttributes)

using namespace calmdesk;

namespace {

constexpr QSize ControlSize(400, 300);
constexpr qreal FontPoints = 11.0;
constexpr int WordLength = 4;
constexpr qreal TwipsPerPoint = 20.0;
constexpr qreal PointsPerInch = 72.0;

QString words(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list.append(QString(WordLength, QLatin1Char('a' + i % 26)));
    return list.join(QLatin1Char(' '));
}

} // namespace

// What the writer sees of the text: wrapped lines, paragraph spacing and indent,
// character positions, scrolling and character formats.
class TextControlLayoutTest : public QObject
{
    Q_OBJECT

public:
    explicit TextControlLayoutTest(TextKind kind)
        : m_kind(kind)
    {}

private slots:
    void init();
    void cleanup();

    void displayLinesFollowWrapping_data();
    void displayLinesFollowWrapping();
    void displayLinesFollowResize();
    void hiddenControlCountsAtItsSize();
    void longTextIsCountedInTheBackgroundAsShown_data();
    void longTextIsCountedInTheBackgroundAsShown();
    void spaceAfterParagraphsRenders();
    void firstLineIndentRenders();
    void characterPositionsFollowText();
    void scrollingMovesByLines();

    void charAttributesReadBackAtCaret_data();
    void charAttributesReadBackAtCaret();
    void selectionFormatStaysInSelection();
    void allTextFormatHoldsForLaterText();

private:
    const TextKind m_kind;
    QFont fixedFont() const;
    // Lines the wrapped words take in the control's current width, from font metrics.
    int expectedLines(int wordCount) const;
    qreal pointsInPixels(qreal points) const;

    TextControl *m_control = nullptr;
};

QFont TextControlLayoutTest::fixedFont() const
{
    // The offscreen platform names no fixed font of its own: ask for one by hint.
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(FontPoints);
    return font;
}

qreal TextControlLayoutTest::pointsInPixels(qreal points) const
{
    return points * m_control->logicalDpiY() / PointsPerInch;
}

int TextControlLayoutTest::expectedLines(int wordCount) const
{
    if (wordCount == 0)
        return 0;
    const auto *editor = m_control->findChild<QAbstractScrollArea *>();
    const auto *document = m_control->findChild<QTextDocument *>();
    const qreal available = editor->viewport()->width() - 2 * document->documentMargin();
    const qreal advance = QFontMetricsF(fixedFont()).horizontalAdvance(QLatin1Char('a'));
    // A line holds k words when k words and the k - 1 spaces between them fit; the
    // space after the last word may hang over the edge.
    const int perLine = int(std::floor((available + advance) / ((WordLength + 1) * advance)));
    return (wordCount + perLine - 1) / perLine;
}

void TextControlLayoutTest::init()
{
    test::IsolatedEnvironment::current()->reset();
    m_control = new TextControl(m_kind);
    m_control->resize(ControlSize);
    m_control->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_control));
    if (!QFontInfo(fixedFont()).fixedPitch())
        QSKIP("no fixed-pitch font to compute wrapping from");
    CharAttributes font;
    font.family = fixedFont().family();
    font.pointSize = FontPoints;
    m_control->setCharAttributes(font, FormatScope::AllText);
}

void TextControlLayoutTest::cleanup()
{
    delete m_control;
    m_control = nullptr;
}

void TextControlLayoutTest::displayLinesFollowWrapping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wrappedWords");
    QTest::addColumn<int>("extraLines");
    QTest::newRow("empty text has no lines") << QString() << 0 << 0;
    QTest::newRow("one short line") << words(3) << 3 << 0;
    QTest::newRow("long paragraph wraps") << words(60) << 60 << 0;
    QTest::newRow("empty last line not counted") << words(60) + QStringLiteral("\r\n") << 60 << 0;
    QTest::newRow("blank line in the middle counts")
        << QStringLiteral("ab\r\n\r\n") + words(3) << 3 << 2;
    QTest::newRow("second of two trailing breaks counts")
        << words(3) + QStringLiteral("\r\n\r\n") << 3 << 1;
}

void TextControlLayoutTest::displayLinesFollowWrapping()
{
    QFETCH(QString, text);
    QFETCH(int, wrappedWords);
    QFETCH(int, extraLines);
    m_control->setText(text);
    QCOMPARE(m_control->displayLineCount(), expectedLines(wrappedWords) + extraLines);
}

void TextControlLayoutTest::displayLinesFollowResize()
{
    const int count = 50;
    m_control->setText(words(count));
    const int wide = m_control->displayLineCount();
    QCOMPARE(wide, expectedLines(count));
    m_control->resize(ControlSize.width() / 2, ControlSize.height());
    QCOMPARE(m_control->displayLineCount(), expectedLines(count));
    QVERIFY(m_control->displayLineCount() > wide);
}

void TextControlLayoutTest::hiddenControlCountsAtItsSize()
{
    // Work controls are never shown, and the main text is counted before the window
    // first appears.
    const int count = 50;
    m_control->setText(words(count));
    TextControl hidden;
    CharAttributes font;
    font.family = fixedFont().family();
    font.pointSize = FontPoints;
    hidden.setCharAttributes(font, FormatScope::AllText);
    hidden.resize(ControlSize);
    hidden.setText(words(count));
    QCOMPARE(hidden.displayLineCount(), m_control->displayLineCount());
    hidden.resize(ControlSize.width() / 2, ControlSize.height());
    m_control->resize(ControlSize.width() / 2, ControlSize.height());
    QCOMPARE(hidden.displayLineCount(), m_control->displayLineCount());
    QVERIFY(!hidden.isVisible());
}

// Lines of every paragraph as the widget itself lays them out.
static int shownLines(const TextControl &control)
{
    const auto *document = control.findChild<QTextDocument *>();
    int lines = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block);
        lines += block.layout()->lineCount();
    }
    return lines - (document->lastBlock().length() <= 1 ? 1 : 0);
}

void TextControlLayoutTest::longTextIsCountedInTheBackgroundAsShown_data()
{
    QTest::addColumn<qsizetype>("characters");
    QTest::newRow("long text: in slices between events")
        << 2 * DisplayLineCounter::kCountAtOnceCharacters;
    QTest::newRow("novel: on background threads")
        << DisplayLineCounter::kCountHereCharacters + 100'000;
}

void TextControlLayoutTest::longTextIsCountedInTheBackgroundAsShown()
{
    QFETCH(qsizetype, characters);
    if (m_kind != TextKind::Uniform)
        QSKIP("formatted text is counted as it is laid out");
    // Proportional type, paragraphs of every length, tabs and long words that break
    // anywhere: the count must be the widget's own line breaking.
    CharAttributes look;
    look.family = QStringLiteral("DejaVu Sans");
    look.pointSize = 12;
    m_control->setCharAttributes(look, FormatScope::AllText);
    QRandomGenerator random(4711);
    const QStringList vocabulary = {
        "a",      "the",  "writer", "unbelievably", "x\ty", "café", QString(70, QLatin1Char('w')),
        "e-mail", "don't"};
    QStringList paragraphs;
    qsizetype made = 0;
    while (made < characters) {
        QStringList words;
        const int length = int(random.bounded(120));
        for (int i = 0; i < length; ++i)
            words.append(vocabulary.at(random.bounded(int(vocabulary.size()))));
        paragraphs.append(words.join(QLatin1Char(' ')));
        made += paragraphs.last().size() + 2;
    }
    QSignalSpy counted(m_control, &TextControl::displayLinesCounted);
    m_control->setText(paragraphs.join(QStringLiteral("\r\n")));
    QVERIFY(!m_control->knownDisplayLineCount());

    // Typing goes on while the count runs; the total takes it in.
    m_control->setCaret(m_control->textLength());
    QTest::keyClicks(m_control->focusProxy(), QStringLiteral(" and more words at the end"));
    m_control->setCaret(0);
    QTest::keyClick(m_control->focusProxy(), Qt::Key_Return);
    QVERIFY(counted.wait(20000));
    QCOMPARE(m_control->knownDisplayLineCount(), std::optional<int>(shownLines(*m_control)));

    // A narrower column counts everything anew.
    m_control->resize(ControlSize.width() * 2 / 3, ControlSize.height());
    QCOMPARE(m_control->displayLineCount(), shownLines(*m_control));
}

void TextControlLayoutTest::spaceAfterParagraphsRenders()
{
    const int twelvePoints = 240;
    m_control->setText(QStringLiteral("one\r\ntwo"));
    const int plainGap = m_control->characterPosition(5).y() - m_control->characterPosition(0).y();

    m_control->setParagraphSpaceAfter(twelvePoints);
    const int expectedSpace = qRound(pointsInPixels(twelvePoints / TwipsPerPoint));
    const int spacedGap = m_control->characterPosition(5).y() - m_control->characterPosition(0).y();
    QCOMPARE(spacedGap - plainGap, expectedSpace);

    // A paragraph typed later is spaced too.
    m_control->setCaret(m_control->textLength());
    QTest::keyClick(m_control->focusProxy(), Qt::Key_Return);
    QTest::keyClicks(m_control->focusProxy(), QStringLiteral("three"));
    const int typedGap = m_control->characterPosition(10).y() - m_control->characterPosition(5).y();
    QCOMPARE(typedGap, spacedGap);

    // And so is a text set later.
    m_control->setText(QStringLiteral("four\r\nfive"));
    QCOMPARE(m_control->characterPosition(6).y() - m_control->characterPosition(0).y(), spacedGap);
}

void TextControlLayoutTest::firstLineIndentRenders()
{
    if (m_kind == TextKind::Uniform)
        QSKIP("uniform text has no indents");
    const qreal indentPoints = 18.0;
    m_control->setText(words(40) + QStringLiteral("\r\nnext"));
    const int plainX = m_control->characterPosition(0).x();
    m_control->setFirstLineIndent(indentPoints, FormatScope::AllText);
    QCOMPARE(m_control->characterPosition(0).x() - plainX, qRound(pointsInPixels(indentPoints)));
    // Only the first line of a paragraph is indented.
    const int firstLineY = m_control->characterPosition(0).y();
    int secondLineStart = 1;
    while (m_control->characterPosition(secondLineStart).y() == firstLineY)
        ++secondLineStart;
    QCOMPARE(m_control->characterPosition(secondLineStart).x(), plainX);
    const int nextParagraph = m_control->text().indexOf(QStringLiteral("next"));
    QCOMPARE(m_control->characterPosition(nextParagraph).x() - plainX,
             qRound(pointsInPixels(indentPoints)));
}

void TextControlLayoutTest::characterPositionsFollowText()
{
    m_control->setText(QStringLiteral("ab\r\ncd"));
    const QPoint a = m_control->characterPosition(0);
    const QPoint b = m_control->characterPosition(1);
    const QPoint c = m_control->characterPosition(4);
    const qreal advance = QFontMetricsF(fixedFont()).horizontalAdvance(QLatin1Char('a'));
    QCOMPARE(b.y(), a.y());
    QCOMPARE(b.x() - a.x(), qRound(advance));
    QCOMPARE(c.x(), a.x());
    QVERIFY(c.y() > a.y());
    // Inside the break, the position is the end of the first line.
    QCOMPARE(m_control->characterPosition(3), m_control->characterPosition(2));
    QVERIFY(m_control->rect().contains(a));
}

void TextControlLayoutTest::scrollingMovesByLines()
{
    QStringList paragraphs;
    for (int i = 0; i < 200; ++i)
        paragraphs.append(QStringLiteral("line %1").arg(i));
    m_control->setText(paragraphs.join(QStringLiteral("\r\n")));
    const int top = m_control->characterPosition(0).y();
    const int lineHeight =
        m_control->characterPosition(QStringLiteral("line 0\r\n").size()).y() - top;
    QVERIFY(lineHeight > 0);

    // The first line moves up as the text scrolls down, a whole line a step (measured
    // away from the top, where the document's margin stands above the first line).
    m_control->scrollLines(1);
    const int scrolledOne = m_control->characterPosition(0).y();
    QVERIFY(scrolledOne < top);
    m_control->scrollLines(3);
    QCOMPARE(m_control->characterPosition(0).y(), scrolledOne - 3 * lineHeight);
    m_control->scrollLines(-2);
    QCOMPARE(m_control->characterPosition(0).y(), scrolledOne - lineHeight);
    m_control->scrollLines(-10);
    QCOMPARE(m_control->characterPosition(0).y(), top);

    // A position read back scrolls to the same place.
    m_control->scrollLines(25);
    const int position = m_control->verticalScrollPosition();
    const int scrolledTop = m_control->characterPosition(0).y();
    m_control->scrollLines(-25);
    m_control->setVerticalScrollPosition(position);
    QCOMPARE(m_control->verticalScrollPosition(), position);
    QCOMPARE(m_control->characterPosition(0).y(), scrolledTop);
}

void TextControlLayoutTest::charAttributesReadBackAtCaret_data()
{
    QTest::addColumn<CharAttributes>("set");
    QTest::addColumn<CharAttributes>("expected");
    CharAttributes family;
    family.family = QStringLiteral("DejaVu Serif");
    CharAttributes size;
    size.pointSize = 17.0;
    CharAttributes colours;
    colours.colour = QColor(244, 130, 6);
    colours.background = QColor(10, 20, 30);
    CharAttributes styles;
    styles.bold = true;
    styles.italic = true;
    styles.strikeOut = true;
    CharAttributes dotted;
    dotted.underline = UnderlineStyle::Dotted;
    CharAttributes single;
    single.underline = UnderlineStyle::Single;
    QTest::newRow("font family") << family << family;
    QTest::newRow("point size") << size << size;
    QTest::newRow("text and background colour") << colours << colours;
    QTest::newRow("bold italic strike-out") << styles << styles;
    QTest::newRow("dotted underline") << dotted << dotted;
    QTest::newRow("single underline") << single << single;
}

void TextControlLayoutTest::charAttributesReadBackAtCaret()
{
    QFETCH(CharAttributes, set);
    QFETCH(CharAttributes, expected);
    if (m_kind == TextKind::Uniform && expected.underline == UnderlineStyle::Dotted)
        QSKIP("uniform text underlines all of it in its font's single line");
    m_control->setText(QStringLiteral("some text"));
    m_control->setCharAttributes(set, FormatScope::AllText);
    m_control->setCaret(4);
    const CharAttributes read = m_control->caretAttributes();
    if (expected.family)
        QCOMPARE(read.family, expected.family);
    if (expected.pointSize)
        QCOMPARE(read.pointSize, expected.pointSize);
    if (expected.colour)
        QCOMPARE(read.colour, expected.colour);
    if (expected.background)
        QCOMPARE(read.background, expected.background);
    if (expected.bold)
        QCOMPARE(read.bold, expected.bold);
    if (expected.italic)
        QCOMPARE(read.italic, expected.italic);
    if (expected.strikeOut)
        QCOMPARE(read.strikeOut, expected.strikeOut);
    if (expected.underline)
        QCOMPARE(read.underline, expected.underline);
    // Setting one attribute leaves the others as they were.
    if (!expected.family)
        QCOMPARE(read.family, std::optional<QString>(fixedFont().family()));
}

void TextControlLayoutTest::selectionFormatStaysInSelection()
{
    m_control->setText(QStringLiteral("bold rest"));
    m_control->select(0, 4);
    CharAttributes bold;
    bold.bold = true;
    m_control->setCharAttributes(bold, FormatScope::Selection);
    m_control->setCaret(2);
    QCOMPARE(m_control->caretAttributes().bold, std::optional<bool>(true));
    m_control->setCaret(7);
    QCOMPARE(m_control->caretAttributes().bold, std::optional<bool>(false));
    QCOMPARE(m_control->text(), QStringLiteral("bold rest"));
}

void TextControlLayoutTest::allTextFormatHoldsForLaterText()
{
    CharAttributes colour;
    colour.colour = QColor(1, 2, 3);
    m_control->setCharAttributes(colour, FormatScope::AllText);
    m_control->setText(QStringLiteral("set later"));
    m_control->setCaret(3);
    QCOMPARE(m_control->caretAttributes().colour, colour.colour);
    m_control->setCaret(m_control->textLength());
    QTest::keyClicks(m_control->focusProxy(), QStringLiteral(" typed"));
    m_control->setCaret(m_control->textLength());
    QCOMPARE(m_control->caretAttributes().colour, colour.colour);
}

CALMDESK_TEST_MAIN_EACH_TEXT_KIND(TextControlLayoutTest)
#include "tst_textcontrol_layout.moc"
