#include "JetDatabase.h"

#include "DatabaseError.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>
#include <cmath>
#include <mdbtools.h>
#include <vector>

namespace {

// Room for the longest Memo (65535 characters of up to 3 UTF-8 bytes each);
// a value that fills it would have been cut, and is refused.
constexpr size_t BindSize = 65535 * 3 + 2;

// Jet keeps a date as days since 1899-12-30; the fraction is the time of
// day, counted forward from midnight even for days before 1899-12-30.
QVariant dateFromJetDays(double days)
{
    const double wholeDays = std::trunc(days);
    const qint64 milliseconds = std::llround(std::fabs(days - wholeDays) * 86400000.0);
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(wholeDays));
    if (!date.isValid())
        return QString::number(days, 'g', 17);
    return QDateTime(date, QTime(0, 0), QTimeZone::utc()).addMSecs(milliseconds);
}

// Sets an environment variable for the lifetime of this object only: mdbtools
// reads its iconv character sets from the environment when a file is opened.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name), m_hadValue(qEnvironmentVariableIsSet(name)), m_oldValue(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_hadValue)
            qputenv(m_name, m_oldValue);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_hadValue;
    QByteArray m_oldValue;
};

struct TableDefDeleter
{
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TablePointer = std::unique_ptr<MdbTableDef, TableDefDeleter>;

} // namespace

struct JetDatabase::OpenFile
{
    MdbHandle* mdb = nullptr;
    ~OpenFile()
    {
        if (mdb)
            mdb_close(mdb);
    }
};

JetDatabase::JetDatabase(const QString& path) : m_path(path), m_file(std::make_unique<OpenFile>())
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        throw DatabaseError(
            QStringLiteral("Cannot read the Jet database %1: no such readable file").arg(path));
    {
        // Texts are wanted in UTF-8; a Jet 3 file's texts are in Windows' Persian code page.
        const ScopedEnvironment target("MDBICONV", "UTF-8");
        const ScopedEnvironment jet3("MDB_JET3_CHARSET", "CP1256");
        m_file->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    }
    if (!m_file->mdb)
        throw DatabaseError(QStringLiteral("%1 is not a Jet 3 or Jet 4 database file").arg(path));
    const guint32 version = m_file->mdb->f->jet_version;
    if (version != MDB_VER_JET3 && version != MDB_VER_JET4)
        throw DatabaseError(
            QStringLiteral("%1 is an Access 2007 or later file, not a Jet 3 or Jet 4 database").arg(path));
    mdb_set_bind_size(m_file->mdb, BindSize);
    mdb_set_boolean_fmt_numbers(m_file->mdb);
    if (!mdb_read_catalog(m_file->mdb, MDB_TABLE))
        throw DatabaseError(QStringLiteral("Cannot read the table catalog of %1").arg(path));
}

JetDatabase::~JetDatabase() = default;

QStringList JetDatabase::tableNames() const
{
    QStringList names;
    GPtrArray* catalog = m_file->mdb->catalog;
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
            names << QString::fromUtf8(entry->object_name);
    }
    return names;
}

namespace {

TablePointer openTable(MdbHandle* mdb, const QString& name, const QString& path)
{
    // Only user tables: the system tables are not part of what this class offers.
    GPtrArray* catalog = mdb->catalog;
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry) &&
            QString::fromUtf8(entry->object_name) == name) {
            TablePointer table(mdb_read_table(entry));
            if (!table || !mdb_read_columns(table.get()))
                throw DatabaseError(QStringLiteral("Cannot read the table %1 of %2").arg(name, path));
            return table;
        }
    }
    throw DatabaseError(QStringLiteral("%1 has no table %2").arg(path, name));
}

MdbColumn* columnAt(MdbTableDef* table, guint index)
{
    return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, index));
}

QVariant valueOf(MdbHandle* mdb, const MdbColumn* column, const char* text, int length)
{
    // mdbtools hands over a null and a zero-length value alike.
    if (length <= 0)
        return {};
    switch (column->col_type) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return QByteArray(text, length).toLongLong();
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_MONEY:
    case MDB_NUMERIC: {
        bool ok = false;
        const double number = QByteArray(text, length).toDouble(&ok);
        return ok ? QVariant(number) : QVariant(QString::fromUtf8(text, length));
    }
    case MDB_DATETIME:
        // The raw value, not mdbtools' formatted text, which garbles dates outside 1900..9999.
        return dateFromJetDays(mdb_get_double(mdb->pg_buf, column->cur_value_start));
    case MDB_BINARY:
    case MDB_OLE:
        return QByteArray(text, length);
    default:
        return QString::fromUtf8(text, length);
    }
}

} // namespace

QStringList JetDatabase::columnNames(const QString& table) const
{
    const TablePointer definition = openTable(m_file->mdb, table, m_path);
    QStringList names;
    for (guint i = 0; i < definition->num_cols; ++i)
        names << QString::fromUtf8(columnAt(definition.get(), i)->name);
    return names;
}

QList<QVariantList> JetDatabase::rows(const QString& table) const
{
    const TablePointer definition = openTable(m_file->mdb, table, m_path);
    const guint columnCount = definition->num_cols;
    std::vector<std::vector<char>> buffers(columnCount, std::vector<char>(BindSize));
    std::vector<int> lengths(columnCount, 0);
    for (guint i = 0; i < columnCount; ++i)
        mdb_bind_column(definition.get(), static_cast<int>(i) + 1, buffers[i].data(), &lengths[i]);

    QList<QVariantList> result;
    mdb_rewind_table(definition.get());
    while (mdb_fetch_row(definition.get())) {
        QVariantList row;
        row.reserve(columnCount);
        for (guint i = 0; i < columnCount; ++i) {
            const MdbColumn* column = columnAt(definition.get(), i);
            if (static_cast<size_t>(lengths[i]) >= BindSize - 1)
                throw DatabaseError(QStringLiteral("A value of %1.%2 in %3 is too long to read")
                                        .arg(table, QString::fromUtf8(column->name), m_path));
            row << valueOf(m_file->mdb, column, buffers[i].data(), lengths[i]);
        }
        result << row;
    }
    return result;
}
