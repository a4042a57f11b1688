#include "DatabaseCheck.h"

#include "DatabaseError.h"
#include "Schema.h"
#include "Statement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <sqlite3.h>

namespace {

using Handle = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

Handle openReadOnly(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw DatabaseError(
            QStringLiteral("there is no database file %1.").arg(QDir::toNativeSeparators(path)));
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    Handle db(raw, &sqlite3_close);
    if (rc != SQLITE_OK)
        throw DatabaseError(raw ? QString::fromUtf8(sqlite3_errmsg(raw))
                                : QString::fromUtf8(sqlite3_errstr(rc)));
    return db;
}

QStringList columnsOf(sqlite3* db, const QString& table)
{
    Statement info(db, QStringLiteral("PRAGMA table_info(%1)").arg(table));
    QStringList names;
    while (info.step())
        names << info.text(1);
    return names;
}

void checkTable(sqlite3* db, const QString& table, const QStringList& expected, DatabaseCheck::Report& report)
{
    const QStringList found = columnsOf(db, table);
    if (found.isEmpty()) {
        report.healthy = false;
        report.lines << QStringLiteral("Table %1: missing.").arg(table);
        return;
    }
    Statement count(db, QStringLiteral("SELECT count(*) FROM %1").arg(table));
    count.step();
    if (found == expected) {
        report.lines
            << QStringLiteral("Table %1: columns as expected, %2 rows.").arg(table).arg(count.text(0));
        return;
    }
    report.healthy = false;
    report.lines << QStringLiteral("Table %1: columns are %2; expected %3.")
                        .arg(table, found.join(QStringLiteral(", ")), expected.join(QStringLiteral(", ")));
}

} // namespace

DatabaseCheck::Report DatabaseCheck::run(const QString& database)
{
    Report report;
    report.lines << QStringLiteral("Database %1").arg(QDir::toNativeSeparators(database));
    try {
        const Handle db = openReadOnly(database);
        Statement integrity(db.get(), QStringLiteral("PRAGMA integrity_check"));
        QStringList findings;
        while (integrity.step())
            findings << integrity.text(0);
        report.healthy = findings == QStringList{QStringLiteral("ok")};
        if (report.healthy)
            report.lines << QStringLiteral("Integrity: ok.");
        else
            for (const QString& finding : findings)
                report.lines << QStringLiteral("Integrity: %1").arg(finding);
        checkTable(db.get(), QStringLiteral("Phone"), Schema::phoneColumns(), report);
        checkTable(db.get(), QStringLiteral("Grp"), Schema::groupColumns(), report);
    } catch (const DatabaseError& error) {
        report.healthy = false;
        report.lines << QStringLiteral("Cannot be read: %1").arg(error.text());
    }
    report.lines << (report.healthy ? QStringLiteral("Result: healthy.")
                                    : QStringLiteral("Result: PROBLEMS FOUND."));
    return report;
}
