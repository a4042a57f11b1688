#include "DatabaseError.h"
#include "MdbImport.h"
#include "TableSource.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

namespace {

// Tables as an original desktop database file gives them.
class FakeSource : public TableSource
{
public:
    QHash<QString, QStringList> columns;
    QHash<QString, QList<QVariantList>> data;

    QStringList tableNames() const override { return columns.keys(); }
    QStringList columnNames(const QString& table) const override { return columns.value(table); }
    QList<QVariantList> rows(const QString& table) const override { return data.value(table); }
};

FakeSource directory()
{
    FakeSource source;
    source.columns["GRP"] = {"code", "name"};
    source.data["GRP"] = {{qint64(1), QStringLiteral("خانواده")},
                          {qint64(2), QStringLiteral("دوستان 'قدیمی'")}};
    source.columns["Phone"] = {"Row",     "Code", "Name",    "Home", "Company", "Fax", "Mobil", "City",
                               "Factory", "Pish", "Postcod", "Ad1",  "Ad2",     "Ad3", "Extra"};
    auto contact = [](qint64 row, qint64 code, const QVariant& name, const QVariant& city) {
        return QVariantList{row,
                            code,
                            name,
                            QStringLiteral("021-1"),
                            QVariant(),
                            QVariant(),
                            QStringLiteral("0912"),
                            city,
                            QVariant(),
                            QStringLiteral("021"),
                            QStringLiteral("۱۲۳"),
                            QStringLiteral("خیابان\r\nاول"),
                            QVariant(),
                            QVariant(),
                            QStringLiteral("ignored")};
    };
    source.data["Phone"] = {contact(7, 2, QStringLiteral("علي كريمي"), QStringLiteral("تهران")),
                            contact(3, 1, QStringLiteral("ژاله 📞"), QVariant()),
                            contact(5, 1, QStringLiteral("O'Neil, \"x\""), QStringLiteral("رشت"))};
    return source;
}

QStringList rows(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    QStringList result;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QStringList columns;
        for (int i = 0; i < sqlite3_column_count(statement); ++i)
            columns << (sqlite3_column_type(statement, i) == SQLITE_NULL
                            ? QStringLiteral("<null>")
                            : QString::fromUtf8(
                                  reinterpret_cast<const char*>(sqlite3_column_text(statement, i))));
        result << columns.join('|');
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return result;
}

} // namespace

// Converting the tables of an original desktop database into a new file.
class MdbImportTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsTextsExactlyInRowOrder()
    {
        QTemporaryDir folder;
        const MdbImport::Summary summary = MdbImport::run(directory(), folder.path());
        QCOMPARE(summary.groups, 2);
        QCOMPARE(summary.contacts, 3);
        QCOMPARE(rows(summary.database, "SELECT Code, Name FROM Grp"),
                 QStringList({"1|خانواده", "2|دوستان 'قدیمی'"}));
        QCOMPARE(rows(summary.database,
                      "SELECT Row, Code, Name, City, Company, Postcod, Ad1 FROM Phone ORDER BY Row"),
                 QStringList({"1|1|ژاله 📞|<null>|<null>|۱۲۳|خیابان\r\nاول",
                              "2|1|O'Neil, \"x\"|رشت|<null>|۱۲۳|خیابان\r\nاول",
                              "3|2|علي كريمي|تهران|<null>|۱۲۳|خیابان\r\nاول"}));
    }

    void refusesSourcesWithoutThePhoneTables_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("no Grp") << "Grp"
                                << "has no table Grp";
        QTest::newRow("no Fax column") << "Fax"
                                       << "has no column Fax";
    }

    void refusesSourcesWithoutThePhoneTables()
    {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        FakeSource source = directory();
        if (damage == "Grp")
            source.columns.remove("GRP");
        else
            source.columns["Phone"].removeAll(damage);
        QTemporaryDir folder;
        QString error;
        try {
            MdbImport::run(source, folder.path());
        } catch (const DatabaseError& e) {
            error = e.text();
        }
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY(!QFile::exists(folder.filePath("dbphone.mdb")));
    }

    void neverOverwritesADatabase()
    {
        QTemporaryDir folder;
        MdbImport::run(directory(), folder.path());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, MdbImport::run(directory(), folder.path()));
        QCOMPARE(rows(folder.filePath("dbphone.mdb"), "SELECT count(*) FROM Phone"), QStringList({"3"}));
    }
};

QTEST_GUILESS_MAIN(MdbImportTest)
#include "tst_mdbimport.moc"
