// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/recentfiles.h"

#include "core/asciitext.h"
#include "platform/store/settingsstore.h"

#include <QFileInfo>

#include <algorithm>

namespace calmdesk {

namespace {

constexpr int kLastSlot = RecentFiles::kSlots - 1;

bool isRegularFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

} // namespace

RecentFiles::RecentFiles(SettingsStore &store, const QString &root, FileExists fileExists)
    : m_store(store)
    , m_key(mruKey(root))
    , m_fileExists(fileExists ? std::move(fileExists) : FileExists(isRegularFile))
{}

QString RecentFiles::mruKey(const QString &root)
{
    return root + QStringLiteral("\\mru");
}

QString RecentFiles::valueName(int slot)
{
    return QStringLiteral("a%1").arg(slot);
}

int RecentFiles::loadMRU()
{
    int count = 0;
    for (int n = 0; n < kSlots; ++n) {
        m_slots[n] = trimmed(m_store.regReadString(m_key, valueName(n)));
        if (!m_slots[n].isEmpty())
            ++count;
    }
    return count;
}

void RecentFiles::rebuildMRU()
{
    m_entries.clear();
    // Ten values in one transaction: a single write to the disk, and never half a list.
    StoreBatch batch(m_store);
    for (int n = 0; n < kSlots; ++n) {
        const QString path = trimmed(m_slots[n]);
        m_store.regDeleteValue(m_key, valueName(n));
        if (path.isEmpty() || !m_fileExists(path))
            continue;
        m_entries.prepend(RecentEntry{n, QFileInfo(path).fileName()});
        m_store.regWriteString(m_key, valueName(n), path);
    }
    batch.commit();
}

void RecentFiles::addMRU(const QString &path)
{
    bool found = false;
    for (int n = 0; n < kSlots; ++n) {
        if (trimmed(m_slots[n]) != path)
            continue;
        found = true;
        if (n == kLastSlot)
            break;
        // The slots above move down one; the scan goes on and meets the path again in
        // slot 9 (or in a later duplicate of it first).
        for (int m = n; m < kLastSlot; ++m)
            m_slots[m] = m_slots[m + 1];
        m_slots[kLastSlot] = path;
    }
    if (!found) {
        auto empty = std::find_if(m_slots.begin(), m_slots.end(),
                                  [](const QString &slot) { return trimmed(slot).isEmpty(); });
        if (empty != m_slots.end()) {
            *empty = path;
        } else {
            // All full: slot 0's file falls out.
            for (int m = 1; m < kSlots; ++m)
                m_slots[m - 1] = trimmed(m_slots[m]);
            m_slots[kLastSlot] = path;
        }
    }
    rebuildMRU();
}

QString RecentFiles::pathOfSlot(int slot) const
{
    if (slot < 0 || slot >= kSlots)
        return QString();
    return trimmed(m_slots[slot]);
}

QString recentItemCaption(int number, const QString &fileName)
{
    QString shown = fileName;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("%1. %2").arg(QString::number(number), shown);
}

} // namespace calmdesk
