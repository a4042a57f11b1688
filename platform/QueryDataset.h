#pragma once

#include "Dataset.h"
#include "StringList.h"

#include <QHash>

class DataSource;

// The result of a SELECT statement. A statement over a single table can be
// written through like a table; a join or a computed result is read-only.
// Named parameters (":code") take their values from setParameter or, when a
// master data source is set, from the master's current row: the query then
// runs again whenever the master's current row changes. While the master has
// no current row (closed, empty, or adding a new row) the query holds no rows.
class QueryDataset : public Dataset
{
    Q_OBJECT

public:
    QueryDataset(const QString& name, Connection& connection, QObject* parent = nullptr);

    StringList SQL;

    void setParameter(const QString& name, const QVariant& value);
    QVariant parameter(const QString& name) const;
    void setMasterSource(DataSource* master);
    DataSource* masterSource() const { return m_master; }

protected:
    ReadStatement prepareRead() override;

private:
    void bindParameters(sqlite3_stmt* statement) const;
    QVariant parameterValue(const QString& name) const;
    void masterMoved();
    // The master's current values, or none when it has no finished current row.
    QVariantList masterRowValues() const;

    QHash<QString, QVariant> m_parameters;
    DataSource* m_master = nullptr;
    bool m_followingMaster = false;
    QVariantList m_followedMasterRow;
};
