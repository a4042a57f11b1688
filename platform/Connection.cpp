#include "Connection.h"

#include "DatabaseError.h"
#include "PersianText.h"

#include <QFileInfo>
#include <sqlite3.h>

Connection::~Connection()
{
    close();
}

void Connection::open(const QString& path)
{
    close();
    const QFileInfo file(path);
    // SQLite would happily start a new empty database; this program only
    // ever works on a file that is already there.
    if (!file.exists())
        throw DatabaseError(QStringLiteral("Could not find file '%1'.").arg(file.absoluteFilePath()));
    if (file.isDir())
        throw DatabaseError(
            QStringLiteral("'%1' is a folder, not a database file.").arg(file.absoluteFilePath()));

    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        throw DatabaseError(QStringLiteral("Could not open '%1': %2").arg(file.absoluteFilePath(), reason));
    }
    m_db = db;
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 1);
    PersianText::install(m_db);
    try {
        // Reading the schema is what tells a database from any other file.
        execute(QStringLiteral("PRAGMA schema_version"));
        // Every write is on disk when it returns.
        execute(QStringLiteral("PRAGMA synchronous = FULL"));
        // Sorting a whole table by name stays in memory instead of temp files.
        execute(QStringLiteral("PRAGMA temp_store = MEMORY"));
    } catch (const DatabaseError& error) {
        close();
        throw DatabaseError(
            QStringLiteral("Could not open '%1': %2").arg(file.absoluteFilePath(), error.text()));
    }
}

void Connection::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

void Connection::execute(const QString& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(m_db));
        sqlite3_free(message);
        throw DatabaseError(text);
    }
}
