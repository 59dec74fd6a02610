// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/sqlitesettingsstore.h"

#include "platform/store/sqlitestatement.h"
#include "platform/store/storedatabase.h"
#include "platform/store/storefiles.h"
#include "platform/store/storepath.h"

#include <QHash>
#include <QStandardPaths>

#include <sqlite3.h>

namespace calmdesk {

namespace {

constexpr qint64 kRootKeyId = 1;
// The character after the separator: every path below "p" sorts in ["p\", "p]").
constexpr QChar kAfterSeparator = QLatin1Char(']');

QString subtreeStart(const QString &foldedPath)
{
    return foldedPath + storepath::kSeparator;
}
QString subtreeEnd(const QString &foldedPath)
{
    return foldedPath + kAfterSeparator;
}

// A key of a copied tree: its path below the tree's top, as named, and its values.
struct KeySnapshot
{
    QString relativePath;
    QList<StoreValue> values;
};

} // namespace

struct SqliteSettingsStore::Statements
{
    PreparedStatement findKey;
    PreparedStatement insertKey;
    PreparedStatement readValue;
    PreparedStatement valueExists;
    PreparedStatement writeValue;
    PreparedStatement deleteValue;
    PreparedStatement subkeys;
    PreparedStatement keyValues;
    PreparedStatement keyValuesById;
    PreparedStatement treeKeys;
    PreparedStatement allKeys;
    PreparedStatement deleteTreeValues;
    PreparedStatement deleteTreeKeys;

    bool prepare(sqlite3 *db)
    {
        return findKey.prepare(db, "SELECT id FROM keys WHERE folded_path = ?1") &&
               insertKey.prepare(
                   db, "INSERT INTO keys(parent, folded_path, name) VALUES(?1, ?2, ?3)") &&
               readValue.prepare(db, "SELECT v.data FROM vals v JOIN keys k ON k.id = v.key_id "
                                     "WHERE k.folded_path = ?1 AND v.folded_name = ?2") &&
               valueExists.prepare(db, "SELECT 1 FROM vals v JOIN keys k ON k.id = v.key_id "
                                       "WHERE k.folded_path = ?1 AND v.folded_name = ?2") &&
               writeValue.prepare(db, "INSERT INTO vals(key_id, folded_name, name, data) "
                                      "VALUES(?1, ?2, ?3, ?4) ON CONFLICT(key_id, folded_name) "
                                      "DO UPDATE SET data = excluded.data") &&
               deleteValue.prepare(db, "DELETE FROM vals WHERE key_id = (SELECT id FROM keys "
                                       "WHERE folded_path = ?1) AND folded_name = ?2") &&
               subkeys.prepare(db, "SELECT name FROM keys WHERE parent = (SELECT id FROM keys "
                                   "WHERE folded_path = ?1) ORDER BY folded_path") &&
               keyValues.prepare(db, "SELECT name, data FROM vals WHERE key_id = (SELECT id FROM "
                                     "keys WHERE folded_path = ?1) ORDER BY rowid") &&
               keyValuesById.prepare(
                   db, "SELECT name, data FROM vals WHERE key_id = ?1 ORDER BY rowid") &&
               treeKeys.prepare(db,
                                "SELECT id, parent, name FROM keys WHERE folded_path = ?1 OR "
                                "(folded_path >= ?2 AND folded_path < ?3) ORDER BY folded_path") &&
               allKeys.prepare(db, "SELECT id, parent, name FROM keys ORDER BY folded_path") &&
               deleteTreeValues.prepare(
                   db, "DELETE FROM vals WHERE key_id IN (SELECT id FROM keys WHERE folded_path = "
                       "?1 OR (folded_path >= ?2 AND folded_path < ?3))") &&
               deleteTreeKeys.prepare(db, "DELETE FROM keys WHERE folded_path = ?1 OR "
                                          "(folded_path >= ?2 AND folded_path < ?3)");
    }
};

SqliteSettingsStore::SqliteSettingsStore(const QString &databasePath)
    : SqliteSettingsStore(databasePath, StoreFiles::system())
{}

SqliteSettingsStore::SqliteSettingsStore(const QString &databasePath, StoreFiles &files)
    : m_path(databasePath)
    , m_sql(std::make_unique<Statements>())
{
    StoreDatabase database = openStoreDatabase(databasePath, files);
    m_db = database.connection;
    m_setAsidePath = database.setAsidePath;
    m_inMemory = database.inMemory;
    m_readOnly = database.readOnly;
    if (m_db && !m_sql->prepare(m_db))
        reportFailure("preparing statements");
}

SqliteSettingsStore::~SqliteSettingsStore()
{
    rollbackBatch();
    m_sql.reset();
    sqlite3_close_v2(m_db);
}

QString SqliteSettingsStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/calmdesk/settings.db");
}

QString SqliteSettingsStore::setAsidePath() const
{
    return m_setAsidePath;
}
bool SqliteSettingsStore::isInMemory() const
{
    return m_inMemory;
}
bool SqliteSettingsStore::isReadOnly() const
{
    return m_readOnly;
}

QString SqliteSettingsStore::regReadString(const QString &key, const QString &name) const
{
    StatementRun run(m_sql->readValue);
    run.bind(1, storepath::folded(key)).bind(2, storepath::foldedName(name));
    if (run.nextRow())
        return run.text(0);
    if (run.failed())
        reportFailure("reading a value");
    return QString();
}

bool SqliteSettingsStore::valueExists(const QString &key, const QString &name) const
{
    StatementRun run(m_sql->valueExists);
    run.bind(1, storepath::folded(key)).bind(2, storepath::foldedName(name));
    const bool found = run.nextRow();
    if (run.failed())
        reportFailure("looking up a value");
    return found;
}

bool SqliteSettingsStore::regWriteString(const QString &key, const QString &name,
                                         const QString &data)
{
    return write([&] {
        const qint64 id = ensureKey(key);
        if (id == 0)
            return false;
        StatementRun run(m_sql->writeValue);
        return run.bind(1, id)
            .bind(2, storepath::foldedName(name))
            .bind(3, name)
            .bind(4, data.isNull() ? QStringLiteral("") : data)
            .exec();
    });
}

bool SqliteSettingsStore::regDeleteValue(const QString &key, const QString &name)
{
    return write([&] {
        StatementRun run(m_sql->deleteValue);
        return run.bind(1, storepath::folded(key)).bind(2, storepath::foldedName(name)).exec();
    });
}

QStringList SqliteSettingsStore::listSubkeys(const QString &key)
{
    createKey(key);
    return subkeyNames(key);
}

QStringList SqliteSettingsStore::subkeyNames(const QString &key) const
{
    QStringList names;
    StatementRun run(m_sql->subkeys);
    run.bind(1, storepath::folded(key));
    while (run.nextRow())
        names.append(run.text(0));
    if (run.failed())
        reportFailure("listing subkeys");
    return names;
}

QList<StoreValue> SqliteSettingsStore::values(const QString &key) const
{
    QList<StoreValue> result;
    StatementRun run(m_sql->keyValues);
    run.bind(1, storepath::folded(key));
    while (run.nextRow())
        result.append({run.text(0), run.text(1)});
    if (run.failed())
        reportFailure("listing values");
    return result;
}

bool SqliteSettingsStore::keyExists(const QString &key) const
{
    return keyId(storepath::folded(key)) != 0;
}

bool SqliteSettingsStore::createKey(const QString &key)
{
    if (keyExists(key))
        return true;
    return write([&] { return ensureKey(key) != 0; });
}

bool SqliteSettingsStore::deleteTree(const QString &key)
{
    const QString path = storepath::folded(key);
    if (path.isEmpty())
        return false;
    return write([&] {
        StatementRun values(m_sql->deleteTreeValues);
        if (!values.bind(1, path).bind(2, subtreeStart(path)).bind(3, subtreeEnd(path)).exec())
            return false;
        StatementRun keys(m_sql->deleteTreeKeys);
        return keys.bind(1, path).bind(2, subtreeStart(path)).bind(3, subtreeEnd(path)).exec();
    });
}

bool SqliteSettingsStore::copyTree(const QString &from, const QString &to)
{
    if (storepath::folded(from) == storepath::folded(to))
        return m_db != nullptr;
    return write([&] { return copyTreeInTransaction(from, to); });
}

bool SqliteSettingsStore::copyTreeInTransaction(const QString &from, const QString &to)
{
    const QString path = storepath::folded(from);
    // The whole source is read before anything is written, so a target inside the
    // source does not copy itself again.
    QList<KeySnapshot> snapshot;
    QHash<qint64, QString> relativePaths;
    QList<qint64> ids;
    {
        StatementRun run(path.isEmpty() ? m_sql->allKeys : m_sql->treeKeys);
        if (!path.isEmpty())
            run.bind(1, path).bind(2, subtreeStart(path)).bind(3, subtreeEnd(path));
        // Rows come in path order, so a parent always precedes its subkeys.
        while (run.nextRow()) {
            const qint64 id = run.integer(0);
            const QString relative = ids.isEmpty() ? QString()
                                                   : relativePaths.value(run.integer(1)) +
                                                         storepath::kSeparator + run.text(2);
            relativePaths.insert(id, relative);
            ids.append(id);
        }
        if (run.failed())
            return false;
    }
    for (const qint64 id : std::as_const(ids)) {
        KeySnapshot key{relativePaths.value(id), {}};
        StatementRun run(m_sql->keyValuesById);
        run.bind(1, id);
        while (run.nextRow())
            key.values.append({run.text(0), run.text(1)});
        if (run.failed())
            return false;
        snapshot.append(key);
    }

    for (const KeySnapshot &key : std::as_const(snapshot)) {
        const qint64 target = ensureKey(to + storepath::kSeparator + key.relativePath);
        if (target == 0)
            return false;
        for (const StoreValue &value : key.values) {
            StatementRun run(m_sql->writeValue);
            if (!run.bind(1, target)
                     .bind(2, storepath::foldedName(value.name))
                     .bind(3, value.name)
                     .bind(4, value.data)
                     .exec())
                return false;
        }
    }
    return true;
}

bool SqliteSettingsStore::beginBatch()
{
    if (m_inBatch || !execute("BEGIN IMMEDIATE"))
        return false;
    m_inBatch = true;
    return true;
}

bool SqliteSettingsStore::commitBatch()
{
    if (!m_inBatch)
        return false;
    m_inBatch = false;
    if (execute("COMMIT"))
        return true;
    execute("ROLLBACK");
    return false;
}

void SqliteSettingsStore::rollbackBatch()
{
    if (!m_inBatch)
        return;
    m_inBatch = false;
    execute("ROLLBACK");
}

bool SqliteSettingsStore::inBatch() const
{
    return m_inBatch;
}

template<typename Work> bool SqliteSettingsStore::write(Work &&work)
{
    if (m_inBatch)
        return work();
    // IMMEDIATE takes the write lock up front, waiting for another process's write
    // to end, instead of failing when a read turns into a write.
    if (!execute("BEGIN IMMEDIATE"))
        return false;
    if (work() && execute("COMMIT"))
        return true;
    reportFailure("writing");
    execute("ROLLBACK");
    return false;
}

bool SqliteSettingsStore::execute(const char *sql)
{
    if (!m_db)
        return false;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    reportFailure(sql);
    return false;
}

qint64 SqliteSettingsStore::ensureKey(const QString &keyPath)
{
    const QStringList names = storepath::components(keyPath);
    const QString path = names.join(storepath::kSeparator).toCaseFolded();
    if (const qint64 id = keyId(path))
        return id;

    qint64 parent = kRootKeyId;
    QString prefix;
    for (const QString &name : names) {
        if (!prefix.isEmpty())
            prefix += storepath::kSeparator;
        prefix += storepath::foldedName(name);
        qint64 id = keyId(prefix);
        if (id == 0) {
            StatementRun run(m_sql->insertKey);
            if (!run.bind(1, parent).bind(2, prefix).bind(3, name).exec())
                return 0;
            id = sqlite3_last_insert_rowid(m_db);
        }
        parent = id;
    }
    return parent;
}

qint64 SqliteSettingsStore::keyId(const QString &foldedPath) const
{
    StatementRun run(m_sql->findKey);
    run.bind(1, foldedPath);
    if (run.nextRow())
        return run.integer(0);
    if (run.failed())
        reportFailure("looking up a key");
    return 0;
}

void SqliteSettingsStore::reportFailure(const char *operation) const
{
    qWarning("Settings store: %s failed: %s", operation,
             m_db ? sqlite3_errmsg(m_db) : "no database");
}

} // namespace calmdesk
