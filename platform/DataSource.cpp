#include "DataSource.h"

#include "DataSourceRegistry.h"
#include "Dataset.h"

DataSource::DataSource(const QString& name, QObject* parent) : QObject(parent)
{
    setObjectName(name);
    DataSourceRegistry::add(this);
}

void DataSource::setDataSet(Dataset* dataset)
{
    if (m_dataset == dataset)
        return;
    if (m_dataset)
        disconnect(m_dataset, nullptr, this, nullptr);
    m_dataset = dataset;
    if (dataset) {
        connect(dataset, &Dataset::snapshotReset, this, &DataSource::snapshotReset);
        connect(dataset, &Dataset::rowChanged, this, &DataSource::rowChanged);
        connect(dataset, &Dataset::currentChanged, this, &DataSource::currentChanged);
        connect(dataset, &Dataset::stateChanged, this, &DataSource::stateChanged);
    }
    emit dataSetChanged();
}
