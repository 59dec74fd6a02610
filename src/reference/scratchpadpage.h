// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QPushButton;
class QToolBar;
class QWidget;

namespace calmdesk {

class FileDialogs;
class MessageBoxes;
class TextControl;

// What a scratchpad's toolbar does to its selection.
enum class ScratchpadCommand {
    Bold,
    Italic,
    Underline,
    StrikeOut,
    GrowFont,   // 2 points larger, while below 72
    ShrinkFont, // 2 points smaller, while above 6
    StandardText,
    Highlighted, // red
};
void applyScratchpadCommand(TextControl &notes, ScratchpadCommand command);

// A scratchpad page of the writing-tools panel: rich notes with a formatting toolbar, and
// "Insert", "Locate" and "Find" to use the selected notes in the document. The notes page
// (global) also takes Ctrl+B, I, U and M, and gives pasted text the notes' font.
class ScratchpadPage : public QObject
{
    Q_OBJECT

public:
    enum class Kind { Global, Document };

    // Import and export ask for their files through `dialogs` and tell failures in
    // `messages`; both outlive the page.
    ScratchpadPage(QWidget *page, Kind kind, FileDialogs &dialogs, MessageBoxes &messages,
                   QObject *parent = nullptr);

    TextControl *notes() const { return m_notes; }
    // The notes as the file keeps them (RTF), and back.
    QByteArray content() const;
    void setContent(const QByteArray &rtf);
    // Trimmed, the notes hold no text.
    bool isBlank() const;

    // "Import Notes": the chosen file replaces the notes, as rich text when it is RTF and
    // as plain text otherwise. A file that cannot be read leaves the notes as they were.
    void importNotes();
    // "Export notes": rich text with the first entry of the dialog, plain text with the
    // others, whatever the name's extension.
    void exportNotes();

signals:
    // "Insert": the trimmed selection goes into the document.
    void insertRequested(const QString &text);
    // "Locate" and "Find": the selection looked for in the document.
    void locateRequested(const QString &text);
    void findRequested(const QString &text);
    // Typing in the notes counts as writing for the writing timer.
    void typed();

private:
    void addCommand(QToolBar *bar, const QString &symbol, const QString &hint,
                    ScratchpadCommand command);
    void keyUp(int key, Qt::KeyboardModifiers modifiers, bool *handled);
    QString selectedTrimmed() const;

    Kind m_kind;
    FileDialogs &m_dialogs;
    MessageBoxes &m_messages;
    TextControl *m_notes;
};

} // namespace calmdesk
