#include "Dataset.h"

#include "Connection.h"
#include "Conversions.h"
#include "DatabaseError.h"

#include <QHash>
#include <sqlite3.h>

namespace {

const char* const ClosedDataset = "Cannot perform this operation on a closed dataset";
const char* const EmptyDataset = "Cannot perform this operation on an empty dataset";
const char* const NotEditing = "Dataset not in edit or insert mode";
const char* const ReadOnlyDataset = "Cannot modify a read-only dataset";
const char* const RowNotFound =
    "Row cannot be located for updating. Some values may have been changed since it was last read.";

// Statement that ends when the object goes out of scope.
struct StatementGuard
{
    sqlite3_stmt* statement = nullptr;
    ~StatementGuard() { sqlite3_finalize(statement); }
};

Field::DataType typeOfDeclaration(const char* declared)
{
    const QString type = QString::fromLatin1(declared ? declared : "").toUpper();
    if (type.contains(QLatin1String("INT")))
        return Field::DataType::Integer;
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("TEXT")) ||
        type.contains(QLatin1String("CLOB")))
        return Field::DataType::Text;
    return Field::DataType::Unknown;
}

// The store numbers the rows of a table through its INTEGER PRIMARY KEY
// column; nobody else may write it.
bool isRowIdentity(sqlite3* db, sqlite3_stmt* statement, int column)
{
    const char* table = sqlite3_column_table_name(statement, column);
    const char* origin = sqlite3_column_origin_name(statement, column);
    if (!table || !origin)
        return false;
    const char* declared = nullptr;
    int primaryKey = 0;
    int autoIncrement = 0;
    if (sqlite3_table_column_metadata(db, sqlite3_column_database_name(statement, column), table, origin,
                                      &declared, nullptr, nullptr, &primaryKey, &autoIncrement) != SQLITE_OK)
        return false;
    return autoIncrement || (primaryKey && declared && qstricmp(declared, "INTEGER") == 0);
}

} // namespace

Dataset::Dataset(const QString& name, Connection& connection, QObject* parent)
    : QObject(parent), m_connection(connection)
{
    setObjectName(name);
}

Dataset::~Dataset() = default;

QString Dataset::quotedIdentifier(const QString& identifier)
{
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

sqlite3* Dataset::db() const
{
    return m_connection.handle();
}

void Dataset::fail(const QString& reason) const
{
    throw DatabaseError(Name() + QStringLiteral(": ") + reason);
}

void Dataset::requireSingleStatement(const char* tail) const
{
    while (tail && *tail) {
        sqlite3_stmt* next = nullptr;
        const char* rest = nullptr;
        if (sqlite3_prepare_v2(db(), tail, -1, &next, &rest) != SQLITE_OK)
            throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db())));
        if (next) {
            sqlite3_finalize(next);
            throw DatabaseError(QStringLiteral("The statement text holds more than one statement"));
        }
        tail = rest;
    }
}

Field* Dataset::addField(const QString& name, const QString& fieldName)
{
    m_fixedFields = true;
    m_fields.push_back(std::make_unique<Field>(this, name, fieldName));
    return m_fields.back().get();
}

void Dataset::requireActive() const
{
    if (!Active())
        fail(QString::fromLatin1(ClosedDataset));
}

void Dataset::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void Dataset::Open()
{
    if (Active())
        return;
    if (!m_connection.isOpen())
        fail(QString::fromLatin1(ClosedDataset));
    StatementGuard read;
    bool withRowId = false;
    try {
        const ReadStatement prepared = prepareRead();
        read.statement = prepared.statement;
        withRowId = prepared.firstColumnIsRowId;
    } catch (const DatabaseError& error) {
        fail(error.text());
    }
    const int first = withRowId ? 1 : 0;
    describeColumns(read.statement, first);
    bindFields();

    Snapshot snapshot(int(m_columns.size()));
    int rc;
    while ((rc = sqlite3_step(read.statement)) == SQLITE_ROW)
        snapshot.appendFromStatement(read.statement, first,
                                     withRowId ? sqlite3_column_int64(read.statement, 0) : 0);
    if (rc != SQLITE_DONE)
        fail(QString::fromUtf8(sqlite3_errmsg(db())));
    if (!withRowId)
        m_baseTable.clear();

    m_snapshot = std::move(snapshot);
    m_pending.clear();
    m_assigned.clear();
    m_current = m_snapshot.isEmpty() ? -1 : 0;
    m_eof = m_snapshot.isEmpty();
    setState(State::Browse);
    emit snapshotReset();
    emit currentChanged();
}

void Dataset::describeColumns(sqlite3_stmt* statement, int firstColumn)
{
    const int count = sqlite3_column_count(statement) - firstColumn;
    std::vector<Column> columns(size_t(std::max(count, 0)));
    QString table;
    bool oneTable = true;
    for (int c = 0; c < count; ++c) {
        const int i = firstColumn + c;
        Column& column = columns[size_t(c)];
        column.name = QString::fromUtf8(sqlite3_column_name(statement, i));
        column.originTable = QString::fromUtf8(sqlite3_column_table_name(statement, i));
        column.originColumn = QString::fromUtf8(sqlite3_column_origin_name(statement, i));
        column.type = typeOfDeclaration(sqlite3_column_decltype(statement, i));
        column.rowIdentity = isRowIdentity(db(), statement, i);
        if (column.originTable.isEmpty() ||
            (!table.isEmpty() && column.originTable.compare(table, Qt::CaseInsensitive) != 0))
            oneTable = false;
        else
            table = column.originTable;
    }
    // A name selected more than once (the Name of both tables of a join) is
    // told apart by its table: Grp.Name, Phone.Name.
    QHash<QString, int> uses;
    for (const Column& column : columns)
        ++uses[column.name.toLower()];
    for (Column& column : columns) {
        if (uses.value(column.name.toLower()) > 1 && !column.originTable.isEmpty())
            column.name = column.originTable + QLatin1Char('.') + column.name;
    }
    m_columns = std::move(columns);
    m_baseTable = oneTable ? table : QString();
}

void Dataset::bindFields()
{
    if (!m_fixedFields) {
        m_fields.clear();
        for (const Column& column : m_columns)
            m_fields.push_back(std::make_unique<Field>(this, Name() + column.name, column.name));
    }
    for (auto& field : m_fields) {
        field->m_column = -1;
        for (size_t c = 0; c < m_columns.size(); ++c) {
            if (m_columns[c].name.compare(field->FieldName(), Qt::CaseInsensitive) == 0) {
                field->m_column = int(c);
                field->m_type = m_columns[c].type;
                field->m_readOnly = m_columns[c].originColumn.isEmpty() || m_columns[c].rowIdentity;
                break;
            }
        }
        if (field->m_column < 0)
            fail(QStringLiteral("Field '%1' not found").arg(field->FieldName()));
    }
}

void Dataset::Close()
{
    if (Active())
        leaveWithoutRows(State::Inactive);
}

void Dataset::dropRows()
{
    requireActive();
    leaveWithoutRows(State::Browse);
}

void Dataset::leaveWithoutRows(State state)
{
    m_snapshot = Snapshot(state == State::Inactive ? 0 : int(m_columns.size()));
    m_pending.clear();
    m_assigned.clear();
    m_current = -1;
    m_eof = true;
    setState(state);
    emit snapshotReset();
    emit currentChanged();
}

void Dataset::setActive(bool active)
{
    if (active)
        Open();
    else
        Close();
}

void Dataset::checkBrowseMode()
{
    if (m_state == State::Insert || m_state == State::Edit) {
        if (isModified())
            Post();
        else
            Cancel();
    }
}

void Dataset::moveTo(int row)
{
    m_current = row;
    if (m_controlsDisabled == 0)
        emit currentChanged();
}

void Dataset::EnableControls()
{
    if (m_controlsDisabled > 0 && --m_controlsDisabled == 0)
        emit currentChanged();
}

void Dataset::First()
{
    requireActive();
    checkBrowseMode();
    m_eof = m_snapshot.isEmpty();
    moveTo(m_snapshot.isEmpty() ? -1 : 0);
}

void Dataset::Next()
{
    requireActive();
    checkBrowseMode();
    if (m_current + 1 < m_snapshot.rowCount())
        moveTo(m_current + 1);
    else
        m_eof = true;
}

int Dataset::RecNo() const
{
    return m_state == State::Insert ? m_snapshot.rowCount() : m_current;
}

void Dataset::setRecNo(int row)
{
    requireActive();
    if (row == RecNo())
        return;
    checkBrowseMode();
    if (m_snapshot.isEmpty())
        return;
    m_eof = false;
    moveTo(std::clamp(row, 0, m_snapshot.rowCount() - 1));
}

int Dataset::displayRowCount() const
{
    return m_snapshot.rowCount() + (m_state == State::Insert ? 1 : 0);
}

QVariant Dataset::displayValue(int row, const Field& field) const
{
    if (field.m_column < 0 || row < 0)
        return QVariant();
    if (row == RecNo() && (m_state == State::Insert || m_state == State::Edit))
        return m_pending[size_t(field.m_column)];
    if (row >= m_snapshot.rowCount())
        return QVariant();
    return m_snapshot.value(row, field.m_column);
}

bool Dataset::isModified() const
{
    return std::find(m_assigned.begin(), m_assigned.end(), true) != m_assigned.end();
}

QVariant Dataset::currentValue(int column) const
{
    if (column < 0)
        return QVariant();
    if (m_state == State::Insert || m_state == State::Edit)
        return m_pending[size_t(column)];
    if (m_current < 0 || m_current >= m_snapshot.rowCount())
        return QVariant();
    return m_snapshot.value(m_current, column);
}

Field* Dataset::FindField(const QString& fieldName) const
{
    for (const auto& field : m_fields) {
        if (field->FieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return field.get();
    }
    return nullptr;
}

Field& Dataset::FieldByName(const QString& fieldName) const
{
    Field* field = FindField(fieldName);
    if (!field)
        fail(QStringLiteral("Field '%1' not found").arg(fieldName));
    return *field;
}

QVariant Dataset::FieldValues(const QString& fieldName) const
{
    return FieldByName(fieldName).Value();
}

void Dataset::setFieldValues(const QString& fieldName, const QVariant& value)
{
    assign(FieldByName(fieldName), value);
}

void Dataset::assign(Field& field, const QVariant& value)
{
    requireActive();
    if (m_state != State::Insert && m_state != State::Edit)
        fail(QString::fromLatin1(NotEditing));
    if (field.m_readOnly || field.m_column < 0)
        fail(QStringLiteral("Field '%1' cannot be modified").arg(field.FieldName()));
    QVariant stored;
    if (field.m_type == Field::DataType::Integer) {
        const bool isText = value.typeId() == QMetaType::QString;
        if (isText && value.toString().trimmed().isEmpty())
            stored = QVariant();
        else if (isText)
            stored = StrToInt(value.toString());
        else if (!value.isNull())
            stored = value.toLongLong();
    } else if (field.m_type == Field::DataType::Text) {
        stored = value.isNull() ? QVariant() : QVariant(value.toString());
    } else {
        stored = value;
    }
    m_pending[size_t(field.m_column)] = stored;
    m_assigned[size_t(field.m_column)] = true;
    emit rowChanged(RecNo());
    emit currentChanged();
}

void Dataset::Append()
{
    requireActive();
    checkBrowseMode();
    if (!canModify())
        fail(QString::fromLatin1(ReadOnlyDataset));
    m_currentBeforeInsert = m_current;
    m_pending.assign(m_columns.size(), QVariant());
    m_assigned.assign(m_columns.size(), false);
    setState(State::Insert);
    emit snapshotReset();
    emit currentChanged();
}

void Dataset::Edit()
{
    requireActive();
    if (m_state == State::Insert || m_state == State::Edit)
        return;
    if (m_snapshot.isEmpty()) {
        Append();
        return;
    }
    if (!canModify())
        fail(QString::fromLatin1(ReadOnlyDataset));
    m_pending.resize(m_columns.size());
    for (size_t c = 0; c < m_columns.size(); ++c)
        m_pending[c] = m_snapshot.value(m_current, int(c));
    m_assigned.assign(m_columns.size(), false);
    setState(State::Edit);
}

void Dataset::Cancel()
{
    if (m_state == State::Insert) {
        m_pending.clear();
        m_assigned.clear();
        m_current =
            m_snapshot.isEmpty() ? -1 : std::clamp(m_currentBeforeInsert, 0, m_snapshot.rowCount() - 1);
        setState(State::Browse);
        emit snapshotReset();
        emit currentChanged();
    } else if (m_state == State::Edit) {
        m_pending.clear();
        m_assigned.clear();
        setState(State::Browse);
        emit rowChanged(m_current);
        emit currentChanged();
    }
}

int Dataset::execute(const QString& sql, const std::vector<QVariant>& values)
{
    StatementGuard guard;
    if (sqlite3_prepare_v2(db(), sql.toUtf8().constData(), -1, &guard.statement, nullptr) != SQLITE_OK)
        fail(QString::fromUtf8(sqlite3_errmsg(db())));
    for (size_t i = 0; i < values.size(); ++i) {
        const QVariant& v = values[i];
        const int index = int(i) + 1;
        if (v.isNull()) {
            sqlite3_bind_null(guard.statement, index);
        } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
            sqlite3_bind_int64(guard.statement, index, v.toLongLong());
        } else if (v.typeId() == QMetaType::Double) {
            sqlite3_bind_double(guard.statement, index, v.toDouble());
        } else if (v.typeId() == QMetaType::QByteArray) {
            const QByteArray bytes = v.toByteArray();
            sqlite3_bind_blob(guard.statement, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        } else {
            const QByteArray text = v.toString().toUtf8();
            sqlite3_bind_text(guard.statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
    }
    if (sqlite3_step(guard.statement) != SQLITE_DONE)
        fail(QString::fromUtf8(sqlite3_errmsg(db())));
    return sqlite3_changes(db());
}

QString Dataset::unchangedSince(int row, std::vector<QVariant>& values) const
{
    QString condition;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].originColumn.isEmpty())
            continue;
        // Compared byte for byte: the column's own collation may hold two
        // different texts equal.
        condition +=
            QStringLiteral(" AND %1 IS ? COLLATE BINARY").arg(quotedIdentifier(m_columns[c].originColumn));
        values.push_back(m_snapshot.value(row, int(c)));
    }
    return condition;
}

bool Dataset::rowExists(qint64 rowId)
{
    StatementGuard guard;
    const QString sql =
        QStringLiteral("SELECT 1 FROM %1 WHERE _rowid_ = ?").arg(quotedIdentifier(m_baseTable));
    if (sqlite3_prepare_v2(db(), sql.toUtf8().constData(), -1, &guard.statement, nullptr) != SQLITE_OK)
        fail(QString::fromUtf8(sqlite3_errmsg(db())));
    sqlite3_bind_int64(guard.statement, 1, rowId);
    const int rc = sqlite3_step(guard.statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail(QString::fromUtf8(sqlite3_errmsg(db())));
    return rc == SQLITE_ROW;
}

bool Dataset::readRow(qint64 rowId, std::vector<QVariant>& values)
{
    // The row as the store keeps it (its Row number, its conversions); columns
    // that are not the table's keep the values given.
    QStringList select;
    for (const Column& column : m_columns)
        select << (column.originColumn.isEmpty() ? QStringLiteral("NULL")
                                                 : quotedIdentifier(column.originColumn));
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE _rowid_ = ?")
                            .arg(select.join(QLatin1String(", ")), quotedIdentifier(m_baseTable));
    StatementGuard guard;
    if (sqlite3_prepare_v2(db(), sql.toUtf8().constData(), -1, &guard.statement, nullptr) != SQLITE_OK)
        fail(QString::fromUtf8(sqlite3_errmsg(db())));
    sqlite3_bind_int64(guard.statement, 1, rowId);
    const int rc = sqlite3_step(guard.statement);
    if (rc == SQLITE_DONE)
        return false;
    if (rc != SQLITE_ROW)
        fail(QString::fromUtf8(sqlite3_errmsg(db())));
    Snapshot one(int(m_columns.size()));
    one.appendFromStatement(guard.statement, 0, rowId);
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (!m_columns[c].originColumn.isEmpty())
            values[c] = one.value(0, int(c));
    }
    return true;
}

void Dataset::insertPending()
{
    QStringList names;
    QStringList marks;
    std::vector<QVariant> values;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (m_assigned[c] && !m_columns[c].originColumn.isEmpty()) {
            names << quotedIdentifier(m_columns[c].originColumn);
            marks << QStringLiteral("?");
            values.push_back(m_pending[c]);
        }
    }
    const QString sql =
        names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedIdentifier(m_baseTable))
                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(quotedIdentifier(m_baseTable), names.join(QLatin1String(", ")),
                                   marks.join(QLatin1String(", ")));
    execute(sql, values);
    const qint64 rowId = sqlite3_last_insert_rowid(db());
    std::vector<QVariant> stored = m_pending;
    readRow(rowId, stored);
    m_snapshot.append(rowId, stored);
    m_current = m_snapshot.rowCount() - 1;
}

void Dataset::updatePending()
{
    QStringList sets;
    std::vector<QVariant> values;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (m_assigned[c] && !m_columns[c].originColumn.isEmpty()) {
            sets << quotedIdentifier(m_columns[c].originColumn) + QStringLiteral(" = ?");
            values.push_back(m_pending[c]);
        }
    }
    if (sets.isEmpty())
        return;
    const qint64 rowId = m_snapshot.rowId(m_current);
    values.push_back(rowId);
    const QString unchanged = unchangedSince(m_current, values);
    if (execute(QStringLiteral("UPDATE %1 SET %2 WHERE _rowid_ = ?%3")
                    .arg(quotedIdentifier(m_baseTable), sets.join(QLatin1String(", ")), unchanged),
                values) == 0)
        fail(QString::fromLatin1(RowNotFound));
    std::vector<QVariant> stored = m_pending;
    readRow(rowId, stored);
    m_snapshot.replace(m_current, rowId, stored);
}

void Dataset::Post()
{
    requireActive();
    if (m_state == State::Browse)
        return;
    const bool inserting = m_state == State::Insert;
    if (inserting)
        insertPending();
    else
        updatePending();
    m_pending.clear();
    m_assigned.clear();
    m_eof = false;
    setState(State::Browse);
    if (inserting)
        emit snapshotReset();
    else
        emit rowChanged(m_current);
    emit currentChanged();
}

void Dataset::Delete()
{
    requireActive();
    if (m_state == State::Insert) {
        Cancel();
        return;
    }
    if (m_state == State::Edit)
        Cancel();
    if (m_snapshot.isEmpty())
        fail(QString::fromLatin1(EmptyDataset));
    if (!canModify())
        fail(QString::fromLatin1(ReadOnlyDataset));
    const qint64 rowId = m_snapshot.rowId(m_current);
    std::vector<QVariant> values{rowId};
    const QString unchanged = unchangedSince(m_current, values);
    if (execute(QStringLiteral("DELETE FROM %1 WHERE _rowid_ = ?%2")
                    .arg(quotedIdentifier(m_baseTable), unchanged),
                values) == 0 &&
        rowExists(rowId))
        fail(QString::fromLatin1(RowNotFound));
    // A row another program removed already is gone either way.
    dropCurrentRow();
}

void Dataset::dropCurrentRow()
{
    m_snapshot.remove(m_current);
    m_current = std::min(m_current, m_snapshot.rowCount() - 1);
    m_eof = m_snapshot.isEmpty();
    emit snapshotReset();
    emit currentChanged();
}

bool Dataset::RefreshRecord()
{
    requireActive();
    checkBrowseMode();
    if (m_snapshot.isEmpty())
        fail(QString::fromLatin1(EmptyDataset));
    if (!canModify())
        fail(QString::fromLatin1(ReadOnlyDataset));
    const qint64 rowId = m_snapshot.rowId(m_current);
    std::vector<QVariant> values(m_columns.size());
    for (size_t c = 0; c < m_columns.size(); ++c)
        values[c] = m_snapshot.value(m_current, int(c));
    if (!readRow(rowId, values)) {
        dropCurrentRow();
        return false;
    }
    m_snapshot.replace(m_current, rowId, values);
    emit rowChanged(m_current);
    emit currentChanged();
    return true;
}

Dataset::LocateKey Dataset::locateKey(const Field& field, const QVariant& value) const
{
    LocateKey key;
    key.column = field.m_column;
    key.numeric = field.m_type == Field::DataType::Integer;
    if (!key.numeric) {
        key.text = value.toString();
        return key;
    }
    const QString text = value.toString().trimmed();
    if (value.isNull() || text.isEmpty()) {
        // An empty code text stands for a missing code.
        key.matchesNull = true;
    } else if (value.typeId() == QMetaType::QString) {
        try {
            key.number = StrToInt(text);
        } catch (const ConversionError&) {
            key.unmatchable = true;
        }
    } else {
        key.number = value.toLongLong();
    }
    return key;
}

bool Dataset::matches(int row, const LocateKey& key, bool caseInsensitive) const
{
    if (!key.numeric)
        return m_snapshot.text(row, key.column)
                   .compare(key.text, caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
    if (key.unmatchable)
        return false;
    if (key.matchesNull)
        return m_snapshot.isNull(row, key.column);
    const QVariant cell = m_snapshot.value(row, key.column);
    return !cell.isNull() && cell.toLongLong() == key.number;
}

bool Dataset::Locate(const QString& keyFields, const QVariantList& keyValues, int options)
{
    requireActive();
    checkBrowseMode();
    const QStringList names = keyFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (names.size() != keyValues.size())
        fail(QStringLiteral("Locate needs one value for each key field"));
    // Each value is converted once, not once for every row.
    std::vector<LocateKey> keys;
    for (int k = 0; k < names.size(); ++k)
        keys.push_back(locateKey(FieldByName(names[k].trimmed()), keyValues[k]));
    const bool caseInsensitive = options & loCaseInsensitive;
    for (int row = 0; row < m_snapshot.rowCount(); ++row) {
        bool all = true;
        for (size_t k = 0; k < keys.size() && all; ++k)
            all = matches(row, keys[k], caseInsensitive);
        if (all) {
            m_eof = false;
            moveTo(row);
            return true;
        }
    }
    return false;
}
