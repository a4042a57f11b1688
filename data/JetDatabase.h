#pragma once

#include "TableSource.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// Read-only access to a Jet 3 or Jet 4 database file (the original desktop
// program's .mdb) through mdbtools. Texts come out as UTF-8 decoded QStrings:
// a Jet 4 file stores Unicode, a Jet 3 file stores code page 1256 (Persian).
class JetDatabase : public TableSource
{
public:
    // Throws DatabaseError when the file cannot be read as Jet 3/4.
    explicit JetDatabase(const QString& path);
    ~JetDatabase() override;
    JetDatabase(const JetDatabase&) = delete;
    JetDatabase& operator=(const JetDatabase&) = delete;

    // The user tables, in catalog order.
    QStringList tableNames() const override;
    // In stored order; throws DatabaseError when the table is missing.
    QStringList columnNames(const QString& table) const override;
    // Every row in stored order: texts as QString, integers as qint64, other
    // numbers as double, dates as QDateTime (as text when out of QDateTime's
    // range), binary data as QByteArray, null as QVariant(). Throws
    // DatabaseError when the table is missing or a value cannot be read whole.
    QList<QVariantList> rows(const QString& table) const override;

private:
    struct OpenFile;

    QString m_path;
    std::unique_ptr<OpenFile> m_file;
};
