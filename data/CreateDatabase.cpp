#include "CreateDatabase.h"

#include "DatabaseError.h"
#include "DemoData.h"
#include "NewFile.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <sqlite3.h>

namespace {

using Handle = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw DatabaseError(QStringLiteral("Cannot create %1: %2").arg(QDir::toNativeSeparators(path), reason));
}

// Turns the empty file at `path` into a database with both tables and the
// optional demo data.
void buildDatabase(const QString& path, const CreateDatabase::Options& options)
{
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    const Handle db(raw, &sqlite3_close);
    if (opened != SQLITE_OK)
        fail(path, raw ? QString::fromUtf8(sqlite3_errmsg(raw)) : QString::fromUtf8(sqlite3_errstr(opened)));

    for (const QString& statement : Schema::createStatements()) {
        if (sqlite3_exec(db.get(), statement.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(path, QString::fromUtf8(sqlite3_errmsg(db.get())));
    }
    if (!options.demo)
        return;
    try {
        DemoData::fill(db.get(), options.groupCount, options.contactCount, options.seed);
    } catch (const DatabaseError& error) {
        fail(path, error.text());
    }
}

} // namespace

QString CreateDatabase::create(const QString& folder, const Options& options)
{
    const QDir directory(folder);
    const QString path = directory.absoluteFilePath(Schema::DatabaseFileName);
    if (!QFileInfo(folder).isDir())
        fail(path, QStringLiteral("%1 is not an existing folder.")
                       .arg(QDir::toNativeSeparators(directory.absolutePath())));

    // Claims the name atomically: if anyone else made the file first, this
    // fails and the other file stays as it is.
    NewFile::claim(path);
    try {
        buildDatabase(path, options);
    } catch (const DatabaseError&) {
        // The handle is closed by now; the half-made file is ours alone.
        QFile::remove(path);
        throw;
    }
    return path;
}
