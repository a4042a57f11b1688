#pragma once

#include "DBGridModel.h"

class Dataset;

#include <QTableView>

// A grid over the dataset of a data source. The grid's current row is the
// dataset's current row, both ways. Unless read-only, cells are edited in
// place (posted when the row is left), Insert or Down on the last row adds a
// row, Escape gives up the row's changes and Ctrl+Delete deletes the current
// row after a confirmation.
class DBGrid : public QTableView
{
    Q_OBJECT

public:
    explicit DBGrid(QWidget* parent = nullptr);

    void setDataSource(DataSource* source);
    // Binds by the data source's name; the binding takes effect as soon as a
    // data source of that name exists.
    void setDataSourceName(const QString& name);
    DataSource* dataSource() const { return m_model.dataSource(); }
    void setColumns(const QList<DBGridColumn>& columns);
    DBGridColumn& column(int index) { return m_model.columns()[index]; }
    // Makes column index show another field, keeping its title and look.
    void setColumnField(int index, const QString& fieldName);
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_model.isReadOnly(); }

protected:
    void reset() override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void followDataset();
    void applyColumnWidths();
    Dataset* dataset() const;

    DBGridModel m_model;
    bool m_syncing = false;
};
