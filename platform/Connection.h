#pragma once

#include <QString>

struct sqlite3;

// One open SQLite database file. The connection never creates the file: a
// missing file is an error. Text comparison on this connection follows Persian
// rules: NOCASE columns sort in Persian alphabetical order, and LIKE ignores
// letter case and the Arabic/Persian yeh and kaf variants.
class Connection
{
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing database file; throws DatabaseError.
    void open(const QString& path);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3* handle() const { return m_db; }

    // Runs statements that return no rows; throws DatabaseError with the store's text.
    void execute(const QString& sql);

    // Waiting time for a lock held by another process before a write gives up.
    static constexpr int BusyTimeoutMs = 5000;

private:
    sqlite3* m_db = nullptr;
};
