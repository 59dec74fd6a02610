#include "settings/optionsvalues.h"

#include "core/asciitext.h"
#include "settings/numbertext.h"

namespace calmdesk {

namespace {

constexpr int kDefaultPause = 20;
constexpr int kMaxPause = 59;
constexpr int kMinWidth = 10;
constexpr int kMaxWidth = 100;
constexpr int kDefaultWidth = 90;

int flag(bool on)
{
    return on ? 1 : 0;
}

} // namespace

Settings settingsFromOptions(const OptionsValues &o, const Settings &previous)
{
    Settings s = previous;
    s.restore = flag(o.restore);
    s.restpar = flag(o.restpar);
    s.restmin = flag(o.restmin);
    s.use_scratch = flag(o.use_scratch);
    s.scrollbar = o.scrollbarPosition;
    s.cron_use = flag(o.cron_use);
    s.cron_pause = o.pausePosition + 1;
    if (s.cron_pause < 1 || s.cron_pause > kMaxPause)
        s.cron_pause = kDefaultPause;
    s.show_status = o.statusPosition;
    s.width = leadingNumber(o.widthField, previous.width);
    if (s.width < kMinWidth || s.width > kMaxWidth)
        s.width = kDefaultWidth;
    s.show_char = flag(o.show_char);
    s.show_word = flag(o.show_word);
    s.show_para = flag(o.show_para);
    s.show_page = flag(o.show_page);
    s.formats = o.formatsPosition;
    s.deadlines = flag(o.deadlines);
    s.spelltype = flag(o.spelltype);
    s.diaryDir = trimmed(o.diaryField);
    s.savepar = flag(o.savepar);
    s.savemin = flag(o.savemin);
    s.showmru = flag(o.showmru);
    s.openlst = o.openlstPosition;
    s.txtfont = o.fontFamily;
    s.txtsize = o.fontSize;
    s.txtfore = o.foreground;
    s.txtback = o.background;
    s.txtbold = flag(o.bold);
    s.txtital = flag(o.italic);
    s.txtpara = flag(o.txtpara);
    s.txtcore = flag(o.txtcore);
    s.txttext = flag(o.txttext);
    s.alarmhh = o.alarmHourPosition;
    s.alarmmm = o.alarmMinutePosition;
    s.perpage = leadingNumber(o.linesPerPageField, previous.perpage);

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
