// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/documentlimits.h"
#include "goals/textcounts.h"

#include <QDateTime>
#include <QString>

namespace calmdesk {

// The colours of the status line, named by what they say; the panel paints them.
enum class LabelTone {
    Quiet,   // (128,128,128): a label not painted yet
    NotMet,  // (192,192,192): goal not met or not set; deadline ahead; saved file
    Met,     // (0,255,0): goal met; unsaved file; alarm run out; message slot
    Overdue, // (244,130,6): deadline reached
    Running, // (255,255,255): writing timer counting; alarm counting down
    Paused,  // (255,0,0): writing timer paused
};

struct LabelState
{
    QString text;
    LabelTone tone = LabelTone::NotMet;

    friend bool operator==(const LabelState &, const LabelState &) = default;
};

// Everything the goal labels are computed from.
struct StatusInputs
{
    TextCounts counts;
    // Laid-out lines of the text column, not counting an empty last one.
    int displayLines = 0;
    DocumentLimits limits;
    int perpage = 0;
    bool deadlines = false;
    // The document's full path; empty for an untitled document.
    QString curFile;
    QDateTime now;
};

// The goal labels as they are to be shown.
struct StatusReport
{
    LabelState words;
    LabelState characters;
    LabelState paragraphs;
    LabelState pages;
    LabelState deadline;

    friend bool operator==(const StatusReport &, const StatusReport &) = default;
};

StatusReport statusReport(const StatusInputs &inputs);

// Completed pages: display lines / perpage, or 0 below one page or when perpage is 0.
quint32 pageBreaks(int displayLines, int perpage);

// The deadline label for `limits` at local time `now`; empty text when the display is
// off, the document is untitled or the date is incomplete or not a real date.
LabelState deadlineLabel(const DocumentLimits &limits, bool deadlines, const QString &curFile,
                         const QDateTime &now);

} // namespace calmdesk
