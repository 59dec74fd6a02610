// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/documentlimitvalues.h"
#include "settings/settings.h"
#include "settings/settingstable.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace calmdesk {

// What the options dialog holds when the writer presses OK, control by control: check
// boxes as booleans, lists as positions, number fields as typed.
struct OptionsValues
{
    bool restore = false;
    bool restpar = false;
    bool restmin = false;
    bool use_scratch = false;
    int scrollbarPosition = 0;
    bool cron_use = false;
    int pausePosition = cronPauseDialogPosition(defaultSettings().cron_pause);
    int statusPosition = 0;
    QString widthField;
    bool show_char = false;
    bool show_word = false;
    bool show_para = false;
    bool show_page = false;
    int formatsPosition = 0;
    bool deadlines = false;
    bool spelltype = false;
    QString diaryField;
    bool savepar = false;
    bool savemin = false;
    bool showmru = false;
    int openlstPosition = 0;
    // The "Sample Font" label: its font, text colour and background.
    QString fontFamily;
    int fontSize = defaultSettings().txtsize;
    QColor foreground;
    QColor background;
    bool bold = false;
    bool italic = false;
    bool txtpara = false;
    bool txtcore = false;
    bool txttext = false;
    int alarmHourPosition = 0;
    int alarmMinutePosition = 0;
    QString linesPerPageField;

    // The auto-correct list view ("Replace", "With") and the auto-text list, in order.
    QList<QPair<QString, QString>> corrections;
    QStringList autoTextWords;

    // The four limit fields and the deadline picker.
    QString charLimitField;
    QString wordLimitField;
    QString paraLimitField;
    QString pageLimitField;
    QDate deadline;

    // "Start with Windows" and "Start Minimized".
    bool startWithSystem = false;
    bool startMinimized = false;
};

// What the dialog shows when it opens, with its fill rules: lists clamped into their
// entries, a width outside 10 to 100 shown as 90, a pause outside 1 to 59 as 20, the
// deadline picker on the stored date when day, month and year are all set, else `today`.
// The two lists are the stored ones; the dialog offers its built-in ones when they are
// empty.
OptionsValues optionsFromSettings(const Settings &settings, const DocumentLimits &limits,
                                  const QDate &today, bool startWithSystem, bool startMinimized);

// The settings variables the dialog's values stand for, with the dialog's corrections
// from the settings table; `previous` gives the values a field keeps when its text is no
// whole number.
Settings settingsFromOptions(const OptionsValues &options, const Settings &previous);
DocumentLimits limitsFromOptions(const OptionsValues &options, const DocumentLimits &previous);

} // namespace calmdesk
