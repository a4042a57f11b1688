#pragma once

#include "Schema.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One contact on its way out of or into the store. Its group travels both by
// code and by name, so that the other database can find it either way.
struct ContactRecord
{
    // The text columns of Phone in stored order: every column but Code and Row.
    static QStringList textColumns()
    {
        QStringList columns = Schema::phoneColumns();
        columns.removeAll(QStringLiteral("Code"));
        columns.removeAll(QStringLiteral("Row"));
        return columns;
    }

    int line = 0;              // where the record starts in the file it was read from
    std::optional<qint64> row; // only known for a contact read from the store
    std::optional<qint64> groupCode;
    QString groupName;
    QHash<QString, QString> texts; // by column name; a missing column is empty

    QString text(const QString& column) const { return texts.value(column); }
};

// The records of a file and every problem found in it, each as "line N: reason".
struct ParsedContacts
{
    QList<ContactRecord> records;
    QStringList problems;
};
