#pragma once

#include <QString>
#include <QStringList>

namespace calmdesk {

// The key under the current user's store that holds everything the program keeps.
inline QString settingsRoot()
{
    return QStringLiteral("Software\\Osmira\\v11\\Settings");
}

// The program-wide settings variables, one per value of the general key, plus the
// auto-correct and auto-text lists. The initialisers are what a fresh user gets.
struct Settings
{
    // Slots 0 to 2048 of each list.
    static constexpr int kListSlots = 2049;
    // 240 twips (12 pt) of space after each paragraph when paragraph spacing is on.
    static constexpr int kParagraphSpacingTwips = 240;

    int restore = 0;
    int restpar = 0;
    int restmin = 0;
    int use_scratch = 0;
    int scrollbar = 0;
    int cron_use = 0;
    int cron_pause = 20;
    int show_status = 0;
    int width = 0;
    int show_char = 0;
    int show_word = 0;
    int show_para = 0;
    int show_page = 0;
    int formats = 0;
    int deadlines = 0;
    int spelltype = 0;
    QString diaryDir;
    int savepar = 0;
    int savemin = 0;
    int showmru = 0;
    int openlst = 0;
    QString txtfont = QStringLiteral("Courier New");
    int txtsize = 12;
    int txtfore = 0x4080FF; // RGB(255,128,64): red + 256 * green + 65536 * blue
    int txtback = 0;        // RGB(0,0,0)
    int txtpara = 1;
    int txtbold = 0;
    int txtital = 0;
    int txtcore = 0;
    int txttext = 0;
    int alarmhh = 0;
    int alarmmm = 0;
    int perpage = 24;

    QStringList acFind = emptyList();
    QStringList acReplace = emptyList();
    QStringList atWords = emptyList();

    static QStringList emptyList();
};

} // namespace calmdesk
