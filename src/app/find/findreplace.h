// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/find/textfinder.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace calmdesk {

class SearchDialog;
class StatusPanel;
class TextControl;
struct Settings;

// Find, replace and highlight for the writing area: the two modeless dialogs (made when
// first shown, kept over the editor window), F3, the count in the status line's message
// slot, the beep, and `lastSearchText`. The searching itself is TextFinder's.
class FindReplace : public QObject
{
    Q_OBJECT

public:
    // `settings` (the highlight's colours) must outlive this object; the dialogs are
    // children of `window`.
    FindReplace(TextControl *txtMain, StatusPanel *pctStatus, const Settings &settings,
                QWidget *window);

    // Ctrl+F and Ctrl+H.
    void showFindDialog();
    void showReplaceDialog();
    // F3: the latest search again, with its options; nothing while there was none.
    void findNext();
    // A scratchpad's "Find": the text becomes the Find dialog's search text and is
    // searched for with that dialog's options.
    void findText(const QString &text);

    // The search of a dialog's button (onFindProc, onRepaProc), or any request, in
    // `target` (the writing area when null).
    void findOrReplace(const FindRequest &request, TextControl *target = nullptr);
    // A scratchpad's "Locate": every whole-word occurrence in inverse colours.
    void highlightWord(const QString &word, TextControl *target = nullptr);
    // A dialog closed.
    void onFindExit();

    QString lastSearchText() const { return m_lastSearch.searchText; }
    SearchDialog *findDialog();
    SearchDialog *replaceDialog();

    // The default beep; tests count the beeps here instead.
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

signals:
    // Around a Replace All: what changes the text then is no typing to correct.
    void replaceAllStarted();
    void replaceAllFinished();

private:
    SearchDialog *makeDialog(bool replacing);

    TextControl *m_txtMain;
    StatusPanel *m_pctStatus;
    const Settings &m_settings;
    QWidget *m_window;
    QPointer<SearchDialog> m_findDialog;
    QPointer<SearchDialog> m_replaceDialog;
    TextFinder m_finder;
    // `lastSearchText` with the options it was searched with.
    FindRequest m_lastSearch;
    std::function<void()> m_beep;
};

} // namespace calmdesk
