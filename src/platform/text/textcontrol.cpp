#include "platform/text/textcontrol.h"

#include "platform/text/positionmap.h"
#include "platform/text/texteditwidget.h"
#include "platform/text/widgetbreaks.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace calmdesk {

namespace {

constexpr qreal TwipsPerPoint = 20.0;
constexpr qreal PointsPerInch = 72.0;

// Marks and tracking are paused while the control formats text, which moves no
// character.
class FormattingScope
{
public:
    explicit FormattingScope(MarkLayer *marks)
        : m_marks(marks)
    {
        m_marks->setTracking(false);
    }
    ~FormattingScope() { m_marks->setTracking(true); }
    FormattingScope(const FormattingScope &) = delete;
    FormattingScope &operator=(const FormattingScope &) = delete;

private:
    MarkLayer *m_marks;
};

QTextCharFormat spellingMarkFormat()
{
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::DotLine);
    return format;
}

bool isEmptyBlock(const QTextBlock &block)
{
    return block.length() <= 1;
}

} // namespace

TextControl::TextControl(QWidget *parent)
    : QWidget(parent)
    , m_editor(new TextEditWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor);
    setFocusProxy(m_editor);

    m_marks = new MarkLayer(document(), this);
    m_marks->setFormat(MarkKind::SpellingError, spellingMarkFormat());
    setHighlightColours(palette().color(QPalette::Base), palette().color(QPalette::Text));

    connect(document(), &QTextDocument::contentsChange, this, &TextControl::onContentsChange);
    connect(document(), &QTextDocument::contentsChanged, this, &TextControl::onContentsChanged);
    connectEditorEvents();
}

TextControl::~TextControl()
{
    // The editor is destroyed after this object; its last signals (focus, the
    // document's teardown) must not reach the control or its marks.
    disconnect(document(), nullptr, this, nullptr);
    disconnect(document(), nullptr, m_marks, nullptr);
    disconnect(m_editor, nullptr, this, nullptr);
    disconnect(m_editor, nullptr, m_marks, nullptr);
}

QTextDocument *TextControl::document() const
{
    return m_editor->document();
}

void TextControl::connectEditorEvents()
{
    connect(m_editor, &TextEditWidget::eventArriving, m_marks, &MarkLayer::flush);
    connect(m_editor, &TextEditWidget::keyDown, this, &TextControl::keyDown);
    connect(m_editor, &TextEditWidget::keyUp, this, &TextControl::keyUp);
    connect(m_editor, &TextEditWidget::characterTyped, this, &TextControl::characterTyped);
    connect(m_editor, &TextEditWidget::wheelTurned, this, &TextControl::wheelTurned);
    connect(m_editor, &TextEditWidget::focusEntered, this, &TextControl::focusEntered);
    connect(m_editor, &TextEditWidget::focusLeft, this, &TextControl::focusLeft);
    const auto toControl = [this](const QPoint &position) {
        return m_editor->viewport()->mapTo(this, position);
    };
    connect(m_editor, &TextEditWidget::mouseDown, this,
            [this, toControl](Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                              const QPoint &position) {
                emit mouseDown(button, modifiers, toControl(position));
            });
    connect(m_editor, &TextEditWidget::mouseUp, this,
            [this, toControl](Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                              const QPoint &position) {
                emit mouseUp(button, modifiers, toControl(position));
            });
    connect(m_editor, &TextEditWidget::mouseMoved, this,
            [this, toControl](Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                              const QPoint &position) {
                emit mouseMoved(buttons, modifiers, toControl(position));
            });
    connect(m_editor, &TextEditWidget::contextMenuRequested, this,
            [this, toControl](const QPoint &position) {
                emit contextMenuRequested(toControl(position));
            });
}

void TextControl::settleMarks() const
{
    // Marks changed since the last event are laid out before the text is edited or
    // its layout is read.
    m_marks->flush();
}

void TextControl::onContentsChange(int position, int removed, int added)
{
    Q_UNUSED(removed);
    // Qt reports characters; the paragraphs they fall in are the ones from the first
    // changed character's to the one after the last added character, and the change
    // of the paragraph count tells how many stood there before.
    const QTextDocument *doc = document();
    const int paragraphs = doc->blockCount();
    QTextBlock firstBlock = doc->findBlock(position);
    QTextBlock lastBlock = doc->findBlock(position + added);
    if (!firstBlock.isValid())
        firstBlock = doc->lastBlock();
    if (!lastBlock.isValid())
        lastBlock = doc->lastBlock();
    const int first = firstBlock.blockNumber();
    const int now = lastBlock.blockNumber() - first + 1;
    const int before = now - (paragraphs - m_paragraphCount);
    m_paragraphCount = paragraphs;
    if (before < 0 || first + before > paragraphs - (now - before)) {
        // Not a span Qt reports; everything is new, to be safe.
        emit paragraphsChanged(0, paragraphs - (now - before), paragraphs);
        return;
    }
    emit paragraphsChanged(first, before, now);
}

void TextControl::onContentsChanged()
{
    if (!m_silent)
        emit changed();
}

// --- whole text ---

QString TextControl::text() const
{
    // toPlainText() would turn no-break spaces into spaces; the raw text keeps them.
    return widgetbreaks::toCanonicalBreaks(document()->toRawText());
}

void TextControl::setText(const QString &text)
{
    settleMarks();
    QTextDocument *doc = document();
    m_marks->forgetAll();
    {
        // One notification for the whole replacement, none for the clearing step.
        const QScopedValueRollback<bool> silent(m_silent, true);
        // One edit block from the clearing on lets the layout treat the new text as
        // a fresh document, laid out lazily as the view needs it.
        // Disabling undo also empties its history: a set text cannot be undone.
        doc->setUndoRedoEnabled(false);
        QTextCursor all(doc);
        all.beginEditBlock();
        doc->setPlainText(widgetbreaks::toWidgetBreaks(text));
        all.select(QTextCursor::Document);
        all.setBlockFormat(m_allBlocksFormat);
        all.setBlockCharFormat(m_allTextFormat);
        all.setCharFormat(m_allTextFormat);
        // The caret goes to the start inside the edit: left at the end, where the
        // insertion pushed it, it would make the view lay out the whole text at once.
        QTextCursor caret(doc);
        caret.setCharFormat(m_allTextFormat);
        m_editor->setTextCursor(caret);
        all.endEditBlock();
        doc->setUndoRedoEnabled(true);
    }
    emit changed();
}

void TextControl::clearText()
{
    setText(QString());
}

bool TextControl::isEmpty() const
{
    return document()->isEmpty();
}

int TextControl::textLength() const
{
    return positionmap::canonicalLength(*document());
}

// --- selection ---

int TextControl::selStart() const
{
    return positionmap::toCanonical(*document(), m_editor->textCursor().selectionStart());
}

int TextControl::selLength() const
{
    const QTextCursor cursor = m_editor->textCursor();
    return positionmap::toCanonical(*document(), cursor.selectionEnd()) -
           positionmap::toCanonical(*document(), cursor.selectionStart());
}

void TextControl::select(int start, int length)
{
    settleMarks();
    const int total = textLength();
    const int from = std::clamp(start, 0, total);
    const int to = length < 0 ? total : int(std::min<qint64>(qint64(from) + length, total));
    QTextCursor cursor(document());
    cursor.setPosition(positionmap::toWidget(*document(), from));
    cursor.setPosition(positionmap::toWidget(*document(), to), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(cursor);
}

void TextControl::setCaret(int position)
{
    select(position, 0);
}

QString TextControl::selectedText() const
{
    return widgetbreaks::toCanonicalBreaks(m_editor->textCursor().selectedText());
}

void TextControl::selectAllText()
{
    settleMarks();
    m_editor->selectAll();
}

void TextControl::replaceSelection(const QString &text)
{
    settleMarks();
    // The edit runs on a copy of the caret; the widget's own caret moves with the
    // inserted text, so a change handler already sees it after the text, and any
    // selection such a handler makes stands.
    QTextCursor cursor = m_editor->textCursor();
    cursor.insertText(widgetbreaks::toWidgetBreaks(text));
}

// --- editing commands ---

void TextControl::undo()
{
    settleMarks();
    m_editor->undo();
}

void TextControl::redo()
{
    settleMarks();
    m_editor->redo();
}

bool TextControl::canUndo() const
{
    return document()->isUndoAvailable();
}

void TextControl::cut()
{
    settleMarks();
    m_editor->cut();
}

void TextControl::copy()
{
    m_editor->copy();
}

void TextControl::paste()
{
    settleMarks();
    m_editor->paste();
}

// --- formats ---

void TextControl::setCharAttributes(const CharAttributes &attributes, FormatScope scope)
{
    settleMarks();
    const QTextCharFormat format = attributes.toFormat();
    const FormattingScope formatting(m_marks);
    if (scope == FormatScope::AllText) {
        m_allTextFormat.merge(format);
        mergeCharFormatOfAll(format);
    } else {
        m_editor->mergeCurrentCharFormat(format);
    }
}

void TextControl::mergeCharFormatOfAll(const QTextCharFormat &format)
{
    QTextCursor all(document());
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    all.mergeBlockCharFormat(format);
    // The caret's own format for typing follows too.
    if (!m_editor->textCursor().hasSelection())
        m_editor->mergeCurrentCharFormat(format);
    all.endEditBlock();
}

CharAttributes TextControl::caretAttributes() const
{
    const QPalette colours = m_editor->palette();
    return CharAttributes::fromFormat(m_editor->currentCharFormat(), document()->defaultFont(),
                                      colours.color(QPalette::Text), colours.color(QPalette::Base));
}

qreal TextControl::pointsToPixels(qreal points) const
{
    return points * m_editor->logicalDpiY() / PointsPerInch;
}

void TextControl::setParagraphSpaceAfter(int twips)
{
    m_spaceAfterTwips = twips;
    QTextBlockFormat format;
    format.setBottomMargin(pointsToPixels(twips / TwipsPerPoint));
    m_allBlocksFormat.merge(format);
    mergeBlockFormatOfAll(format);
}

int TextControl::paragraphSpaceAfter() const
{
    return m_spaceAfterTwips;
}

void TextControl::setFirstLineIndent(qreal points, FormatScope scope)
{
    settleMarks();
    QTextBlockFormat format;
    format.setTextIndent(pointsToPixels(points));
    if (scope == FormatScope::AllText) {
        m_allBlocksFormat.merge(format);
        mergeBlockFormatOfAll(format);
        return;
    }
    const FormattingScope formatting(m_marks);
    QTextCursor cursor = m_editor->textCursor();
    cursor.mergeBlockFormat(format);
}

void TextControl::mergeBlockFormatOfAll(const QTextBlockFormat &format)
{
    settleMarks();
    const FormattingScope formatting(m_marks);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(format);
}

// --- paragraphs ---

void TextControl::appendParagraph(const QString &text)
{
    settleMarks();
    // As the platform's lines list does it: the text goes on the empty last line (or
    // a new one) and ends with a break, so the caret waits on a fresh last line whose
    // formats the next paragraph takes.
    const QTextCursor caret = m_editor->textCursor();
    const QTextCharFormat charFormat = caret.charFormat();
    const QTextBlockFormat blockFormat = caret.blockFormat();

    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    if (isEmptyBlock(end.block())) {
        end.setBlockFormat(blockFormat);
        end.setBlockCharFormat(charFormat);
    } else {
        end.insertBlock(blockFormat, charFormat);
    }
    end.insertText(widgetbreaks::toWidgetBreaks(text), charFormat);
    end.insertBlock(blockFormat, charFormat);
    end.endEditBlock();
    m_editor->setTextCursor(end);
}

int TextControl::paragraphCount() const
{
    return document()->blockCount();
}

QString TextControl::paragraphText(int index) const
{
    const QTextBlock block = document()->findBlockByNumber(index);
    return block.isValid() ? block.text() : QString();
}

int TextControl::lineCount() const
{
    const QTextDocument *doc = document();
    return doc->blockCount() - (isEmptyBlock(doc->lastBlock()) ? 1 : 0);
}

QString TextControl::line(int index) const
{
    if (index < 0 || index >= lineCount())
        return QString();
    return document()->findBlockByNumber(index).text();
}

void TextControl::replaceLine(int index, const QString &text)
{
    settleMarks();
    if (index < 0 || index >= lineCount())
        return;
    const QTextBlock block = document()->findBlockByNumber(index);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(widgetbreaks::toWidgetBreaks(text));
}

// --- layout and scrolling ---

void TextControl::ensureLaidOut() const
{
    settleMarks();
    if (!isVisible() && m_editor->size() != size()) {
        // A hidden control gets no layout or resize events until it is shown, yet its
        // lines are counted at the size it was given (hidden work controls, and the
        // main text before the window first shows).
        m_editor->setGeometry(rect());
        // The frame places its viewport; the viewport's resize lays the text out.
        QResizeEvent frameResize(m_editor->size(), QSize());
        QCoreApplication::sendEvent(m_editor, &frameResize);
        QWidget *viewport = m_editor->viewport();
        QResizeEvent viewportResize(viewport->size(), QSize());
        QCoreApplication::sendEvent(viewport, &viewportResize);
    }
    // The layout works lazily, as far as the view needs; asking for the last
    // paragraph's place makes it finish.
    const QTextDocument *doc = document();
    doc->documentLayout()->blockBoundingRect(doc->lastBlock());
}

int TextControl::displayLineCount() const
{
    ensureLaidOut();
    int lines = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines += block.layout()->lineCount();
    if (isEmptyBlock(document()->lastBlock()))
        --lines;
    return std::max(lines, 0);
}

void TextControl::scrollLines(int lines)
{
    settleMarks();
    QScrollBar *bar = m_editor->verticalScrollBar();
    const QTextCursor top = m_editor->cursorForPosition(QPoint(0, 0));
    QTextBlock block = top.block();
    const QTextLine first = block.layout()->lineForTextPosition(top.positionInBlock());
    if (!first.isValid()) {
        bar->setValue(bar->value() + lines * bar->singleStep());
        return;
    }
    // A line reaches down to the next line's top: the space after a paragraph moves with
    // its last line, so the text moves by whole lines as the writer counts them.
    const auto lineTop = [](const QTextBlock &b, int index) {
        return b.layout()->position().y() + b.layout()->lineAt(index).y();
    };
    int index = first.lineNumber();
    const qreal from = lineTop(block, index);
    for (int step = 0; step < std::abs(lines); ++step) {
        if (lines > 0 && index + 1 < block.layout()->lineCount()) {
            ++index;
        } else if (lines < 0 && index > 0) {
            --index;
        } else {
            const QTextBlock next = lines > 0 ? block.next() : block.previous();
            // Asking for its place lays out a paragraph the lazy layout has not reached.
            if (next.isValid())
                document()->documentLayout()->blockBoundingRect(next);
            if (!next.isValid() || next.layout()->lineCount() == 0) {
                // Fewer lines are left than asked for: as far as the text goes.
                bar->setValue(lines > 0 ? bar->maximum() : bar->minimum());
                return;
            }
            block = next;
            index = lines > 0 ? 0 : block.layout()->lineCount() - 1;
        }
    }
    bar->setValue(bar->value() + qRound(lineTop(block, index) - from));
}

int TextControl::verticalScrollPosition() const
{
    return m_editor->verticalScrollBar()->value();
}

void TextControl::setVerticalScrollPosition(int position)
{
    ensureLaidOut();
    m_editor->verticalScrollBar()->setValue(position);
}

QPoint TextControl::characterPosition(int index) const
{
    ensureLaidOut();
    const QTextDocument *doc = document();
    const int position = positionmap::toWidget(*doc, index);
    const QTextBlock block = doc->findBlock(position);
    const QTextLayout *layout = block.layout();
    const int inBlock = position - block.position();
    const QTextLine line = layout->lineForTextPosition(inBlock);
    if (!line.isValid())
        return {};
    const QPointF inDocument = layout->position() + QPointF(line.cursorToX(inBlock), line.y());
    const QPoint scrolled(m_editor->horizontalScrollBar()->value(),
                          m_editor->verticalScrollBar()->value());
    return m_editor->viewport()->mapTo(this, inDocument.toPoint() - scrolled);
}

// --- find ---

int TextControl::find(const QString &what, int from, int length, FindFlags flags) const
{
    const qint64 end = length < 0 ? std::numeric_limits<int>::max() : qint64(from) + length;
    return textsearch::findInDocument(*document(), what, from,
                                      int(std::min<qint64>(end, std::numeric_limits<int>::max())),
                                      flags);
}

// --- marks ---

void TextControl::addMark(int start, int length, MarkKind kind)
{
    const QTextDocument &doc = *document();
    m_marks->add(positionmap::toWidget(doc, start), positionmap::toWidget(doc, start + length),
                 kind);
}

void TextControl::clearMarks(MarkKind kind)
{
    m_marks->clear(kind);
}

void TextControl::clearMarks(int start, int length, MarkKind kind)
{
    const QTextDocument &doc = *document();
    m_marks->clear(positionmap::toWidget(doc, start), positionmap::toWidget(doc, start + length),
                   kind);
}

bool TextControl::hasMark(int position, MarkKind kind) const
{
    const QTextDocument &doc = *document();
    if (position < 0 || position >= textLength())
        return false;
    const int widgetPosition = positionmap::toWidget(doc, position);
    // A break is never marked, whichever of its two characters is asked for.
    if (positionmap::toCanonical(doc, widgetPosition) != position)
        return false;
    return m_marks->contains(widgetPosition, kind);
}

QList<MarkRange> TextControl::marks(MarkKind kind) const
{
    const QTextDocument &doc = *document();
    QList<MarkRange> result;
    for (const MarkRange &range : m_marks->ranges(kind)) {
        const int start = positionmap::toCanonical(doc, range.start);
        const int end = positionmap::toCanonical(doc, range.start + range.length);
        result.append({start, end - start});
    }
    return result;
}

void TextControl::setHighlightColours(const QColor &text, const QColor &background)
{
    QTextCharFormat format;
    format.setForeground(text);
    format.setBackground(background);
    m_marks->setFormat(MarkKind::Highlight, format);
}

// --- modes and appearance ---

void TextControl::setPlainTextMode(bool plain)
{
    m_plainTextMode = plain;
}

bool TextControl::isPlainTextMode() const
{
    return m_plainTextMode;
}

void TextControl::setAddressRecognition(bool on)
{
    m_addressRecognition = on;
}

bool TextControl::addressRecognition() const
{
    return m_addressRecognition;
}

void TextControl::setReadOnly(bool readOnly)
{
    m_editor->setReadOnly(readOnly);
}

bool TextControl::isReadOnly() const
{
    return m_editor->isReadOnly();
}

void TextControl::setPaperColour(const QColor &colour)
{
    QPalette colours = m_editor->palette();
    colours.setColor(QPalette::Base, colour);
    m_editor->setPalette(colours);
}

} // namespace calmdesk
