#include "DBGrid.h"

#include "DataSource.h"
#include "DataSourceRegistry.h"
#include "Dataset.h"
#include "DeferredError.h"
#include "MessageBox.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace {
const char* const DeleteRecordQuestion = "Delete record?";
}

DBGrid::DBGrid(QWidget* parent) : QTableView(parent)
{
    setModel(&m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Titles keep their look when whole rows are selected.
    horizontalHeader()->setHighlightSections(false);
}

Dataset* DBGrid::dataset() const
{
    DataSource* source = m_model.dataSource();
    return source ? source->DataSet() : nullptr;
}

void DBGrid::setDataSource(DataSource* source)
{
    if (m_model.dataSource())
        disconnect(m_model.dataSource(), nullptr, this, nullptr);
    m_model.setDataSource(source);
    if (source)
        connect(source, &DataSource::currentChanged, this, &DBGrid::followDataset);
    followDataset();
}

void DBGrid::setDataSourceName(const QString& name)
{
    DataSourceRegistry::whenAvailable(name, this, [this](DataSource* source) { setDataSource(source); });
}

void DBGrid::setColumns(const QList<DBGridColumn>& columns)
{
    m_model.setColumns(columns);
    applyColumnWidths();
    followDataset();
}

void DBGrid::setColumnField(int index, const QString& fieldName)
{
    m_model.columns()[index].fieldName = fieldName;
    m_model.rebind();
}

void DBGrid::applyColumnWidths()
{
    for (int c = 0; c < m_model.columns().size(); ++c)
        setColumnWidth(c, m_model.columns()[c].width);
}

void DBGrid::setReadOnly(bool readOnly)
{
    m_model.setReadOnly(readOnly);
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                             : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
}

void DBGrid::reset()
{
    QTableView::reset();
    followDataset();
}

void DBGrid::followDataset()
{
    if (m_syncing)
        return;
    QScopedValueRollback<bool> guard(m_syncing, true);
    Dataset* data = dataset();
    const int row = data && data->Active() ? data->RecNo() : -1;
    if (row < 0 || row >= m_model.rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const int column = std::max(currentIndex().column(), 0);
    const QModelIndex target = m_model.index(row, std::min(column, m_model.columnCount() - 1));
    // Not selectRow(): it picks the column under the view's edge, which is
    // none when the columns do not fill a right-to-left view.
    selectionModel()->setCurrentIndex(target,
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(target);
}

void DBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_syncing || !current.isValid())
        return;
    Dataset* data = dataset();
    if (!data || !data->Active() || current.row() == data->RecNo())
        return;
    std::exception_ptr error;
    {
        QScopedValueRollback<bool> guard(m_syncing, true);
        try {
            data->setRecNo(current.row());
        } catch (...) {
            // The row could not be left (its changes did not post): stay on it.
            error = std::current_exception();
        }
    }
    // Leaving a new row posts it, which resets the model under the view; the
    // view's current row is the dataset's again, not none.
    followDataset();
    if (error)
        reportWhenIdle(error);
}

void DBGrid::hideEvent(QHideEvent* event)
{
    QTableView::hideEvent(event);
    // Changes typed into a row are kept when its window closes, not lost
    // with the pending row later; a row the store refuses is given up, or
    // the next use of the dataset would meet the refusal again.
    Dataset* data = dataset();
    if (isReadOnly() || !data || !data->Active() || data->state() == Dataset::State::Browse)
        return;
    try {
        if (data->isModified())
            data->Post();
        else
            data->Cancel();
    } catch (...) {
        data->Cancel();
        reportWhenIdle(std::current_exception());
    }
}

void DBGrid::keyPressEvent(QKeyEvent* event)
{
    Dataset* data = dataset();
    const bool editable = data && data->Active() && !isReadOnly() && data->canModify();
    if (editable && state() != QAbstractItemView::EditingState) {
        const bool lastRow = data->RecNo() >= data->displayRowCount() - 1;
        if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
            data->Append();
            return;
        }
        if (event->key() == Qt::Key_Down && lastRow && data->state() != Dataset::State::Insert) {
            data->Append();
            return;
        }
        if (event->key() == Qt::Key_Escape && data->state() != Dataset::State::Browse) {
            data->Cancel();
            return;
        }
        if (event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier)) {
            if (data->displayRowCount() > 0 &&
                MessageBox::confirmOkCancel(QString::fromLatin1(DeleteRecordQuestion)) == QMessageBox::Ok)
                data->Delete();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}
