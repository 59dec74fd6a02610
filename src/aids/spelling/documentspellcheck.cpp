// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/documentspellcheck.h"

#include "aids/spelling/spellingdictionary.h"
#include "aids/spelling/suggestions.h"
#include "aids/spelling/tfrmspell.h"
#include "aids/spelling/wordtokenizer.h"
#include "core/asciitext.h"
#include "platform/dialogs/messageboxes.h"
#include "platform/text/textcontrol.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>

#include <optional>

namespace calmdesk {

namespace {

const char *const kContext = "calmdesk::DocumentSpellCheck";

struct Finding
{
    QString word;
    int start = 0;
    bool miscapitalised = false;
};

} // namespace

DocumentSpellCheck::DocumentSpellCheck(TextControl *txtMain, TfrmSpell *dialog,
                                       MessageBoxes &messages, QObject *parent)
    : QObject(parent)
    , m_txtMain(txtMain)
    , m_dialog(dialog)
    , m_messages(messages)
{
    connect(dialog, &TfrmSpell::changeRequested, this, &DocumentSpellCheck::cmdChangeClick);
    connect(dialog, &TfrmSpell::ignoreRequested, this, &DocumentSpellCheck::cmdIgnoreClick);
    connect(dialog, &TfrmSpell::addRequested, this, &DocumentSpellCheck::cmdAddClick);
}

Message DocumentSpellCheck::completeMessage()
{
    return Message{QCoreApplication::translate(kContext, "The Spelling Check is complete."),
                   QCoreApplication::translate(kContext, "Spell Check"), Message::Icon::Information,
                   Message::Buttons::Ok};
}

Message DocumentSpellCheck::addWordQuestion()
{
    return Message{
        QCoreApplication::translate(
            kContext, "Are you sure you want to add the specified Word to the current Dictionary?"),
        QCoreApplication::translate(kContext, "Add To Dictionary"), Message::Icon::Question,
        Message::Buttons::YesNoCancel};
}

void DocumentSpellCheck::spellCheckRange(int start, int end)
{
    if (!m_dictionary) {
        emit beepRequested();
        return;
    }
    if (m_txtMain->isEmpty())
        return;
    const int last = end < 0 ? m_txtMain->textLength() : end;
    const SpellingSnapshot words = m_dictionary->snapshot();
    std::optional<Finding> finding;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    walkWords(m_txtMain->paragraphs(), std::max(start, 0), [&](const WalkedWord &word) {
        if (word.start > last)
            return false;
        const WordVerdict verdict = judgeWord(words.isKnownWord(word.word), word);
        if (verdict == WordVerdict::Good)
            return true;
        finding = Finding{word.word.toString(), word.start, verdict == WordVerdict::Miscapitalised};
        return false;
    });
    QGuiApplication::restoreOverrideCursor();

    if (!finding) {
        m_dialog->close();
        m_messages.show(completeMessage());
        return;
    }
    const int length = int(finding->word.size());
    if (!selectRange(finding->start, length))
        return;
    // Sets the group the suggestions come from.
    m_dictionary->isKnownWord(finding->word);
    showSpellDialog(finding->word, finding->start, length, finding->miscapitalised);
}

void DocumentSpellCheck::showSpellDialog(const QString &word, int position, int length,
                                         bool miscapitalised)
{
    const int bucket = m_dictionary ? m_dictionary->lastBucket() : -1;
    const TWordCol col =
        !miscapitalised && bucket >= 0 ? m_dictionary->wordCol(bucket) : TWordCol();
    const QStringList *group = bucket >= 0 && !miscapitalised ? &col.words : nullptr;
    m_dialog->showWord(word, dialogSuggestions(group, word, length, miscapitalised));
    m_checkWordPos = position;
    m_checkWordLen = length;
    if (!m_placed) {
        // Its top-left corner at the middle of the editor's window.
        if (QWidget *window = m_dialog->parentWidget())
            m_dialog->move(window->geometry().center());
        m_placed = true;
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
    m_dialog->txtChangeTo->setFocus();
}

bool DocumentSpellCheck::selectRange(int start, int length)
{
    if (start < 0 || length < 0 || start + length > m_txtMain->textLength())
        return false;
    m_txtMain->select(start, length);
    return true;
}

void DocumentSpellCheck::continueCheck(bool add)
{
    if (add && m_dictionary)
        m_dictionary->addWord(trimmed(m_dialog->word()));
    spellCheckRange(m_checkWordPos + m_checkWordLen, -1);
}

void DocumentSpellCheck::cmdChangeClick()
{
    if (m_checkWordPos >= 0 && m_checkWordLen >= 1 && selectRange(m_checkWordPos, m_checkWordLen)) {
        const QString selected = m_txtMain->selectedText();
        // The writer may have edited the text since: only the word shown is replaced.
        if (!selected.isEmpty() &&
            asciiLower(trimmed(selected)) == asciiLower(trimmed(m_dialog->word()))) {
            const QString replacement = trimmed(m_dialog->changeTo());
            m_txtMain->replaceSelection(replacement);
            m_checkWordLen = int(replacement.size());
        }
    }
    continueCheck(false);
}

void DocumentSpellCheck::cmdIgnoreClick()
{
    continueCheck(false);
}

void DocumentSpellCheck::cmdAddClick()
{
    if (m_messages.show(addWordQuestion()) == Answer::Yes)
        continueCheck(true);
}

} // namespace calmdesk
