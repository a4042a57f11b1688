#include "NewFile.h"

#include "DatabaseError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw DatabaseError(QStringLiteral("Cannot create %1: %2").arg(QDir::toNativeSeparators(path), reason));
}

void openExclusively(QFile& file)
{
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return;
    if (QFileInfo::exists(file.fileName()) || QFileInfo(file.fileName()).isSymLink())
        fail(file.fileName(), QStringLiteral("the file already exists and was left unchanged."));
    fail(file.fileName(), file.errorString());
}

} // namespace

void NewFile::claim(const QString& path)
{
    QFile file(path);
    openExclusively(file);
}

void NewFile::write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    openExclusively(file);
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    const QString reason = file.errorString();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        file.remove();
        fail(path, reason);
    }
}
