// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QAction;

namespace calmdesk {

class EditMenu;
class SpellingDictionary;
class TextControl;

// The spelling part of the text's context menu: opened with the caret on a marked word, it
// offers suggestions at its top, then "I&gnore" and "Add To &Dictionary".
class SpellingMenu : public QObject
{
    Q_OBJECT

public:
    SpellingMenu(TextControl *txtMain, EditMenu *mnuEdit, QObject *parent = nullptr);

    void setDictionary(const SpellingDictionary *dictionary) { m_dictionary = dictionary; }

    // The menu is about to open: the spelling items are made for the word at the caret.
    void txtMainContextPopup();
    // Ignore (`toFile` false) and Add To Dictionary (true).
    void mnuIgnoreClick(bool toFile);
    void mnuSPATClick(QAction *item);

    int popupWordStart() const { return m_popupWordStart; }
    int popupWordLength() const { return m_popupWordLength; }
    // The suggestion items of the menu open last, top to bottom.
    const QList<QAction *> &suggestionItems() const { return m_suggestions; }

signals:
    // The writer accepted the word: until the program ends, or for good (`toFile`).
    void wordAccepted(const QString &word, bool toFile);

private:
    void removeSuggestions();

    TextControl *m_txtMain;
    EditMenu *m_mnuEdit;
    const SpellingDictionary *m_dictionary = nullptr;
    QList<QAction *> m_suggestions;
    int m_popupWordStart = 0;
    int m_popupWordLength = 0;
};

} // namespace calmdesk
