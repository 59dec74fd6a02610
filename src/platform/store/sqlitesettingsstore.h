// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/store/settingsstore.h"

#include <memory>

struct sqlite3;

namespace calmdesk {

class StoreFiles;

// The settings store in an SQLite database file. Several processes may use one file
// at once: readers never wait, a writer waits a few seconds at most for another, and
// no write is lost. Keeps one connection for the object's lifetime.
class SqliteSettingsStore : public SettingsStore
{
public:
    explicit SqliteSettingsStore(const QString &databasePath);
    // Opens the file through `files` (tests make the file operations fail with it).
    SqliteSettingsStore(const QString &databasePath, StoreFiles &files);
    ~SqliteSettingsStore() override;

    // $XDG_CONFIG_HOME/calmdesk/settings.db
    static QString defaultPath();

    // The database file this store was opened on.
    QString path() const { return m_path; }
    // Where a damaged database was moved at opening, so the user can be told; empty
    // when nothing was moved.
    QString setAsidePath() const;
    // No file could be used (it cannot be read, or no new one could be made): the store
    // starts empty and changes last only until the program ends.
    bool isInMemory() const;
    // The file can be read but not written; every write fails.
    bool isReadOnly() const;

    QString regReadString(const QString &key, const QString &name) const override;
    bool valueExists(const QString &key, const QString &name) const override;
    bool regWriteString(const QString &key, const QString &name, const QString &data) override;
    bool regDeleteValue(const QString &key, const QString &name) override;

    QStringList listSubkeys(const QString &key) override;
    QStringList subkeyNames(const QString &key) const override;
    QList<StoreValue> values(const QString &key) const override;
    bool keyExists(const QString &key) const override;
    bool createKey(const QString &key) override;
    bool deleteTree(const QString &key) override;
    bool copyTree(const QString &from, const QString &to) override;

    bool beginBatch() override;
    bool commitBatch() override;
    void rollbackBatch() override;
    bool inBatch() const override;

private:
    struct Statements;

    // Runs work in its own write transaction unless a batch is open.
    template<typename Work> bool write(Work &&work);
    bool execute(const char *sql);
    // The id of the key at the folded path, created with its parents when missing;
    // 0 on failure.
    qint64 ensureKey(const QString &keyPath);
    qint64 keyId(const QString &foldedPath) const;
    bool copyTreeInTransaction(const QString &from, const QString &to);
    void reportFailure(const char *operation) const;

    QString m_path;
    sqlite3 *m_db = nullptr;
    std::unique_ptr<Statements> m_sql;
    QString m_setAsidePath;
    bool m_inMemory = false;
    bool m_readOnly = false;
    bool m_inBatch = false;
};

} // namespace calmdesk
