#pragma once

#include <QByteArray>
#include <QString>

// Files this program writes are always new: an existing file is never
// replaced, so a mistyped name cannot destroy an earlier database, export or
// backup.
class NewFile
{
public:
    // Creates an empty file at `path`, failing when anything is there already.
    // Throws DatabaseError.
    static void claim(const QString& path);

    // Creates `path` with `bytes` as its content; a partly written file is
    // removed again. Throws DatabaseError.
    static void write(const QString& path, const QByteArray& bytes);
};
