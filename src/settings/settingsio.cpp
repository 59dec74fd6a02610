#include "settings/settingsio.h"

#include "core/asciitext.h"
#include "core/folders.h"
#include "platform/store/settingsstore.h"
#include "settings/settingstable.h"

#include <QDir>

#include <limits>

namespace calmdesk {

namespace {

constexpr QChar kSeparator = QLatin1Char('/');

// A number value as the program reads it: an absent or empty value is 0, and so is one
// that is not decimal text (it is treated as absent rather than stopping the load).
int numberFromText(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok)
        return 0;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(value);
}

QString slotName(char prefix, int n)
{
    return QLatin1Char(prefix) + QString::number(n);
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
        if (!d.endsWith(kSeparator))
            d += kSeparator;
        if (!QDir(d).exists())
            d.clear();
    }
    return d;
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

void readGeneralValues(const SettingsStore &store, const QString &key,
                       std::span<const GeneralValue> values, Settings &s)
{
    for (const GeneralValue &v : values) {
        if (!v.loaded || v.kind != GeneralValue::Kind::Number)
            continue;
        int value = numberFromText(store.regReadNumberText(key, v.name));
        if (v.correctLoaded)
            value = v.correctLoaded(value);
        s.*(v.number) = value;
    }
}

bool writeGeneralValues(SettingsStore &store, const QString &key,
                        std::span<const GeneralValue> values, const Settings &s)
{
    bool ok = true;
    for (const GeneralValue &v : values) {
        const QString data = v.kind == GeneralValue::Kind::Number
                                 ? QString::number(uint(s.*(v.number)))
                                 : s.*(v.text);
        ok = store.regWriteString(key, v.name, data) && ok;
    }
    return ok;
}

} // namespace

QStringList Settings::emptyList()
{
    return QStringList(kListSlots);
}

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

QString defaultDiaryFolder(const QString &dataHome)
{
    QString d = dataHome;
    if (!d.endsWith(kSeparator))
        d += kSeparator;
    d += QStringLiteral("Calmdesk/Diary");
    // A fresh user may not have the data folder itself yet. Failures to create are
    // ignored: later file operations there report their own.
    makeFolderPath(d);
    return d;
}

Settings loadSettings(const SettingsStore &store, const QString &root, const QString &dataHome)
{
    Settings s;
    const QString general = generalKey(root);

    readGeneralValues(store, general, leadingGeneralValues(), s);

    s.diaryDir =
        storedDiaryFolder(trimmed(store.regReadNumberText(general, QStringLiteral("diary"))));
    if (s.diaryDir.size() < 2)
        s.diaryDir = defaultDiaryFolder(dataHome);

    s.txtfont = store.regReadString(general, QStringLiteral("txtfont"));
    if (store.regReadString(general, QStringLiteral("txtpara")).isEmpty())
        s.txtpara = 1;
    if (trimmed(s.txtfont).isEmpty())
        s.txtfont = QStringLiteral("Courier New");
    if (s.txtfore == s.txtback) {
        s.txtfore = colorValue(255, 128, 64);
        s.txtback = colorValue(0, 0, 0);
    }

    readLists(store, root, s);

    readGeneralValues(store, general, trailingGeneralValues(), s);
    s.alarmhh = 0;
    s.alarmmm = 0;
    return s;
}

bool updateSettings(SettingsStore &store, const QString &root, const Settings &s,
                    const std::function<void(SettingsStore &)> &writeLimits)
{
    StoreBatch batch(store);
    const QString general = generalKey(root);
    const QString acKey = autocorrectKey(root);
    const QString atKey = autotextKey(root);

    bool ok = writeGeneralValues(store, general, leadingGeneralValues(), s);

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

    ok = writeGeneralValues(store, general, trailingGeneralValues(), s) && ok;
    if (!ok)
        return false;
    return batch.commit();
}

} // namespace calmdesk
