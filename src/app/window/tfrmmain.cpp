// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/tfrmmain.h"

#include "aids/autocorrect.h"
#include "aids/autotextpanel.h"
#include "aids/spelling/spelling.h"
#include "app/entry/appinfo.h"
#include "app/entry/programicon.h"
#include "app/entry/startupplan.h"
#include "app/find/findreplace.h"
#include "app/help/tfrmhelp.h"
#include "app/keys/datetimeinsert.h"
#include "app/keys/editmenu.h"
#include "app/keys/keycommands.h"
#include "app/keys/textkeys.h"
#include "app/layout/edgepanels.h"
#include "app/layout/focuslock.h"
#include "app/layout/screens.h"
#include "app/layout/staysontop.h"
#include "app/layout/toolspanel.h"
#include "app/layout/toolspaneldock.h"
#include "app/layout/topbar.h"
#include "app/layout/windowlayout.h"
#include "app/window/keypreview.h"
#include "app/window/openboxes.h"
#include "app/window/recentfilespopup.h"
#include "app/window/trayicon.h"
#include "core/asciitext.h"
#include "diary/diary.h"
#include "document/crashrecovery.h"
#include "document/documentfiles.h"
#include "document/documenthandler.h"
#include "document/documentmessages.h"
#include "document/export/exportdispatcher.h"
#include "document/export/exportsettings.h"
#include "document/recoveryfile.h"
#include "document/safetynets.h"
#include "document/scratchpadfile.h"
#include "goals/goalscontroller.h"
#include "goals/statuspanel.h"
#include "platform/shell/urlopener.h"
#include "platform/store/settingsstore.h"
#include "platform/text/textcontrol.h"
#include "reference/browserpage.h"
#include "reference/referencespage.h"
#include "reference/scratchpadpage.h"
#include "reference/webviewloader.h"
#include "settings/options/tfrmoptions.h"
#include "settings/settingsio.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace calmdesk {

namespace {

const QColor kCreationTextColour(244, 130, 6);

} // namespace

TfrmMain::TfrmMain(const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_services(services)
    , txtMain(new TextControl(TextKind::Uniform, this))
    , pctStatus(new StatusPanel(this))
    // Before anything else listens to the typed characters, so the activity is noted first.
    , m_goals(new GoalsController(txtMain, pctStatus, services.store, nullptr, this))
    , m_document(new DocumentHandler(txtMain, pctStatus, services.messages, services.dialogs,
                                     services.opener, this))
    , m_safety(new SafetyNets(
          m_document, pctStatus, services.messages,
          [this](bool withSeconds) { return autoSaveTime(withSeconds); }, this))
    , m_recovery(new CrashRecovery(txtMain, RecoveryFile::defaultPath(), this))
    , m_tray(new TrayIcon(this))
    , m_keyPreview(new KeyPreview(this))
    , m_textKeys(new TextKeys(
          txtMain, QGuiApplication::clipboard(), [this] { return m_settings.formats; }, this))
    , mnuEdit(new EditMenu(this))
    , m_edges(new EdgePanels(this, txtMain, pctStatus))
    , m_recent(new RecentFilesPopup(this, m_document, pctStatus, m_edges, services.store,
                                    settingsRoot(), [this] { return m_settings.showmru; }))
    , pctDict(new ToolsPanel(this))
    , m_dock(new ToolsPanelDock(
          this, pctDict, [this] { layoutWindow(); }, [this] { return m_monitorIndex; }))
    , m_focusLock(new FocusLock(this, pctStatus, [this] { return m_keepOnTop; }))
    , reCopy(new TextControl(this))
    , m_export(new ExportDispatcher(
          [this] { return exportSource(m_settings, txtMain->text(), m_document->curFile()); },
          services.messages, services.dialogs, this))
    , m_autoCorrect(new AutoCorrect(txtMain, mnuEdit->mnuAC, this))
    , pctAT(new AutoTextPanel(txtMain, this))
    , m_references(new ReferencesPage(pctDict->pctRefs, this))
    , m_notes(new ScratchpadPage(pctDict->pctGScr, ScratchpadPage::Kind::Global, services.dialogs,
                                 services.messages, this))
    , m_documentNotes(new ScratchpadPage(pctDict->pctLScr, ScratchpadPage::Kind::Document,
                                         services.dialogs, services.messages, this))
    , m_browser(new BrowserPage(pctDict->pctIE, loadWebViewFactory, this))
    , m_find(new FindReplace(txtMain, pctStatus, m_settings, this))
    , m_spelling(new Spelling(
          Spelling::Parts{this, txtMain, mnuEdit, pctStatus, m_goals, services.messages,
                          [this] { return m_settings.spelltype; }, [this] { return m_startHidden; },
                          [this] {
                              if (isMinimized() || m_startHidden)
                                  hideToTray();
                          }},
          this))
    , m_timeFormats(std::make_unique<TimeFormats>())
    , m_wheel(std::make_unique<WheelNotches>())
{
    setObjectName(QStringLiteral("TfrmMain"));
    setWindowTitle(programName());
    setWindowIcon(programIcon());
    setAutoFillBackground(true);

    txtMain->setObjectName(QStringLiteral("txtMain"));
    txtMain->setAccessibleName(tr("Document text"));
    pctStatus->hide();
    pctDict->hide();
    // A second, disabled copy of the text, kept off screen for the exports.
    reCopy->setObjectName(QStringLiteral("reCopy"));
    reCopy->setReadOnly(true);
    reCopy->setEnabled(false);
    mnuEdit->bindTextCommands(txtMain, QGuiApplication::clipboard());

    connectGoals();
    connectEdges();
    connectSafetyNets();
    connectWritingAids();
    connectReferences();
    connectScratchpads();
    connectBrowser();
    connectDiary();
    connect(m_document, &DocumentHandler::documentOpened, m_recent, &RecentFilesPopup::addMRU);
    connect(m_document, &DocumentHandler::documentSaved, m_recent, &RecentFilesPopup::addMRU);
    connect(m_document, &DocumentHandler::exportRequested, m_export, &ExportDispatcher::exportFile);
    connect(m_document, &DocumentHandler::recentFilesRequested, m_recent,
            &RecentFilesPopup::lblFileClick);
    connect(m_recent, &RecentFilesPopup::exitRequested, this, &QWidget::close);
    connect(m_dock, &ToolsPanelDock::closed, txtMain, [this] { txtMain->setFocus(); });
    m_keyPreview->watchDetachable(pctDict);
    connect(m_keyPreview, &KeyPreview::keyReleased, this, &TfrmMain::FormKeyUp);
    connect(m_tray, &TrayIcon::showEditorRequested, this, &TfrmMain::showFromTray);
    connect(m_tray, &TrayIcon::closeEditorRequested, this, &TfrmMain::requestClose);
    connect(this, &TfrmMain::closed, m_spelling, &Spelling::appClosing);
    connectScreens();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::connectGoals()
{
    m_goals->setCurFileSource([this] { return m_document->curFile(); });
    connect(txtMain, &TextControl::changed, m_goals, &GoalsController::txtMainChange);
    connect(m_goals, &GoalsController::textEdited, m_document, &DocumentHandler::markChanged);

    connect(m_document, &DocumentHandler::documentCleared, m_goals, [this] {
        m_goals->resetWritingTimer();
        m_goals->loadLimits();
    });
    connect(m_document, &DocumentHandler::documentOpened, m_goals, &GoalsController::loadLimits);
    connect(m_document, &DocumentHandler::documentSaved, m_goals, [this] {
        m_goals->resetWritingTimer();
        m_goals->saveLimits();
    });

    connect(pctStatus, &StatusPanel::fileLabelMouseUp, this,
            [this](Qt::MouseButton button, const QPoint &) { popUpFileMenu(button); });
}

void TfrmMain::popUpFileMenu(Qt::MouseButton button)
{
    m_document->lblFileMouseUp(button, pctStatus->fileMenuPosition());
}

void TfrmMain::connectEdges()
{
    WindowButtons *buttons = m_edges->buttons();
    connect(buttons, &WindowButtons::minimizeRequested, this, &TfrmMain::hideToTray);
    connect(buttons, &WindowButtons::screenHalfRequested, this, &TfrmMain::setScreenHalf);
    connect(buttons, &WindowButtons::closeRequested, this, &QWidget::close);

    connect(txtMain, &TextControl::wheelTurned, this,
            [this](const QPoint &delta, Qt::KeyboardModifiers, bool *handled) {
                // Three whole lines a notch, however the desktop sets its wheel.
                txtMain->scrollLines(m_wheel->linesFor(delta.y()));
                *handled = true;
            });
    connect(txtMain, &TextControl::contextMenuRequested, this,
            [this](const QPoint &position) { mnuEdit->popup(txtMain->mapToGlobal(position)); });
    connect(pctStatus, &StatusPanel::helpLabelClicked, this, &TfrmMain::showHelp);
}

void TfrmMain::connectSafetyNets()
{
    connect(mnuEdit->mnuSaveRestore, &QAction::triggered, m_safety,
            &SafetyNets::mnuSaveRestoreClick);
    connect(mnuEdit->mnuRestore, &QAction::triggered, m_safety, &SafetyNets::mnuRestoreClick);
    connect(m_textKeys, &TextKeys::paragraphEnding, m_safety, &SafetyNets::paragraphEnding);
    connect(m_textKeys, &TextKeys::paragraphEnded, m_recovery, &CrashRecovery::writeCopy);
    connect(m_document, &DocumentHandler::documentOpened, m_safety,
            &SafetyNets::restartTimedActions);
}

void TfrmMain::connectWritingAids()
{
    connect(m_goals, &GoalsController::autoCorrectRequested, m_autoCorrect,
            &AutoCorrect::editAutoCorrect);
    connect(mnuEdit->mnuAC, &QAction::triggered, m_autoCorrect, &AutoCorrect::mnuACClick);
    connect(m_autoCorrect, &AutoCorrect::beepRequested, this, [] { QApplication::beep(); });
    // A Replace All leaves the caret after a replacement: that is no word typed there.
    connect(m_find, &FindReplace::replaceAllStarted, m_autoCorrect,
            [this] { m_autoCorrect->setSuspended(true); });
    connect(m_find, &FindReplace::replaceAllFinished, m_autoCorrect,
            [this] { m_autoCorrect->setSuspended(false); });
}

void TfrmMain::connectReferences()
{
    // A look-up shows its page in the tools panel, and the diary panel makes way for it.
    connect(m_references, &ReferencesPage::showRequested, this, [this] {
        m_dock->showPage(int(ToolsPage::References));
        m_diary->hidePanel();
    });
    connect(m_references, &ReferencesPage::insertRequested, txtMain,
            &TextControl::replaceSelection);
    connect(m_references, &ReferencesPage::openAddressRequested, this,
            [this](const QString &address) { m_services.opener.open(QUrl(address)); });
    connect(mnuEdit->mnuRefs, &QAction::triggered, this,
            [this] { m_references->lookUpIn(*txtMain, true); });
    connect(txtMain, &TextControl::mouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &) {
                if (button == Qt::LeftButton && modifiers.testFlag(Qt::AltModifier))
                    m_references->lookUpIn(*txtMain, false);
            });
}

void TfrmMain::connectScratchpads()
{
    m_document->setScratchpad(m_documentNotes->notes());
    for (ScratchpadPage *page : {m_notes, m_documentNotes}) {
        connect(page, &ScratchpadPage::insertRequested, txtMain, &TextControl::replaceSelection);
        connect(page, &ScratchpadPage::locateRequested, m_find,
                [this](const QString &text) { m_find->highlightWord(text); });
        connect(page, &ScratchpadPage::findRequested, m_find, &FindReplace::findText);
    }
    // Writing notes is writing: the writing timer keeps running.
    connect(m_notes, &ScratchpadPage::typed, m_goals, &GoalsController::markActivity);
}

void TfrmMain::connectBrowser()
{
    // The history list is the open document's: it comes and goes with it.
    const auto showDocumentsList = [this] {
        m_browser->setEntries(m_document->references());
    };
    connect(m_document, &DocumentHandler::documentOpened, m_browser, showDocumentsList);
    connect(m_document, &DocumentHandler::documentCleared, m_browser, showDocumentsList);
    connect(m_browser, &BrowserPage::entriesChanged, m_document, &DocumentHandler::setReferences);
    connect(m_browser, &BrowserPage::insertRequested, txtMain, &TextControl::replaceSelection);
    connect(m_browser, &BrowserPage::collapseSelectionRequested, txtMain,
            [this] { txtMain->select(txtMain->selStart(), 0); });
    connect(m_browser, &BrowserPage::appendListRequested, txtMain,
            [this](const QStringList &entries) {
                txtMain->appendParagraph(QString());
                for (const QString &entry : entries)
                    txtMain->appendParagraph(entry);
            });
    connect(m_browser, &BrowserPage::openAddressRequested, this,
            [this](const QString &address) { m_services.opener.open(QUrl(address)); });
}

void TfrmMain::connectDiary()
{
    m_diary = new Diary({this, txtMain, pctStatus, pctDict, m_document,
                         [this] { return m_settings.diaryDir; }, systemClock()},
                        this);
}

void TfrmMain::loadGlobalNotes()
{
    m_notes->notes()->clearText();
    const std::optional<QByteArray> rtf =
        readScratchpadFile(globalScratchpadPath(m_settings.diaryDir));
    if (rtf && !rtf->isEmpty())
        m_notes->setContent(*rtf);
}

void TfrmMain::saveGlobalNotes()
{
    // Always written, blank or not; notes that cannot be written are let go.
    if (!writeScratchpadFile(globalScratchpadPath(m_settings.diaryDir), m_notes->content(),
                             m_notes->isBlank(), false))
        m_notes->notes()->clearText();
}

QString TfrmMain::autoSaveTime(bool withSeconds)
{
    // The note's form becomes the program's long time format, which F5 uses too.
    m_timeFormats->setLongTimeForm(withSeconds ? LongTimeForm::HoursMinutesSeconds
                                               : LongTimeForm::HoursMinutes);
    return m_timeFormats->formatLongTime(systemClock()().time());
}

void TfrmMain::setScreenHalf(int half)
{
    m_screenHalf = half;
    layoutWindow();
}

void TfrmMain::toggleKeepOnTop()
{
    m_keepOnTop = !m_keepOnTop;
    // The focus lock keeps the window on top while it is on, whatever Ctrl+K says.
    setStaysOnTop(this, m_keepOnTop || m_focusLock->isLocked());
    raise();
    activateWindow();
}

void TfrmMain::moveToNextMonitor()
{
    m_monitorIndex = nextMonitor(m_monitorIndex, int(QGuiApplication::screens().size()));
    // A detached panel moves on to the monitor after the editor's.
    if (m_dock->isFloating())
        m_dock->detach();
    applySettings();
    layoutWindow();
}

void TfrmMain::showHelp()
{
    TfrmHelp::showHelp(this, m_services.opener);
}

void TfrmMain::insertDateTime(bool named)
{
    calmdesk::insertDateTime(*txtMain, named ? DateForm::Named : DateForm::Numeric, *m_timeFormats,
                             systemClock(), QLocale::system());
}

void TfrmMain::relayoutForDesktop()
{
    // A desktop change reaches every widget in turn; the layout runs once, after them all.
    if (m_relayoutQueued)
        return;
    m_relayoutQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_relayoutQueued = false;
        layoutWindow();
    });
}

void TfrmMain::connectScreens()
{
    // A monitor added, removed or changed re-runs the layout.
    const auto relayout = [this] {
        layoutWindow();
    };
    const auto watch = [this, relayout](QScreen *screen) {
        connect(screen, &QScreen::geometryChanged, this, relayout);
    };
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [watch, relayout](QScreen *screen) {
        watch(screen);
        relayout();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, relayout);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, relayout);
}

void TfrmMain::FormCreate(const QStringList &arguments)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());

    // Both are set again from the settings below.
    CharAttributes colour;
    colour.colour = kCreationTextColour;
    txtMain->setCharAttributes(colour, FormatScope::AllText);
    txtMain->setParagraphSpaceAfter(Settings::kParagraphSpacingTwips);

    m_tray->show();

    m_document->newDocument();
    m_recent->loadMRU();
    m_references->loadReferenceSources(m_services.store, settingsRoot());
    loadSettings();
    applySettings();
    m_document->setSaved(true);
    m_spelling->startLoadTimer();

    // A copy of the text left by an abnormal end takes the untitled document's place, and
    // neither the command line's file nor the first document replaces it.
    const bool recovered = m_recovery->restoreAtStart();
    // The command line is read now, as it decides whether the window shows; the document
    // it names is opened once the window is on screen, so the writer sees the editor at
    // once and a novel loads into it.
    CommandLineDocument fromCommandLine;
    if (!recovered) {
        fromCommandLine = examineCommandLine(
            arguments, [](const QString &path) { return QFileInfo(path).isFile(); });
        m_startHidden = fromCommandLine.startHidden;
    }

    if (!m_startHidden) {
        show();
        activateWhenExposed();
        txtMain->setFocus();
    } else {
        hideToTray();
    }
    // Once, at start-up: a settings file set aside, or one whose changes will not be kept.
    for (const Message &notice : m_services.storeNotices)
        m_services.messages.show(notice);
    if (recovered)
        m_services.messages.show(recoveredTextMessage());
    loadGlobalNotes();

    layoutWindow();
    txtMain->clearMarks(MarkKind::SpellingError);

    if (isMinimized())
        hideToTray();

    whenOnScreen(
        [this, recovered, path = fromCommandLine.path] { openStartDocument(recovered, path); });
}

void TfrmMain::openStartDocument(bool recovered, const QString &commandLinePath)
{
    if (!m_appClosing && !recovered) {
        if (!commandLinePath.isEmpty()) {
            // A relative name is the starting folder's; the document keeps its full path.
            m_document->openDocument(QFileInfo(commandLinePath).absoluteFilePath());
        } else {
            openFirstDocument();
        }
    }
    m_startupFinished = true;
    emit startupFinished();
}

void TfrmMain::whenOnScreen(std::function<void()> action)
{
    QWindow *handle = windowHandle();
    if (isVisible() && handle && !handle->isExposed()) {
        m_onExposed.push_back(std::move(action));
        handle->installEventFilter(this);
        return;
    }
    // Shown already, or kept in the tray: after the calls queued so far.
    QTimer::singleShot(0, this, std::move(action));
}

void TfrmMain::activateWhenExposed()
{
    // The window can take the keyboard only once the display shows it; asking earlier is
    // ignored where no window manager hands the focus over.
    QWindow *handle = windowHandle();
    if (handle && handle->isExposed()) {
        activateWindow();
        return;
    }
    m_activateOnExpose = true;
    if (handle)
        handle->installEventFilter(this);
}

void TfrmMain::openFirstDocument()
{
    FirstDocumentInputs in;
    in.openlst = m_settings.openlst;
    in.lastKnown =
        m_services.store.regReadString(generalKey(settingsRoot()), QStringLiteral("lastknonw"));
    in.diaryDir = m_settings.diaryDir;
    in.today = systemClock()().date();
    in.fileExists = [](const QString &path) {
        return QFileInfo(path).isFile();
    };
    in.findNewestFile = findNewestFile;
    const FirstDocument first = chooseFirstDocument(in);
    if (first.path.isEmpty())
        return;
    if (first.createIfMissing)
        m_document->ensureFileExists(first.path);
    m_document->openDocument(first.path);
}

void TfrmMain::loadSettings()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_settings = calmdesk::loadSettings(m_services.store, settingsRoot(), m_services.dataHome);
    m_goals->loadLimits();
    QGuiApplication::restoreOverrideCursor();
}

void TfrmMain::applySettings()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const Settings &s = m_settings;

    QFont font(s.txtfont);
    font.setPointSize(s.txtsize);
    font.setBold(s.txtbold);
    font.setItalic(s.txtital);
    txtMain->setFont(font);
    CharAttributes look;
    look.family = s.txtfont;
    look.pointSize = s.txtsize;
    look.colour = s.txtfore;
    look.bold = s.txtbold;
    look.italic = s.txtital;
    txtMain->setCharAttributes(look, FormatScope::AllText);

    const QColor &background = s.txtback;
    txtMain->setPaperColour(background);
    m_edges->setCoverColour(background);
    m_edges->setModes(s.show_status, s.scrollbar);
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);

    txtMain->setParagraphSpaceAfter(s.txtpara ? Settings::kParagraphSpacingTwips : 0);

    // Counts, the writing timer, the alarm and which status labels show.
    m_goals->applySettings(s);
    m_safety->applySettings(s);
    m_autoCorrect->setRules(s.acFind, s.acReplace);
    pctDict->tabTools->setTabVisible(pctDict->tabTools->indexOf(pctDict->pctLScr), s.use_scratch);
    pctAT->setWords(s.atWords);

    layoutWindow();
    m_goals->updateStatus();
    txtMain->clearMarks(MarkKind::SpellingError);
    QGuiApplication::restoreOverrideCursor();
}

OptionsContext TfrmMain::optionsContext()
{
    return OptionsContext{
        m_services.store,
        settingsRoot(),
        m_settings,
        m_goals->limits(),
        m_document->curFile(),
        systemClock()().date(),
        m_desktop,
        QCoreApplication::applicationFilePath(),
        m_services.messages,
        [this](const DocumentLimits &limits) {
            m_goals->setLimits(limits);
            m_goals->saveLimits();
        },
        [this](const Settings &settings) {
            m_settings = settings;
            applySettings();
        },
        [this] {
            loadSettings();
            applySettings();
        },
        [this](const QString &current) {
            return QFileDialog::getExistingDirectory(
                this, tr("Select") + QChar(0x00A0) + tr("Diary Files Location"), current);
        },
        [this](const QFont &current) -> std::optional<QFont> {
            bool ok = false;
            const QFont font =
                QFontDialog::getFont(&ok, current, this, QString(), QFontDialog::MonospacedFonts);
            return ok ? std::optional<QFont>(font) : std::nullopt;
        },
        [this](const QColor &current) -> std::optional<QColor> {
            const QColor colour = QColorDialog::getColor(current, this);
            return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
        }};
}

void TfrmMain::showOptions(int page)
{
    TfrmOptions dialog(optionsContext(), page, this);
    dialog.exec();
}

LayoutState TfrmMain::layoutState() const
{
    LayoutState state;
    state.widthSetting = m_settings.width;
    state.showStatus = m_settings.show_status;
    state.scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    state.panelWidth = m_dock->dockedWidth();
    state.panelPinned = m_dock->isPinned();
    state.panelFloating = m_dock->isFloating();
    state.cronVisible = pctStatus->isTimerVisible();
    state.cronWidth = pctStatus->timerWidth();
    return state;
}

void TfrmMain::layoutWindow()
{
    const WindowLayout layout = computeWindowLayout(screenGeometries(), m_monitorIndex,
                                                    ScreenHalf(m_screenHalf), layoutState());
    m_monitorIndex = layout.monitorIndex;
    if (geometry() != layout.window)
        setGeometry(layout.window);
    placeComponents(layout);
}

void TfrmMain::placeComponents(const WindowLayout &layout)
{
    txtMain->setGeometry(layout.txtMain);
    reCopy->setGeometry(layout.reCopy);
    pctStatus->setGeometry(layout.statusLine.status);
    m_edges->place(layout);
    if (!m_dock->isFloating()) {
        pctDict->setGeometry(layout.pctDict);
        pctDict->raise();
    }
    pctStatus->raise();
}

void TfrmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeComponents(layoutInside(size(), layoutState()));
}

void TfrmMain::FormKeyUp(int key, Qt::KeyboardModifiers modifiers)
{
    for (WindowCommand command : windowCommandsForKey(key, modifiers))
        runCommand(command);
}

void TfrmMain::runCommand(WindowCommand command)
{
    switch (command) {
    case WindowCommand::NewDocument:
        m_document->newDocument();
        break;
    case WindowCommand::OpenDocument:
        m_document->openDocument();
        break;
    case WindowCommand::SaveDocument:
        m_document->saveDocument(false);
        break;
    case WindowCommand::SaveDocumentAs:
        m_document->saveDocument(true);
        break;
    case WindowCommand::HideToTray:
        hideToTray();
        break;
    case WindowCommand::CloseEditor:
        close();
        break;
    case WindowCommand::FullScreen:
        setScreenHalf(int(ScreenHalf::Full));
        break;
    case WindowCommand::SwapScreenHalf:
        if (m_screenHalf >= 1)
            setScreenHalf(int(swappedScreenHalf(ScreenHalf(m_screenHalf))));
        break;
    case WindowCommand::NextMonitor:
        moveToNextMonitor();
        break;
    case WindowCommand::ToggleKeepOnTop:
        toggleKeepOnTop();
        break;
    case WindowCommand::ShowBrowser:
        m_dock->showPage(int(ToolsPage::Internet));
        m_browser->focusView();
        break;
    case WindowCommand::ShowGlobalScratchpad:
        m_dock->showPage(int(ToolsPage::Notes));
        m_notes->notes()->setFocus();
        break;
    case WindowCommand::ShowDocumentScratchpad:
        m_dock->showPage(int(ToolsPage::Scratchpad));
        m_documentNotes->notes()->setFocus();
        break;
    case WindowCommand::CloseToolsPanel:
        m_dock->closePanel();
        break;
    case WindowCommand::InsertLongDateTime:
        insertDateTime(true);
        break;
    case WindowCommand::InsertShortDateTime:
        insertDateTime(false);
        break;
    case WindowCommand::ShowHelp:
        showHelp();
        break;
    case WindowCommand::ShowOptions:
        showOptions(TfrmOptions::Profiles);
        break;
    case WindowCommand::AutoText:
        if (m_settings.txttext)
            pctAT->editAutoText();
        break;
    case WindowCommand::ExportDocument:
        m_export->exportFile();
        break;
    case WindowCommand::RecentFilesMenu:
        m_recent->showFromKeyboard();
        break;
    case WindowCommand::FindDialog:
        m_find->showFindDialog();
        break;
    case WindowCommand::ReplaceDialog:
        m_find->showReplaceDialog();
        break;
    case WindowCommand::FindNext:
        m_find->findNext();
        break;
    case WindowCommand::SpellingCheck:
        m_spelling->checkWholeText();
        break;
    default:
        // Commands of features still to come.
        break;
    }
}

void TfrmMain::bringToFront()
{
    showNormal();
    raise();
    activateWindow();
}

void TfrmMain::onOpenRequest()
{
    const QString key = generalKey(settingsRoot());
    const QString path = trimmed(m_services.store.regReadString(key, QStringLiteral("fdf")));
    m_services.store.regWriteString(key, QStringLiteral("fdf"), QString());
    if (path.size() > 1 && QFileInfo(path).isFile())
        m_document->openDocument(path);
}

bool TfrmMain::trayAvailable() const
{
    return m_services.trayAvailable ? m_services.trayAvailable()
                                    : QSystemTrayIcon::isSystemTrayAvailable();
}

void TfrmMain::hideToTray()
{
    if (trayAvailable())
        hide();
    else
        showMinimized();
}

void TfrmMain::showFromTray()
{
    showNormal();
    raise();
    activateWindow();
}

void TfrmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
        relayoutForDesktop();
        break;
    case QEvent::ActivationChange:
        // The document's file may have been changed by another program meanwhile; asked
        // from the loop, not from inside the activation.
        if (isActiveWindow() && m_startupFinished && !m_appClosing)
            QTimer::singleShot(0, m_document, &DocumentHandler::checkDiskChanges);
        break;
    case QEvent::WindowStateChange:
        // A minimised editor lives on in the tray only (on the task bar without one).
        if (isMinimized() && trayAvailable())
            QTimer::singleShot(0, this, [this] {
                if (isMinimized())
                    hide();
            });
        break;
    default:
        break;
    }
}

void TfrmMain::requestClose()
{
    if (m_appClosing || m_inCloseQuery)
        return;
    if (dismissOpenBoxes()) {
        // Whatever opened a box finishes first; the close runs from the loop it returns to.
        QTimer::singleShot(0, this, &TfrmMain::requestClose);
        return;
    }
    close();
}

bool TfrmMain::FormCloseQuery()
{
    if (!m_appClosing && !m_document->confirmDiscard())
        return false;

    const QString file = trimmed(m_document->curFile());
    if (!file.isEmpty())
        m_services.store.regWriteString(generalKey(settingsRoot()), QStringLiteral("lastknonw"),
                                        m_document->curFile());

    saveGlobalNotes();
    if (m_document->companionFilesDueAtClose())
        m_document->writeCompanionFiles();

    m_appClosing = true;
    m_tray->remove();
    m_recovery->removeCopy();
    return true;
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        if (m_activateOnExpose) {
            m_activateOnExpose = false;
            QTimer::singleShot(0, this, [this] { activateWindow(); });
        }
        // Run once the display has drawn the window.
        for (std::function<void()> &action : m_onExposed)
            QTimer::singleShot(0, this, std::move(action));
        m_onExposed.clear();
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    m_inCloseQuery = true;
    const bool agreed = FormCloseQuery();
    m_inCloseQuery = false;
    if (agreed) {
        event->accept();
        emit closed();
    } else
        event->ignore();
}

} // namespace calmdesk
