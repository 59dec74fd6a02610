// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/richtext/richtext.h"
#include "platform/text/charattributes.h"
#include "platform/text/marklayer.h"
#include "platform/text/paragraphmirror.h"
#include "platform/text/textsearch.h"

#include <QTextFormat>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QTextCursor;
class QTextDocument;

namespace calmdesk {

class DisplayLineCounter;
class EditorView;
class MarkOverlay;
struct LineWrapping;

// What a text control holds, which decides the Qt widget inside.
enum class TextKind {
    // Paragraphs and characters with formats of their own (look-up pages, notes).
    Formatted,
    // A whole document in one font, one colour and one paragraph spacing: only the
    // paragraphs in view are laid out, so a novel opens and types as fast as a letter.
    // Character formats of a selection are shown but never change how lines wrap;
    // first-line indents do not apply.
    Uniform,
};

// The text area every part of the program works with. It shows the rest of the
// program the canonical text: one string whose line breaks are CR LF, and positions
// that count a line break as two characters. The widget inside keeps one character
// per break; the control maps between the two.
//
// changed() is emitted synchronously for every change of content or formatting,
// from inside the call that made it (a handler may edit the text again from within
// it). Marks (spelling underlines, find highlights) are a view layer: they never
// raise changed(), never enter the undo history and never change text().
class TextControl : public QWidget
{
    Q_OBJECT

public:
    explicit TextControl(QWidget *parent = nullptr);
    explicit TextControl(TextKind kind, QWidget *parent = nullptr);
    ~TextControl() override;

    TextKind kind() const { return m_kind; }

    // Whole text. Any CR LF, lone CR or lone LF (and U+2028, U+2029) in a set text is
    // a break. Setting clears the undo history and the marks, puts the caret at the
    // start and raises changed() once.
    QString text() const;
    void setText(const QString &text);
    // The same, for text already split into paragraphs (none holds a break), each with
    // a tag carried along by edits (see paragraphTags()); `tags` may be empty.
    void setParagraphs(const QStringList &paragraphs,
                       const std::vector<ParagraphMirror::Tag> &tags = {});
    void clearText();
    bool isEmpty() const;
    int textLength() const;

    // Selection, in canonical positions; the caret is selStart() when nothing is
    // selected. A negative length selects to the end of the text.
    int selStart() const;
    int selLength() const;
    void select(int start, int length);
    void setCaret(int position);
    QString selectedText() const;
    void selectAllText();
    // Inserts at the caret when nothing is selected; the caret ends after the text.
    void replaceSelection(const QString &text);

    void undo();
    void redo();
    bool canUndo() const;
    // True right after an undo (until the next edit): the change was the writer's undo.
    bool canRedo() const;
    void cut();
    void copy();
    void paste();

    // Character format of the selection (or the text typed next at the caret) or of
    // all text.
    void setCharAttributes(const CharAttributes &attributes, FormatScope scope);
    // The attributes of the text typed next at the caret.
    CharAttributes caretAttributes() const;

    // Space after every paragraph, now and later.
    void setParagraphSpaceAfter(int twips);
    int paragraphSpaceAfter() const;
    // First-line indent of the selected paragraphs (and the ones that follow from
    // them) or of all paragraphs.
    void setFirstLineIndent(qreal points, FormatScope scope = FormatScope::Selection);

    // Appends a paragraph at the end in the caret's character and paragraph format;
    // an empty control takes the text as its first paragraph. The caret moves to the
    // end.
    void appendParagraph(const QString &text);

    // Laid-out lines at the current width, not counting an empty last line. Uniform text
    // counts the lines of a long text in the background after it was set or its width or
    // font changed: this waits for that count.
    int displayLineCount() const;
    // The same without waiting: nothing while the background count runs;
    // displayLinesCounted() is emitted when it is done.
    std::optional<int> knownDisplayLineCount() const;

    // Paragraphs: the canonical text is them joined by CR LF, so there is always at
    // least one (an empty text is one empty paragraph, a text ending in a break ends
    // with one). The text of a paragraph holds no break.
    int paragraphCount() const;
    QString paragraphText(int index) const;
    // All paragraphs, shared (no copy is made).
    QStringList paragraphs() const;
    // A tag per paragraph that the control carries along and gives no meaning (a
    // document keeps in it what ended each paragraph in its file). A paragraph keeps
    // its tag while it is edited; of the paragraphs an edit puts in place of others, the
    // last takes the tag of the last one replaced and the others take newParagraphTag.
    const std::vector<ParagraphMirror::Tag> &paragraphTags() const;
    void setNewParagraphTag(ParagraphMirror::Tag tag);

    // Up to `maxLength` characters of the canonical text that end at `position`, read
    // from the paragraphs around it: what a check at the caret needs, without the text.
    QString textBefore(int position, int maxLength) const;

    // Lines are paragraphs.
    int lineCount() const;
    QString line(int index) const;
    void replaceLine(int index, const QString &text);

    // Scrolling: whole laid-out lines (negative = up) and the vertical position.
    void scrollLines(int lines);
    int verticalScrollPosition() const;
    void setVerticalScrollPosition(int position);

    // Top-left of the character at a canonical index, in this control's coordinates.
    QPoint characterPosition(int index) const;

    // First match lying wholly inside [from, from + length) (a negative length
    // searches to the end), as a canonical position, or -1.
    int find(const QString &what, int from, int length, FindFlags flags) const;
    // Every match in the whole text, left to right, none overlapping the one before.
    QList<TextRange> findAll(const QString &what, FindFlags flags) const;
    // How many findAll() would list.
    int countMatches(const QString &what, FindFlags flags) const;
    // Replaces each of `ranges` (sorted, none overlapping another) by `text`, in one edit:
    // one undo step brings all of them back, and the undo history before stays. The caret
    // ends right after the replacement of ranges[caretAfter], or after the last one when
    // caretAfter is out of range. A uniform text whose ranges each lie in one paragraph
    // takes each changed paragraph whole (it carries no formats to keep); otherwise each
    // range is replaced on its own, the formats around it kept.
    void replaceRanges(const QList<TextRange> &ranges, const QString &text, int caretAfter = -1);

    // Marks, in canonical positions.
    void addMark(int start, int length, MarkKind kind);
    // The same for many ranges at once, sorted by their starts.
    void addMarks(const QList<TextRange> &ranges, MarkKind kind);
    void clearMarks(MarkKind kind);
    void clearMarks(int start, int length, MarkKind kind);
    bool hasMark(int position, MarkKind kind) const;
    QList<MarkRange> marks(MarkKind kind) const;
    // Colours of Highlight marks.
    void setHighlightColours(const QColor &text, const QColor &background);

    // The text with its character formats, run by run (breaks CR LF). Setting replaces the
    // content as setText() does, each run in its format over the look of all text.
    RichText richText() const;
    void setRichText(const RichText &text);

    // What loading and saving a file or a stream read and write: RTF in rich-text mode,
    // else the plain text (read as a document is, written as UTF-8 with LF breaks).
    void setPlainTextMode(bool plain);
    bool isPlainTextMode() const;
    QByteArray saveContent() const;
    void loadContent(const QByteArray &bytes);
    // Texts starting with "http://" shown and acting as links.
    void setAddressRecognition(bool on);
    bool addressRecognition() const;

    void setReadOnly(bool readOnly);
    bool isReadOnly() const;
    // The colour behind the text.
    void setPaperColour(const QColor &colour);

signals:
    void changed();
    // Emitted before changed(), for every change of content or format (but the look of
    // all of a uniform text, which no paragraph carries): paragraphs
    // [first, first + added) of the text now stand where `removed` paragraphs stood.
    // The span may be wider than the edit (a format change reports its paragraphs with
    // their text unchanged), never narrower. Handlers must not edit the text: an edit
    // made from inside is not reported.
    void paragraphsChanged(int first, int removed, int added);
    // The background count of display lines is done (Uniform text).
    void displayLinesCounted();
    // Input events, reported before the widget acts on them; setting *handled to
    // true swallows the key, character or wheel turn. A character is reported even
    // when its key was swallowed, as the platform's key and character messages are.
    void keyDown(int key, Qt::KeyboardModifiers modifiers, bool *handled);
    void keyUp(int key, Qt::KeyboardModifiers modifiers, bool *handled);
    void characterTyped(const QString &text, Qt::KeyboardModifiers modifiers, bool *handled);
    void wheelTurned(const QPoint &angleDelta, Qt::KeyboardModifiers modifiers, bool *handled);
    // Mouse events, after the widget has acted on them (a click has moved the caret);
    // positions in this control's coordinates.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &position);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &position);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                    const QPoint &position);
    // No menu of its own is shown.
    void contextMenuRequested(const QPoint &position);
    void focusEntered();
    void focusLeft();

private:
    QTextDocument *document() const;
    QWidget *editorWidget() const;
    void connectEditorEvents();
    void onContentsChanged();
    void onContentsChange(int position, int removed, int added);
    void takeChangedParagraphs(int first, const QStringList &texts);
    void replaceParagraphsWhole(QTextCursor &cursor, const std::vector<int> &starts,
                                const std::vector<int> &ends, const QString &text);
    // `format` runs inside the replacement, before anyone is told of it.
    void replaceDocumentText(const QString &widgetText,
                             const std::function<void(QTextDocument *)> &format = {});
    void setUniformAttributes(const CharAttributes &attributes);
    void mergeCharFormatOfAll(const QTextCharFormat &format);
    void mergeBlockFormatOfAll(const QTextBlockFormat &format);
    void ensureSized() const;
    void ensureLaidOut() const;
    void settleMarks() const;
    LineWrapping lineWrapping() const;
    void onWrappingChanged();
    qreal pointsToPixels(qreal points) const;

    const TextKind m_kind;
    EditorView *m_editor;
    MarkLayer *m_marks;
    MarkOverlay *m_overlay;
    ParagraphMirror m_mirror;
    // Uniform text only.
    DisplayLineCounter *m_lineCounter = nullptr;
    // While the text is replaced as a whole, its paragraphs are known already.
    bool m_replacingAll = false;
    // Formats given to all text, which set and appended text start from.
    QTextCharFormat m_allTextFormat;
    QTextBlockFormat m_allBlocksFormat;
    int m_spaceAfterTwips = 0;
    // Paragraphs before the text is replaced as a whole.
    int m_replacedCount = 1;
    bool m_silent = false;
    bool m_plainTextMode = true;
    bool m_addressRecognition = false;
};

} // namespace calmdesk
