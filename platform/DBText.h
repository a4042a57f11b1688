#pragma once

#include "DataSource.h"

#include <QLabel>
#include <QPointer>

// A label that shows one field of the current row of a data source's
// dataset, and nothing when there is no current row.
class DBText : public QLabel
{
    Q_OBJECT

public:
    explicit DBText(QWidget* parent = nullptr);

    void setDataSource(DataSource* source);
    void setDataSourceName(const QString& name);
    DataSource* dataSource() const { return m_source; }
    void setDataField(const QString& fieldName);
    QString dataField() const { return m_fieldName; }

private:
    void refresh();

    QPointer<DataSource> m_source;
    QString m_fieldName;
};
