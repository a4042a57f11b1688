#include "MdbImport.h"

#include "Connection.h"
#include "CreateDatabase.h"
#include "DatabaseError.h"
#include "JetDatabase.h"
#include "Schema.h"
#include "Statement.h"
#include "TableSource.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <sqlite3.h>

namespace {

// One source table with the position of each column this program needs.
struct SourceTable
{
    QList<QVariantList> rows;
    QList<qsizetype> positions; // by the order of the wanted columns
};

SourceTable readTable(const TableSource& jet, const QString& table, const QStringList& wanted)
{
    const auto matches = [](const QString& name) {
        return [&name](const QString& other) { return other.compare(name, Qt::CaseInsensitive) == 0; };
    };
    const QStringList tables = jet.tableNames();
    const auto found = std::find_if(tables.begin(), tables.end(), matches(table));
    if (found == tables.end())
        throw DatabaseError(QStringLiteral("the file has no table %1.").arg(table));

    const QStringList columns = jet.columnNames(*found);
    SourceTable source;
    QStringList missing;
    for (const QString& column : wanted) {
        const auto at = std::find_if(columns.begin(), columns.end(), matches(column));
        if (at == columns.end())
            missing << column;
        source.positions << (at - columns.begin());
    }
    if (!missing.isEmpty())
        throw DatabaseError(
            QStringLiteral("table %1 has no column %2.").arg(table, missing.join(QStringLiteral(", "))));
    source.rows = jet.rows(*found);
    return source;
}

void insertAll(sqlite3* db, const QString& table, const QStringList& columns, const SourceTable& source)
{
    Statement insert(db, QStringLiteral("INSERT INTO %1 (%2) VALUES (?%3)")
                             .arg(table, columns.join(QStringLiteral(", ")),
                                  QStringLiteral(", ?").repeated(columns.size() - 1)));
    for (const QVariantList& row : source.rows) {
        insert.reset();
        for (qsizetype i = 0; i < columns.size(); ++i)
            insert.bind(int(i) + 1, row.value(source.positions[i]));
        insert.step();
    }
}

} // namespace

MdbImport::Summary MdbImport::run(const QString& source, const QString& folder)
{
    return run(JetDatabase(source), folder);
}

MdbImport::Summary MdbImport::run(const TableSource& jet, const QString& folder)
{
    QStringList phoneColumns = Schema::phoneColumns();
    const SourceTable groups = readTable(jet, QStringLiteral("Grp"), Schema::groupColumns());
    SourceTable contacts = readTable(jet, QStringLiteral("Phone"), phoneColumns);

    // Row is given anew by the store, in the order of the source's Row.
    const qsizetype rowPosition = contacts.positions.takeLast();
    phoneColumns.removeLast();
    std::stable_sort(contacts.rows.begin(), contacts.rows.end(),
                     [rowPosition](const QVariantList& a, const QVariantList& b) {
                         return a.value(rowPosition).toLongLong() < b.value(rowPosition).toLongLong();
                     });

    Summary summary{CreateDatabase::create(folder, {}), int(groups.rows.size()), int(contacts.rows.size())};
    try {
        Connection connection;
        connection.open(summary.database);
        connection.execute(QStringLiteral("BEGIN IMMEDIATE"));
        insertAll(connection.handle(), QStringLiteral("Grp"), Schema::groupColumns(), groups);
        insertAll(connection.handle(), QStringLiteral("Phone"), phoneColumns, contacts);
        connection.execute(QStringLiteral("COMMIT"));
    } catch (const DatabaseError&) {
        // The connection is closed by now and the new file is ours alone.
        QFile::remove(summary.database);
        throw;
    }
    return summary;
}
