// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/text/textsearch.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>

class QColor;

namespace calmdesk {

class TextControl;

enum class FindAction {
    FindNext,
    // The next match after the selection, replaced.
    Replace,
    // Every match in the whole text, replaced in one undo step.
    ReplaceAll,
};

// What a dialog (or F3, or a scratchpad's "Find") asks for.
struct FindRequest
{
    QString searchText;
    QString replacement;
    bool matchCase = false;
    bool wholeWord = false;
    FindAction action = FindAction::FindNext;

    FindFlags flags() const;
};

// What the writer is to see and hear after a search.
struct FindOutcome
{
    // For the status line's message slot; empty when the search did not start.
    QString message;
    // Nothing was found anywhere: the default beep.
    bool beep = false;
    // A match was found (and, when asked, replaced): the text gets the focus.
    bool found = false;
};

// The search of the find and replace dialogs over any text control. Each search counts
// the matches in the whole text (unless whole words are asked for), starts after the
// selection (or at the top), wraps to the top once, and selects the match or replaces it.
class TextFinder
{
    Q_DECLARE_TR_FUNCTIONS(TextFinder)

public:
    FindOutcome findOrReplace(TextControl &text, const FindRequest &request);

    // The message slot's texts.
    static QString matchCountMessage(int count);
    static QString helpMessage();

private:
    int startPosition(const TextControl &text) const;

    // Where the last replacement left the caret: a caret still there (nothing selected)
    // goes on from it, as a selection's end would, so each Replace takes the next match.
    QPointer<TextControl> m_replacedIn;
    int m_replacedEnd = -1;
};

// Marks every whole-word occurrence of `word` (trimmed; letter case ignored) in `text`
// in the colours given, after removing the previous highlight. Nothing happens for a
// word that is empty once trimmed. The selection and the view stay as they are.
void highlightWord(TextControl &text, const QString &word, const QColor &textColour,
                   const QColor &backgroundColour);

} // namespace calmdesk
