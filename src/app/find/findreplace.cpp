// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/find/findreplace.h"

#include "app/find/searchdialog.h"
#include "goals/statuspanel.h"
#include "platform/text/textcontrol.h"
#include "settings/settings.h"

#include <QApplication>

namespace calmdesk {

FindReplace::FindReplace(TextControl *txtMain, StatusPanel *pctStatus, const Settings &settings,
                         QWidget *window)
    : QObject(window)
    , m_txtMain(txtMain)
    , m_pctStatus(pctStatus)
    , m_settings(settings)
    , m_window(window)
    , m_beep([] { QApplication::beep(); })
{}

SearchDialog *FindReplace::makeDialog(bool replacing)
{
    auto *dialog = new SearchDialog(
        replacing ? SearchDialog::Kind::Replace : SearchDialog::Kind::Find, m_window);
    connect(dialog, &SearchDialog::findNextClicked, this,
            [this, dialog] { findOrReplace(dialog->request(FindAction::FindNext)); });
    connect(dialog, &SearchDialog::replaceClicked, this,
            [this, dialog] { findOrReplace(dialog->request(FindAction::Replace)); });
    connect(dialog, &SearchDialog::replaceAllClicked, this,
            [this, dialog] { findOrReplace(dialog->request(FindAction::ReplaceAll)); });
    connect(dialog, &SearchDialog::closed, this, &FindReplace::onFindExit);
    return dialog;
}

SearchDialog *FindReplace::findDialog()
{
    if (!m_findDialog)
        m_findDialog = makeDialog(false);
    return m_findDialog;
}

SearchDialog *FindReplace::replaceDialog()
{
    if (!m_replaceDialog)
        m_replaceDialog = makeDialog(true);
    return m_replaceDialog;
}

void FindReplace::showFindDialog()
{
    findDialog()->present();
}

void FindReplace::showReplaceDialog()
{
    replaceDialog()->present();
}

void FindReplace::findNext()
{
    if (m_lastSearch.searchText.isEmpty())
        return;
    FindRequest again = m_lastSearch;
    again.action = FindAction::FindNext;
    findOrReplace(again);
}

void FindReplace::findText(const QString &text)
{
    findDialog()->setSearchText(text);
    findOrReplace(findDialog()->request(FindAction::FindNext));
}

void FindReplace::findOrReplace(const FindRequest &request, TextControl *target)
{
    TextControl &text = target ? *target : *m_txtMain;
    m_lastSearch = request;
    const bool all = request.action == FindAction::ReplaceAll;
    if (all)
        emit replaceAllStarted();
    const FindOutcome outcome = m_finder.findOrReplace(text, request);
    if (all)
        emit replaceAllFinished();
    if (!outcome.message.isEmpty())
        m_pctStatus->showHelpText(outcome.message);
    if (outcome.beep)
        m_beep();
    if (outcome.found) {
        // The writer sees the match in the text, which takes the keyboard; the dialog
        // stays open over it.
        text.window()->activateWindow();
        text.setFocus();
    }
}

void FindReplace::highlightWord(const QString &word, TextControl *target)
{
    // Inverse colours: the text's background colour on its text colour.
    calmdesk::highlightWord(target ? *target : *m_txtMain, word, m_settings.txtback,
                            m_settings.txtfore);
}

void FindReplace::onFindExit()
{
    m_pctStatus->showHelpText(TextFinder::helpMessage());
}

} // namespace calmdesk
