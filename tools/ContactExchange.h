#pragma once

#include "ContactRecord.h"

class Connection;

// Moves every contact of a database out to a vCard or CSV file, and the
// contacts of such a file into a database: all of them in one transaction, or
// none when any record is rejected.
class ContactExchange
{
public:
    enum class Format
    {
        VCard,
        Csv
    };

    struct Summary
    {
        int contactsAdded = 0;
        int groupsCreated = 0;
    };

    // Writes a new file with every contact in Row order and returns how many
    // there were. Throws DatabaseError; an existing file is left unchanged.
    static int exportFile(const QString& database, const QString& file, Format format);

    // Adds the contacts of `file` to an existing database. Every rejected
    // record is listed by line in the DatabaseError thrown, and then nothing
    // is added.
    static Summary importFile(const QString& database, const QString& file, Format format);

    // Every contact with its group's name, in Row order.
    static QList<ContactRecord> load(const Connection& connection);

    // Adds `records` in one transaction. A group code that exists in Grp
    // decides the group; otherwise the group is found by name, and made under
    // the next free code when no group has that name.
    static Summary store(Connection& connection, const QList<ContactRecord>& records);
};
