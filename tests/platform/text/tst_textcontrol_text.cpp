// SPDX-License-Identifier: GPL-3.0-or-later
#include "eachtextkind.h"
#include "platform/text/textcontrol.h"
#include "testmain.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace calmdesk;

namespace {

constexpr QSize ControlSize(400, 300);

// Where typed keys go: the editing widget behind the control.
QWidget *input(TextControl &control)
{
    return control.focusProxy();
}

} // namespace

// The canonical text model, the selection, replacing text, the change notification
// and the clipboard, as a caller of the control sees them.
class TextControlTextTest : public QObject
{
    Q_OBJECT

public:
    explicit TextControlTextTest(TextKind kind)
        : m_kind(kind)
    {}

private slots:
    void init();
    void cleanup();

    void caretPositionsCountBreaksAsTwo_data();
    void caretPositionsCountBreaksAsTwo();
    void selectionAcrossBreaks_data();
    void selectionAcrossBreaks();
    void setTextNormalisesEveryBreak_data();
    void setTextNormalisesEveryBreak();
    void noBreakSpaceSurvives();

    void setAndClearRaiseOneChange();
    void replaceSelectionNotifiesInsideTheCall();
    void changeHandlerMayReplaceAgain();
    void replaceSelectionPlacesCaretAfterText_data();
    void replaceSelectionPlacesCaretAfterText();
    void typingRaisesChangeAfterInsertion();
    void formattingRaisesChange();

    void shiftEnterInsertsOrdinaryBreak();
    void enterInAnEmptySpacedParagraphStillBreaks();
    void enterReplacesTheSelectionAndUndoesInOneStep();
    void undoRestoresTextAndSetTextClearsHistory();
    void copyPutsPlainTextWithNewlines();
    void pasteOfRichTextInsertsPlainText();
    void pasteOfPictureOnlyInsertsNothing();

    void appendParagraphBuildsLines();
    void appendParagraphUsesCaretFormat();
    void linesAreParagraphs();
    void replaceLine_data();
    void replaceLine();

    void keyDownCanSwallowKey();
    void characterIsReportedBeforeInsertion();
    void characterCanBeSwallowed();
    void inputMethodTextIsTyping();
    void keyUpIsReported();
    void mouseAndMenuEventsUseControlCoordinates();

private:
    const TextKind m_kind;
    TextControl *m_control = nullptr;
};

void TextControlTextTest::init()
{
    test::IsolatedEnvironment::current()->reset();
    m_control = new TextControl(m_kind);
    m_control->resize(ControlSize);
    m_control->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_control));
}

void TextControlTextTest::cleanup()
{
    delete m_control;
    m_control = nullptr;
    QGuiApplication::clipboard()->clear();
}

void TextControlTextTest::caretPositionsCountBreaksAsTwo_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("expected");
    // "ab" CR LF "cd" CR LF CR LF "ef": a0 b1 CR2 LF3 c4 d5 CR6 LF7 CR8 LF9 e10 f11
    QTest::newRow("start of text") << 0 << 0;
    QTest::newRow("end of first line") << 2 << 2;
    QTest::newRow("between CR and LF is end of line") << 3 << 2;
    QTest::newRow("start of second line") << 4 << 4;
    QTest::newRow("inside second line") << 5 << 5;
    QTest::newRow("empty line") << 8 << 8;
    QTest::newRow("inside break of empty line") << 9 << 8;
    QTest::newRow("after two breaks") << 10 << 10;
    QTest::newRow("end of text") << 12 << 12;
    QTest::newRow("beyond the end clamps") << 99 << 12;
    QTest::newRow("negative clamps") << -5 << 0;
}

void TextControlTextTest::caretPositionsCountBreaksAsTwo()
{
    QFETCH(int, caret);
    QFETCH(int, expected);
    m_control->setText(QStringLiteral("ab\r\ncd\r\n\r\nef"));
    m_control->setCaret(caret);
    QCOMPARE(m_control->selStart(), expected);
    QCOMPARE(m_control->selLength(), 0);
}

void TextControlTextTest::selectionAcrossBreaks_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("expectedStart");
    QTest::addColumn<int>("expectedLength");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("across one break") << 1 << 4 << 1 << 4 << QStringLiteral("b\r\nc");
    QTest::newRow("whole second line with its break")
        << 4 << 4 << 4 << 4 << QStringLiteral("cd\r\n");
    QTest::newRow("ending between CR and LF stops at line end")
        << 1 << 2 << 1 << 1 << QStringLiteral("b");
    QTest::newRow("starting between CR and LF starts at line end")
        << 3 << 2 << 2 << 3 << QStringLiteral("\r\nc");
    QTest::newRow("negative length selects to the end")
        << 6 << -1 << 6 << 6 << QStringLiteral("\r\n\r\nef");
    QTest::newRow("everything") << 0 << 12 << 0 << 12 << QStringLiteral("ab\r\ncd\r\n\r\nef");
}

void TextControlTextTest::selectionAcrossBreaks()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, expectedStart);
    QFETCH(int, expectedLength);
    QFETCH(QString, expectedText);
    m_control->setText(QStringLiteral("ab\r\ncd\r\n\r\nef"));
    m_control->select(start, length);
    QCOMPARE(m_control->selStart(), expectedStart);
    QCOMPARE(m_control->selLength(), expectedLength);
    QCOMPARE(m_control->selectedText(), expectedText);
    QCOMPARE(m_control->text().mid(expectedStart, expectedLength), expectedText);
}

void TextControlTextTest::setTextNormalisesEveryBreak_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("length");
    QTest::newRow("CR LF kept") << QStringLiteral("a\r\nb") << QStringLiteral("a\r\nb") << 4;
    QTest::newRow("lone LF") << QStringLiteral("a\nb") << QStringLiteral("a\r\nb") << 4;
    QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringLiteral("a\r\nb") << 4;
    QTest::newRow("mixed breaks") << QStringLiteral("a\rb\nc\r\nd")
                                  << QStringLiteral("a\r\nb\r\nc\r\nd") << 10;
    QTest::newRow("trailing break") << QStringLiteral("a\n") << QStringLiteral("a\r\n") << 3;
    QTest::newRow("empty") << QString() << QString() << 0;
}

void TextControlTextTest::setTextNormalisesEveryBreak()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QFETCH(int, length);
    m_control->setText(input);
    QCOMPARE(m_control->text(), expected);
    QCOMPARE(m_control->textLength(), length);
}

void TextControlTextTest::noBreakSpaceSurvives()
{
    const QString text = QStringLiteral("one\u00A0two\r\nthree");
    m_control->setText(text);
    QCOMPARE(m_control->text(), text);
    m_control->selectAllText();
    QCOMPARE(m_control->selectedText(), text);
    QCOMPARE(m_control->line(0), QStringLiteral("one\u00A0two"));
}

void TextControlTextTest::setAndClearRaiseOneChange()
{
    QStringList seen;
    connect(m_control, &TextControl::changed, this, [&] { seen.append(m_control->text()); });
    m_control->setText(QStringLiteral("hello\nworld"));
    QCOMPARE(seen, QStringList{QStringLiteral("hello\r\nworld")});
    m_control->clearText();
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.last(), QString());
    QCOMPARE(m_control->selStart(), 0);
}

void TextControlTextTest::replaceSelectionNotifiesInsideTheCall()
{
    m_control->setText(QStringLiteral("ab\r\ncd"));
    m_control->select(4, 1);
    bool insideCall = false;
    QString textSeen;
    int caretSeen = -1;
    connect(m_control, &TextControl::changed, this, [&] {
        QVERIFY(insideCall);
        textSeen = m_control->text();
        caretSeen = m_control->selStart();
    });
    insideCall = true;
    m_control->replaceSelection(QStringLiteral("XY"));
    insideCall = false;
    QCOMPARE(textSeen, QStringLiteral("ab\r\nXYd"));
    QCOMPARE(caretSeen, 6);
}

void TextControlTextTest::changeHandlerMayReplaceAgain()
{
    // An auto-correct style handler: when the text before the caret is "teh", it
    // selects it and replaces it, from inside the notification of the first change.
    m_control->setText(QStringLiteral("I saw te"));
    m_control->setCaret(8);
    int depth = 0;
    int deepest = 0;
    int notifications = 0;
    connect(m_control, &TextControl::changed, this, [&] {
        ++notifications;
        ++depth;
        deepest = std::max(deepest, depth);
        const int caret = m_control->selStart();
        if (m_control->text().left(caret).endsWith(QStringLiteral("teh"))) {
            m_control->select(caret - 3, 3);
            m_control->replaceSelection(QStringLiteral("the"));
            m_control->setCaret(caret);
        }
        --depth;
    });
    m_control->replaceSelection(QStringLiteral("h"));
    QCOMPARE(m_control->text(), QStringLiteral("I saw the"));
    QCOMPARE(notifications, 2);
    QCOMPARE(deepest, 2);
    QCOMPARE(m_control->selStart(), 9);
}

void TextControlTextTest::replaceSelectionPlacesCaretAfterText_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedCaret");
    QTest::newRow("insert at caret") << 2 << 0 << QStringLiteral("!") << "ab!\r\ncd" << 3;
    QTest::newRow("replace across a break") << 1 << 4 << QStringLiteral("-") << "a-d" << 2;
    QTest::newRow("inserted break counts two")
        << 2 << 0 << QStringLiteral("x\ny") << "abx\r\ny\r\ncd" << 6;
    QTest::newRow("empty text deletes selection") << 0 << 2 << QString() << "\r\ncd" << 0;
}

void TextControlTextTest::replaceSelectionPlacesCaretAfterText()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, insert);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedCaret);
    m_control->setText(QStringLiteral("ab\r\ncd"));
    m_control->select(start, length);
    m_control->replaceSelection(insert);
    QCOMPARE(m_control->text(), expectedText);
    QCOMPARE(m_control->selStart(), expectedCaret);
    QCOMPARE(m_control->selLength(), 0);
}

void TextControlTextTest::typingRaisesChangeAfterInsertion()
{
    m_control->setText(QStringLiteral("ab"));
    m_control->setCaret(2);
    QStringList seen;
    connect(m_control, &TextControl::changed, this, [&] { seen.append(m_control->text()); });
    QTest::keyClicks(input(*m_control), QStringLiteral("cd"));
    QCOMPARE(seen, (QStringList{QStringLiteral("abc"), QStringLiteral("abcd")}));
}

void TextControlTextTest::formattingRaisesChange()
{
    m_control->setText(QStringLiteral("ab"));
    QSignalSpy changes(m_control, &TextControl::changed);
    CharAttributes bold;
    bold.bold = true;
    m_control->setCharAttributes(bold, FormatScope::AllText);
    QVERIFY(changes.count() >= 1);
    QCOMPARE(m_control->text(), QStringLiteral("ab"));
}

void TextControlTextTest::shiftEnterInsertsOrdinaryBreak()
{
    QTest::keyClicks(input(*m_control), QStringLiteral("ab"));
    QTest::keyClick(input(*m_control), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(input(*m_control), QStringLiteral("cd"));
    QCOMPARE(m_control->text(), QStringLiteral("ab\r\ncd"));
    QCOMPARE(m_control->lineCount(), 2);
    QCOMPARE(m_control->selStart(), 6);
}

// Regression: with space after paragraphs, Qt ignored Enter in an empty paragraph, so a
// writer could not leave a blank line.
void TextControlTextTest::enterInAnEmptySpacedParagraphStillBreaks()
{
    m_control->setParagraphSpaceAfter(240);
    QTest::keyClicks(input(*m_control), QStringLiteral("ab"));
    QTest::keyClick(input(*m_control), Qt::Key_Return);
    QTest::keyClick(input(*m_control), Qt::Key_Return);
    QTest::keyClicks(input(*m_control), QStringLiteral("cd"));
    QCOMPARE(m_control->text(), QStringLiteral("ab\r\n\r\ncd"));
    QCOMPARE(m_control->paragraphSpaceAfter(), 240);
}

void TextControlTextTest::enterReplacesTheSelectionAndUndoesInOneStep()
{
    m_control->setText(QStringLiteral("one two three"));
    m_control->select(3, 5);
    QTest::keyClick(input(*m_control), Qt::Key_Return);
    QCOMPARE(m_control->text(), QStringLiteral("one\r\nthree"));
    QCOMPARE(m_control->selStart(), 5);
    m_control->undo();
    QCOMPARE(m_control->text(), QStringLiteral("one two three"));
}

void TextControlTextTest::undoRestoresTextAndSetTextClearsHistory()
{
    m_control->setText(QStringLiteral("start"));
    QVERIFY(!m_control->canUndo());
    m_control->setCaret(5);
    m_control->replaceSelection(QStringLiteral(" more"));
    QVERIFY(m_control->canUndo());
    m_control->undo();
    QCOMPARE(m_control->text(), QStringLiteral("start"));
    m_control->redo();
    QCOMPARE(m_control->text(), QStringLiteral("start more"));
}

void TextControlTextTest::copyPutsPlainTextWithNewlines()
{
    m_control->setText(QStringLiteral("a\u00A0b\r\ncd"));
    m_control->selectAllText();
    m_control->copy();
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QCOMPARE(copied->text(), QStringLiteral("a\u00A0b\ncd"));
    QVERIFY(!copied->hasHtml());
    m_control->select(0, 3);
    m_control->cut();
    QCOMPARE(m_control->text(), QStringLiteral("\r\ncd"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\u00A0b"));
}

void TextControlTextTest::pasteOfRichTextInsertsPlainText()
{
    auto *rich = new QMimeData;
    rich->setHtml(QStringLiteral("<b>bold</b><br>next<img src=\"x.png\">"));
    rich->setText(QStringLiteral("bold\nnext"));
    QGuiApplication::clipboard()->setMimeData(rich);
    m_control->setText(QStringLiteral("[]"));
    m_control->setCaret(1);
    m_control->paste();
    QCOMPARE(m_control->text(), QStringLiteral("[bold\r\nnext]"));
    m_control->setCaret(3);
    QCOMPARE(m_control->caretAttributes().bold, std::optional<bool>(false));
}

void TextControlTextTest::pasteOfPictureOnlyInsertsNothing()
{
    auto *picture = new QMimeData;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    picture->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(picture);
    m_control->setText(QStringLiteral("keep"));
    m_control->setCaret(2);
    QSignalSpy changes(m_control, &TextControl::changed);
    m_control->paste();
    QCOMPARE(m_control->text(), QStringLiteral("keep"));
    QCOMPARE(changes.count(), 0);
}

void TextControlTextTest::appendParagraphBuildsLines()
{
    m_control->appendParagraph(QStringLiteral("one"));
    m_control->appendParagraph(QString());
    m_control->appendParagraph(QStringLiteral("three"));
    QCOMPARE(m_control->text(), QStringLiteral("one\r\n\r\nthree\r\n"));
    QCOMPARE(m_control->lineCount(), 3);
    QCOMPARE(m_control->selStart(), m_control->textLength());

    m_control->setText(QStringLiteral("no break at end"));
    m_control->appendParagraph(QStringLiteral("next"));
    QCOMPARE(m_control->text(), QStringLiteral("no break at end\r\nnext\r\n"));
}

void TextControlTextTest::appendParagraphUsesCaretFormat()
{
    const qreal bigSize = 21.0;
    m_control->appendParagraph(QStringLiteral("small"));
    CharAttributes big;
    big.pointSize = bigSize;
    m_control->setCharAttributes(big, FormatScope::Selection);
    m_control->appendParagraph(QStringLiteral("big"));

    m_control->setCaret(8); // inside "big"
    QCOMPARE(m_control->caretAttributes().pointSize, std::optional<qreal>(bigSize));
    m_control->setCaret(2); // inside "small"
    QVERIFY(m_control->caretAttributes().pointSize != std::optional<qreal>(bigSize));
}

void TextControlTextTest::linesAreParagraphs()
{
    m_control->setText(QStringLiteral("first\r\n\r\nthird"));
    QCOMPARE(m_control->lineCount(), 3);
    QCOMPARE(m_control->line(0), QStringLiteral("first"));
    QCOMPARE(m_control->line(1), QString());
    QCOMPARE(m_control->line(2), QStringLiteral("third"));
    QCOMPARE(m_control->line(3), QString());
    m_control->setText(QString());
    QCOMPARE(m_control->lineCount(), 0);
}

void TextControlTextTest::replaceLine_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("middle line") << 1 << QStringLiteral("BB") << "a\r\nBB\r\nc";
    QTest::newRow("last line") << 2 << QStringLiteral("C") << "a\r\nb\r\nC";
    QTest::newRow("emptied line") << 0 << QString() << "\r\nb\r\nc";
    QTest::newRow("replacement with a break adds a line") << 0 << "x\ny"
                                                          << "x\r\ny\r\nb\r\nc";
    QTest::newRow("out of range changes nothing") << 3 << QStringLiteral("z") << "a\r\nb\r\nc";
}

void TextControlTextTest::replaceLine()
{
    QFETCH(int, index);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    m_control->setText(QStringLiteral("a\r\nb\r\nc"));
    m_control->replaceLine(index, replacement);
    QCOMPARE(m_control->text(), expected);
}

void TextControlTextTest::keyDownCanSwallowKey()
{
    QList<int> keys;
    connect(m_control, &TextControl::keyDown, this,
            [&](int key, Qt::KeyboardModifiers, bool *handled) {
                keys.append(key);
                *handled = key == Qt::Key_X;
            });
    QTest::keyClicks(input(*m_control), QStringLiteral("axb"));
    QCOMPARE(m_control->text(), QStringLiteral("ab"));
    QCOMPARE(keys, (QList<int>{Qt::Key_A, Qt::Key_X, Qt::Key_B}));
}

void TextControlTextTest::characterIsReportedBeforeInsertion()
{
    QStringList textAtCharacter;
    QStringList characters;
    connect(m_control, &TextControl::characterTyped, this,
            [&](const QString &typed, Qt::KeyboardModifiers, bool *) {
                characters.append(typed);
                textAtCharacter.append(m_control->text());
            });
    QTest::keyClicks(input(*m_control), QStringLiteral("ab"));
    QCOMPARE(characters, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(textAtCharacter, (QStringList{QString(), QStringLiteral("a")}));
}

void TextControlTextTest::characterCanBeSwallowed()
{
    int reported = 0;
    connect(m_control, &TextControl::characterTyped, this,
            [&](const QString &typed, Qt::KeyboardModifiers modifiers, bool *handled) {
                ++reported;
                *handled = typed == QStringLiteral(" ") && modifiers == Qt::ControlModifier;
            });
    QTest::keyClick(input(*m_control), Qt::Key_A);
    QTest::keyClick(input(*m_control), Qt::Key_Space, Qt::ControlModifier);
    QTest::keyClick(input(*m_control), Qt::Key_Space);
    QCOMPARE(m_control->text(), QStringLiteral("a "));
    QCOMPARE(reported, 3);
}

// Dead keys, Compose and IBus or fcitx hand over their text as input method events, not
// as keys: it is typing all the same, and can be swallowed like a key's character.
void TextControlTextTest::inputMethodTextIsTyping()
{
    QStringList reported;
    connect(m_control, &TextControl::characterTyped, this,
            [&](const QString &typed, Qt::KeyboardModifiers, bool *handled) {
                reported.append(typed);
                *handled = typed == QStringLiteral("#");
            });
    const auto commit = [this](const QString &text) {
        QInputMethodEvent event(QStringLiteral("preedit"), {});
        event.setCommitString(text);
        QCoreApplication::sendEvent(input(*m_control), &event);
        QInputMethodEvent done;
        QCoreApplication::sendEvent(input(*m_control), &done);
    };
    commit(QStringLiteral("é"));
    commit(QStringLiteral("#"));
    commit(QStringLiteral(u"ü\u2028ß"));
    QCOMPARE(reported, (QStringList{"é", "#", QStringLiteral(u"ü\u2028ß")}));
    // A separator committed this way is an ordinary break.
    QCOMPARE(m_control->text(), QStringLiteral(u"éü\r\nß"));
}

void TextControlTextTest::keyUpIsReported()
{
    QList<QPair<int, Qt::KeyboardModifiers>> released;
    connect(m_control, &TextControl::keyUp, this,
            [&](int key, Qt::KeyboardModifiers modifiers, bool *) {
                released.append({key, modifiers});
            });
    // QTest releases the Shift key after the key itself.
    QTest::keyRelease(input(*m_control), Qt::Key_Return, Qt::ShiftModifier);
    QVERIFY(!released.isEmpty());
    QCOMPARE(released.first().first, int(Qt::Key_Return));
    QCOMPARE(released.first().second, Qt::KeyboardModifiers(Qt::ShiftModifier));
}

void TextControlTextTest::mouseAndMenuEventsUseControlCoordinates()
{
    m_control->setText(QStringLiteral("some words to click on"));
    auto *area = m_control->findChild<QAbstractScrollArea *>();
    QVERIFY(area);
    QWidget *viewport = area->viewport();
    const QPoint inViewport(30, 5);
    const QPoint inControl = viewport->mapTo(m_control, inViewport);

    QList<QPoint> downs;
    QList<QPoint> ups;
    QList<QPoint> menus;
    connect(m_control, &TextControl::mouseDown, this,
            [&](Qt::MouseButton, Qt::KeyboardModifiers, const QPoint &p) { downs.append(p); });
    connect(m_control, &TextControl::mouseUp, this,
            [&](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &p) {
                QCOMPARE(button, Qt::LeftButton);
                QCOMPARE(modifiers, Qt::KeyboardModifiers(Qt::AltModifier));
                // The click has already moved the caret.
                QVERIFY(m_control->selStart() > 0);
                ups.append(p);
            });
    connect(m_control, &TextControl::contextMenuRequested, this,
            [&](const QPoint &p) { menus.append(p); });

    QTest::mouseClick(viewport, Qt::LeftButton, Qt::AltModifier, inViewport);
    QCOMPARE(downs, QList<QPoint>{inControl});
    QCOMPARE(ups, QList<QPoint>{inControl});

    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, inViewport,
                                viewport->mapToGlobal(inViewport));
    QCoreApplication::sendEvent(viewport, &menuEvent);
    QCOMPARE(menus, QList<QPoint>{inControl});
}

CALMDESK_TEST_MAIN_EACH_TEXT_KIND(TextControlTextTest)
#include "tst_textcontrol_text.moc"
