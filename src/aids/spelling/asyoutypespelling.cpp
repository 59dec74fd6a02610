// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/asyoutypespelling.h"

#include "aids/spelling/spellingdictionary.h"
#include "aids/spelling/spellingpass.h"
#include "core/asciitext.h"
#include "platform/text/textcontrol.h"

#include <QTimer>

#include <algorithm>

namespace calmdesk {

namespace {

bool isBlank(const QStringList &paragraphs)
{
    return std::all_of(paragraphs.begin(), paragraphs.end(), [](const QString &paragraph) {
        return std::all_of(paragraph.begin(), paragraph.end(), isTrimmable);
    });
}

QList<WordRange> currentMarks(const TextControl &text)
{
    QList<WordRange> marks;
    for (const MarkRange &range : text.marks(MarkKind::SpellingError))
        marks.append({range.start, range.length});
    return marks;
}

bool leavesTextAlone(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Escape:
    case Qt::Key_Menu:
        return true;
    default:
        return key >= Qt::Key_F1 && key <= Qt::Key_F35;
    }
}

struct Change
{
    WordRange range;
    bool add = false;
};

} // namespace

AsYouTypeSpelling::AsYouTypeSpelling(TextControl *txtMain, std::function<bool()> mayCheck,
                                     QObject *parent)
    : QObject(parent)
    , m_txtMain(txtMain)
    , m_mayCheck(std::move(mayCheck))
    , tmrSpell(new QTimer(this))
    , m_pass(new SpellingPass(this))
{
    tmrSpell->setObjectName(QStringLiteral("tmrSpell"));
    tmrSpell->setSingleShot(true);
    tmrSpell->setInterval(kSpellIntervalMs);
    m_sinceLastCheck.start();
    connect(tmrSpell, &QTimer::timeout, this, &AsYouTypeSpelling::tmrSpellTimer);
    connect(m_pass, &SpellingPass::stretchFinished, this, &AsYouTypeSpelling::onStretchFinished);
    connect(m_pass, &SpellingPass::finished, this, &AsYouTypeSpelling::onPassFinished);
    connect(m_pass, &SpellingPass::cancelled, this, &AsYouTypeSpelling::endCheck);
}

AsYouTypeSpelling::~AsYouTypeSpelling() = default;

void AsYouTypeSpelling::stopTimer()
{
    tmrSpell->stop();
}

void AsYouTypeSpelling::textEdited()
{
    ++m_edits;
    m_pass->cancel();
    // Marks still to go in were found in the text as it was.
    m_slices.clear();
}

void AsYouTypeSpelling::restartTimer()
{
    tmrSpell->start(kSpellIntervalMs);
}

void AsYouTypeSpelling::clearUnderline()
{
    m_txtMain->clearMarks(MarkKind::SpellingError);
}

void AsYouTypeSpelling::tmrSpellTimer()
{
    if (!m_dictionary || !m_mayCheck()) {
        clearUnderline();
        return;
    }
    const qint64 since = m_sinceLastCheck.elapsed();
    if (since < kMinimumGapMs) {
        // Too soon after the last check: this one waits for its turn instead of being lost.
        tmrSpell->start(int(kMinimumGapMs - since));
        return;
    }
    const QStringList paragraphs = m_txtMain->paragraphs();
    if (isBlank(paragraphs)) {
        clearUnderline();
        return;
    }
    m_editsAtCheck = m_edits;
    m_checkedText = paragraphs;
    m_firstStretch = paragraphsAround(paragraphs, m_txtMain->selStart(), kFirstReach);
    m_slices.clear();
    if (!m_checking) {
        m_checking = true;
        emit checkingChanged(true);
    }
    m_pass->start(paragraphs, m_dictionary->snapshot(), m_firstStretch);
}

void AsYouTypeSpelling::wordsChanged()
{
    if (!m_checking || m_edits != m_editsAtCheck || m_checkedText.isEmpty() || !m_dictionary)
        return;
    m_slices.clear();
    m_pass->start(m_checkedText, m_dictionary->snapshot(), m_firstStretch);
}

void AsYouTypeSpelling::onStretchFinished(const QList<WordRange> &marks)
{
    if (m_edits != m_editsAtCheck)
        return;
    const int from = m_firstStretch.start;
    const int to = from + m_firstStretch.length;
    QList<WordRange> current;
    for (const WordRange &range : currentMarks(*m_txtMain)) {
        if (range.start >= from && range.start < to)
            current.append(range);
    }
    queueChanges(current, marks);
}

void AsYouTypeSpelling::onPassFinished(const QList<WordRange> &marks)
{
    if (m_edits != m_editsAtCheck) {
        endCheck();
        return;
    }
    queueChanges(currentMarks(*m_txtMain), marks);
}

void AsYouTypeSpelling::queueChanges(const QList<WordRange> &current,
                                     const QList<WordRange> &wanted)
{
    const MarkChanges changes = markChanges(current, wanted);
    QList<Change> all;
    all.reserve(changes.removed.size() + changes.added.size());
    for (const WordRange &range : changes.removed)
        all.append({range, false});
    for (const WordRange &range : changes.added)
        all.append({range, true});
    std::sort(all.begin(), all.end(), [](const Change &a, const Change &b) {
        return a.range.start < b.range.start || (a.range.start == b.range.start && !a.add && b.add);
    });

    // Cut into slices of a few paragraphs, never between two changes that overlap.
    m_slices.clear();
    const int caret = m_txtMain->selStart();
    int caretSlice = -1;
    ParagraphPosition paragraph;
    int sliceFirstParagraph = -1;
    int reach = -1;
    for (const Change &change : std::as_const(all)) {
        while (paragraph.index + 1 < m_checkedText.size() &&
               change.range.start >= paragraph.start + m_checkedText[paragraph.index].size() + 2) {
            paragraph.start += int(m_checkedText[paragraph.index].size()) + 2;
            ++paragraph.index;
        }
        const bool full =
            !m_slices.isEmpty() &&
            (paragraph.index - sliceFirstParagraph >= kSliceParagraphs ||
             m_slices.last().removed.size() + m_slices.last().added.size() >= kSliceMarks);
        if (m_slices.isEmpty() || (full && change.range.start >= reach)) {
            m_slices.append(Slice{});
            sliceFirstParagraph = paragraph.index;
        }
        Slice &slice = m_slices.last();
        (change.add ? slice.added : slice.removed).append(change.range);
        reach = std::max(reach, change.range.start + change.range.length);
        if (caretSlice < 0 && change.range.start + change.range.length >= caret)
            caretSlice = int(m_slices.size()) - 1;
    }
    // The caret's stretch, which the writer most likely sees, goes first.
    if (caretSlice > 0)
        m_slices.move(caretSlice, 0);
    if (!m_slicePending)
        applyNextSlice();
}

void AsYouTypeSpelling::applyNextSlice()
{
    m_slicePending = false;
    if (m_edits != m_editsAtCheck)
        m_slices.clear();
    if (!m_slices.isEmpty()) {
        const Slice slice = m_slices.takeFirst();
        for (const WordRange &range : slice.removed)
            m_txtMain->clearMarks(range.start, range.length, MarkKind::SpellingError);
        for (const WordRange &range : slice.added)
            m_txtMain->addMark(range.start, range.length, MarkKind::SpellingError);
    }
    if (!m_slices.isEmpty()) {
        // Input runs between slices.
        m_slicePending = true;
        QTimer::singleShot(0, this, &AsYouTypeSpelling::applyNextSlice);
        return;
    }
    // The first stretch's marks are in; the check ends with the whole text's.
    if (!m_pass->isRunning())
        endCheck();
}

void AsYouTypeSpelling::endCheck()
{
    m_checkedText.clear();
    m_sinceLastCheck.restart();
    if (m_checking) {
        m_checking = false;
        emit checkingChanged(false);
    }
}

void AsYouTypeSpelling::txtMainKeyDown(int key, Qt::KeyboardModifiers)
{
    if (!leavesTextAlone(key))
        removeMarkAtCaret();
}

void AsYouTypeSpelling::removeMarkAtCaret()
{
    const int start = m_txtMain->selStart();
    const int length = m_txtMain->selLength();
    if (length > 0)
        m_txtMain->clearMarks(start, length, MarkKind::SpellingError);
    if (!m_txtMain->hasMark(start - 1, MarkKind::SpellingError) &&
        !m_txtMain->hasMark(start, MarkKind::SpellingError))
        return;
    const WordRange word = wordAtCaret(m_txtMain->paragraphs(), start);
    if (word.length > 0)
        m_txtMain->clearMarks(word.start, word.length, MarkKind::SpellingError);
}

} // namespace calmdesk
