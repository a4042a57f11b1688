#pragma once

#include "Dataset.h"

#include <QObject>
#include <QPointer>

// Names one dataset for the controls bound to it, and passes the dataset's
// changes on to them. Re-pointing it at another dataset re-binds every
// control at once.
class DataSource : public QObject
{
    Q_OBJECT

public:
    explicit DataSource(const QString& name, QObject* parent = nullptr);

    Dataset* DataSet() const { return m_dataset; }
    void setDataSet(Dataset* dataset);

signals:
    void dataSetChanged();
    void snapshotReset();
    void rowChanged(int row);
    void currentChanged();
    void stateChanged();

private:
    QPointer<Dataset> m_dataset;
};
