// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/textcontrol.h"

#include "platform/codec/textcodec.h"
#include "platform/richtext/rtfreader.h"
#include "platform/richtext/rtfwriter.h"
#include "platform/text/displaylinecounter.h"
#include "platform/text/editorevents.h"
#include "platform/text/markoverlay.h"
#include "platform/text/plaineditwidget.h"
#include "platform/text/positionmap.h"
#include "platform/text/texteditwidget.h"
#include "platform/text/widgetbreaks.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontInfo>
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

bool isEmptyBlock(const QTextBlock &block)
{
    return block.length() <= 1;
}

} // namespace

TextControl::TextControl(QWidget *parent)
    : TextControl(TextKind::Formatted, parent)
{}

namespace {

EditorView *makeEditor(TextKind kind, QWidget *parent)
{
    if (kind == TextKind::Uniform)
        return new PlainEditWidget(parent);
    return new TextEditWidget(parent);
}

} // namespace

TextControl::TextControl(TextKind kind, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_editor(makeEditor(kind, this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editorWidget());
    setFocusProxy(editorWidget());

    m_marks = new MarkLayer(document(), this);
    m_overlay = new MarkOverlay(m_marks, m_editor, this);
    m_editor->setOverlay(m_overlay);
    connect(m_marks, &MarkLayer::paintedMarksChanged, m_overlay, &MarkOverlay::marksChanged);
    setHighlightColours(palette().color(QPalette::Base), palette().color(QPalette::Text));

    if (m_kind == TextKind::Uniform) {
        m_lineCounter = new DisplayLineCounter(this);
        connect(m_lineCounter, &DisplayLineCounter::totalKnown, this,
                &TextControl::displayLinesCounted);
        m_lineCounter->reset(m_mirror.paragraphs(), lineWrapping());
    }

    connect(document(), &QTextDocument::contentsChange, this, &TextControl::onContentsChange);
    connect(document(), &QTextDocument::contentsChanged, this, &TextControl::onContentsChanged);
    connectEditorEvents();
}

TextControl::~TextControl()
{
    // The editor is destroyed after this object; its last signals (focus, the
    // document's teardown, a last paint) must not reach the control or its marks.
    m_editor->setOverlay(nullptr);
    disconnect(document(), nullptr, this, nullptr);
    disconnect(document(), nullptr, m_marks, nullptr);
    disconnect(m_editor->events(), nullptr, this, nullptr);
    disconnect(m_editor->events(), nullptr, m_marks, nullptr);
}

QTextDocument *TextControl::document() const
{
    return m_editor->document();
}

QWidget *TextControl::editorWidget() const
{
    return m_editor->scrollArea();
}

void TextControl::connectEditorEvents()
{
    EditorEvents *events = m_editor->events();
    connect(events, &EditorEvents::eventArriving, m_marks, &MarkLayer::flush);
    connect(events, &EditorEvents::keyDown, this, &TextControl::keyDown);
    connect(events, &EditorEvents::keyUp, this, &TextControl::keyUp);
    connect(events, &EditorEvents::characterTyped, this, &TextControl::characterTyped);
    // Marks a key's handlers changed are laid out before the key edits the text: Qt would
    // otherwise report their paragraphs as part of the edit, which drops every mark there.
    connect(events, &EditorEvents::keyDown, m_marks, &MarkLayer::flush);
    connect(events, &EditorEvents::characterTyped, m_marks, &MarkLayer::flush);
    connect(events, &EditorEvents::wheelTurned, this, &TextControl::wheelTurned);
    connect(events, &EditorEvents::focusEntered, this, &TextControl::focusEntered);
    connect(events, &EditorEvents::focusLeft, this, &TextControl::focusLeft);
    connect(events, &EditorEvents::wrappingChanged, this, &TextControl::onWrappingChanged);
    const auto toControl = [this](const QPoint &position) {
        return m_editor->scrollArea()->viewport()->mapTo(this, position);
    };
    connect(events, &EditorEvents::mouseDown, this,
            [this, toControl](Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                              const QPoint &position) {
                emit mouseDown(button, modifiers, toControl(position));
            });
    connect(events, &EditorEvents::mouseUp, this,
            [this, toControl](Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                              const QPoint &position) {
                emit mouseUp(button, modifiers, toControl(position));
            });
    connect(events, &EditorEvents::mouseMoved, this,
            [this, toControl](Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                              const QPoint &position) {
                emit mouseMoved(buttons, modifiers, toControl(position));
            });
    connect(events, &EditorEvents::contextMenuRequested, this,
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
    if (m_replacingAll) {
        // The paragraphs are mirrored already; all of them stand where the old ones stood.
        emit paragraphsChanged(0, m_replacedCount, m_mirror.count());
        m_replacedCount = m_mirror.count();
        return;
    }
    const QTextDocument *doc = document();
    const int paragraphs = doc->blockCount();
    QTextBlock firstBlock = doc->findBlock(position);
    QTextBlock lastBlock = doc->findBlock(position + added);
    if (!firstBlock.isValid())
        firstBlock = doc->lastBlock();
    if (!lastBlock.isValid())
        lastBlock = doc->lastBlock();
    int first = firstBlock.blockNumber();
    int now = lastBlock.blockNumber() - first + 1;
    int before = now - (paragraphs - m_mirror.count());
    if (before < 0 || first + before > m_mirror.count()) {
        // Not a span Qt reports; everything is new, to be safe.
        first = 0;
        before = m_mirror.count();
        now = paragraphs;
        firstBlock = doc->firstBlock();
    }

    QStringList texts;
    texts.reserve(now);
    QTextBlock block = firstBlock;
    for (int i = 0; i < now && block.isValid(); ++i, block = block.next())
        texts.append(block.text());
    if (before == now && now > 1)
        takeChangedParagraphs(first, texts);
    else if (m_mirror.replace(first, before, texts) && m_lineCounter)
        m_lineCounter->replace(first, before, texts);
    emit paragraphsChanged(first, before, now);
}

void TextControl::takeChangedParagraphs(int first, const QStringList &texts)
{
    // An edit that leaves as many paragraphs as it found (a replacement everywhere, its
    // undo) is taken one paragraph at a time: those that read as before keep everything,
    // and each changed one keeps its tag (its break was never touched).
    std::vector<int> changed;
    qsizetype characters = 0;
    for (int i = 0; i < texts.size(); ++i) {
        if (m_mirror.replace(first + i, 1, QStringList{texts.at(i)})) {
            changed.push_back(first + i);
            characters += texts.at(i).size();
        }
    }
    if (!m_lineCounter || changed.empty())
        return;
    if (characters > DisplayLineCounter::kCountAtOnceCharacters) {
        // Counting so much now would keep the writer waiting: the lines are counted in
        // the background, as after an open.
        m_lineCounter->reset(m_mirror.paragraphs(), lineWrapping());
        return;
    }
    for (int index : changed)
        m_lineCounter->replace(index, 1, QStringList{m_mirror.at(index)});
}

void TextControl::onContentsChanged()
{
    if (!m_silent)
        emit changed();
}

// --- whole text ---

QString TextControl::text() const
{
    return m_mirror.joined(u"\r\n");
}

void TextControl::setText(const QString &text)
{
    const QString widgetText = widgetbreaks::toWidgetBreaks(text);
    m_replacedCount = m_mirror.count();
    m_mirror.reset(widgetText.split(QLatin1Char('\n')));
    replaceDocumentText(widgetText);
}

void TextControl::setParagraphs(const QStringList &paragraphs,
                                const std::vector<ParagraphMirror::Tag> &tags)
{
    m_replacedCount = m_mirror.count();
    m_mirror.reset(paragraphs, tags);
    replaceDocumentText(m_mirror.joined(u"\n"));
}

void TextControl::replaceDocumentText(const QString &widgetText,
                                      const std::function<void(QTextDocument *)> &format)
{
    settleMarks();
    QTextDocument *doc = document();
    m_marks->forgetAll();
    {
        // One notification for the whole replacement, none for the clearing step.
        const QScopedValueRollback<bool> silent(m_silent, true);
        // The paragraphs are already mirrored.
        const QScopedValueRollback<bool> replacing(m_replacingAll, true);
        // One edit block from the clearing on lets the layout treat the new text as
        // a fresh document, laid out lazily as the view needs it.
        // Disabling undo also empties its history: a set text cannot be undone.
        doc->setUndoRedoEnabled(false);
        QTextCursor all(doc);
        all.beginEditBlock();
        doc->setPlainText(widgetText);
        if (m_kind == TextKind::Formatted) {
            all.select(QTextCursor::Document);
            all.setBlockFormat(m_allBlocksFormat);
            all.setBlockCharFormat(m_allTextFormat);
            all.setCharFormat(m_allTextFormat);
        }
        if (format)
            format(doc);
        // The caret goes to the start inside the edit: left at the end, where the
        // insertion pushed it, it would make the view lay out the whole text at once.
        QTextCursor caret(doc);
        if (m_kind == TextKind::Formatted)
            caret.setCharFormat(m_allTextFormat);
        m_editor->setTextCursor(caret);
        all.endEditBlock();
        doc->setUndoRedoEnabled(true);
    }
    if (m_lineCounter)
        m_lineCounter->reset(m_mirror.paragraphs(), lineWrapping());
    emit changed();
}

void TextControl::clearText()
{
    setText(QString());
}

bool TextControl::isEmpty() const
{
    return m_mirror.count() == 1 && m_mirror.at(0).isEmpty();
}

int TextControl::textLength() const
{
    return int(m_mirror.characterCount()) + 2 * (m_mirror.count() - 1);
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

bool TextControl::canRedo() const
{
    return document()->isRedoAvailable();
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
    if (scope == FormatScope::AllText && m_kind == TextKind::Uniform) {
        setUniformAttributes(attributes);
        // A change of look, as for any text; no paragraph's text changed.
        emit changed();
        return;
    }
    const QTextCharFormat format = attributes.toFormat();
    const FormattingScope formatting(m_marks);
    if (scope == FormatScope::AllText) {
        m_allTextFormat.merge(format);
        mergeCharFormatOfAll(format);
    } else {
        m_editor->mergeCurrentCharFormat(format);
    }
}

void TextControl::setUniformAttributes(const CharAttributes &attributes)
{
    // One look for all of the text is the widget's font and colours: the text itself
    // carries no format, so a novel changes its look at once.
    QWidget *editor = editorWidget();
    QFont font = editor->font();
    if (attributes.family)
        font.setFamily(*attributes.family);
    if (attributes.pointSize)
        font.setPointSizeF(*attributes.pointSize);
    if (attributes.bold)
        font.setBold(*attributes.bold);
    if (attributes.italic)
        font.setItalic(*attributes.italic);
    if (attributes.underline)
        font.setUnderline(*attributes.underline != UnderlineStyle::None);
    if (attributes.strikeOut)
        font.setStrikeOut(*attributes.strikeOut);
    // Letters of a fixed-pitch font stand in equal cells and never kern; asking the font
    // for kerning anyway costs a look-up for every pair of letters laid out.
    font.setKerning(!QFontInfo(font).fixedPitch());
    if (font != editor->font())
        editor->setFont(font);
    if (attributes.colour || attributes.background) {
        QPalette colours = editor->palette();
        if (attributes.colour)
            colours.setColor(QPalette::Text, *attributes.colour);
        if (attributes.background)
            colours.setColor(QPalette::Base, *attributes.background);
        editor->setPalette(colours);
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
    const QPalette colours = editorWidget()->palette();
    return CharAttributes::fromFormat(m_editor->currentCharFormat(), document()->defaultFont(),
                                      colours.color(QPalette::Text), colours.color(QPalette::Base));
}

qreal TextControl::pointsToPixels(qreal points) const
{
    return points * editorWidget()->logicalDpiY() / PointsPerInch;
}

void TextControl::setParagraphSpaceAfter(int twips)
{
    m_spaceAfterTwips = twips;
    if (m_kind == TextKind::Uniform) {
        static_cast<PlainEditWidget *>(m_editor)->setSpaceAfter(
            pointsToPixels(twips / TwipsPerPoint));
        return;
    }
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
    if (m_kind == TextKind::Uniform)
        return; // one paragraph format for all, without indents
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
    return m_mirror.count();
}

QString TextControl::paragraphText(int index) const
{
    return index >= 0 && index < m_mirror.count() ? m_mirror.at(index) : QString();
}

QStringList TextControl::paragraphs() const
{
    return m_mirror.paragraphs();
}

const std::vector<ParagraphMirror::Tag> &TextControl::paragraphTags() const
{
    return m_mirror.tags();
}

void TextControl::setNewParagraphTag(ParagraphMirror::Tag tag)
{
    m_mirror.setNewParagraphTag(tag);
}

QString TextControl::textBefore(int position, int maxLength) const
{
    const QTextDocument &doc = *document();
    const int widgetPosition = positionmap::toWidget(doc, position);
    const QTextBlock block = doc.findBlock(widgetPosition);
    if (maxLength <= 0 || !block.isValid())
        return QString();
    int paragraph = block.blockNumber();
    const int offset = widgetPosition - block.position();
    const int from = std::max(0, offset - maxLength);
    QString before = m_mirror.at(paragraph).mid(from, offset - from);
    // Only as much of each earlier paragraph as still fits is copied.
    while (before.size() < maxLength && paragraph > 0) {
        --paragraph;
        before.prepend(u"\r\n");
        const QString &text = m_mirror.at(paragraph);
        const qsizetype room = maxLength - before.size();
        if (room > 0)
            before.prepend(QStringView(text).right(room));
    }
    return before.right(maxLength);
}

int TextControl::lineCount() const
{
    return m_mirror.count() - (m_mirror.at(m_mirror.count() - 1).isEmpty() ? 1 : 0);
}

QString TextControl::line(int index) const
{
    if (index < 0 || index >= lineCount())
        return QString();
    return m_mirror.at(index);
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

void TextControl::ensureSized() const
{
    QWidget *editor = editorWidget();
    if (isVisible() || editor->size() == size())
        return;
    // A hidden control gets no layout or resize events until it is shown, yet its
    // lines are counted at the size it was given (hidden work controls, and the
    // main text before the window first shows).
    editor->setGeometry(rect());
    // The frame places its viewport; the viewport's resize lays the text out.
    QResizeEvent frameResize(editor->size(), QSize());
    QCoreApplication::sendEvent(editor, &frameResize);
    QWidget *viewport = m_editor->scrollArea()->viewport();
    QResizeEvent viewportResize(viewport->size(), QSize());
    QCoreApplication::sendEvent(viewport, &viewportResize);
}

void TextControl::ensureLaidOut() const
{
    settleMarks();
    ensureSized();
    // The layout works lazily, as far as the view needs; asking for the last
    // paragraph's place makes it finish.
    const QTextDocument *doc = document();
    doc->documentLayout()->blockBoundingRect(doc->lastBlock());
}

LineWrapping TextControl::lineWrapping() const
{
    LineWrapping wrapping;
    wrapping.font = document()->defaultFont();
    wrapping.option = document()->defaultTextOption();
    wrapping.width = m_editor->wrapWidth();
    return wrapping;
}

void TextControl::onWrappingChanged()
{
    if (m_lineCounter)
        m_lineCounter->setWrapping(m_mirror.paragraphs(), lineWrapping());
}

int TextControl::displayLineCount() const
{
    if (m_lineCounter) {
        ensureSized();
        const_cast<TextControl *>(this)->onWrappingChanged();
        const qint64 lines = m_lineCounter->waitForTotal();
        return int(
            std::max<qint64>(lines - (m_mirror.at(m_mirror.count() - 1).isEmpty() ? 1 : 0), 0));
    }
    ensureLaidOut();
    int lines = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines += block.layout()->lineCount();
    if (isEmptyBlock(document()->lastBlock()))
        --lines;
    return std::max(lines, 0);
}

std::optional<int> TextControl::knownDisplayLineCount() const
{
    if (!m_lineCounter)
        return displayLineCount();
    const std::optional<qint64> lines = m_lineCounter->total();
    if (!lines)
        return std::nullopt;
    return int(std::max<qint64>(*lines - (m_mirror.at(m_mirror.count() - 1).isEmpty() ? 1 : 0), 0));
}

void TextControl::scrollLines(int lines)
{
    settleMarks();
    m_editor->scrollByLines(lines);
}

int TextControl::verticalScrollPosition() const
{
    return m_editor->scrollArea()->verticalScrollBar()->value();
}

void TextControl::setVerticalScrollPosition(int position)
{
    if (m_kind == TextKind::Formatted)
        ensureLaidOut();
    m_editor->scrollArea()->verticalScrollBar()->setValue(position);
}

QPoint TextControl::characterPosition(int index) const
{
    settleMarks();
    ensureSized();
    const QTextDocument *doc = document();
    const int position = positionmap::toWidget(*doc, index);
    const QTextBlock block = doc->findBlock(position);
    // The paragraph's place first: it is laid out as it is placed.
    const QRectF place = m_editor->blockRect(block);
    const QTextLayout *layout = block.layout();
    const int inBlock = position - block.position();
    const QTextLine line = layout->lineForTextPosition(inBlock);
    if (!line.isValid())
        return {};
    const QPointF inViewport = place.topLeft() + QPointF(line.cursorToX(inBlock), line.y());
    return m_editor->scrollArea()->viewport()->mapTo(this, inViewport.toPoint());
}

// --- find ---

int TextControl::find(const QString &what, int from, int length, FindFlags flags) const
{
    const qint64 end = length < 0 ? std::numeric_limits<int>::max() : qint64(from) + length;
    return textsearch::findInDocument(*document(), what, from,
                                      int(std::min<qint64>(end, std::numeric_limits<int>::max())),
                                      flags);
}

QList<TextRange> TextControl::findAll(const QString &what, FindFlags flags) const
{
    return textsearch::findAllInParagraphs(m_mirror.paragraphs(), what, flags);
}

int TextControl::countMatches(const QString &what, FindFlags flags) const
{
    return textsearch::countInParagraphs(m_mirror.paragraphs(), what, flags);
}

// --- replacing many ranges ---

void TextControl::replaceRanges(const QList<TextRange> &ranges, const QString &text, int caretAfter)
{
    if (ranges.isEmpty())
        return;
    settleMarks();
    QTextDocument *doc = document();
    const QString widgetText = widgetbreaks::toWidgetBreaks(text);
    const auto count = std::size_t(ranges.size());
    std::vector<int> starts(count);
    std::vector<int> ends(count);
    positionmap::ForwardToWidget toWidget(*doc);
    // A range that holds no break is as long in the widget as in the canonical text.
    bool withinParagraphs = true;
    for (std::size_t i = 0; i < count; ++i) {
        starts[i] = toWidget(ranges[qsizetype(i)].start);
        ends[i] = toWidget(ranges[qsizetype(i)].start + ranges[qsizetype(i)].length);
        withinParagraphs = withinParagraphs && ends[i] - starts[i] == ranges[qsizetype(i)].length;
    }

    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    if (m_kind == TextKind::Uniform && withinParagraphs) {
        replaceParagraphsWhole(cursor, starts, ends, widgetText);
    } else {
        // Last first: the positions before an edit stay as they were.
        for (std::size_t i = count; i-- > 0;) {
            cursor.setPosition(starts[i]);
            cursor.setPosition(ends[i], QTextCursor::KeepAnchor);
            cursor.insertText(widgetText);
        }
    }
    cursor.endEditBlock();

    const std::size_t target =
        caretAfter >= 0 && std::size_t(caretAfter) < count ? std::size_t(caretAfter) : count - 1;
    int caret = starts[target] + int(widgetText.size());
    for (std::size_t i = 0; i < target; ++i)
        caret += int(widgetText.size()) - (ends[i] - starts[i]);
    QTextCursor after(doc);
    after.setPosition(caret);
    m_editor->setTextCursor(after);
}

void TextControl::replaceParagraphsWhole(QTextCursor &cursor, const std::vector<int> &starts,
                                         const std::vector<int> &ends, const QString &text)
{
    // One edit per changed paragraph however many ranges it holds, last paragraph first so
    // the positions before stay as they were.
    const QTextDocument *doc = document();
    std::size_t last = starts.size();
    while (last > 0) {
        const QTextBlock block = doc->findBlock(starts[last - 1]);
        const int blockStart = block.position();
        std::size_t first = last - 1;
        while (first > 0 && starts[first - 1] >= blockStart)
            --first;
        const QString old = block.text();
        QString result;
        result.reserve(old.size() + qsizetype(last - first) * text.size());
        int copied = 0;
        for (std::size_t i = first; i < last; ++i) {
            result += QStringView(old).mid(copied, starts[i] - blockStart - copied);
            result += text;
            copied = ends[i] - blockStart;
        }
        result += QStringView(old).mid(copied);
        cursor.setPosition(blockStart);
        cursor.setPosition(blockStart + int(old.size()), QTextCursor::KeepAnchor);
        cursor.insertText(result);
        last = first;
    }
}

// --- marks ---

void TextControl::addMark(int start, int length, MarkKind kind)
{
    const QTextDocument &doc = *document();
    m_marks->add(positionmap::toWidget(doc, start), positionmap::toWidget(doc, start + length),
                 kind);
}

void TextControl::addMarks(const QList<TextRange> &ranges, MarkKind kind)
{
    positionmap::ForwardToWidget toWidget(*document());
    for (const TextRange &range : ranges) {
        const int start = toWidget(range.start);
        m_marks->add(start, toWidget(range.start + range.length), kind);
    }
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

namespace {

RichFormat richFormat(const CharAttributes &a)
{
    RichFormat format;
    format.family = a.family.value_or(QString());
    format.pointSize = a.pointSize.value_or(12);
    format.colour = a.colour.value_or(Qt::black).rgb() & 0xFFFFFF;
    format.bold = a.bold.value_or(false);
    format.italic = a.italic.value_or(false);
    format.underline = a.underline.value_or(UnderlineStyle::None) != UnderlineStyle::None;
    format.strikeOut = a.strikeOut.value_or(false);
    return format;
}

QTextCharFormat charFormat(const RichFormat &format)
{
    CharAttributes a;
    if (!format.family.isEmpty())
        a.family = format.family;
    a.pointSize = std::clamp<qreal>(format.pointSize, 1, 1638);
    a.colour = QColor(QRgb(format.colour));
    a.bold = format.bold;
    a.italic = format.italic;
    a.underline = format.underline ? UnderlineStyle::Single : UnderlineStyle::None;
    a.strikeOut = format.strikeOut;
    return a.toFormat();
}

} // namespace

RichText TextControl::richText() const
{
    settleMarks();
    const QPalette colours = editorWidget()->palette();
    const QFont font = document()->defaultFont();
    const auto formatOf = [&](const QTextCharFormat &f) {
        return richFormat(CharAttributes::fromFormat(f, font, colours.color(QPalette::Text),
                                                     colours.color(QPalette::Base)));
    };
    RichText out;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        RichFormat last = formatOf(block.charFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            last = formatOf(fragment.charFormat());
            appendRun(out, fragment.text(), last);
        }
        if (block.next().isValid())
            appendRun(out, QStringLiteral("\r\n"), last);
    }
    return out;
}

void TextControl::setRichText(const RichText &text)
{
    const QString widgetText = widgetbreaks::toWidgetBreaks(plainText(text));
    m_replacedCount = m_mirror.count();
    m_mirror.reset(widgetText.split(QLatin1Char('\n')));
    replaceDocumentText(widgetText, [&text](QTextDocument *doc) {
        // The widget keeps one character per break: a LF after a CR (in this run or at the
        // end of the one before) takes no place of its own.
        QTextCursor cursor(doc);
        int position = 0;
        bool afterCr = false;
        for (const RichRun &run : text) {
            int length = 0;
            for (const QChar ch : run.text) {
                if (!(ch == QLatin1Char('\n') && afterCr))
                    ++length;
                afterCr = ch == QLatin1Char('\r');
            }
            cursor.setPosition(position);
            cursor.setPosition(position + length, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(charFormat(run.format));
            position += length;
        }
    });
}

QByteArray TextControl::saveContent() const
{
    if (m_plainTextMode)
        return encodeText(text(), TextFileFormat{}).bytes;
    return writeRtf(richText());
}

void TextControl::loadContent(const QByteArray &bytes)
{
    if (m_plainTextMode)
        setText(decodeText(bytes).text);
    else
        setRichText(readRtf(bytes));
}

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
    QWidget *editor = editorWidget();
    QPalette colours = editor->palette();
    colours.setColor(QPalette::Base, colour);
    editor->setPalette(colours);
}

} // namespace calmdesk
