#include "tfrmmain.h"

#include "appinfo.h"
#include "asciitext.h"
#include "documentfiles.h"
#include "documenthandler.h"
#include "goalscontroller.h"
#include "keycommands.h"
#include "keypreview.h"
#include "settingsio.h"
#include "settingsstore.h"
#include "startupplan.h"
#include "statuslabel.h"
#include "statuspanel.h"
#include "textcontrol.h"
#include "trayicon.h"
#include "windowlayout.h"

#include <QCloseEvent>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace calmdesk {

namespace {

// The status line: 24 pixels high across the bottom; with it always shown the text
// column ends 26 pixels above the window's bottom.
constexpr int kStatusReserve = 26;

const QColor kCreationTextColour(244, 130, 6);

// The status line shows always when show_status is 1.
constexpr int kStatusAlways = 1;

QColor colorFromValue(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace

TfrmMain::TfrmMain(const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_services(services)
    , txtMain(new TextControl(this))
    , pctStatus(new StatusPanel(this))
    // Before anything else listens to the typed characters, so the activity is noted first.
    , m_goals(new GoalsController(txtMain, pctStatus, services.store, nullptr, this))
    , m_document(new DocumentHandler(txtMain, pctStatus->lblFile, services.messages,
                                     services.dialogs, services.opener, this))
    , m_tray(new TrayIcon(this))
    , m_keyPreview(new KeyPreview(this))
{
    setObjectName(QStringLiteral("TfrmMain"));
    setWindowTitle(programName());
    setWindowIcon(QIcon(QStringLiteral(":/calmdesk/calmdesk-256.png")));
    setAutoFillBackground(true);

    txtMain->setObjectName(QStringLiteral("txtMain"));
    txtMain->setAccessibleName(tr("Document text"));
    pctStatus->hide();

    connectGoals();
    connect(txtMain, &TextControl::keyDown, this,
            [](int key, Qt::KeyboardModifiers modifiers, bool *handled) {
                if (modifiers.testFlag(Qt::ControlModifier) && !ctrlKeyReachesText(key))
                    *handled = true;
            });
    connect(m_keyPreview, &KeyPreview::keyReleased, this, &TfrmMain::FormKeyUp);
    connect(m_tray, &TrayIcon::showEditorRequested, this, &TfrmMain::showFromTray);
    connect(m_tray, &TrayIcon::closeEditorRequested, this, &QWidget::close);
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

QLabel *TfrmMain::fileLabel() const
{
    return pctStatus->lblFile;
}

void TfrmMain::popUpFileMenu(Qt::MouseButton button)
{
    // The file menu opens at the label's right end, level with the status line's top.
    QLabel *label = pctStatus->lblFile;
    const QPoint corner = label->mapTo(this, QPoint(label->width(), 0));
    m_document->lblFileMouseUp(button, mapToGlobal(QPoint(corner.x(), pctStatus->y())));
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
    loadSettings();
    applySettings();
    m_document->setSaved(true);

    const bool recovered = false;
    bool openedFromCommandLine = false;
    if (!recovered) {
        const CommandLineDocument fromCommandLine = examineCommandLine(
            arguments, [](const QString &path) { return QFileInfo(path).isFile(); });
        m_startHidden = fromCommandLine.startHidden;
        if (!fromCommandLine.path.isEmpty()) {
            // A relative name is the starting folder's; the document keeps its full path.
            m_document->openDocument(QFileInfo(fromCommandLine.path).absoluteFilePath());
            openedFromCommandLine = true;
        }
    }

    if (!m_startHidden) {
        show();
        activateWhenExposed();
        txtMain->setFocus();
    } else {
        hide();
    }

    layoutWindow();
    txtMain->clearMarks(MarkKind::SpellingError);

    if (isMinimized())
        hide();

    if (!recovered && !openedFromCommandLine)
        openFirstDocument();
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
    in.today = QDate::currentDate();
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
    font.setBold(s.txtbold != 0);
    font.setItalic(s.txtital != 0);
    txtMain->setFont(font);
    CharAttributes look;
    look.family = s.txtfont;
    look.pointSize = s.txtsize;
    look.colour = colorFromValue(s.txtfore);
    look.bold = s.txtbold != 0;
    look.italic = s.txtital != 0;
    txtMain->setCharAttributes(look, FormatScope::AllText);

    const QColor background = colorFromValue(s.txtback);
    txtMain->setPaperColour(background);
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);

    txtMain->setParagraphSpaceAfter(s.txtpara != 0 ? Settings::kParagraphSpacingTwips : 0);

    // Counts, the writing timer, the alarm and which status labels show.
    m_goals->applySettings(s);

    layoutWindow();
    m_goals->updateStatus();
    txtMain->clearMarks(MarkKind::SpellingError);
    QGuiApplication::restoreOverrideCursor();
}

void TfrmMain::layoutWindow()
{
    const int w = width();
    const int h = height();
    const int columnHeight = m_settings.show_status == kStatusAlways ? h - kStatusReserve : h;
    txtMain->setGeometry(textColumnRect(size(), m_settings.width, 0, columnHeight));

    pctStatus->setGeometry(0, h - StatusPanel::kHeight, w, StatusPanel::kHeight);
}

void TfrmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutWindow();
}

void TfrmMain::FormKeyUp(int key, Qt::KeyboardModifiers modifiers)
{
    runCommand(windowCommandForKey(key, modifiers));
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

void TfrmMain::hideToTray()
{
    hide();
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
    // A minimised editor lives on in the tray only.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized())
                hide();
        });
}

bool TfrmMain::FormCloseQuery()
{
    if (!m_appClosing && !m_document->confirmDiscard())
        return false;

    const QString file = trimmed(m_document->curFile());
    if (!file.isEmpty())
        m_services.store.regWriteString(generalKey(settingsRoot()), QStringLiteral("lastknonw"),
                                        m_document->curFile());

    if (file.size() >= 2 && m_document->isSaved() && !m_document->references().isEmpty())
        m_document->writeCompanionFiles();

    m_appClosing = true;
    m_tray->remove();
    return true;
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (m_activateOnExpose && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        m_activateOnExpose = false;
        QTimer::singleShot(0, this, [this] { activateWindow(); });
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery()) {
        event->accept();
        emit closed();
    } else
        event->ignore();
}

} // namespace calmdesk
