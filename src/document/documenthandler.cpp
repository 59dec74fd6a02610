// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/documenthandler.h"

#include "core/asciitext.h"
#include "document/documentfiles.h"
#include "document/documentmessages.h"
#include "document/documentpresentation.h"
#include "document/filemenu.h"
#include "document/paragraphends.h"
#include "document/referencesfile.h"
#include "document/scratchpadfile.h"
#include "goals/statuspanel.h"
#include "platform/codec/textfilecodec.h"
#include "platform/dialogs/filedialogs.h"
#include "platform/dialogs/messageboxes.h"
#include "platform/shell/urlopener.h"
#include "platform/text/textcontrol.h"

#include <QScopedValueRollback>

namespace calmdesk {

namespace {

// A one-character path cannot name a document beside which companions belong.
constexpr qsizetype kShortestCompanionOwner = 2;

constexpr QChar kSeparator = QLatin1Char('/');

} // namespace

DocumentHandler::DocumentHandler(TextControl *txtMain, StatusPanel *pctStatus,
                                 MessageBoxes &messages, FileDialogs &dialogs, UrlOpener &opener,
                                 QObject *parent)
    : QObject(parent)
    , m_txtMain(txtMain)
    , m_pctStatus(pctStatus)
    , m_messages(messages)
    , m_dialogs(dialogs)
    , m_opener(opener)
    , m_mnuFile(std::make_unique<FileMenu>())
{
    connectFileMenu();
    paintFileLabel();
}

DocumentHandler::~DocumentHandler() = default;

void DocumentHandler::connectFileMenu()
{
    FileMenu *menu = m_mnuFile.get();
    connect(menu->mnuFNew, &QAction::triggered, this, [this] { newDocument(); });
    connect(menu->mnuFOpen, &QAction::triggered, this, [this] { openDocument(); });
    connect(menu->mnuFSave, &QAction::triggered, this, [this] { saveDocument(false); });
    connect(menu->mnuFSaveAs, &QAction::triggered, this, [this] { saveDocument(true); });
    connect(menu->mnuFCloseFile, &QAction::triggered, this, [this] { newDocument(); });
    connect(menu->mnuFExportFile, &QAction::triggered, this, &DocumentHandler::mnuFExportFileClick);
    connect(menu->mnuFReloadFile, &QAction::triggered, this, &DocumentHandler::mnuFReloadFileClick);
    connect(menu->mnuFFolder, &QAction::triggered, this, &DocumentHandler::mnuFFolderClick);
}

FileMenu *DocumentHandler::mnuFile() const
{
    return m_mnuFile.get();
}

void DocumentHandler::setSaved(bool saved)
{
    m_isSaved = saved;
    paintFileLabelColour();
}

void DocumentHandler::markChanged()
{
    if (!m_isSaved)
        return;
    setSaved(false);
}

QString DocumentHandler::backupText() const
{
    return m_backup.paragraphs.join(QStringLiteral("\r\n"));
}

void DocumentHandler::setBackupText(const QString &text)
{
    m_backup = Snapshot{text.split(QStringLiteral("\r\n")), {}};
}

void DocumentHandler::takeBackupPoint()
{
    m_backup = Snapshot{m_txtMain->paragraphs(), m_txtMain->paragraphTags()};
}

void DocumentHandler::swapWithBackupPoint()
{
    Snapshot onScreen{m_txtMain->paragraphs(), m_txtMain->paragraphTags()};
    m_txtMain->setParagraphs(m_backup.paragraphs, m_backup.tags);
    m_txtMain->clearMarks(MarkKind::SpellingError);
    m_backup = std::move(onScreen);
}

void DocumentHandler::setReferences(const QStringList &entries)
{
    m_references = entries;
}

bool DocumentHandler::confirmDiscard()
{
    if (m_isSaved)
        return true;
    switch (m_messages.show(saveConfirmationMessage())) {
    case Answer::Yes:
        return saveDocument(false);
    case Answer::No:
        return true;
    case Answer::Ok:
    case Answer::Cancel:
        break;
    }
    return false;
}

bool DocumentHandler::newDocument()
{
    if (!confirmDiscard())
        return false;
    m_curFile.clear();
    m_format = TextFileFormat();
    m_txtMain->setNewParagraphTag(ParagraphMirror::Tag(ParagraphEnd::None));
    m_references.clear();
    if (m_txtLScr)
        m_txtLScr->clearText();
    m_referencesFormat = TextFileFormat();
    rememberFileOnDisk(FileStamp());
    // Clearing the text reports a change; the document is saved only once it is empty.
    m_txtMain->clearText();
    m_isSaved = true;
    paintFileLabel();
    emit documentCleared();
    return true;
}

bool DocumentHandler::openDocument(const QString &path)
{
    if (!confirmDiscard())
        return false;
    const QString chosen = path.isEmpty() ? m_dialogs.openPath() : path;
    if (chosen.isEmpty())
        return false;
    return loadDocument(chosen);
}

bool DocumentHandler::loadDocument(const QString &chosen)
{
    // Taken before reading: a change made while the file is read is seen as a change.
    const FileStamp stamp = FileStamp::of(chosen);
    // Everything is read before anything is shown, so a failure leaves the editor as it
    // was. A companion that cannot be read fails the open too: saving would replace it.
    const DocumentLoadResult loaded = loadDocumentFile(chosen);
    const ReferencesRead references =
        loaded.status == LoadStatus::Ok ? readReferences(chosen) : ReferencesRead{false, {}, {}};
    const std::optional<QByteArray> notes = readScratchpadFile(scratchpadCompanion(chosen));
    if (loaded.status != LoadStatus::Ok || !references.ok || !notes) {
        m_messages.show(openFailedMessage());
        return false;
    }

    takeBackupPoint();
    // Each paragraph carries what ended it in the file, so a save writes it back as it
    // was; a paragraph made here ends as the file's own line break (None).
    m_txtMain->setNewParagraphTag(ParagraphMirror::Tag(ParagraphEnd::None));
    m_txtMain->setParagraphs(loaded.document.paragraphs, tagsOf(loaded.document.ends));
    m_format = loaded.document.format;
    m_references = references.entries;
    m_referencesFormat = references.format;
    if (m_txtLScr) {
        m_txtLScr->clearText();
        if (!notes->isEmpty())
            m_txtLScr->loadContent(*notes);
    }

    m_isSaved = true;
    m_curFile = chosen;
    rememberFileOnDisk(stamp);
    paintFileLabel();
    emit documentOpened(m_curFile);
    return true;
}

bool DocumentHandler::saveDocument(bool saveAs, SaveKind kind)
{
    if (m_curFile.isEmpty() || saveAs) {
        // The save dialog has asked before a chosen file is replaced.
        const QString chosen = m_dialogs.savePath(m_curFile);
        if (chosen.isEmpty())
            return false;
        m_curFile = chosen;
        paintFileLabel();
    } else if (!mayReplaceFileOnDisk(kind)) {
        return false;
    }
    if (!writeDocumentAndCompanions()) {
        m_messages.show(saveFailedMessage());
        return false;
    }
    // The editor's own write is no change on disk.
    rememberFileOnDisk(FileStamp::of(m_curFile));
    setSaved(true);
    emit documentSaved(m_curFile);
    return true;
}

bool DocumentHandler::mayReplaceFileOnDisk(SaveKind kind)
{
    const FileStamp onDisk = FileStamp::of(m_curFile);
    if (diskChangeTo(onDisk) != DiskChange::Changed)
        return true;
    if (kind == SaveKind::Automatic) {
        // Said once for each change, not at every Enter.
        if (onDisk != m_skipNotedStamp) {
            m_skipNotedStamp = onDisk;
            m_pctStatus->showHelpText(tr("Not auto-saved: the file was changed on disk"));
        }
        return false;
    }
    return m_messages.show(replaceChangedFileMessage(fileNameOf(m_curFile))) == Answer::Yes;
}

void DocumentHandler::rememberFileOnDisk(const FileStamp &stamp)
{
    m_diskStamp = stamp;
    m_toldStamp.reset();
    m_skipNotedStamp.reset();
}

DocumentHandler::DiskChange DocumentHandler::diskChange() const
{
    return diskChangeTo(FileStamp::of(m_curFile));
}

DocumentHandler::DiskChange DocumentHandler::diskChangeTo(const FileStamp &onDisk) const
{
    if (m_curFile.isEmpty() || !m_diskStamp.exists)
        return DiskChange::None;
    if (!onDisk.exists)
        return DiskChange::Removed;
    return onDisk == m_diskStamp ? DiskChange::None : DiskChange::Changed;
}

void DocumentHandler::checkDiskChanges()
{
    if (m_checkingDisk)
        return;
    const FileStamp onDisk = FileStamp::of(m_curFile);
    const DiskChange change = diskChangeTo(onDisk);
    if (change == DiskChange::None || onDisk == m_toldStamp)
        return;
    m_toldStamp = onDisk;
    const QScopedValueRollback<bool> checking(m_checkingDisk, true);
    const QString name = fileNameOf(m_curFile);
    if (change == DiskChange::Changed &&
        m_messages.show(reloadChangedFileMessage(name)) == Answer::Yes) {
        // The text on screen becomes the backup point, so it can still be brought back.
        loadDocument(m_curFile);
        return;
    }
    if (change == DiskChange::Removed)
        m_messages.show(fileRemovedMessage(name));
    // The text on screen is no longer what the file holds: closing asks to save it.
    markChanged();
}

bool DocumentHandler::writeDocumentAndCompanions()
{
    // Written from the paragraphs the control keeps: the text is not copied out of the
    // widget first.
    const TextSaveResult saved = saveDocumentFile(m_curFile, m_txtMain->paragraphs(),
                                                  endsOf(m_txtMain->paragraphTags()), m_format);
    if (!saved.ok)
        return false;
    // Text the old encoding could not hold was written as UTF-8; later saves follow.
    m_format = saved.written;
    return writeCompanionFiles();
}

bool DocumentHandler::writeCompanionFiles()
{
    const TextSaveResult saved = writeReferences(m_curFile, m_references, m_referencesFormat);
    if (!saved.ok)
        return false;
    m_referencesFormat = saved.written;
    if (!m_txtLScr)
        return true;
    return writeScratchpadFile(scratchpadCompanion(m_curFile), m_txtLScr->saveContent(),
                               scratchpadIsBlank(), true);
}

bool DocumentHandler::companionFilesDueAtClose() const
{
    return trimmed(m_curFile).size() >= kShortestCompanionOwner && m_isSaved &&
           (!m_references.isEmpty() || !scratchpadIsBlank());
}

bool DocumentHandler::scratchpadIsBlank() const
{
    return !m_txtLScr || trimmed(m_txtLScr->text()).isEmpty();
}

void DocumentHandler::mnuFReloadFileClick()
{
    if (!trimmed(m_curFile).isEmpty())
        openDocument(m_curFile);
}

void DocumentHandler::mnuFFolderClick()
{
    const QString file = trimmed(m_curFile);
    if (file.isEmpty())
        return;
    QString folder = trimmed(file.left(file.lastIndexOf(kSeparator) + 1));
    if (folder.isEmpty())
        return;
    if (!folder.endsWith(kSeparator))
        folder += kSeparator;
    openFolder(folder, m_opener);
}

void DocumentHandler::mnuFExportFileClick()
{
    emit exportRequested();
}

void DocumentHandler::lblFileMouseUp(Qt::MouseButton button, const QPoint &globalPos)
{
    if (button == Qt::LeftButton) {
        emit recentFilesRequested();
    } else if (button == Qt::RightButton) {
        m_mnuFile->applyEnabling(fileMenuEnabling(m_curFile, m_isSaved));
        m_mnuFile->popup(globalPos);
    }
}

bool DocumentHandler::ensureFileExists(const QString &path)
{
    if (createFileIfMissing(path))
        return true;
    m_messages.show(openFailedMessage());
    return false;
}

void DocumentHandler::paintFileLabel()
{
    m_pctStatus->showFileName(fileLabelCaption(m_curFile), fileLabelHint(m_curFile));
    paintFileLabelColour();
}

void DocumentHandler::paintFileLabelColour()
{
    m_pctStatus->showFileSaved(m_isSaved);
}

} // namespace calmdesk
