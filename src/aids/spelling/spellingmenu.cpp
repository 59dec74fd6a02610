// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/spellingmenu.h"

#include "aids/spelling/soundcode.h"
#include "aids/spelling/spellingdictionary.h"
#include "aids/spelling/suggestions.h"
#include "aids/spelling/wordranges.h"
#include "app/keys/editmenu.h"
#include "core/asciitext.h"
#include "platform/text/textcontrol.h"

namespace calmdesk {

SpellingMenu::SpellingMenu(TextControl *txtMain, EditMenu *mnuEdit, QObject *parent)
    : QObject(parent)
    , m_txtMain(txtMain)
    , m_mnuEdit(mnuEdit)
{
    connect(mnuEdit, &QMenu::aboutToShow, this, &SpellingMenu::txtMainContextPopup);
    connect(mnuEdit->mnuIgnore, &QAction::triggered, this, [this] { mnuIgnoreClick(false); });
    connect(mnuEdit->mnuAddToDict, &QAction::triggered, this, [this] { mnuIgnoreClick(true); });
}

void SpellingMenu::removeSuggestions()
{
    m_mnuEdit->setDefaultAction(nullptr);
    qDeleteAll(m_suggestions);
    m_suggestions.clear();
}

void SpellingMenu::txtMainContextPopup()
{
    removeSuggestions();
    m_mnuEdit->mnuBari->setVisible(false);
    m_mnuEdit->setSpellingItemsVisible(false);

    const int caret = m_txtMain->selStart();
    if (m_txtMain->selLength() > 0 || (!m_txtMain->hasMark(caret - 1, MarkKind::SpellingError) &&
                                       !m_txtMain->hasMark(caret, MarkKind::SpellingError)))
        return;
    const QStringList paragraphs = m_txtMain->paragraphs();
    const WordRange range = wordAtCaret(paragraphs, caret);
    if (range.length < 1)
        return;
    const ParagraphPosition at = paragraphAt(paragraphs, range.start);
    const QString word = paragraphs[at.index].mid(range.start - at.start, range.length);

    m_popupWordStart = range.start;
    m_popupWordLength = range.length;
    m_mnuEdit->setSpellingItemsVisible(true);
    if (!m_dictionary)
        return;
    const int group = m_dictionary->findGroup(trimmed(soundCode(word)));
    if (group < 0)
        return;
    const TWordCol col = m_dictionary->wordCol(group);
    const MenuSuggestions menu = menuSuggestions(&col.words, word);
    QAction *top = m_mnuEdit->actions().value(0);
    for (const QString &caption : menu.captions) {
        auto *item = new QAction(caption, m_mnuEdit);
        connect(item, &QAction::triggered, this, [this, item] { mnuSPATClick(item); });
        m_mnuEdit->insertAction(top, item);
        m_suggestions.append(item);
    }
    if (menu.defaultIndex >= 0)
        m_mnuEdit->setDefaultAction(m_suggestions[menu.defaultIndex]);
    m_mnuEdit->mnuBari->setVisible(!m_suggestions.isEmpty());
}

void SpellingMenu::mnuSPATClick(QAction *item)
{
    if (!m_suggestions.contains(item))
        return;
    replaceWithSuggestion(*m_txtMain, m_popupWordStart, m_popupWordLength, item->text());
}

void SpellingMenu::mnuIgnoreClick(bool toFile)
{
    if (m_popupWordStart < 0 || m_popupWordLength < 1 ||
        m_popupWordStart + m_popupWordLength > m_txtMain->textLength())
        return;
    m_txtMain->select(m_popupWordStart, m_popupWordLength);
    const QString word = m_txtMain->selectedText();
    m_txtMain->clearMarks(m_popupWordStart, m_popupWordLength, MarkKind::SpellingError);
    m_txtMain->setCaret(m_popupWordStart + int(word.size()));
    emit wordAccepted(word, toFile);
}

} // namespace calmdesk
