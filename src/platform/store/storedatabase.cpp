// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/storedatabase.h"

#include "platform/store/storefiles.h"

#include <QDateTime>
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
    // SQLite reports the file damaged, or the file holds no settings store (an empty
    // file, another program's database): it can never be used, so it is set aside.
    Damaged,
    // The file cannot be used now (no permission, an I/O error, busy beyond the timeout,
    // written by a newer version): it is left exactly as it is.
    LeftAlone,
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

// Only damage that SQLite itself reports moves a file aside: a file that cannot be read
// for any other reason may be perfectly sound, and the writer's settings stay in it.
OpenOutcome outcomeOf(int rc)
{
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return OpenOutcome::Damaged;
    default:
        return OpenOutcome::LeftAlone;
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

// Opens and checks the store's file: moves a damaged one aside and makes new files,
// all through `files`.
class Opener
{
public:
    Opener(const QString &path, StoreFiles &files)
        : m_path(path)
        , m_files(files)
    {}

    StoreDatabase open();

private:
    OpenOutcome inspect();
    OpenOutcome openExisting(StoreDatabase *out);
    void createFresh();
    QString asideName();
    QString setAside();
    StoreDatabase fallBackToMemory(const QString &setAsidePath);

    const QString m_path;
    StoreFiles &m_files;
};

// Checks the file on a read-only connection, so that a damaged file and its log are
// set aside exactly as they were found (closing a writable connection would fold
// the log into the file or reset it).
OpenOutcome Opener::inspect()
{
    sqlite3 *db = nullptr;
    int rc = m_files.openDatabase(m_path, SQLITE_OPEN_READONLY, &db);
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
    const QByteArray error = rc == SQLITE_OK ? QByteArray() : QByteArray(sqlite3_errstr(rc));
    closeConnection(db);
    if (rc != SQLITE_OK) {
        const OpenOutcome outcome = outcomeOf(rc);
        if (outcome == OpenOutcome::LeftAlone)
            qWarning("Settings store %s cannot be read: %s", qPrintable(m_path), error.constData());
        return outcome;
    }
    // quick_check answering anything but "ok" is SQLite finding the file damaged. A
    // zero-length file reads as an empty database without the mark: the store never
    // leaves one behind (it builds new files under another name), so it is no settings
    // store, just as another program's database is not.
    if (!sound || applicationId != kApplicationId)
        return OpenOutcome::Damaged;
    if (version > kSchemaVersion) {
        qWarning("Settings store %s was written by a newer version of the program",
                 qPrintable(m_path));
        return OpenOutcome::LeftAlone;
    }
    return OpenOutcome::Ok;
}

OpenOutcome Opener::openExisting(StoreDatabase *out)
{
    const OpenOutcome inspection = inspect();
    if (inspection != OpenOutcome::Ok)
        return inspection;
    sqlite3 *db = nullptr;
    const int rc = m_files.openDatabase(m_path, SQLITE_OPEN_READWRITE, &db);
    if (rc != SQLITE_OK) {
        closeConnection(db);
        return outcomeOf(rc);
    }
    configure(db);
    out->connection = db;
    // A file the user may read but not write opens read-only.
    out->readOnly = sqlite3_db_readonly(db, "main") == 1;
    return OpenOutcome::Ok;
}

// Builds an empty store under a temporary name and moves it into place only when no
// file is there, so a reader never sees a half-made file and a store another
// process created meanwhile is kept.
void Opener::createFresh()
{
    if (!m_files.makeFolder(QFileInfo(m_path).absolutePath()))
        return;
    QTemporaryFile temp(m_path + QStringLiteral(".new-XXXXXX"));
    temp.setAutoRemove(false);
    if (!temp.open())
        return;
    const QString tempPath = temp.fileName();
    temp.close();

    sqlite3 *db = nullptr;
    bool built = m_files.openDatabase(tempPath, SQLITE_OPEN_READWRITE, &db) == SQLITE_OK;
    if (built)
        built = sqlite3_exec(db, schemaSql().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    // Closing the only connection folds the log into the file and removes it.
    closeConnection(db);
    if (!built || !m_files.rename(tempPath, m_path)) {
        m_files.remove(tempPath);
        m_files.remove(tempPath + kWalSuffix);
        m_files.remove(tempPath + kShmSuffix);
    }
}

QString Opener::asideName()
{
    const QString base = m_path + QStringLiteral(".corrupt-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = base;
    for (int n = 2; m_files.exists(candidate) || m_files.exists(candidate + kWalSuffix); ++n)
        candidate = base + QLatin1Char('-') + QString::number(n);
    return candidate;
}

// Moves the file and its log aside; "" when that was not possible. A log left
// behind would be replayed into the new file, so it is removed when it cannot move.
QString Opener::setAside()
{
    const QString aside = asideName();
    if (!m_files.rename(m_path, aside))
        return QString();
    for (const QString &suffix : {kWalSuffix, kShmSuffix}) {
        const QString companion = m_path + suffix;
        if (m_files.exists(companion) && !m_files.rename(companion, aside + suffix))
            m_files.remove(companion);
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

StoreDatabase Opener::fallBackToMemory(const QString &setAsidePath)
{
    qWarning("Settings store %s cannot be used; settings are kept in memory for this run",
             qPrintable(m_path));
    StoreDatabase result = openInMemory();
    result.setAsidePath = setAsidePath;
    return result;
}

StoreDatabase Opener::open()
{
    StoreDatabase result;
    if (!m_files.exists(m_path))
        createFresh();
    if (!m_files.exists(m_path))
        return fallBackToMemory(QString());
    OpenOutcome outcome = openExisting(&result);
    if (outcome == OpenOutcome::Ok)
        return result;
    if (outcome == OpenOutcome::LeftAlone)
        return fallBackToMemory(QString());

    const QString aside = setAside();
    if (aside.isEmpty())
        return fallBackToMemory(QString());
    qWarning("Settings store %s is damaged; it was moved to %s and an empty store was started",
             qPrintable(m_path), qPrintable(aside));
    createFresh();
    outcome = openExisting(&result);
    if (outcome != OpenOutcome::Ok)
        return fallBackToMemory(aside);
    result.setAsidePath = aside;
    return result;
}

} // namespace

StoreDatabase openStoreDatabase(const QString &path, StoreFiles &files)
{
    return Opener(path, files).open();
}

} // namespace calmdesk
