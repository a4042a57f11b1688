#pragma once

#include "DataSource.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QPointer>
#include <optional>

class Field;

// One column of a data grid: the field it shows and how.
struct DBGridColumn
{
    DBGridColumn(const QString& fieldName = {}, const QString& title = {}, int width = 64)
        : fieldName(fieldName), title(title), width(width)
    {
    }

    QString fieldName;
    QString title;
    int width = 64;
    Qt::Alignment alignment = Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter;
    Qt::Alignment titleAlignment = Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter;
    std::optional<QFont> font;
    std::optional<QFont> titleFont;
    std::optional<QColor> color;
    std::optional<QColor> textColor;
    bool readOnly = false;
};

// The rows of the dataset behind a data source, as a table model. Cells are
// read from the snapshot only when the view asks for them.
class DBGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit DBGridModel(QObject* parent = nullptr);

    void setDataSource(DataSource* source);
    DataSource* dataSource() const { return m_source; }
    void setColumns(const QList<DBGridColumn>& columns);
    QList<DBGridColumn>& columns() { return m_columns; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }
    // Re-reads which field each column shows, after a column's field changed.
    void rebind();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    Field* fieldOf(int column) const;
    void reset();

    QPointer<DataSource> m_source;
    QList<DBGridColumn> m_columns;
    bool m_readOnly = false;
};
