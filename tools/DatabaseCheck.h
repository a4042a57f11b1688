#pragma once

#include <QString>
#include <QStringList>

// Looks a database over without changing it: SQLite's integrity check, and
// the tables Phone and Grp with their columns in the order this program uses.
class DatabaseCheck
{
public:
    struct Report
    {
        bool healthy = false;
        QStringList lines; // a plain report, one finding a line
    };

    static Report run(const QString& database);
};
