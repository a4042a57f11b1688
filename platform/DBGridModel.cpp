#include "DBGridModel.h"

#include "DataSource.h"
#include "Dataset.h"
#include "DeferredError.h"

DBGridModel::DBGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void DBGridModel::setDataSource(DataSource* source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) {
        connect(source, &DataSource::snapshotReset, this, &DBGridModel::reset);
        connect(source, &DataSource::dataSetChanged, this, &DBGridModel::reset);
        connect(source, &DataSource::currentChanged, this, [this] {
            if (rowCount() > 0)
                emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
        });
        connect(source, &DataSource::rowChanged, this, [this](int row) {
            if (row >= 0 && row < rowCount())
                emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        });
    }
    reset();
}

void DBGridModel::setColumns(const QList<DBGridColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    endResetModel();
}

void DBGridModel::rebind()
{
    reset();
}

void DBGridModel::reset()
{
    beginResetModel();
    endResetModel();
}

Field* DBGridModel::fieldOf(int column) const
{
    Dataset* dataset = m_source ? m_source->DataSet() : nullptr;
    if (!dataset || column < 0 || column >= m_columns.size())
        return nullptr;
    return dataset->FindField(m_columns[column].fieldName);
}

int DBGridModel::rowCount(const QModelIndex& parent) const
{
    Dataset* dataset = m_source ? m_source->DataSet() : nullptr;
    if (parent.isValid() || !dataset || !dataset->Active())
        return 0;
    return dataset->displayRowCount();
}

int DBGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DBGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const DBGridColumn& column = m_columns[index.column()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        const Field* field = fieldOf(index.column());
        if (!field)
            return {};
        const QVariant value = m_source->DataSet()->displayValue(index.row(), *field);
        return value.isNull() ? QString() : value.toString();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column.alignment);
    case Qt::FontRole:
        return column.font ? QVariant(*column.font) : QVariant();
    case Qt::BackgroundRole:
        return column.color ? QVariant(*column.color) : QVariant();
    case Qt::ForegroundRole:
        return column.textColor ? QVariant(*column.textColor) : QVariant();
    default:
        return {};
    }
}

QVariant DBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        // The row indicator: a mark beside the current row only.
        if (role != Qt::DisplayRole)
            return {};
        const Dataset* dataset = m_source ? m_source->DataSet() : nullptr;
        return dataset && dataset->RecNo() == section ? QStringLiteral("▶") : QString();
    }
    if (section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    const DBGridColumn& column = m_columns[section];
    switch (role) {
    case Qt::DisplayRole:
        return column.title;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column.titleAlignment);
    case Qt::FontRole:
        return column.titleFont ? QVariant(*column.titleFont) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags DBGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const Field* field = fieldOf(index.column());
    if (!m_readOnly && field && !field->isReadOnly() && !m_columns[index.column()].readOnly &&
        m_source->DataSet()->canModify())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool DBGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    Dataset* dataset = m_source->DataSet();
    const Field* field = fieldOf(index.column());
    if (data(index, Qt::EditRole) == value)
        return false;
    try {
        dataset->setRecNo(index.row());
        if (dataset->state() == Dataset::State::Browse)
            dataset->Edit();
        dataset->setFieldValues(field->FieldName(), value);
    } catch (...) {
        // The refused value is given up; the row keeps what else was typed.
        if (dataset->state() == Dataset::State::Edit && !dataset->isModified())
            dataset->Cancel();
        reportWhenIdle(std::current_exception());
        return false;
    }
    return true;
}
