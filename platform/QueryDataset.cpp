#include "QueryDataset.h"

#include "DataSource.h"
#include "DatabaseError.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <memory>
#include <sqlite3.h>

namespace {

using StatementPointer = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

// All result columns come from one table: the rows can be written back.
bool fromOneTable(sqlite3_stmt* statement)
{
    const int count = sqlite3_column_count(statement);
    const char* table = nullptr;
    for (int i = 0; i < count; ++i) {
        const char* t = sqlite3_column_table_name(statement, i);
        if (!t || (table && qstricmp(t, table) != 0))
            return false;
        table = t;
    }
    return count > 0;
}

// The statement with the store's row identity as an extra first column, or
// an empty text when the statement is not a plain SELECT.
QString withRowIdentity(const QString& sql)
{
    static const QRegularExpression plainSelect(QStringLiteral("^(\\s*select)(\\s+)(?!distinct\\b)"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = plainSelect.match(sql);
    if (!match.hasMatch())
        return QString();
    return match.captured(1) + QStringLiteral(" _rowid_,") + sql.mid(match.capturedEnd(1));
}

} // namespace

QueryDataset::QueryDataset(const QString& name, Connection& connection, QObject* parent)
    : Dataset(name, connection, parent)
{
}

void QueryDataset::setParameter(const QString& name, const QVariant& value)
{
    m_parameters.insert(name.toLower(), value);
}

QVariant QueryDataset::parameter(const QString& name) const
{
    return parameterValue(name);
}

QVariant QueryDataset::parameterValue(const QString& name) const
{
    if (m_master && m_master->DataSet()) {
        if (Field* field = m_master->DataSet()->FindField(name))
            return field->Value();
        return QVariant();
    }
    return m_parameters.value(name.toLower());
}

void QueryDataset::setMasterSource(DataSource* master)
{
    if (m_master)
        disconnect(m_master, nullptr, this, nullptr);
    m_master = master;
    if (master) {
        connect(master, &DataSource::currentChanged, this, &QueryDataset::masterMoved);
        connect(master, &DataSource::snapshotReset, this, &QueryDataset::masterMoved);
        connect(master, &DataSource::dataSetChanged, this, &QueryDataset::masterMoved);
    }
}

QVariantList QueryDataset::masterRowValues() const
{
    const Dataset* master = m_master ? m_master->DataSet() : nullptr;
    // A group being added has no contacts yet, whatever its pending code.
    if (!master || !master->Active() || master->isEmpty() || master->state() == State::Insert)
        return {};
    QVariantList values;
    for (const auto& field : master->Fields())
        values << field->Value();
    return values;
}

void QueryDataset::masterMoved()
{
    if (!Active() || m_followingMaster)
        return;
    Dataset* master = m_master->DataSet();
    // Changes to a master row that is still being edited are not final yet.
    if (master && master->state() == State::Edit)
        return;
    // One move of the master reaches here through several of its signals; the
    // statement runs once for it.
    const QVariantList row = masterRowValues();
    if (row == m_followedMasterRow)
        return;
    m_followingMaster = true;
    auto done = qScopeGuard([this] { m_followingMaster = false; });
    if (row.isEmpty()) {
        // Without a master row the parameters are null and match nothing.
        m_followedMasterRow = row;
        dropRows();
        return;
    }
    Close();
    Open();
}

void QueryDataset::bindParameters(sqlite3_stmt* statement) const
{
    for (int i = 1; i <= sqlite3_bind_parameter_count(statement); ++i) {
        const char* rawName = sqlite3_bind_parameter_name(statement, i);
        if (!rawName)
            continue;
        const QVariant value = parameterValue(QString::fromUtf8(rawName + 1));
        if (value.isNull())
            sqlite3_bind_null(statement, i);
        else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong)
            sqlite3_bind_int64(statement, i, value.toLongLong());
        else
            sqlite3_bind_text(statement, i, value.toString().toUtf8().constData(), -1, SQLITE_TRANSIENT);
    }
}

Dataset::ReadStatement QueryDataset::prepareRead()
{
    const QString text = SQL.Text();
    const QByteArray sql = text.toUtf8();
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db(), sql.constData(), int(sql.size()), &raw, &tail) != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db())));
    StatementPointer statement(raw, &sqlite3_finalize);
    if (!statement)
        throw DatabaseError(QStringLiteral("The statement text is empty"));
    requireSingleStatement(tail);

    bool rowIdentity = false;
    if (fromOneTable(statement.get())) {
        const QByteArray rewritten = withRowIdentity(text).toUtf8();
        sqlite3_stmt* writable = nullptr;
        if (!rewritten.isEmpty() &&
            sqlite3_prepare_v2(db(), rewritten.constData(), int(rewritten.size()), &writable, nullptr) ==
                SQLITE_OK &&
            writable) {
            statement.reset(writable);
            rowIdentity = true;
        }
    }
    bindParameters(statement.get());
    m_followedMasterRow = masterRowValues();
    return {statement.release(), rowIdentity};
}
