#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// One prepared SQLite statement; every failure throws DatabaseError with the
// store's own text.
class Statement
{
public:
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds parameter `index` (from 1): null, whole number, real number or text.
    void bind(int index, const QVariant& value);
    // Runs to the next row; false when there are no more.
    bool step();
    // Makes the statement ready to run again with new parameters.
    void reset();

    int columnCount() const;
    // Text as QString, whole numbers as qint64, reals as double, null as QVariant().
    QVariant value(int column) const;
    QString text(int column) const { return value(column).toString(); }

private:
    [[noreturn]] void fail() const;

    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
};
