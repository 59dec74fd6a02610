#include "platform/store/storedatabase.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sqlite3.h>

namespace calmdesk {

namespace {

// Marks a database as this program's settings store ("CDSK").
constexpr int kApplicationId = 0x4344534B;
constexpr int kSchemaVersion = 1;
// How long an operation waits for another process's write to finish.
constexpr int kBusyTimeoutMs = 5000;
constexpr int kRootKeyId = 1;

const char *const kSchema = R"(
PRAGMA journal_mode = WAL;
BEGIN;
CREATE TABLE keys(
    id INTEGER PRIMARY KEY,
    parent INTEGER,
    folded_path TEXT NOT NULL UNIQUE,
    name TEXT NOT NULL);
CREATE INDEX keys_by_parent ON keys(parent);
CREATE TABLE vals(
    key_id INTEGER NOT NULL,
    folded_name TEXT NOT NULL,
    name TEXT NOT NULL,
    data TEXT NOT NULL,
    UNIQUE(key_id, folded_name));
INSERT INTO keys(id, parent, folded_path, name) VALUES(%1, NULL, '', '');
PRAGMA application_id = %2;
PRAGMA user_version = %3;
COMMIT;
)";

const QString kWalSuffix = QStringLiteral("-wal");
const QString kShmSuffix = QStringLiteral("-shm");

enum class OpenOutcome {
    Ok,
    Damaged,     // not a readable settings database: set it aside
    Unavailable, // sound but unusable now (busy, newer schema): leave it alone
};

QByteArray schemaSql()
{
    return QString::fromLatin1(kSchema)
        .arg(kRootKeyId)
        .arg(kApplicationId)
        .arg(kSchemaVersion)
        .toUtf8();
}

void closeConnection(sqlite3 *&db)
{
    sqlite3_close_v2(db);
    db = nullptr;
}

OpenOutcome outcomeOf(int rc)
{
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_NOMEM:
    case SQLITE_INTERRUPT:
        return OpenOutcome::Unavailable;
    default:
        return OpenOutcome::Damaged;
    }
}

// The integer a pragma query answers, or an error code.
int queryInt(sqlite3 *db, const char *sql, int *value)
{
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) {
            *value = sqlite3_column_int(stmt, 0);
            rc = SQLITE_OK;
        }
    }
    sqlite3_finalize(stmt);
    return rc;
}

// quick_check answers the single row "ok" for a sound file.
int checkIntegrity(sqlite3 *db, bool *sound)
{
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
            *sound = text && qstrcmp(text, "ok") == 0;
            rc = SQLITE_OK;
        }
    }
    sqlite3_finalize(stmt);
    return rc;
}

void configure(sqlite3 *db)
{
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // Every commit reaches the disk before it is reported done: settings are few and
    // written seldom, so durability costs nothing noticeable.
    sqlite3_exec(db, "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
}

// Checks the file on a read-only connection, so that a damaged file and its log are
// set aside exactly as they were found (closing a writable connection would fold
// the log into the file or reset it).
OpenOutcome inspect(const QString &path)
{
    sqlite3 *db = nullptr;
    int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    int applicationId = 0;
    int version = 0;
    bool sound = false;
    if (rc == SQLITE_OK) {
        configure(db);
        rc = queryInt(db, "PRAGMA application_id", &applicationId);
    }
    if (rc == SQLITE_OK)
        rc = queryInt(db, "PRAGMA user_version", &version);
    if (rc == SQLITE_OK)
        rc = checkIntegrity(db, &sound);
    closeConnection(db);
    if (rc != SQLITE_OK)
        return outcomeOf(rc);
    // A zero-length file reads as an empty database without the mark: the store
    // never leaves one behind (it builds new files under another name), so it is
    // treated like any other file that is not a settings database.
    if (!sound || applicationId != kApplicationId)
        return OpenOutcome::Damaged;
    if (version > kSchemaVersion) {
        qWarning("Settings store %s was written by a newer version of the program",
                 qPrintable(path));
        return OpenOutcome::Unavailable;
    }
    return OpenOutcome::Ok;
}

OpenOutcome openExisting(const QString &path, StoreDatabase *out)
{
    const OpenOutcome inspection = inspect(path);
    if (inspection != OpenOutcome::Ok)
        return inspection;
    sqlite3 *db = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        closeConnection(db);
        return outcomeOf(rc);
    }
    configure(db);
    out->connection = db;
    out->readOnly = sqlite3_db_readonly(db, "main") == 1;
    return OpenOutcome::Ok;
}

// Builds an empty store under a temporary name and moves it into place only when no
// file is there, so a reader never sees a half-made file and a store another
// process created meanwhile is kept.
void createFresh(const QString &path)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return;
    QTemporaryFile temp(path + QStringLiteral(".new-XXXXXX"));
    temp.setAutoRemove(false);
    if (!temp.open())
        return;
    const QString tempPath = temp.fileName();
    temp.close();

    sqlite3 *db = nullptr;
    bool built = sqlite3_open_v2(QFile::encodeName(tempPath).constData(), &db,
                                 SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    if (built)
        built = sqlite3_exec(db, schemaSql().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    // Closing the only connection folds the log into the file and removes it.
    closeConnection(db);
    if (!built || !QFile::rename(tempPath, path)) {
        QFile::remove(tempPath);
        QFile::remove(tempPath + kWalSuffix);
        QFile::remove(tempPath + kShmSuffix);
    }
}

QString asideName(const QString &path)
{
    const QString base = path + QStringLiteral(".corrupt-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo::exists(candidate + kWalSuffix); ++n)
        candidate = base + QLatin1Char('-') + QString::number(n);
    return candidate;
}

// Moves the file and its log aside; "" when that was not possible. A log left
// behind would be replayed into the new file, so it is removed when it cannot move.
QString setAside(const QString &path)
{
    const QString aside = asideName(path);
    if (!QDir().rename(path, aside))
        return QString();
    for (const QString &suffix : {kWalSuffix, kShmSuffix}) {
        const QString companion = path + suffix;
        if (QFileInfo::exists(companion) && !QFile::rename(companion, aside + suffix))
            QFile::remove(companion);
    }
    return aside;
}

StoreDatabase openInMemory()
{
    StoreDatabase result;
    result.inMemory = true;
    if (sqlite3_open_v2(":memory:", &result.connection, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK) {
        configure(result.connection);
        sqlite3_exec(result.connection, schemaSql().constData(), nullptr, nullptr, nullptr);
    }
    return result;
}

StoreDatabase fallBackToMemory(const QString &path, const QString &setAsidePath)
{
    qWarning("Settings store %s cannot be used; settings are kept in memory for this run",
             qPrintable(path));
    StoreDatabase result = openInMemory();
    result.setAsidePath = setAsidePath;
    return result;
}

} // namespace

StoreDatabase openStoreDatabase(const QString &path)
{
    StoreDatabase result;
    if (!QFileInfo::exists(path))
        createFresh(path);
    OpenOutcome outcome = openExisting(path, &result);
    if (outcome == OpenOutcome::Ok)
        return result;
    if (outcome == OpenOutcome::Unavailable || !QFileInfo::exists(path))
        return fallBackToMemory(path, QString());

    const QString aside = setAside(path);
    if (aside.isEmpty())
        return fallBackToMemory(path, QString());
    qWarning("Settings store %s is damaged or unreadable; it was moved to %s and an empty store "
             "was started",
             qPrintable(path), qPrintable(aside));
    createFresh(path);
    outcome = openExisting(path, &result);
    if (outcome != OpenOutcome::Ok)
        return fallBackToMemory(path, aside);
    result.setAsidePath = aside;
    return result;
}

} // namespace calmdesk
