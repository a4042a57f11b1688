#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>

// A database whose tables can be read whole, such as an original desktop
// database file.
class TableSource
{
public:
    virtual ~TableSource() = default;
    virtual QStringList tableNames() const = 0;
    // In stored order; throws DatabaseError when the table is missing.
    virtual QStringList columnNames(const QString& table) const = 0;
    // Every row in stored order, one value per column.
    virtual QList<QVariantList> rows(const QString& table) const = 0;
};
