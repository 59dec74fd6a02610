// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/documentlimits.h"

#include "core/asciitext.h"
#include "platform/store/settingsstore.h"

#include <array>
#include <limits>

namespace calmdesk {

namespace {

struct LimitValue
{
    const char *suffix;
    int DocumentLimits::*field;
};

// In the order they are read.
constexpr std::array<LimitValue, 7> kReadOrder = {{
    {"limchar", &DocumentLimits::limchar},
    {"limword", &DocumentLimits::limword},
    {"limpara", &DocumentLimits::limpara},
    {"limpage", &DocumentLimits::limpage},
    {"dlineday", &DocumentLimits::deadlineDay},
    {"dlinemon", &DocumentLimits::deadlineMonth},
    {"dlineyea", &DocumentLimits::deadlineYear},
}};

// In the order they are written: the deadline first.
constexpr std::array<LimitValue, 7> kWriteOrder = {{
    kReadOrder[4],
    kReadOrder[5],
    kReadOrder[6],
    kReadOrder[0],
    kReadOrder[1],
    kReadOrder[2],
    kReadOrder[3],
}};

QString valueName(const QString &prefix, const LimitValue &value)
{
    return prefix + QLatin1Char(':') + QLatin1String(value.suffix);
}

// A stored number as read back: text that is not a decimal number counts as not set.
int numberFromText(const QString &text)
{
    bool ok = false;
    const qlonglong value = trimmed(text).toLongLong(&ok, 10);
    if (!ok || value < 0)
        return 0;
    return int(std::min<qlonglong>(value, std::numeric_limits<int>::max()));
}

} // namespace

QString limitsKey(const QString &root)
{
    return root + QStringLiteral("\\limits");
}

QString limitValuePrefix(const QString &path)
{
    QString prefix = path;
    prefix.replace(QLatin1Char('\\'), QLatin1Char('-'));
    prefix.replace(QLatin1Char(':'), QLatin1Char('-'));
    return prefix;
}

DocumentLimits readLimits(const SettingsStore &store, const QString &root, const QString &path)
{
    const QString key = limitsKey(root);
    const QString prefix = limitValuePrefix(path);
    DocumentLimits limits;
    for (const LimitValue &value : kReadOrder)
        limits.*value.field =
            numberFromText(store.regReadNumberText(key, valueName(prefix, value)));
    return limits;
}

bool writeLimits(SettingsStore &store, const QString &root, const QString &path,
                 const DocumentLimits &limits)
{
    const QString key = limitsKey(root);
    const QString prefix = limitValuePrefix(path);
    for (const LimitValue &value : kReadOrder)
        store.regDeleteValue(key, valueName(prefix, value));
    bool written = true;
    for (const LimitValue &value : kWriteOrder) {
        const int number = limits.*value.field;
        if (number > 0)
            written =
                store.regWriteString(key, valueName(prefix, value), QString::number(number)) &&
                written;
    }
    return written;
}

} // namespace calmdesk
