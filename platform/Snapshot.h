#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

struct sqlite3_stmt;

// The rows a dataset read when it was opened, kept compactly: each row is one
// block holding the store's row identity, a small cell index and the cells'
// bytes (UTF-8 text, 8-byte numbers). Texts become QStrings only when read.
class Snapshot
{
public:
    explicit Snapshot(int columnCount = 0) : m_columnCount(columnCount) {}

    int columnCount() const { return m_columnCount; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }

    qint64 rowId(int row) const;
    QVariant value(int row, int column) const;
    QString text(int row, int column) const;
    bool isNull(int row, int column) const;

    // Copies the current row of a stepped statement; its columns from
    // firstColumn on are the snapshot's columns.
    void appendFromStatement(sqlite3_stmt* statement, int firstColumn, qint64 rowId);
    void append(qint64 rowId, const std::vector<QVariant>& values);
    void replace(int row, qint64 rowId, const std::vector<QVariant>& values);
    void remove(int row);

private:
    enum CellType : quint32
    {
        Null = 0,
        Integer = 1,
        Real = 2,
        Text = 3,
        Blob = 4
    };
    struct Cell
    {
        CellType type;
        const char* data;
        quint32 size;
    };
    static constexpr quint32 TypeShift = 29;
    static constexpr quint32 OffsetMask = (1u << TypeShift) - 1;

    char* allocate(size_t bytes);
    const char* store(qint64 rowId, const Cell* cells);
    Cell cell(int row, int column) const;
    std::vector<Cell> cellsOf(const std::vector<QVariant>& values, std::vector<QByteArray>& keep) const;

    int m_columnCount;
    std::vector<const char*> m_rows;
    std::vector<std::unique_ptr<char[]>> m_chunks;
    char* m_free = nullptr;
    size_t m_freeBytes = 0;
    std::vector<Cell> m_scratch;
    std::vector<qint64> m_numbers;
};
