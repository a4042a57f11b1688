#pragma once

#include <QString>

// Copies a database to a new file with SQLite's online backup, which reads
// one consistent state of the file even while the program has it open and
// another connection writes to it.
class DatabaseBackup
{
public:
    // Throws DatabaseError; an existing target is never touched, and a copy
    // that fails half-way is removed.
    static void run(const QString& database, const QString& target);
};
