// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingstable.h"

#include "core/asciitext.h"
#include "core/folders.h"
#include "settings/numbertext.h"

#include <QDir>

#include <array>
#include <limits>

namespace calmdesk {

namespace {

// --- the values' own rules ---

constexpr QColor kDefaultText(255, 128, 64);
constexpr QColor kDefaultBackground(0, 0, 0);

constexpr int kMinPause = 1;
constexpr int kMaxPause = 59;
constexpr int kDefaultPause = 20;
constexpr int kMinWidth = 10;
constexpr int kMaxWidth = 100;
constexpr int kDefaultWidth = 90;
constexpr int kMinFontSize = 6;
constexpr int kDefaultFontSize = 12;
constexpr int kMinPerPage = 2;
constexpr int kDefaultPerPage = 24;
// Stored flags read "not 0 is on", except the deadline display, which is on only at 1.
constexpr int kDeadlineOn = 1;

QString defaultFont()
{
    return QStringLiteral("Courier New");
}

int pauseInRange(int seconds)
{
    return seconds < kMinPause || seconds > kMaxPause ? kDefaultPause : seconds;
}
int fontSizeAtLoad(int points)
{
    return points < kMinFontSize ? kDefaultFontSize : points;
}
int perpageAtLoad(int lines)
{
    return lines < kMinPerPage ? kDefaultPerPage : lines;
}
MarkupStyle formatsAtLoad(int number)
{
    return MarkupStyle(qBound(int(MarkupStyle::None), number, int(MarkupStyle::BBCode)));
}
template<typename Enum> Enum asRead(int number)
{
    return Enum(number);
}

// --- stored text ---

constexpr QChar kSeparator = QLatin1Char('/');

// A number as the program reads it: trimmed; an absent or empty value is 0, and so is one
// that is not decimal text (it is treated as absent rather than stopping the load).
int storedNumber(const QString &stored)
{
    bool ok = false;
    const qlonglong value = trimmed(stored).toLongLong(&ok, 10);
    if (!ok)
        return 0;
    return int(qBound(qlonglong(std::numeric_limits<int>::min()), value,
                      qlonglong(std::numeric_limits<int>::max())));
}

// Numbers are stored as decimal text; a negative one only comes from outside and is
// written back as it was read.
QString numberText(int value)
{
    return QString::number(value);
}

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// The stored diary folder when it still exists (with a trailing separator), else empty.
QString storedDiaryFolder(QString d)
{
    if (d.size() > 1) {
        const qsizetype len = d.size();
        // A folder stored with a doubled separator before its last character loses the
        // last two characters.
        if (len >= 4 && d.at(len - 4) == kSeparator && d.at(len - 3) == kSeparator)
            d.chop(2);
        d = withTrailingSeparator(d);
        if (!QDir(d).exists())
            d.clear();
    }
    return d;
}

// --- the kinds of row ---

// A check box, stored as 0 or 1; `reading` says which stored numbers are on (any but 0,
// when it is not given).
SettingRow flag(const char *name, bool Settings::*field, bool (*reading)(int) = nullptr)
{
    return {QLatin1String(name),
            [field, reading](Settings &s, const QString &stored, const QString &) {
                const int number = storedNumber(stored);
                s.*field = reading ? reading(number) : number != 0;
            },
            [field](const Settings &s) { return flagText(s.*field); },
            [field](Settings &s) {
                s.*field = false;
            }};
}

SettingRow number(const char *name, int Settings::*field, int fresh, int (*atLoad)(int) = nullptr,
                  bool loaded = true)
{
    return {QLatin1String(name),
            [field, atLoad](Settings &s, const QString &stored, const QString &) {
                const int value = storedNumber(stored);
                s.*field = atLoad ? atLoad(value) : value;
            },
            [field](const Settings &s) { return numberText(s.*field); },
            [field, fresh](Settings &s) { s.*field = fresh; }, loaded};
}

// A list's position; `atLoad` makes the stored number the enumeration's value.
template<typename Enum>
SettingRow choice(const char *name, Enum Settings::*field, Enum fresh, Enum (*atLoad)(int))
{
    return {QLatin1String(name),
            [field, atLoad](Settings &s, const QString &stored, const QString &) {
                s.*field = atLoad(storedNumber(stored));
            },
            [field](const Settings &s) { return numberText(int(s.*field)); },
            [field, fresh](Settings &s) {
                s.*field = fresh;
            }};
}

SettingRow colour(const char *name, QColor Settings::*field, const QColor &fresh)
{
    return {QLatin1String(name),
            [field](Settings &s, const QString &stored, const QString &) {
                s.*field = colorFromValue(storedNumber(stored));
            },
            [field](const Settings &s) { return numberText(colorValue(s.*field)); },
            [field, fresh](Settings &s) {
                s.*field = fresh;
            }};
}

// Paragraph spacing is on unless a value says otherwise: only an absent or empty value
// takes the default (a stored "0" is off).
SettingRow paragraphSpacing()
{
    return {QLatin1String("txtpara"),
            [](Settings &s, const QString &stored, const QString &) {
                s.txtpara = stored.isEmpty() || storedNumber(stored) != 0;
            },
            [](const Settings &s) { return flagText(s.txtpara); },
            [](Settings &s) {
                s.txtpara = true;
            }};
}

// The font name is kept as stored; a blank one is Courier New.
SettingRow fontName()
{
    return {QLatin1String("txtfont"),
            [](Settings &s, const QString &stored, const QString &) {
                s.txtfont = trimmed(stored).isEmpty() ? defaultFont() : stored;
            },
            [](const Settings &s) { return s.txtfont; },
            [](Settings &s) {
                s.txtfont = defaultFont();
            }};
}

// A folder that still exists, or else the default folder under the data home (which has
// no fixed value for a Settings made fresh).
SettingRow diaryFolder()
{
    return {QLatin1String("diary"),
            [](Settings &s, const QString &stored, const QString &dataHome) {
                s.diaryDir = storedDiaryFolder(trimmed(stored));
                if (s.diaryDir.size() < 2)
                    s.diaryDir = defaultDiaryFolder(dataHome);
            },
            [](const Settings &s) { return s.diaryDir; },
            [](Settings &s) {
                s.diaryDir.clear();
            }};
}

const std::array<SettingRow, 30> &leadingRows()
{
    static const std::array<SettingRow, 30> rows = {
        flag("restore", &Settings::restore),
        flag("restpar", &Settings::restpar),
        flag("restmin", &Settings::restmin),
        flag("use_scratch", &Settings::use_scratch),
        choice("scrollbar", &Settings::scrollbar, BarMode::Never, asRead<BarMode>),
        flag("cron_use", &Settings::cron_use),
        number("cron_pause", &Settings::cron_pause, kDefaultPause, pauseInRange),
        choice("show_status", &Settings::show_status, BarMode::Never, asRead<BarMode>),
        // 0: shown and laid out as 90 (widthInRange).
        number("width", &Settings::width, 0),
        flag("show_char", &Settings::show_char),
        flag("show_word", &Settings::show_word),
        flag("show_para", &Settings::show_para),
        flag("show_page", &Settings::show_page),
        choice("formats", &Settings::formats, MarkupStyle::None, formatsAtLoad),
        flag("deadlines", &Settings::deadlines, [](int n) { return n == kDeadlineOn; }),
        flag("spelltype", &Settings::spelltype),
        diaryFolder(),
        flag("savepar", &Settings::savepar),
        flag("savemin", &Settings::savemin),
        flag("showmru", &Settings::showmru),
        choice("openlst", &Settings::openlst, StartupDocument::NewFile, asRead<StartupDocument>),
        fontName(),
        number("txtsize", &Settings::txtsize, kDefaultFontSize, fontSizeAtLoad),
        // An absent colour reads as black; the pair rule then makes a fresh user's.
        colour("txtfore", &Settings::txtfore, kDefaultText),
        colour("txtback", &Settings::txtback, kDefaultBackground),
        paragraphSpacing(),
        flag("txtbold", &Settings::txtbold),
        flag("txtital", &Settings::txtital),
        flag("txtcore", &Settings::txtcore),
        flag("txttext", &Settings::txttext),
    };
    return rows;
}

const std::array<SettingRow, 3> &trailingRows()
{
    static const std::array<SettingRow, 3> rows = {
        number("alarmhh", &Settings::alarmhh, 0, nullptr, false),
        number("alarmmm", &Settings::alarmmm, 0, nullptr, false),
        number("perpage", &Settings::perpage, kDefaultPerPage, perpageAtLoad),
    };
    return rows;
}

} // namespace

Settings::Settings()
{
    for (const auto &rows : {leadingSettingRows(), trailingSettingRows()})
        for (const SettingRow &row : rows)
            row.reset(*this);
}

QStringList Settings::emptyList()
{
    return QStringList(kListSlots);
}

std::span<const SettingRow> leadingSettingRows()
{
    return leadingRows();
}
std::span<const SettingRow> trailingSettingRows()
{
    return trailingRows();
}

void correctLoadedPair(Settings &s)
{
    if (s.txtfore == s.txtback) {
        s.txtfore = kDefaultText;
        s.txtback = kDefaultBackground;
    }
}

const Settings &defaultSettings()
{
    static const Settings fresh;
    return fresh;
}

QString defaultDiaryFolder(const QString &dataHome)
{
    const QString d = withTrailingSeparator(dataHome) + QStringLiteral("Calmdesk/Diary");
    // A fresh user may not have the data folder itself yet.
    makeFolderPath(d);
    return d;
}

int widthInRange(int width)
{
    return width < kMinWidth || width > kMaxWidth ? kDefaultWidth : width;
}

int widthFromDialog(const QString &field, int previous)
{
    return widthInRange(leadingNumber(field, previous));
}

int cronPauseFromDialog(int position)
{
    return pauseInRange(position + 1);
}

int cronPauseDialogPosition(int seconds)
{
    return pauseInRange(seconds) - 1;
}

int perpageFromDialog(const QString &field, int previous)
{
    return leadingNumber(field, previous);
}

int colorValue(const QColor &colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

QColor colorFromValue(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace calmdesk
