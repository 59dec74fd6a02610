// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace calmdesk {

// One named string value of a key; the name "" is the key's default value.
struct StoreValue
{
    QString name;
    QString data;

    friend bool operator==(const StoreValue &, const StoreValue &) = default;
};

// The per-user settings tree: keys addressed by backslash paths relative to the
// user's root, each holding string values. Key and value names compare without
// regard to letter case and keep the case they were created with. Empty path
// components (doubled or trailing backslashes) are ignored; the empty path is the
// root. No operation throws: failures read as "" and write as false.
class SettingsStore
{
public:
    virtual ~SettingsStore();

    // Never creates the key; "" when the key or the value is missing.
    virtual QString regReadString(const QString &key, const QString &name) const = 0;
    // regReadString trimmed of codes 0..32 at both ends; "" becomes "0".
    QString regReadNumberText(const QString &key, const QString &name) const;
    virtual bool valueExists(const QString &key, const QString &name) const = 0;
    // Creates the key and its parents when missing.
    virtual bool regWriteString(const QString &key, const QString &name, const QString &data) = 0;
    // Never creates the key; a missing key or value is no error.
    virtual bool regDeleteValue(const QString &key, const QString &name) = 0;

    // Direct subkey names in alphabetical order; creates the key when missing.
    virtual QStringList listSubkeys(const QString &key) = 0;
    // The same without creating anything.
    virtual QStringList subkeyNames(const QString &key) const = 0;
    // The key's values in the order they were first written.
    virtual QList<StoreValue> values(const QString &key) const = 0;
    virtual bool keyExists(const QString &key) const = 0;
    virtual bool createKey(const QString &key) = 0;
    // The key with all its values and subkeys; a missing key is no error. The root
    // itself cannot be deleted.
    virtual bool deleteTree(const QString &key) = 0;
    // Merges the source's values and subkeys into the target (created when missing);
    // the source stays. Nothing happens when the source is missing.
    virtual bool copyTree(const QString &from, const QString &to) = 0;

    // A batch makes every change up to commitBatch() one atomic update. Batches do
    // not nest: beginBatch() fails while one is open.
    virtual bool beginBatch() = 0;
    virtual bool commitBatch() = 0;
    virtual void rollbackBatch() = 0;
    virtual bool inBatch() const = 0;

protected:
    SettingsStore() = default;
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;
};

// Opens a batch for its lifetime: commit() makes the changes permanent, leaving the
// scope without it throws them away.
class StoreBatch
{
public:
    explicit StoreBatch(SettingsStore &store);
    ~StoreBatch();

    StoreBatch(const StoreBatch &) = delete;
    StoreBatch &operator=(const StoreBatch &) = delete;

    // False when the batch could not be opened (the store is busy or failing).
    bool isActive() const { return m_active; }
    bool commit();

private:
    SettingsStore &m_store;
    bool m_active = false;
};

} // namespace calmdesk
