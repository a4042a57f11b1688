#include "Snapshot.h"

#include <cstring>
#include <sqlite3.h>

namespace {
constexpr size_t ChunkBytes = 256 * 1024;
}

// Row block layout: int64 row identity, then one uint32 per cell holding the
// cell's type in the top bits and the end of its bytes in the rest, then the
// cells' bytes one after another.

char* Snapshot::allocate(size_t bytes)
{
    bytes = (bytes + 7) & ~size_t(7);
    if (bytes > m_freeBytes) {
        const size_t size = std::max(bytes, ChunkBytes);
        m_chunks.emplace_back(new char[size]);
        m_free = m_chunks.back().get();
        m_freeBytes = size;
    }
    char* block = m_free;
    m_free += bytes;
    m_freeBytes -= bytes;
    return block;
}

const char* Snapshot::store(qint64 rowId, const Cell* cells)
{
    size_t dataBytes = 0;
    for (int c = 0; c < m_columnCount; ++c)
        dataBytes += cells[c].size;
    const size_t headerBytes = sizeof(qint64) + sizeof(quint32) * size_t(m_columnCount);
    char* block = allocate(headerBytes + dataBytes);
    std::memcpy(block, &rowId, sizeof rowId);
    auto* index = block + sizeof(qint64);
    char* data = block + headerBytes;
    quint32 end = 0;
    for (int c = 0; c < m_columnCount; ++c) {
        if (cells[c].size)
            std::memcpy(data + end, cells[c].data, cells[c].size);
        end += cells[c].size;
        const quint32 entry = (quint32(cells[c].type) << TypeShift) | end;
        std::memcpy(index + sizeof(quint32) * size_t(c), &entry, sizeof entry);
    }
    return block;
}

Snapshot::Cell Snapshot::cell(int row, int column) const
{
    const char* block = m_rows[size_t(row)];
    const char* index = block + sizeof(qint64);
    quint32 entry;
    std::memcpy(&entry, index + sizeof(quint32) * size_t(column), sizeof entry);
    quint32 begin = 0;
    if (column > 0) {
        quint32 previous;
        std::memcpy(&previous, index + sizeof(quint32) * size_t(column - 1), sizeof previous);
        begin = previous & OffsetMask;
    }
    const char* data = index + sizeof(quint32) * size_t(m_columnCount);
    const quint32 end = entry & OffsetMask;
    return {CellType(entry >> TypeShift), data + begin, end - begin};
}

qint64 Snapshot::rowId(int row) const
{
    qint64 id;
    std::memcpy(&id, m_rows[size_t(row)], sizeof id);
    return id;
}

QVariant Snapshot::value(int row, int column) const
{
    const Cell c = cell(row, column);
    switch (c.type) {
    case Integer: {
        qint64 v;
        std::memcpy(&v, c.data, sizeof v);
        if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
            return QVariant(int(v));
        return QVariant(v);
    }
    case Real: {
        double v;
        std::memcpy(&v, c.data, sizeof v);
        return QVariant(v);
    }
    case Text:
        return QVariant(QString::fromUtf8(c.data, c.size));
    case Blob:
        return QVariant(QByteArray(c.data, c.size));
    case Null:
        break;
    }
    return QVariant();
}

QString Snapshot::text(int row, int column) const
{
    const Cell c = cell(row, column);
    if (c.type == Text)
        return QString::fromUtf8(c.data, c.size);
    if (c.type == Null)
        return QString();
    return value(row, column).toString();
}

bool Snapshot::isNull(int row, int column) const
{
    return cell(row, column).type == Null;
}

void Snapshot::appendFromStatement(sqlite3_stmt* statement, int firstColumn, qint64 rowId)
{
    m_scratch.resize(size_t(m_columnCount));
    m_numbers.resize(size_t(m_columnCount));
    for (int c = 0; c < m_columnCount; ++c) {
        const int i = firstColumn + c;
        Cell& cell = m_scratch[size_t(c)];
        switch (sqlite3_column_type(statement, i)) {
        case SQLITE_INTEGER:
            m_numbers[size_t(c)] = sqlite3_column_int64(statement, i);
            cell = {Integer, reinterpret_cast<const char*>(&m_numbers[size_t(c)]), sizeof(qint64)};
            break;
        case SQLITE_FLOAT: {
            const double real = sqlite3_column_double(statement, i);
            std::memcpy(&m_numbers[size_t(c)], &real, sizeof real);
            cell = {Real, reinterpret_cast<const char*>(&m_numbers[size_t(c)]), sizeof(double)};
            break;
        }
        case SQLITE_TEXT: {
            const auto text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
            cell = {Text, text, quint32(sqlite3_column_bytes(statement, i))};
            break;
        }
        case SQLITE_BLOB: {
            const auto blob = static_cast<const char*>(sqlite3_column_blob(statement, i));
            cell = {Blob, blob, quint32(sqlite3_column_bytes(statement, i))};
            break;
        }
        default:
            cell = {Null, nullptr, 0};
        }
    }
    m_rows.push_back(store(rowId, m_scratch.data()));
}

std::vector<Snapshot::Cell> Snapshot::cellsOf(const std::vector<QVariant>& values,
                                              std::vector<QByteArray>& keep) const
{
    std::vector<Cell> cells(size_t(m_columnCount), Cell{Null, nullptr, 0});
    keep.resize(size_t(m_columnCount));
    for (int c = 0; c < m_columnCount && c < int(values.size()); ++c) {
        const QVariant& v = values[size_t(c)];
        QByteArray& bytes = keep[size_t(c)];
        if (v.isNull())
            continue;
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Bool: {
            const qint64 n = v.toLongLong();
            bytes = QByteArray(reinterpret_cast<const char*>(&n), sizeof n);
            cells[size_t(c)] = {Integer, bytes.constData(), quint32(bytes.size())};
            break;
        }
        case QMetaType::Double: {
            const double d = v.toDouble();
            bytes = QByteArray(reinterpret_cast<const char*>(&d), sizeof d);
            cells[size_t(c)] = {Real, bytes.constData(), quint32(bytes.size())};
            break;
        }
        case QMetaType::QByteArray:
            bytes = v.toByteArray();
            cells[size_t(c)] = {Blob, bytes.constData(), quint32(bytes.size())};
            break;
        default:
            bytes = v.toString().toUtf8();
            cells[size_t(c)] = {Text, bytes.constData(), quint32(bytes.size())};
        }
    }
    return cells;
}

void Snapshot::append(qint64 rowId, const std::vector<QVariant>& values)
{
    std::vector<QByteArray> keep;
    const std::vector<Cell> cells = cellsOf(values, keep);
    m_rows.push_back(store(rowId, cells.data()));
}

void Snapshot::replace(int row, qint64 rowId, const std::vector<QVariant>& values)
{
    std::vector<QByteArray> keep;
    const std::vector<Cell> cells = cellsOf(values, keep);
    m_rows[size_t(row)] = store(rowId, cells.data());
}

void Snapshot::remove(int row)
{
    m_rows.erase(m_rows.begin() + row);
}
