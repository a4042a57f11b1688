#pragma once

#include <QtGlobal>

struct sqlite3;

// Realistic Persian groups and contacts for trying the program out. The same
// seed and sizes always give the same rows, on every platform.
class DemoData
{
public:
    // Fills an open database whose tables exist and are empty: groups get codes
    // 1..groupCount, every contact belongs to one of them. Everything is written
    // in one transaction, which is rolled back on failure; throws DatabaseError.
    static void fill(sqlite3* db, int groupCount, int contactCount, quint64 seed);
};
