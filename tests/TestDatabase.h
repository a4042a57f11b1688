#pragma once

#include "Schema.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QtTest>
#include <sqlite3.h>

// A fresh dbphone.mdb in a temporary folder, with a raw connection of its own
// for setting up rows and for reading back what the program wrote.
class TestDatabase
{
public:
    TestDatabase()
    {
        m_path = m_dir.filePath(Schema::DatabaseFileName);
        QVERIFY2(sqlite3_open(m_path.toUtf8().constData(), &m_db) == SQLITE_OK,
                 "cannot create test database");
        for (const QString& statement : Schema::createStatements())
            exec(statement);
    }
    ~TestDatabase() { sqlite3_close(m_db); }

    QString folder() const { return m_dir.path(); }
    QString path() const { return m_path; }
    sqlite3* handle() const { return m_db; }

    void exec(const QString& sql)
    {
        char* error = nullptr;
        if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
            const QString text = QString::fromUtf8(error);
            sqlite3_free(error);
            QFAIL(qPrintable(text));
        }
    }

    void addGroup(int code, const QString& name)
    {
        run(QStringLiteral("INSERT INTO Grp (Code, Name) VALUES (?, ?)"), {code, name});
    }

    void addContact(int code, const QString& name, const QStringList& rest = {})
    {
        QVariantList values{code, name};
        for (int i = 0; i < 11; ++i)
            values << (i < rest.size() ? rest[i] : QString());
        run(QStringLiteral("INSERT INTO Phone (Code, Name, Home, Company, Fax, Mobil, City, Factory, Pish, "
                           "Postcod, Ad1, Ad2, Ad3) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"),
            values);
    }

    // Every row of a query, each row's columns joined with '|'.
    QStringList rows(const QString& sql) const
    {
        QStringList result;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
            return {QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(m_db))};
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList columns;
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                columns << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
            result << columns.join(QLatin1Char('|'));
        }
        sqlite3_finalize(statement);
        return result;
    }

private:
    void run(const QString& sql, const QVariantList& values)
    {
        sqlite3_stmt* statement = nullptr;
        QCOMPARE(sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr), SQLITE_OK);
        for (int i = 0; i < values.size(); ++i) {
            if (values[i].typeId() == QMetaType::Int)
                sqlite3_bind_int(statement, i + 1, values[i].toInt());
            else
                sqlite3_bind_text(statement, i + 1, values[i].toString().toUtf8().constData(), -1,
                                  SQLITE_TRANSIENT);
        }
        QCOMPARE(sqlite3_step(statement), SQLITE_DONE);
        sqlite3_finalize(statement);
    }

    QTemporaryDir m_dir;
    QString m_path;
    sqlite3* m_db = nullptr;
};
