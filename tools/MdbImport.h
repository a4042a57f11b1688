#pragma once

#include <QString>

class TableSource;

// Brings the groups and contacts of an original desktop database file (.mdb
// with tables Phone and Grp) into a new dbphone.mdb, every text exactly as it
// was and the contacts in the order of their Row.
class MdbImport
{
public:
    struct Summary
    {
        QString database; // the new file
        int groups = 0;
        int contacts = 0;
    };

    // Creates <folder>/dbphone.mdb, never over an existing file. Throws
    // DatabaseError; the new file is removed again when the import fails.
    static Summary run(const QString& source, const QString& folder);
    // The same from tables already open.
    static Summary run(const TableSource& source, const QString& folder);
};
