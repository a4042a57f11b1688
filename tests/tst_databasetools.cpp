#include "DatabaseBackup.h"
#include "DatabaseCheck.h"
#include "DatabaseError.h"
#include "TestDatabase.h"

#include <QProcess>
#include <QtTest>
#include <atomic>
#include <thread>

class DatabaseToolsTest : public QObject
{
    Q_OBJECT

private slots:
    void checkFindsProblems_data();
    void checkFindsProblems();
    void backupWhileAnotherConnectionWrites();
    void commandExitStatus_data();
    void commandExitStatus();
};

void DatabaseToolsTest::checkFindsProblems_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("healthy");
    QTest::addColumn<QString>("finding");
    QTest::newRow("good") << QString() << true << QStringLiteral("Result: healthy.");
    QTest::newRow("missing table") << QStringLiteral("DROP TABLE Grp") << false
                                   << QStringLiteral("Table Grp: missing.");
    QTest::newRow("extra column") << QStringLiteral("ALTER TABLE Grp ADD COLUMN Extra") << false
                                  << QStringLiteral("Table Grp: columns are Code, Name, Extra");
    // The index no longer matches its table: a damaged file.
    QTest::newRow("broken index") << QStringLiteral("PRAGMA writable_schema = ON; UPDATE sqlite_schema SET "
                                                    "sql = 'CREATE INDEX GrpCode ON Grp (Name)' WHERE name = "
                                                    "'GrpCode'")
                                  << false << QStringLiteral("Integrity: ");
}

void DatabaseToolsTest::checkFindsProblems()
{
    QFETCH(QString, damage);
    QFETCH(bool, healthy);
    QFETCH(QString, finding);
    TestDatabase db;
    db.addGroup(1, QStringLiteral("b"));
    db.addGroup(2, QStringLiteral("a"));
    if (!damage.isEmpty())
        db.exec(damage);
    const DatabaseCheck::Report report = DatabaseCheck::run(db.path());
    QCOMPARE(report.healthy, healthy);
    const QString text = report.lines.join(u'\n');
    QVERIFY2(text.contains(finding), qPrintable(text));
}

void DatabaseToolsTest::backupWhileAnotherConnectionWrites()
{
    TestDatabase db;
    for (int i = 0; i < 2000; ++i)
        db.addContact(1, QStringLiteral("before %1").arg(i), {QStringLiteral("x").repeated(200)});

    std::atomic<bool> stop = false;
    std::atomic<int> written = 0;
    std::thread writer([&] {
        sqlite3* other = nullptr;
        sqlite3_open(db.path().toUtf8().constData(), &other);
        sqlite3_busy_timeout(other, 5000);
        while (!stop) {
            if (sqlite3_exec(other, "INSERT INTO Phone (Name, Ad1) VALUES ('during', hex(randomblob(500)))",
                             nullptr, nullptr, nullptr) == SQLITE_OK)
                ++written;
        }
        sqlite3_close(other);
    });
    QTest::qWait(50);
    const QString copy = db.folder() + QStringLiteral("/copy.mdb");
    DatabaseBackup::run(db.path(), copy);
    stop = true;
    writer.join();
    QVERIFY(written > 0);

    const DatabaseCheck::Report report = DatabaseCheck::run(copy);
    QVERIFY2(report.healthy, qPrintable(report.lines.join(u'\n')));
    TestDatabase reader; // only for its query helper
    reader.exec(QStringLiteral("ATTACH '%1' AS copy").arg(copy));
    QCOMPARE(reader.rows(QStringLiteral("SELECT count(*) FROM copy.Phone WHERE Name LIKE 'before %'")),
             QStringList{QStringLiteral("2000")});
    QVERIFY_THROWS_EXCEPTION(DatabaseError, DatabaseBackup::run(db.path(), copy));
}

void DatabaseToolsTest::commandExitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0 << QStringLiteral("export-vcard");
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 1
                                     << QStringLiteral("unknown");
    QTest::newRow("missing argument")
        << QStringList{QStringLiteral("check")} << 1 << QStringLiteral("exactly");
    QTest::newRow("create refuses existing") << QStringList{QStringLiteral("create"), QStringLiteral("DIR")}
                                             << 1 << QStringLiteral("already exists");
    QTest::newRow("check good") << QStringList{QStringLiteral("check"), QStringLiteral("DB")} << 0
                                << QStringLiteral("healthy");
    QTest::newRow("export") << QStringList{QStringLiteral("export-csv"), QStringLiteral("DB"),
                                           QStringLiteral("DIR/o.csv")}
                            << 0 << QStringLiteral("1 contacts");
    QTest::newRow("export never overwrites")
        << QStringList{QStringLiteral("export-vcard"), QStringLiteral("DB"), QStringLiteral("DB")} << 1
        << QStringLiteral("already exists");
    QTest::newRow("import missing file")
        << QStringList{QStringLiteral("import-csv"), QStringLiteral("DB"), QStringLiteral("DIR/none.csv")}
        << 1 << QStringLiteral("Cannot read");
    QTest::newRow("import-mdb not a Jet file")
        << QStringList{QStringLiteral("import-mdb"), QStringLiteral("DB"), QStringLiteral("DIR/new")} << 1
        << QStringLiteral("Cannot import");
    // A genuine Jet 4 file that is not a phone directory.
    if (QFile::exists(QStringLiteral(JET4_SAMPLE)))
        QTest::newRow("import-mdb without the phone tables")
            << QStringList{QStringLiteral("import-mdb"), QStringLiteral(JET4_SAMPLE),
                           QStringLiteral("DIR/new")}
            << 1 << QStringLiteral("has no table");
}

void DatabaseToolsTest::commandExitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, output);
    TestDatabase db;
    db.addContact(1, QStringLiteral("someone"));
    QDir(db.folder()).mkdir(QStringLiteral("new"));
    for (QString& argument : arguments)
        argument.replace(QStringLiteral("DB"), db.path()).replace(QStringLiteral("DIR"), db.folder());
    const QByteArray before = [&] {
        QFile file(db.path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QProcess tool;
    tool.start(QStringLiteral(PHONEBOOK_TOOL), arguments);
    QVERIFY(tool.waitForFinished(30000));
    const QString text = QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
    QCOMPARE(tool.exitCode(), status);
    QVERIFY2(text.contains(output), qPrintable(text));
    QFile file(db.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QVERIFY(!QFile::exists(db.folder() + QStringLiteral("/new/dbphone.mdb"))); // no half-made database
}

QTEST_GUILESS_MAIN(DatabaseToolsTest)
#include "tst_databasetools.moc"
