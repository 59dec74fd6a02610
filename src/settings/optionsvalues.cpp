// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/optionsvalues.h"

#include "core/asciitext.h"
#include "settings/numbertext.h"

#include <algorithm>

namespace calmdesk {

namespace {

// A list's position for a stored number: below the first entry is the first, past the
// last is the last.
int clampedPosition(int value, int entries)
{
    return std::clamp(value, 0, entries - 1);
}

} // namespace

OptionsValues optionsFromSettings(const Settings &s, const DocumentLimits &limits,
                                  const QDate &today, bool startWithSystem, bool startMinimized)
{
    OptionsValues o;
    const QDate stored(limits.deadlineYear, limits.deadlineMonth, limits.deadlineDay);
    const bool dateSet =
        limits.deadlineDay > 0 && limits.deadlineMonth > 0 && limits.deadlineYear > 0;
    o.deadline = dateSet && stored.isValid() ? stored : today;
    o.deadlines = s.deadlines;
    o.diaryField = s.diaryDir;
    o.startWithSystem = startWithSystem;
    o.startMinimized = startWithSystem && startMinimized;
    o.scrollbarPosition = clampedPosition(int(s.scrollbar), 3);
    o.use_scratch = s.use_scratch;
    o.restore = s.restore;
    o.restpar = s.restpar;
    o.restmin = s.restmin;
    o.spelltype = s.spelltype;
    o.formatsPosition = clampedPosition(int(s.formats), 3);
    o.statusPosition = clampedPosition(int(s.show_status), 3);
    o.show_char = s.show_char;
    o.show_word = s.show_word;
    o.show_para = s.show_para;
    o.show_page = s.show_page;
    o.widthField = QString::number(widthInRange(s.width));
    o.savepar = s.savepar;
    o.savemin = s.savemin;
    o.showmru = s.showmru;
    o.openlstPosition = clampedPosition(int(s.openlst), 4);
    o.fontFamily = s.txtfont;
    o.fontSize = s.txtsize;
    o.foreground = s.txtfore;
    o.background = s.txtback;
    o.bold = s.txtbold;
    o.italic = s.txtital;
    o.txtpara = s.txtpara;
    o.txtcore = s.txtcore;
    o.txttext = s.txttext;
    for (int i = 0; i < Settings::kListSlots; ++i) {
        if (!s.acFind.at(i).isEmpty() || !s.acReplace.at(i).isEmpty())
            o.corrections.append({s.acFind.at(i), s.acReplace.at(i)});
        if (!s.atWords.at(i).isEmpty())
            o.autoTextWords.append(s.atWords.at(i));
    }
    o.charLimitField = QString::number(limits.limchar);
    o.wordLimitField = QString::number(limits.limword);
    o.paraLimitField = QString::number(limits.limpara);
    o.pageLimitField = QString::number(limits.limpage);
    o.alarmHourPosition = clampedPosition(s.alarmhh, 24);
    o.alarmMinutePosition = clampedPosition(s.alarmmm, 60);
    o.cron_use = s.cron_use;
    o.pausePosition = cronPauseDialogPosition(s.cron_pause);
    o.linesPerPageField = QString::number(s.perpage);
    return o;
}

Settings settingsFromOptions(const OptionsValues &o, const Settings &previous)
{
    Settings s = previous;
    s.restore = o.restore;
    s.restpar = o.restpar;
    s.restmin = o.restmin;
    s.use_scratch = o.use_scratch;
    s.scrollbar = BarMode(o.scrollbarPosition);
    s.cron_use = o.cron_use;
    s.cron_pause = cronPauseFromDialog(o.pausePosition);
    s.show_status = BarMode(o.statusPosition);
    s.width = widthFromDialog(o.widthField, previous.width);
    s.show_char = o.show_char;
    s.show_word = o.show_word;
    s.show_para = o.show_para;
    s.show_page = o.show_page;
    s.formats = MarkupStyle(o.formatsPosition);
    s.deadlines = o.deadlines;
    s.spelltype = o.spelltype;
    s.diaryDir = trimmed(o.diaryField);
    s.savepar = o.savepar;
    s.savemin = o.savemin;
    s.showmru = o.showmru;
    s.openlst = StartupDocument(o.openlstPosition);
    s.txtfont = o.fontFamily;
    s.txtsize = o.fontSize;
    s.txtfore = o.foreground;
    s.txtback = o.background;
    s.txtbold = o.bold;
    s.txtital = o.italic;
    s.txtpara = o.txtpara;
    s.txtcore = o.txtcore;
    s.txttext = o.txttext;
    s.alarmhh = o.alarmHourPosition;
    s.alarmmm = o.alarmMinutePosition;
    s.perpage = perpageFromDialog(o.linesPerPageField, previous.perpage);

    // A rule is kept in memory as typed unless both of its sides are blank; the store
    // then keeps only rules with both sides filled.
    s.acFind = Settings::emptyList();
    s.acReplace = Settings::emptyList();
    for (int i = 0; i < o.corrections.size() && i < Settings::kListSlots; ++i) {
        const auto &[find, replace] = o.corrections.at(i);
        if (trimmed(find).isEmpty() && trimmed(replace).isEmpty())
            continue;
        s.acFind[i] = find;
        s.acReplace[i] = replace;
    }
    s.atWords = Settings::emptyList();
    for (int i = 0; i < o.autoTextWords.size() && i < Settings::kListSlots; ++i) {
        if (!trimmed(o.autoTextWords.at(i)).isEmpty())
            s.atWords[i] = o.autoTextWords.at(i);
    }
    return s;
}

DocumentLimits limitsFromOptions(const OptionsValues &o, const DocumentLimits &previous)
{
    DocumentLimits l;
    l.limchar = leadingNumber(o.charLimitField, previous.limchar);
    l.limword = leadingNumber(o.wordLimitField, previous.limword);
    l.limpara = leadingNumber(o.paraLimitField, previous.limpara);
    l.limpage = leadingNumber(o.pageLimitField, previous.limpage);
    // The picker's date is taken whether or not the deadline is switched on.
    l.deadlineDay = o.deadline.day();
    l.deadlineMonth = o.deadline.month();
    l.deadlineYear = o.deadline.year();
    return l;
}

} // namespace calmdesk
