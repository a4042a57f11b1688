#include "ContactExchange.h"

#include "Connection.h"
#include "CsvFormat.h"
#include "DatabaseError.h"
#include "NewFile.h"
#include "Statement.h"
#include "VCardFormat.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <sqlite3.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(
            QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return file.readAll();
}

// The groups of a database during an import: by code and by name.
class GroupDirectory
{
public:
    explicit GroupDirectory(sqlite3* db)
        : m_insert(db, QStringLiteral("INSERT INTO Grp (Code, Name) VALUES (?, ?)"))
    {
        Statement groups(db, QStringLiteral("SELECT Code, Name FROM Grp ORDER BY rowid"));
        while (groups.step()) {
            const QVariant code = groups.value(0);
            if (code.typeId() != QMetaType::LongLong)
                continue;
            m_codes.insert(code.toLongLong());
            m_highestCode = std::max(m_highestCode, code.toLongLong());
            if (!m_byName.contains(groups.text(1)))
                m_byName.insert(groups.text(1), code.toLongLong());
        }
    }

    QVariant codeFor(const ContactRecord& record)
    {
        if (record.groupCode && m_codes.contains(*record.groupCode))
            return *record.groupCode;
        if (record.groupName.isEmpty())
            return record.groupCode ? QVariant(*record.groupCode) : QVariant();
        if (const auto found = m_byName.constFind(record.groupName); found != m_byName.constEnd())
            return *found;
        const qint64 code = ++m_highestCode;
        m_insert.reset();
        m_insert.bind(1, code);
        m_insert.bind(2, record.groupName);
        m_insert.step();
        m_codes.insert(code);
        m_byName.insert(record.groupName, code);
        ++m_created;
        return code;
    }

    int created() const { return m_created; }

private:
    Statement m_insert;
    QSet<qint64> m_codes;
    QHash<QString, qint64> m_byName;
    qint64 m_highestCode = 0;
    int m_created = 0;
};

} // namespace

QList<ContactRecord> ContactExchange::load(const Connection& connection)
{
    const QStringList texts = ContactRecord::textColumns();
    Statement contacts(connection.handle(),
                       QStringLiteral("SELECT p.Code, p.Row, (SELECT g.Name FROM Grp g WHERE g.Code = p.Code "
                                      "ORDER BY g.rowid LIMIT 1), p.%1 FROM Phone p ORDER BY p.Row")
                           .arg(texts.join(QStringLiteral(", p."))));
    QList<ContactRecord> records;
    while (contacts.step()) {
        ContactRecord record;
        if (!contacts.value(0).isNull())
            record.groupCode = contacts.value(0).toLongLong();
        record.row = contacts.value(1).toLongLong();
        record.groupName = contacts.text(2);
        for (qsizetype i = 0; i < texts.size(); ++i)
            record.texts.insert(texts[i], contacts.text(int(i) + 3));
        records << record;
    }
    return records;
}

ContactExchange::Summary ContactExchange::store(Connection& connection, const QList<ContactRecord>& records)
{
    const QStringList texts = ContactRecord::textColumns();
    connection.execute(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        GroupDirectory groups(connection.handle());
        Statement insert(connection.handle(), QStringLiteral("INSERT INTO Phone (Code, %1) VALUES (?%2)")
                                                  .arg(texts.join(QStringLiteral(", ")),
                                                       QStringLiteral(", ?").repeated(texts.size())));
        for (const ContactRecord& record : records) {
            insert.reset();
            insert.bind(1, groups.codeFor(record));
            for (qsizetype i = 0; i < texts.size(); ++i)
                insert.bind(int(i) + 2, record.text(texts[i]));
            insert.step();
        }
        connection.execute(QStringLiteral("COMMIT"));
        return {int(records.size()), groups.created()};
    } catch (const DatabaseError&) {
        // Some failures end the transaction by themselves; then there is nothing to undo.
        if (!sqlite3_get_autocommit(connection.handle()))
            connection.execute(QStringLiteral("ROLLBACK"));
        throw;
    }
}

int ContactExchange::exportFile(const QString& database, const QString& file, Format format)
{
    Connection connection;
    connection.open(database);
    const QList<ContactRecord> records = load(connection);
    NewFile::write(file, format == Format::VCard ? VCardFormat::write(records) : CsvFormat::write(records));
    return int(records.size());
}

ContactExchange::Summary ContactExchange::importFile(const QString& database, const QString& file,
                                                     Format format)
{
    const QByteArray bytes = readFile(file);
    const ParsedContacts parsed = format == Format::VCard ? VCardFormat::read(bytes) : CsvFormat::read(bytes);
    if (!parsed.problems.isEmpty())
        throw DatabaseError(QStringLiteral("%1 was not imported; nothing was added:\n%2")
                                .arg(QDir::toNativeSeparators(file), parsed.problems.join(u'\n')));
    Connection connection;
    connection.open(database);
    try {
        return store(connection, parsed.records);
    } catch (const DatabaseError& error) {
        throw DatabaseError(QStringLiteral("Cannot import into %1; nothing was added: %2")
                                .arg(QDir::toNativeSeparators(database), error.text()));
    }
}
