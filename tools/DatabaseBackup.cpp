#include "DatabaseBackup.h"

#include "Connection.h"
#include "DatabaseError.h"
#include "NewFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <sqlite3.h>

namespace {

using Handle = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

// Copies all pages in one step, so that the copy is a single committed state;
// a writer in the middle of its commit only makes it wait, as long as the
// program itself would wait for a lock.
void copy(sqlite3* source, sqlite3* target)
{
    constexpr int PauseMs = 50;
    int waitedMs = 0;
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    if (!backup)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(target)));
    int rc = SQLITE_OK;
    do {
        rc = sqlite3_backup_step(backup, -1);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            sqlite3_sleep(PauseMs);
            waitedMs += PauseMs;
        }
    } while (rc == SQLITE_OK ||
             ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && waitedMs < Connection::BusyTimeoutMs));
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        throw DatabaseError(QString::fromUtf8(sqlite3_errstr(rc)));
}

} // namespace

void DatabaseBackup::run(const QString& database, const QString& target)
{
    Connection source;
    source.open(database);
    NewFile::claim(target);
    try {
        sqlite3* raw = nullptr;
        const int rc =
            sqlite3_open_v2(QFile::encodeName(target).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
        const Handle copyHandle(raw, &sqlite3_close);
        if (rc != SQLITE_OK)
            throw DatabaseError(raw ? QString::fromUtf8(sqlite3_errmsg(raw))
                                    : QString::fromUtf8(sqlite3_errstr(rc)));
        copy(source.handle(), copyHandle.get());
    } catch (const DatabaseError& error) {
        QFile::remove(target);
        throw DatabaseError(
            QStringLiteral("Cannot back up %1 to %2: %3")
                .arg(QDir::toNativeSeparators(database), QDir::toNativeSeparators(target), error.text()));
    }
}
