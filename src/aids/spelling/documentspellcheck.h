// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace calmdesk {

class MessageBoxes;
class SpellingDictionary;
class TextControl;
class TfrmSpell;
struct Message;

// The check of the whole text (F7, the "Spelling Check" image): the walk stops at the
// first misspelled or miscapitalised word, selects it and shows it in the spelling
// dialog, whose buttons resume the walk after it.
class DocumentSpellCheck : public QObject
{
    Q_OBJECT

public:
    DocumentSpellCheck(TextControl *txtMain, TfrmSpell *dialog, MessageBoxes &messages,
                       QObject *parent = nullptr);

    void setDictionary(SpellingDictionary *dictionary) { m_dictionary = dictionary; }

    // Walks from `start` to `end` (negative: the text's end).
    void spellCheckRange(int start, int end);
    // `miscapitalised` is mode 0, a misspelled word mode 1.
    void showSpellDialog(const QString &word, int position, int length, bool miscapitalised);
    bool selectRange(int start, int length);
    void continueCheck(bool add);

    void cmdChangeClick();
    void cmdIgnoreClick();
    void cmdAddClick();

    int checkWordPos() const { return m_checkWordPos; }
    int checkWordLen() const { return m_checkWordLen; }

    static Message completeMessage();
    static Message addWordQuestion();

signals:
    void beepRequested();

private:
    TextControl *m_txtMain;
    TfrmSpell *m_dialog;
    MessageBoxes &m_messages;
    SpellingDictionary *m_dictionary = nullptr;
    int m_checkWordPos = 0;
    int m_checkWordLen = 0;
    bool m_placed = false;
};

} // namespace calmdesk
