// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <array>
#include <functional>

namespace calmdesk {

class SettingsStore;

// One recent file as the menu lists it: its slot and its name without the folder.
struct RecentEntry
{
    int slot = 0;
    QString fileName;

    friend bool operator==(const RecentEntry &, const RecentEntry &) = default;
};

// The last ten documents opened or saved, in ten fixed slots mirrored under
// `root`\mru as the values a0..a9. A document opened or saved again moves to slot 9;
// a new one takes the first empty slot, or slot 9 when all are full and slot 0's falls
// out. Slot order is therefore not strictly age order, and the menu lists slot 9 first.
class RecentFiles
{
public:
    static constexpr int kSlots = 10;
    using FileExists = std::function<bool(const QString &path)>;

    // `fileExists` decides which slots the menu and the store keep; by default a
    // regular file at that path.
    RecentFiles(SettingsStore &store, const QString &root, FileExists fileExists = {});

    // Reads the ten stored values, trimmed. Returns how many are not empty.
    int loadMRU();
    // Works out the menu's entries and rewrites the stored values, all in one batch: a
    // slot whose file is gone keeps its text here but loses its menu entry and its
    // stored value, so the next start no longer knows it.
    void rebuildMRU();
    // `path` was opened or saved: it moves to slot 9 or takes a free slot, compared
    // exactly as given (letter case counts), then the menu and the store follow.
    void addMRU(const QString &path);

    const std::array<QString, kSlots> &mruList() const { return m_slots; }
    // The entries of the last rebuild, in menu order (slot 9 first).
    const QList<RecentEntry> &entries() const { return m_entries; }
    // The path a menu entry opens: slot `slot` trimmed; empty for no such slot.
    QString pathOfSlot(int slot) const;

    // The store key and value names (a0 .. a9).
    static QString mruKey(const QString &root);
    static QString valueName(int slot);

private:
    SettingsStore &m_store;
    QString m_key;
    FileExists m_fileExists;
    std::array<QString, kSlots> m_slots;
    QList<RecentEntry> m_entries;
};

// The caption of the `number`-th recent item (from 1): "1. notes.txt". An "&" in the
// name is doubled so the menu shows it as written instead of taking it for a shortcut.
QString recentItemCaption(int number, const QString &fileName);

} // namespace calmdesk
