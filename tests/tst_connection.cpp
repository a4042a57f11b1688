#include "Connection.h"
#include "DatabaseError.h"
#include "TableDataset.h"
#include "TestDatabase.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <thread>

// Opening the database file: only an existing SQLite database is accepted,
// nothing is ever created, and writes wait for another program's lock.
class ConnectionTest : public QObject
{
    Q_OBJECT

private slots:
    void unusableFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("reasonPart");
        QTest::newRow("missing") << QByteArray() << false << "Could not find file";
        QTest::newRow("not a database") << QByteArray(4096, 'x') << true << "file is not a database";
        QTest::newRow("text file") << QByteArray("Name,Home\nAli,021\n") << true << "file is not a database";
    }

    void unusableFilesAreRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(QString, reasonPart);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("dbphone.mdb"));
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Connection connection;
        QString error;
        try {
            connection.open(path);
        } catch (const DatabaseError& e) {
            error = e.text();
        }
        QVERIFY2(error.contains(reasonPart), qPrintable(error));
        QVERIFY(!connection.isOpen());
        QCOMPARE(QFile::exists(path), exists); // nothing created
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), content); // nothing changed
        }
    }

    void truncatedDatabaseFailsToRead()
    {
        TestDatabase store;
        for (int i = 0; i < 300; ++i)
            store.addContact(1, QString(40, QChar(0x0628)));
        QFile file(store.path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(file.size() / 2));
        file.close();
        Connection connection;
        QString error;
        try {
            connection.open(store.path());
            TableDataset contacts(QStringLiteral("TableSabt"), connection, QStringLiteral("Phone"));
            contacts.Open();
        } catch (const DatabaseError& e) {
            error = e.text();
        }
        QVERIFY2(!error.isEmpty(), "a truncated file must not read as a good one");
    }

    void missingTableFailsToOpen()
    {
        TestDatabase store;
        store.exec(QStringLiteral("DROP TABLE Grp"));
        Connection connection;
        connection.open(store.path());
        TableDataset groups(QStringLiteral("TableGroup"), connection, QStringLiteral("Grp"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, groups.Open());
        try {
            groups.Open();
        } catch (const DatabaseError& e) {
            QCOMPARE(e.text(), QStringLiteral("TableGroup: no such table: Grp"));
        }
    }

    void readOnlyFileRefusesWritesAndKeepsData()
    {
        TestDatabase store;
        store.addGroup(1, QStringLiteral("الف"));
        QFile::setPermissions(store.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        // The superuser ignores permissions; an immutable file stops it too.
        struct Immutable
        {
            QString path;
            bool set = false;
            ~Immutable()
            {
                if (set)
                    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
            }
        } immutable{store.path()};
        if (QFileInfo(store.path()).isWritable())
            immutable.set =
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), store.path()}) == 0;
        if (QFileInfo(store.path()).isWritable() && !immutable.set)
            QSKIP("no way to make the file read-only for this user");
        Connection connection;
        connection.open(store.path());
        TableDataset groups(QStringLiteral("TableGroup"), connection, QStringLiteral("Grp"));
        groups.Open();
        groups.Append();
        groups.setFieldValues(QStringLiteral("code"), 2);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, groups.Post());
        QCOMPARE(groups.state(), Dataset::State::Insert);
        groups.Cancel();
        QVERIFY_THROWS_EXCEPTION(DatabaseError, groups.Delete());
        QCOMPARE(store.rows(QStringLiteral("SELECT Code FROM Grp")), QStringList({"1"}));
    }

    // Another program holding the write lock for a moment delays a post; it
    // does not fail it.
    void writeWaitsForAnotherProgramsLock()
    {
        TestDatabase store;
        Connection connection;
        connection.open(store.path());
        TableDataset groups(QStringLiteral("TableGroup"), connection, QStringLiteral("Grp"));
        groups.Open();

        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(store.path().toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE; INSERT INTO Grp VALUES (9, 'other')", nullptr, nullptr,
                              nullptr),
                 SQLITE_OK);
        std::thread holder([other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(700));
            sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        });
        QElapsedTimer timer;
        timer.start();
        groups.Append();
        groups.setFieldValues(QStringLiteral("code"), 1);
        groups.Post();
        const qint64 waited = timer.elapsed();
        holder.join();
        sqlite3_close(other);
        QVERIFY2(waited >= 300, qPrintable(QString::number(waited)));
        QCOMPARE(store.rows(QStringLiteral("SELECT Code FROM Grp ORDER BY Code")), QStringList({"1", "9"}));
    }
};

QTEST_MAIN(ConnectionTest)
#include "tst_connection.moc"
