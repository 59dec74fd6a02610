// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/browserpage.h"

#include "core/asciitext.h"
#include "platform/widgets/imagebutton.h"
#include "reference/webhistory.h"
#include "reference/webview.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace calmdesk {

namespace {

constexpr int kHistoryListWidth = 200;
constexpr int kHistoryListGap = 8;
const QColor kGrey(128, 128, 128);

// The browser's buttons take the desktop theme's own images, at its small-icon size.
QToolButton *browserButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon,
                           const QString &hint)
{
    return imageButton(parent, name, hint, parent->style()->standardIcon(icon),
                       parent->style()->pixelMetric(QStyle::PM_SmallIconSize));
}

} // namespace

BrowserPage::BrowserPage(QWidget *page, FactorySource factory, QObject *parent)
    : QObject(parent)
    , m_page(page)
    , m_factory(std::move(factory))
    , tlbIe7(browserButton(page, "tlbIe7", QStyle::SP_FileDialogDetailedView,
                           tr("List of visited pages")))
    , tlbIe8(browserButton(page, "tlbIe8", QStyle::SP_FileDialogListView, tr("Hide history list")))
    , lblIE2(new QProgressBar(page))
    , txtURL(new QLineEdit(page))
    , cmdGoIE(new QPushButton(tr("go"), page))
    , m_viewArea(new QWidget(page))
    , lblIE(new QLabel(page))
    , lstBiblio(new QListWidget(page))
    , cmdCopyB(new QPushButton(tr("Insert"), page))
    , mnuHistory(new QMenu(page))
{
    const QList<std::tuple<const char *, QStyle::StandardPixmap, QString>> images = {
        {"tlbIe1", QStyle::SP_ArrowBack, tr("Back")},
        {"tlbIe2", QStyle::SP_ArrowForward, tr("Forward")},
        {"tlbIe3", QStyle::SP_DirHomeIcon, tr("Home")},
        {"tlbIe4", QStyle::SP_BrowserReload, tr("Reload")},
        {"tlbIe5", QStyle::SP_BrowserStop, tr("Stop")}};
    auto *toolbar = new QHBoxLayout;
    QList<QWidget *> tabOrder;
    for (int tag = 0; tag < images.size(); ++tag) {
        const auto &[name, icon, hint] = images.at(tag);
        QToolButton *button = browserButton(page, name, icon, hint);
        toolbar->addWidget(button);
        tabOrder.append(button);
        connect(button, &QToolButton::clicked, this, [this, tag] {
            if (tag == 2) {
                if (WebView *view = webMain())
                    view->navigate(homeAddress());
                return;
            }
            if (!m_view)
                return;
            switch (tag) {
            case 0:
                m_view->goBack();
                break;
            case 1:
                m_view->goForward();
                break;
            case 3:
                m_view->reload();
                break;
            default:
                m_view->stop();
            }
        });
    }
    lblIE2->setTextVisible(false);
    lblIE2->setMaximumWidth(80);
    lblIE2->setAccessibleName(tr("Download progress"));
    lblIE2->hide();
    toolbar->addWidget(lblIE2);
    toolbar->addWidget(tlbIe7);
    toolbar->addWidget(tlbIe8);
    tlbIe8->hide();
    connect(tlbIe7, &QToolButton::clicked, this, &BrowserPage::toggleHistoryList);
    connect(tlbIe8, &QToolButton::clicked, this, &BrowserPage::toggleHistoryList);
    toolbar->addStretch();

    auto *addressRow = new QHBoxLayout;
    txtURL->setAccessibleName(tr("Address"));
    addressRow->addWidget(txtURL, 1);
    cmdGoIE->setFocusPolicy(Qt::NoFocus);
    addressRow->addWidget(cmdGoIE);
    QToolButton *tlbIe6 = browserButton(page, "tlbIe6", QStyle::SP_MediaPlay, tr("Go"));
    addressRow->addWidget(tlbIe6);
    connect(cmdGoIE, &QPushButton::clicked, this, &BrowserPage::cmdGoIEClick);
    connect(tlbIe6, &QToolButton::clicked, this, &BrowserPage::cmdGoIEClick);
    // Enter in the address box opens the address.
    connect(txtURL, &QLineEdit::returnPressed, this, &BrowserPage::cmdGoIEClick);
    txtURL->installEventFilter(this);

    lstBiblio->setFixedWidth(kHistoryListWidth);
    lstBiblio->setAccessibleName(tr("Visited pages"));
    lstBiblio->hide();
    lstBiblio->installEventFilter(this);
    // Kept, not asked for: the filter sees events while the list is being destroyed.
    m_historyViewport = lstBiblio->viewport();
    m_historyViewport->installEventFilter(this);
    auto *viewRow = new QHBoxLayout;
    viewRow->setSpacing(kHistoryListGap);
    viewRow->addWidget(lstBiblio);
    auto *viewLayout = new QVBoxLayout(m_viewArea);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    viewRow->addWidget(m_viewArea, 1);

    setStatus(tr("Ready"), true);
    lblIE->setWordWrap(true);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblIE, 1);
    bottom->addWidget(cmdCopyB);
    connect(cmdCopyB, &QPushButton::clicked, this, &BrowserPage::cmdCopyBClick);
    // Escape, in a control of this page that does not take it itself, inserts the selection.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), page);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, cmdCopyB, &QPushButton::click);
    // F6 goes to the address box, as in the desktop's web browsers.
    auto *address = new QShortcut(QKeySequence(Qt::Key_F6), page);
    address->setContext(Qt::WidgetWithChildrenShortcut);
    connect(address, &QShortcut::activated, txtURL, [this] {
        txtURL->setFocus(Qt::ShortcutFocusReason);
        txtURL->selectAll();
    });

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(toolbar);
    layout->addLayout(addressRow);
    layout->addLayout(viewRow, 1);
    layout->addLayout(bottom);

    // The keyboard goes through the page as it reads, top to bottom.
    tabOrder << tlbIe7 << tlbIe8 << txtURL << tlbIe6 << lstBiblio << cmdCopyB;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));

    buildMenu();
    page->installEventFilter(this);
}

QString BrowserPage::homeAddress()
{
    return QStringLiteral("https://duckduckgo.com/");
}

void BrowserPage::buildMenu()
{
    mnuHOpen = mnuHistory->addAction(tr("&Open"), this, [this] {
        if (historyEntry.isEmpty())
            return;
        txtURL->setText(historyEntry);
        cmdGoIEClick();
    });
    mnuHistory->addAction(tr("Open in &New Window"), this, [this] {
        if (!historyEntry.isEmpty())
            emit openAddressRequested(historyEntry);
    });
    mnuHistory->addSeparator();
    mnuHistory->addAction(tr("&Delete"), this, [this] {
        if (historyIndexValid())
            changeEntries([this](QStringList &list) { list.removeAt(historyIndex); });
    });
    mnuHistory->addAction(tr("&Crop Link"), this, [this] {
        if (!historyEntry.isEmpty())
            changeEntries([this](QStringList &list) { list = QStringList{historyEntry}; });
    });
    mnuHistory->addAction(tr("Remo&ve All"), this,
                          [this] { changeEntries([](QStringList &list) { list.clear(); }); });
    mnuHistory->addSeparator();
    mnuHistory->addAction(tr("&Add Current Address"), this, [this] {
        const QString address = trimmed(txtURL->text());
        if (!address.isEmpty())
            changeEntries([&address](QStringList &list) { list.append(address); });
    });
    mnuHistory->addSeparator();
    mnuHDelPath = mnuHistory->addAction(QString(), this, [this] {
        if (!historyHost.isEmpty() && historyIndexValid())
            changeEntries([this](QStringList &list) { list[historyIndex] = historyHost; });
    });
    mnuHDelRelated = mnuHistory->addAction(QString(), this, [this] {
        if (!historyHost.isEmpty())
            changeEntries([this](QStringList &list) { removeEntriesOf(list, historyHost); });
    });
    mnuHistory->addAction(tr("Remove &Duplicates"), this,
                          [this] { changeEntries(removeContainingDuplicates); });
    mnuHistory->addSeparator();
    mnuHistory->addAction(tr("Add http:// &prefix"), this, [this] {
        if (historyIndexValid())
            changeEntries([this](QStringList &list) { addHttpPrefix(list[historyIndex]); });
    });
    mnuHistory->addAction(tr("Add http:// &prefix to All"), this, [this] {
        changeEntries([](QStringList &list) {
            for (QString &entry : list)
                addHttpPrefix(entry);
        });
    });
    mnuHistory->addAction(tr("&Sort Hitory List"), this, [this] { changeEntries(sortHistory); });
    mnuHistory->addSeparator();
    mnuHistory->addAction(tr("&Insert URL into Document"), this, [this] {
        if (!historyEntry.isEmpty())
            emit insertRequested(historyEntry);
    });
    mnuHistory->addAction(tr("Append &List to Document"), this,
                          [this] { emit appendListRequested(m_entries); });
    mnuHistory->setDefaultAction(mnuHOpen);
}

void BrowserPage::setEntries(const QStringList &entries)
{
    m_entries = entries;
    lstBiblio->clear();
    lstBiblio->addItems(m_entries);
}

void BrowserPage::changeEntries(const std::function<void(QStringList &)> &change)
{
    QStringList list = m_entries;
    change(list);
    if (list == m_entries)
        return;
    setEntries(list);
    emit entriesChanged(m_entries);
}

bool BrowserPage::historyIndexValid() const
{
    return historyIndex >= 0 && historyIndex < m_entries.size();
}

WebView *BrowserPage::webMain()
{
    if (m_view || m_viewTried)
        return m_view;
    m_viewTried = true;
    QString error;
    WebViewFactory *factory = m_factory ? m_factory(&error) : nullptr;
    if (!factory) {
        auto *missing = new QLabel(error, m_viewArea);
        missing->setWordWrap(true);
        missing->setAlignment(Qt::AlignCenter);
        m_viewArea->layout()->addWidget(missing);
        return nullptr;
    }
    WebView::Events events;
    // A link left behind clears the status text: the page is ready again.
    events.statusTextChanged = [this](const QString &text) {
        setStatus(text.isEmpty() ? tr("Ready") : text, true);
    };
    events.progressChanged = [this](int progress, int maximum) {
        progressChanged(progress, maximum);
    };
    events.newWindowRequested = [this] {
        if (QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier))
            return true;
        setStatus(tr("Hold down Ctrl to open a popup window."), false);
        return false;
    };
    events.newWindowOpened = [this](const QString &address) {
        emit openAddressRequested(address);
    };
    events.documentComplete = [this] {
        webMainDocumentComplete();
    };
    m_view = factory->createView(m_viewArea, events);
    m_view->widget()->setAccessibleName(tr("Web page"));
    m_viewArea->layout()->addWidget(m_view->widget());
    QWidget::setTabOrder(lstBiblio, m_view->widget());
    QWidget::setTabOrder(m_view->widget(), cmdCopyB);
    return m_view;
}

void BrowserPage::focusView()
{
    if (WebView *view = webMain())
        view->widget()->setFocus();
}

void BrowserPage::cmdGoIEClick()
{
    const QString address = trimmed(txtURL->text());
    txtURL->setText(address);
    if (address.isEmpty())
        return;
    if (WebView *view = webMain()) {
        view->stop();
        view->navigate(address);
    }
}

void BrowserPage::toggleHistoryList()
{
    const bool show = lstBiblio->isHidden();
    lstBiblio->setVisible(show);
    tlbIe8->setVisible(show);
    tlbIe7->setVisible(!show);
    if (show)
        setStatus(tr("Right-click the History list for details."), false);
    else
        setStatus(tr("Ready"), true);
}

void BrowserPage::cmdCopyBClick()
{
    const QString text = m_view ? trimmed(m_view->selectedText()) : QString();
    if (text.isEmpty())
        emit collapseSelectionRequested();
    else
        emit insertRequested(text);
}

void BrowserPage::webMainDocumentComplete()
{
    const QString address = trimmed(m_view->location());
    if (address.isEmpty())
        return;
    // The address box shows the page on screen, unless the writer is typing in it.
    if (!txtURL->hasFocus())
        txtURL->setText(address);
    changeEntries([&address](QStringList &list) { addToHistory(list, address); });
}

void BrowserPage::lstBiblioMouseUp(const QPoint &globalPos)
{
    const int selected = lstBiblio->currentRow();
    if (m_entries.isEmpty() || selected < 0 || !lstBiblio->currentItem()->isSelected())
        return;
    const QString host = urlHost(m_entries.at(selected));
    mnuHDelPath->setVisible(!host.isEmpty());
    mnuHDelRelated->setVisible(!host.isEmpty());
    mnuHDelPath->setText(tr("&Replace with ") + host);
    mnuHDelRelated->setText(tr("Re&move All ") + host + tr(" entries"));
    historyEntry = trimmed(m_entries.at(selected));
    historyHost = trimmed(host);
    historyIndex = selected;
    mnuHistory->popup(globalPos);
}

void BrowserPage::progressChanged(int progress, int maximum)
{
    if (maximum != 0 && maximum != progress) {
        lblIE2->setMaximum(maximum);
        lblIE2->setValue(progress);
        lblIE2->show();
    } else {
        lblIE2->hide();
    }
}

void BrowserPage::setStatus(const QString &text, bool grey)
{
    lblIE->setText(text);
    QPalette palette = lblIE->palette();
    palette.setColor(QPalette::WindowText, grey ? kGrey : QColor(Qt::black));
    lblIE->setPalette(palette);
}

bool BrowserPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_page && event->type() == QEvent::Show) {
        // First shown: the view is made and goes to the home page.
        if (!m_viewTried) {
            txtURL->setText(homeAddress());
            cmdGoIEClick();
        }
    } else if (watched == txtURL) {
        // Entering the address box selects its text.
        if (event->type() == QEvent::FocusIn)
            QMetaObject::invokeMethod(txtURL, &QLineEdit::selectAll, Qt::QueuedConnection);
    } else if (watched == m_historyViewport || watched == lstBiblio) {
        // A right click opens the menu for the selected entry and selects nothing itself.
        const auto rightButton = [event] {
            return static_cast<QMouseEvent *>(event)->button() == Qt::RightButton;
        };
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return rightButton();
        case QEvent::MouseButtonRelease:
            if (!rightButton())
                break;
            lstBiblioMouseUp(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
            return true;
        case QEvent::ContextMenu: {
            const auto *menu = static_cast<QContextMenuEvent *>(event);
            // The menu key opens it beside the selected entry.
            if (menu->reason() == QContextMenuEvent::Keyboard) {
                const QRect item = lstBiblio->visualItemRect(lstBiblio->currentItem());
                lstBiblioMouseUp(lstBiblio->viewport()->mapToGlobal(item.bottomLeft()));
            }
            return true;
        }
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace calmdesk
