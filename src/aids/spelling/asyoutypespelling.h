// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aids/spelling/wordranges.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

class QTimer;

namespace calmdesk {

class SpellingDictionary;
class SpellingPass;
class TextControl;

// Marks misspelled and miscapitalised words of the text column a moment after the writer
// stops typing. The words are judged on a worker thread from a snapshot of the text; the
// marks come back only when nothing was typed meanwhile, and go in a slice of paragraphs
// at a time, the caret's first, so no step holds the window up.
class AsYouTypeSpelling : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSpellIntervalMs = 2100;
    // Checks never start closer together than this.
    static constexpr int kMinimumGapMs = 2000;
    // Marks change in slices of at most this many paragraphs and this many marks.
    static constexpr int kSliceParagraphs = 500;
    static constexpr int kSliceMarks = 200;
    // The paragraphs around the caret, this many characters each way, are judged first
    // and marked before the rest of the text is judged.
    static constexpr int kFirstReach = 20'000;

    // `mayCheck` says whether marks are wanted now (spelling as you type on, the window
    // shown and not minimised, not started hidden).
    AsYouTypeSpelling(TextControl *txtMain, std::function<bool()> mayCheck,
                      QObject *parent = nullptr);
    ~AsYouTypeSpelling() override;

    // The loaded word list (null before); checks need it.
    void setDictionary(const SpellingDictionary *dictionary) { m_dictionary = dictionary; }

    // The text's change notification, in its three steps: the pause timer stops, the text
    // changed (a check under way is called off), the pause begins anew.
    void stopTimer();
    void textEdited();
    void restartTimer();

    void tmrSpellTimer();
    // The writer accepted a word: a check under way judges the text again with it, so it
    // does not mark the word the writer just ignored.
    void wordsChanged();
    // Removes every mark.
    void clearUnderline();
    // Before a key acts on the text: the marks of the selection and of the word at the
    // caret go, as the word is being edited. Keys that only move the caret (or do nothing
    // to the text) leave them, so a writer can reach a marked word from the keyboard.
    void txtMainKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void removeMarkAtCaret();

    QTimer *timer() const { return tmrSpell; }
    bool isChecking() const { return m_checking; }

signals:
    // A check began or ended (the status line's "in progress" image).
    void checkingChanged(bool checking);

private:
    void onStretchFinished(const QList<WordRange> &marks);
    void onPassFinished(const QList<WordRange> &marks);
    // Cuts the changes from `current` to `wanted` into slices, the caret's first, in place
    // of any still to go in, and starts putting them in.
    void queueChanges(const QList<WordRange> &current, const QList<WordRange> &wanted);
    void applyNextSlice();
    void endCheck();

    TextControl *m_txtMain;
    std::function<bool()> m_mayCheck;
    const SpellingDictionary *m_dictionary = nullptr;
    QTimer *tmrSpell;
    SpellingPass *m_pass;
    // lastSpellTime: when the last check ended.
    QElapsedTimer m_sinceLastCheck;
    // spellTextChanged, as a count: a check's result stands only if it has not moved.
    quint64 m_edits = 0;
    quint64 m_editsAtCheck = 0;
    bool m_checking = false;
    QStringList m_checkedText;
    WordRange m_firstStretch;
    // A turn of the event loop will put the next slice in.
    bool m_slicePending = false;

    struct Slice
    {
        QList<WordRange> removed;
        QList<WordRange> added;
    };
    QList<Slice> m_slices;
};

} // namespace calmdesk
