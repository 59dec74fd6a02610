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

    for (int n = 0; n < Settings::kListSlots; ++n) {
        const QString a = slotName('a', n);
        const QString b = slotName('b', n);
        const QString find = trimmed(s.acFind.value(n));
        const QString replace = trimmed(s.acReplace.value(n));
        if (!find.isEmpty() && !replace.isEmpty()) {
            ok = store.regWriteString(acKey, a, find) && ok;
            ok = store.regWriteString(acKey, b, replace) && ok;
        } else {
            ok = store.regDeleteValue(acKey, a) && ok;
            ok = store.regDeleteValue(acKey, b) && ok;
        }
        const QString word = trimmed(s.atWords.value(n));
        if (!word.isEmpty())
            ok = store.regWriteString(atKey, a, word) && ok;
        else
            ok = store.regDeleteValue(atKey, a) && ok;
    }

    if (writeLimits)
        writeLimits(store);

    ok = writeRows(store, general, trailingSettingRows(), s) && ok;
    if (!ok)
        return false;
    return batch.commit();
}

} // namespace calmdesk
