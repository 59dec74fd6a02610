// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/filestamp.h"
#include "platform/codec/textfiletypes.h"
#include "platform/text/paragraphmirror.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

class QPoint;

namespace calmdesk {

class FileDialogs;
class FileMenu;
class MessageBoxes;
class StatusPanel;
class TextControl;
class UrlOpener;

// The current document: its state, the commands New, Open, Save, Save As, Reload,
// Close File and Open Containing Folder, the save question, the document's name in the
// status line and its file menu. The window owns the widgets and hands them in.
//
class DocumentHandler : public QObject
{
    Q_OBJECT

public:
    DocumentHandler(TextControl *txtMain, StatusPanel *pctStatus, MessageBoxes &messages,
                    FileDialogs &dialogs, UrlOpener &opener, QObject *parent = nullptr);
    ~DocumentHandler() override;

    // Full path as given when opened or chosen; empty for an untitled document.
    QString curFile() const { return m_curFile; }
    // True when there are no unsaved changes.
    bool isSaved() const { return m_isSaved; }
    // Sets the state and shows it in the status line (start-up marks the new document
    // saved once the settings have been applied).
    void setSaved(bool saved);
    // The text changed: unsaved, label lime. Cheap when already unsaved, as it is
    // called for every keystroke.
    void markChanged();

    // The backup point; an open stores the text it replaces here. It is kept as the
    // control's paragraphs, shared, so taking one at every Enter costs nothing on a novel.
    QString backupText() const;
    void setBackupText(const QString &text);
    // Copies the text on screen into the backup point.
    void takeBackupPoint();
    // The text on screen and the backup point change places (the spelling marks go), so
    // a second restore brings the text back.
    void swapWithBackupPoint();

    // How the document is stored on disk; a save writes it back in this form.
    TextFileFormat format() const { return m_format; }

    // The document's notes, kept in its "-Scratchpad.rtf" companion: read at an open,
    // written (or removed when blank) at a save, emptied by New.
    void setScratchpad(TextControl *txtLScr) { m_txtLScr = txtLScr; }

    // The document's web history entries, kept in its "-References.txt" companion.
    QStringList references() const { return m_references; }
    void setReferences(const QStringList &entries);

    FileMenu *mnuFile() const;

    // The save question when there are unsaved changes. True = go on (saved, or the
    // writer chose to drop the changes); false = stop.
    bool confirmDiscard();
    // An untitled, empty, saved document. False when the save question stopped it.
    bool newDocument();
    // Opens `path` as typed (no case or separator clean-up), or asks for one when it is
    // empty. A failed open changes nothing.
    bool openDocument(const QString &path = QString());
    // Writes the text and the companion; asks for a name when untitled or `saveAs`.
    // After a name was chosen the document keeps it even when the write fails.
    // A file another program changed since it was opened or saved is replaced only when
    // the writer agrees; an automatic save skips it instead and says so once.
    enum class SaveKind { ByWriter, Automatic };
    bool saveDocument(bool saveAs, SaveKind kind = SaveKind::ByWriter);

    // What happened to the document's file on disk since it was opened or last saved.
    enum class DiskChange { None, Changed, Removed };
    DiskChange diskChange() const;
    // The editor has the focus again: a change on disk not yet told is told now, and the
    // writer chooses between the file and the text on screen.
    void checkDiskChanges();

    void mnuFReloadFileClick();
    void mnuFFolderClick();
    void mnuFExportFileClick();
    // Right button: the file menu at `globalPos`, its items set for the current state.
    // Left button: recentFilesRequested().
    void lblFileMouseUp(Qt::MouseButton button, const QPoint &globalPos);

    // Creates an empty file when none exists; the open failure message when that fails.
    bool ensureFileExists(const QString &path);

    // The companion step of a save: the web history companion written, or removed
    // when there are no entries. No message; false when writing failed.
    bool writeCompanionFiles();
    // Whether closing the editor should run writeCompanionFiles(): a named document
    // without unsaved changes that has something to keep beside it.
    bool companionFilesDueAtClose() const;

signals:
    // After newDocument has reset the state and the label: the window resets the
    // writing timer and loads the untitled document's limits.
    void documentCleared();
    // After a successful open has set the state and the label: the window adds the
    // path to the recent files, restarts the ten-minute backup timer, loads the limits.
    void documentOpened(const QString &path);
    // After a successful save has set the state and painted the label: the window adds
    // the path to the recent files, resets the writing timer, stores the limits.
    void documentSaved(const QString &path);
    // "&Export File..." was chosen.
    void exportRequested();
    // Left click on the file label: the recent-files menu (when the setting shows it).
    void recentFilesRequested();

private:
    void connectFileMenu();
    void paintFileLabel();
    void paintFileLabelColour();
    bool writeDocumentAndCompanions();
    bool loadDocument(const QString &path);
    bool mayReplaceFileOnDisk(SaveKind kind);
    void rememberFileOnDisk(const FileStamp &stamp);
    // The change that the file as it stands (`onDisk`, read once) is to the one remembered.
    DiskChange diskChangeTo(const FileStamp &onDisk) const;
    bool scratchpadIsBlank() const;

    TextControl *m_txtMain;
    TextControl *m_txtLScr = nullptr;
    StatusPanel *m_pctStatus;
    MessageBoxes &m_messages;
    FileDialogs &m_dialogs;
    UrlOpener &m_opener;
    std::unique_ptr<FileMenu> m_mnuFile;

    QString m_curFile;
    bool m_isSaved = true;
    struct Snapshot
    {
        QStringList paragraphs{QString()};
        std::vector<ParagraphMirror::Tag> tags;
    };
    Snapshot m_backup;
    // The file as the editor last read or wrote it, and the last change of it the writer
    // was told of (asked at the focus, or noted when an automatic save skipped it).
    FileStamp m_diskStamp;
    std::optional<FileStamp> m_toldStamp;
    std::optional<FileStamp> m_skipNotedStamp;
    bool m_checkingDisk = false;
    TextFileFormat m_format;
    QStringList m_references;
    TextFileFormat m_referencesFormat;
};

} // namespace calmdesk
