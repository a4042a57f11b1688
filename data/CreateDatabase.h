#pragma once

#include <QString>

// Makes a new dbphone.mdb. The program proper only opens existing files, so
// this is the one place where a database file comes into being.
class CreateDatabase
{
public:
    struct Options
    {
        bool demo = false;
        int groupCount = 12;
        int contactCount = 300;
        quint64 seed = 1;
    };

    // Creates <folder>/dbphone.mdb with empty tables, filled with demo data when
    // asked, and returns its absolute path. An existing file is never touched.
    // Throws DatabaseError; a file it made itself is removed again on failure.
    static QString create(const QString& folder, const Options& options);
};
