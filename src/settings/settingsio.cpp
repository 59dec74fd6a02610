// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsio.h"

#include "core/asciitext.h"
#include "platform/store/settingsstore.h"
#include "settings/settingstable.h"

namespace calmdesk {

namespace {

QString slotName(char prefix, int n)
{
    return QLatin1Char(prefix) + QString::number(n);
}

void readLists(const SettingsStore &store, const QString &root, Settings &s)
{
    const QString acKey = autocorrectKey(root);
    s.acFind = Settings::emptyList();
    s.acReplace = Settings::emptyList();
    for (int n = 0; n < Settings::kListSlots; ++n) {
        const QString find = trimmed(store.regReadString(acKey, slotName('a', n)));
        const QString replace = trimmed(store.regReadString(acKey, slotName('b', n)));
        if (find.isEmpty() && replace.isEmpty())
            break;
        s.acFind[n] = find;
        s.acReplace[n] = replace;
    }

    const QString atKey = autotextKey(root);
    s.atWords = Settings::emptyList();
    for (int n = 0; n < Settings::kListSlots; ++n) {
        const QString word = trimmed(store.regReadString(atKey, slotName('a', n)));
        if (word.isEmpty())
            break;
        s.atWords[n] = word;
    }
}

void readRows(const SettingsStore &store, const QString &key, std::span<const SettingRow> rows,
              const QString &dataHome, Settings &s)
{
    for (const SettingRow &row : rows) {
        if (row.loaded)
            row.load(s, store.regReadString(key, row.name), dataHome);
    }
}

bool writeRows(SettingsStore &store, const QString &key, std::span<const SettingRow> rows,
               const Settings &s)
{
    bool ok = true;
    for (const SettingRow &row : rows)
        ok = store.regWriteString(key, row.name, row.store(s)) && ok;
    return ok;
}

} // namespace

QString generalKey(const QString &root)
{
    return root + QStringLiteral("\\general");
}
QString autocorrectKey(const QString &root)
{
    return root + QStringLiteral("\\autocorect");
}
QString autotextKey(const QString &root)
{
    return root + QStringLiteral("\\autotext");
}

Settings loadSettings(const SettingsStore &store, const QString &root, const QString &dataHome)
{
    // The values not read (the alarm's) keep a fresh user's: the alarm is off.
    Settings s;
    const QString general = generalKey(root);
    readRows(store, general, leadingSettingRows(), dataHome, s);
    readLists(store, root, s);
    readRows(store, general, trailingSettingRows(), dataHome, s);
    correctLoadedPair(s);
    return s;
}

bool updateSettings(SettingsStore &store, const QString &root, const Settings &s,
                    const std::function<void(SettingsStore &)> &writeLimits)
{
    StoreBatch batch(store);
    const QString general = generalKey(root);
    const QString acKey = autocorrectKey(root);
    const QString atKey = autotextKey(root);

    bool ok = writeRows(store, general, leadingSettingRows(), s);

    // The stored lists have no gaps: reading stops at the first empty slot, so a rule with
    // an empty side (kept in memory only) must not hide the rules after it.
    int rules = 0;
    int words = 0;
    for (int n = 0; n < Settings::kListSlots; ++n) {
        const QString find = trimmed(s.acFind.value(n));
        const QString replace = trimmed(s.acReplace.value(n));
        if (!find.isEmpty() && !replace.isEmpty()) {
            ok = store.regWriteString(acKey, slotName('a', rules), find) && ok;
            ok = store.regWriteString(acKey, slotName('b', rules), replace) && ok;
            ++rules;
        }
        const QString word = trimmed(s.atWords.value(n));
        if (!word.isEmpty())
            ok = store.regWriteString(atKey, slotName('a', words++), word) && ok;
    }
    for (int n = rules; n < Settings::kListSlots; ++n) {
        ok = store.regDeleteValue(acKey, slotName('a', n)) && ok;
        ok = store.regDeleteValue(acKey, slotName('b', n)) && ok;
    }
    for (int n = words; n < Settings::kListSlots; ++n)
        ok = store.regDeleteValue(atKey, slotName('a', n)) && ok;

    if (writeLimits)
        writeLimits(store);

    ok = writeRows(store, general, trailingSettingRows(), s) && ok;
    if (!ok)
        return false;
    return batch.commit();
}

} // namespace calmdesk
