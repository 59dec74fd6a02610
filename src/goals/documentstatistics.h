// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/paragraphcounter.h"
#include "goals/pendingedit.h"

#include <QObject>

namespace calmdesk {

class TextControl;

// The counts of a text control's text, kept up to date paragraph by paragraph: the
// control reports which paragraphs an edit replaced, and only those are read and
// recounted. It also remembers whether the text has changed since the change handler
// last looked (the handler's "text seen last time").
class DocumentStatistics : public QObject
{
    Q_OBJECT

public:
    explicit DocumentStatistics(TextControl *control, QObject *parent = nullptr);

    // Whether the text differs from when this was last asked; brings the counts up to
    // date.
    bool takeChange();
    // The counts of the control's current text.
    TextCounts counts();
    // Reads what changed since the last refresh.
    void refresh();

private:
    void onParagraphsChanged(int first, int removed, int added);
    void recountAll();

    TextControl *m_control;
    ParagraphCounter m_counter;
    // What the control changed since the last refresh.
    PendingEdit m_pending;
    // Until the first refresh the counts know nothing of the control's text.
    bool m_recountAll = true;
    bool m_changedSinceTaken = false;
};

} // namespace calmdesk
