// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reference/lookuppage.h"
#include "reference/referencesources.h"

#include <QObject>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace calmdesk {

class PageFetcher;
class SettingsStore;
class TextControl;

// The References page of the writing-tools panel: a word looked up on one of the web
// sources, the result cut out of the source's page. The page's controls are made inside
// `page`; the window shows the panel when asked.
class ReferencesPage : public QObject
{
    Q_OBJECT

public:
    ReferencesPage(QWidget *page, QObject *parent = nullptr);

    // Once, as the window is made: the built-in sources with the store's overrides.
    void loadReferenceSources(const SettingsStore &store, const QString &root);

    void lookupReference(const QString &word);
    // "Search References..." (the selection, else the word at the caret) and Alt+click
    // (`selectionFirst` false: the word at the caret) in the document's text.
    void lookUpIn(const TextControl &text, bool selectionFirst);
    // "Go" and the arrow: the trimmed word of the search box, when there is one.
    void imgGotoClick();
    void lstDictClick();
    void cmdFindRefClick();
    // A released click in the result: a related topic is looked up, another address opened.
    void txtDictMouseUp(Qt::MouseButton button);

    int currentSourceNumber() const { return m_current; }
    PageFetcher *fetcher() const { return m_fetcher; }
    TextControl *results() const { return txtDict; }
    QLineEdit *searchBox() const { return txtFind; }
    QComboBox *sourceList() const { return lstDict; }

signals:
    // The panel is to show, on this page (a look-up started).
    void showRequested();
    // "Insert": the text selected in the result goes into the document.
    void insertRequested(const QString &text);
    // An address to open in the desktop's web browser.
    void openAddressRequested(const QString &address);
    // The result of the latest look-up is shown.
    void lookupFinished();

private:
    void show(const LookupPage &page);
    // Addresses in the line just shown are drawn as links.
    void showAddresses(const QString &line);
    void pageFetched(const QString &page);

    QLabel *lblWhere;
    QComboBox *lstDict;
    QLineEdit *txtFind;
    QToolButton *imgGoto;
    QPushButton *cmdGoTo;
    TextControl *txtDict;
    QPushButton *cmdCopyRef;
    QPushButton *cmdFindRef;
    PageFetcher *m_fetcher;

    ReferenceSources m_sources;
    int m_current = 0;
    QString lastLookupWord;
    QString m_url;
};

} // namespace calmdesk
