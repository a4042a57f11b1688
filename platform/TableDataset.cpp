#include "TableDataset.h"

#include "DatabaseError.h"

#include <sqlite3.h>

TableDataset::TableDataset(const QString& name, Connection& connection, const QString& tableName,
                           QObject* parent)
    : Dataset(name, connection, parent), m_tableName(tableName)
{
}

Dataset::ReadStatement TableDataset::prepareRead()
{
    const QByteArray sql =
        QStringLiteral("SELECT _rowid_, * FROM %1").arg(quotedIdentifier(m_tableName)).toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db(), sql.constData(), -1, &statement, nullptr) != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db())));
    return {statement, true};
}
