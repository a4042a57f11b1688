#include "DBText.h"

#include "DataSource.h"
#include "DataSourceRegistry.h"
#include "Dataset.h"

DBText::DBText(QWidget* parent) : QLabel(parent) {}

void DBText::setDataSource(DataSource* source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) {
        connect(source, &DataSource::currentChanged, this, &DBText::refresh);
        connect(source, &DataSource::snapshotReset, this, &DBText::refresh);
        connect(source, &DataSource::dataSetChanged, this, &DBText::refresh);
        connect(source, &DataSource::rowChanged, this, &DBText::refresh);
    }
    refresh();
}

void DBText::setDataSourceName(const QString& name)
{
    DataSourceRegistry::whenAvailable(name, this, [this](DataSource* source) { setDataSource(source); });
}

void DBText::setDataField(const QString& fieldName)
{
    m_fieldName = fieldName;
    refresh();
}

void DBText::refresh()
{
    Dataset* dataset = m_source ? m_source->DataSet() : nullptr;
    const Field* field = dataset && dataset->Active() ? dataset->FindField(m_fieldName) : nullptr;
    setText(field ? field->AsString() : QString());
}
