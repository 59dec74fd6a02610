// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QProgressBar;
class QPushButton;
class QToolButton;
class QWidget;

namespace calmdesk {

class WebView;
class WebViewFactory;

// The "The Internet" page of the writing-tools panel: a small web browser, and the
// document's list of visited pages with its menu. The page view is made, and the home
// page opened, the first time the page is shown: no engine runs, and no site learns of
// the editor, before the writer asks for the browser.
class BrowserPage : public QObject
{
    Q_OBJECT

public:
    using FactorySource = std::function<WebViewFactory *(QString *error)>;

    BrowserPage(QWidget *page, FactorySource factory, QObject *parent = nullptr);

    static QString homeAddress();

    // The document's history list, shown as given.
    QStringList entries() const { return m_entries; }
    void setEntries(const QStringList &entries);

    // The view, made now if it was not yet; nothing when the engine cannot be loaded.
    WebView *webMain();
    // Alt+B: the keyboard goes to the page view.
    void focusView();

    // The address box's text, trimmed, opened as typed.
    void cmdGoIEClick();
    // Tag 6 of the toolbar: the history list shown or hidden.
    void toggleHistoryList();
    // "Insert": the page's selected text into the document.
    void cmdCopyBClick();
    // A visited page finished loading: its address joins the history.
    void webMainDocumentComplete();
    // The history menu for the selected entry, at `globalPos`; nothing without a selection.
    void lstBiblioMouseUp(const QPoint &globalPos);

    QLineEdit *addressBox() const { return txtURL; }
    QListWidget *historyList() const { return lstBiblio; }
    QMenu *historyMenu() const { return mnuHistory; }
    QLabel *statusLabel() const { return lblIE; }
    QPushButton *insertButton() const { return cmdCopyB; }

signals:
    // The history list changed through the page (a visit or a menu command).
    void entriesChanged(const QStringList &entries);
    // Text for the document, replacing its selection.
    void insertRequested(const QString &text);
    // "Insert" found nothing to insert: the document's selection collapses.
    void collapseSelectionRequested();
    // "Append List to Document".
    void appendListRequested(const QStringList &entries);
    // An address for the desktop's web browser.
    void openAddressRequested(const QString &address);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void progressChanged(int progress, int maximum);
    void setStatus(const QString &text, bool grey);
    void changeEntries(const std::function<void(QStringList &)> &change);
    bool historyIndexValid() const;

    QWidget *m_page;
    FactorySource m_factory;
    WebView *m_view = nullptr;
    bool m_viewTried = false;

    QToolButton *tlbIe7;
    QToolButton *tlbIe8;
    QProgressBar *lblIE2;
    QLineEdit *txtURL;
    QPushButton *cmdGoIE;
    QWidget *m_viewArea;
    QLabel *lblIE;
    QListWidget *lstBiblio;
    QWidget *m_historyViewport;
    QPushButton *cmdCopyB;
    QMenu *mnuHistory;
    QAction *mnuHOpen;
    QAction *mnuHDelPath;
    QAction *mnuHDelRelated;

    QStringList m_entries;
    QString historyEntry;
    QString historyHost;
    int historyIndex = -1;
};

} // namespace calmdesk
