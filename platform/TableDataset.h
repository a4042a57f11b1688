#pragma once

#include "Dataset.h"

// Every row and column of one table, in the table's own order.
class TableDataset : public Dataset
{
    Q_OBJECT

public:
    TableDataset(const QString& name, Connection& connection, const QString& tableName,
                 QObject* parent = nullptr);
    QString TableName() const { return m_tableName; }

protected:
    ReadStatement prepareRead() override;

private:
    QString m_tableName;
};
