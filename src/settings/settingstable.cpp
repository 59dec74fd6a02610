#include "settings/settingstable.h"

#include <array>

namespace calmdesk {

namespace {

using K = GeneralValue::Kind;

constexpr int kDefaultCronPause = 20;
constexpr int kCronPauseLimit = 60;
constexpr int kMaxFormats = 2;
constexpr int kMinFontSize = 6;
constexpr int kDefaultFontSize = 12;
constexpr int kMinPerPage = 2;
constexpr int kDefaultPerPage = 24;

int correctCronPause(int v)
{
    return (v < 1 || v >= kCronPauseLimit) ? kDefaultCronPause : v;
}
int correctFormats(int v)
{
    return v < 0 ? 0 : (v > kMaxFormats ? kMaxFormats : v);
}
int correctFontSize(int v)
{
    return v < kMinFontSize ? kDefaultFontSize : v;
}
int correctPerPage(int v)
{
    return v < kMinPerPage ? kDefaultPerPage : v;
}

constexpr GeneralValue number(const char *name, int Settings::*field, int (*correct)(int) = nullptr)
{
    return {QLatin1String(name), K::Number, field, nullptr, correct};
}

constexpr GeneralValue writtenOnly(const char *name, int Settings::*field)
{
    return {QLatin1String(name), K::Number, field, nullptr, nullptr, false};
}

constexpr GeneralValue text(const char *name, QString Settings::*field)
{
    return {QLatin1String(name), K::Text, nullptr, field, nullptr};
}

const std::array kLeading = {
    number("restore", &Settings::restore),
    number("restpar", &Settings::restpar),
    number("restmin", &Settings::restmin),
    number("use_scratch", &Settings::use_scratch),
    number("scrollbar", &Settings::scrollbar),
    number("cron_use", &Settings::cron_use),
    number("cron_pause", &Settings::cron_pause, correctCronPause),
    number("show_status", &Settings::show_status),
    number("width", &Settings::width),
    number("show_char", &Settings::show_char),
    number("show_word", &Settings::show_word),
    number("show_para", &Settings::show_para),
    number("show_page", &Settings::show_page),
    number("formats", &Settings::formats, correctFormats),
    number("deadlines", &Settings::deadlines),
    number("spelltype", &Settings::spelltype),
    text("diary", &Settings::diaryDir),
    number("savepar", &Settings::savepar),
    number("savemin", &Settings::savemin),
    number("showmru", &Settings::showmru),
    number("openlst", &Settings::openlst),
    text("txtfont", &Settings::txtfont),
    number("txtsize", &Settings::txtsize, correctFontSize),
    number("txtfore", &Settings::txtfore),
    number("txtback", &Settings::txtback),
    number("txtpara", &Settings::txtpara),
    number("txtbold", &Settings::txtbold),
    number("txtital", &Settings::txtital),
    number("txtcore", &Settings::txtcore),
    number("txttext", &Settings::txttext),
};

const std::array kTrailing = {
    writtenOnly("alarmhh", &Settings::alarmhh),
    writtenOnly("alarmmm", &Settings::alarmmm),
    number("perpage", &Settings::perpage, correctPerPage),
};

} // namespace

std::span<const GeneralValue> leadingGeneralValues()
{
    return kLeading;
}
std::span<const GeneralValue> trailingGeneralValues()
{
    return kTrailing;
}

int colorValue(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

} // namespace calmdesk
