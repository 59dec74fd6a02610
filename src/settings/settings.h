// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

namespace calmdesk {

// The key under the current user's store that holds everything the program keeps.
inline QString settingsRoot()
{
    return QStringLiteral("Software\\Osmira\\v11\\Settings");
}

// How the status line (show_status) and the scroll bar (scrollbar) show. A stored number
// outside the three is kept as it was read, so storing the settings again writes it
// back unchanged; what it does is up to the code that reads it (the status line then
// shows its labels on a panel that never appears, the scroll bar's cover stays as it is).
enum class BarMode : int { Never = 0, Always = 1, AutoHide = 2 };

// What Ctrl+B, Ctrl+I and Ctrl+U write (formats). A load clamps the stored number into
// these.
enum class MarkupStyle : int { None = 0, Html = 1, BBCode = 2 };

// The document the editor opens at start-up when the command line names none (openlst).
// Any other stored number opens nothing, and is kept as it was read.
enum class StartupDocument : int { NewFile = 0, LastFile = 1, TodaysDiary = 2, LastDiaryPage = 3 };

// The program-wide settings variables, one per value of the general key (named after
// it; the diary value is diaryDir), plus the auto-correct and auto-text lists. Every
// value's default, range and correction is declared once, in the settings table
// (settingstable.cpp); a Settings made fresh holds a fresh user's values.
struct Settings
{
    Settings();

    // Slots 0 to 2048 of each list.
    static constexpr int kListSlots = 2049;
    // 240 twips (12 pt) of space after each paragraph when paragraph spacing is on.
    static constexpr int kParagraphSpacingTwips = 240;

    bool restore{};
    bool restpar{};
    bool restmin{};
    bool use_scratch{};
    BarMode scrollbar{};
    bool cron_use{};
    // Seconds without a keystroke before the writing timer pauses.
    int cron_pause{};
    BarMode show_status{};
    // The text column's width in per cent of the window, as stored (see widthInRange).
    int width{};
    bool show_char{};
    bool show_word{};
    bool show_para{};
    bool show_page{};
    MarkupStyle formats{};
    bool deadlines{};
    bool spelltype{};
    QString diaryDir;
    bool savepar{};
    bool savemin{};
    bool showmru{};
    StartupDocument openlst{};
    QString txtfont;
    // Points.
    int txtsize{};
    QColor txtfore;
    QColor txtback;
    bool txtpara{};
    bool txtbold{};
    bool txtital{};
    bool txtcore{};
    bool txttext{};
    int alarmhh{};
    int alarmmm{};
    // Lines per page for the page count.
    int perpage{};

    QStringList acFind = emptyList();
    QStringList acReplace = emptyList();
    QStringList atWords = emptyList();

    static QStringList emptyList();
};

} // namespace calmdesk
