#include "CreateDatabase.h"
#include "DatabaseError.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

namespace {

using Rows = QList<QStringList>;

// Every row of `sql` as text, read through a read-only handle of its own.
Rows query(const QString& path, const QString& sql)
{
    sqlite3* db = nullptr;
    Rows rows;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        qWarning("cannot open %s", qPrintable(path));
        return rows;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        qWarning("%s: %s", qPrintable(sql), sqlite3_errmsg(db));
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
        QStringList row;
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
        rows << row;
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

QStringList firstColumn(const Rows& rows)
{
    QStringList values;
    for (const QStringList& row : rows)
        values << row.value(0);
    return values;
}

QStringList columnNames(const QString& path, const QString& table)
{
    QStringList names;
    for (const QStringList& row : query(path, QStringLiteral("PRAGMA table_info(%1)").arg(table)))
        names << row.value(1);
    return names;
}

QStringList numbersFrom(int first, int count)
{
    QStringList numbers;
    for (int i = 0; i < count; ++i)
        numbers << QString::number(first + i);
    return numbers;
}

CreateDatabase::Options demo(int groupCount, int contactCount, quint64 seed = 1)
{
    return {true, groupCount, contactCount, seed};
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

class CreateDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void createsEmptyTablesInStoredColumnOrder()
    {
        QTemporaryDir folder;
        const QString path = CreateDatabase::create(folder.path(), {});

        QCOMPARE(path, QDir(folder.path()).absoluteFilePath(Schema::DatabaseFileName));
        QCOMPARE(columnNames(path, "Phone"), Schema::phoneColumns());
        QCOMPARE(columnNames(path, "Grp"), Schema::groupColumns());
        QCOMPARE(query(path, "SELECT (SELECT COUNT(*) FROM Phone), (SELECT COUNT(*) FROM Grp)"),
                 Rows({{"0", "0"}}));
    }

    void refusesExistingFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("empty file") << "empty";
        QTest::newRow("foreign bytes") << "foreign";
        QTest::newRow("database made earlier") << "earlier";
        QTest::newRow("dangling symbolic link") << "link";
    }

    void refusesExistingFile()
    {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath(Schema::DatabaseFileName);
        const QString linkTarget = folder.filePath("elsewhere.mdb");
        if (kind == "empty")
            writeFile(path, {});
        else if (kind == "foreign")
            writeFile(path, "notes that are not a database\n");
        else if (kind == "earlier")
            CreateDatabase::create(folder.path(), demo(3, 10));
        else
            QVERIFY(QFile::link(linkTarget, path));
        const QByteArray before = readAll(path);
        const QStringList entriesBefore = folderEntries(folder.path());

        try {
            CreateDatabase::create(folder.path(), demo(5, 50, 2));
            QFAIL("an existing name was overwritten");
        } catch (const DatabaseError& error) {
            QVERIFY2(error.text().contains("exists"), qPrintable(error.text()));
        }
        QCOMPARE(readAll(path), before);
        QCOMPARE(folderEntries(folder.path()), entriesBefore);
        QVERIFY(QFileInfo(path).isSymLink() == (kind == "link"));
    }

    void unusableFolderLeavesNothing_data()
    {
        QTest::addColumn<QString>("relativeFolder");
        QTest::newRow("missing folder") << "absent";
        QTest::newRow("missing parent") << "absent/inner";
        QTest::newRow("regular file") << "notes.txt";
    }

    void unusableFolderLeavesNothing()
    {
        QFETCH(QString, relativeFolder);
        QTemporaryDir root;
        writeFile(root.filePath("notes.txt"), "keep");

        QVERIFY_THROWS_EXCEPTION(DatabaseError, CreateDatabase::create(root.filePath(relativeFolder), {}));
        QCOMPARE(folderEntries(root.path()), QStringList{"notes.txt"});
        QCOMPARE(readAll(root.filePath("notes.txt")), QByteArray("keep"));
    }

    void failedFillRemovesItsFile_data()
    {
        QTest::addColumn<int>("groupCount");
        QTest::addColumn<int>("contactCount");
        QTest::newRow("contacts without groups") << 0 << 5;
        QTest::newRow("negative groups") << -1 << 0;
        QTest::newRow("negative contacts") << 2 << -3;
    }

    void failedFillRemovesItsFile()
    {
        QFETCH(int, groupCount);
        QFETCH(int, contactCount);
        QTemporaryDir folder;

        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 CreateDatabase::create(folder.path(), demo(groupCount, contactCount)));
        QCOMPARE(folderEntries(folder.path()), QStringList());
    }

    void demoHasRequestedSizes_data()
    {
        QTest::addColumn<int>("groupCount");
        QTest::addColumn<int>("contactCount");
        QTest::newRow("default size") << 12 << 300;
        QTest::newRow("one group") << 1 << 7;
        QTest::newRow("groups only") << 3 << 0;
        QTest::newRow("nothing") << 0 << 0;
        QTest::newRow("more groups than names") << 200 << 1000;
    }

    void demoHasRequestedSizes()
    {
        QFETCH(int, groupCount);
        QFETCH(int, contactCount);
        QTemporaryDir folder;
        const QString path = CreateDatabase::create(folder.path(), demo(groupCount, contactCount));

        QCOMPARE(firstColumn(query(path, "SELECT Code FROM Grp ORDER BY rowid")), numbersFrom(1, groupCount));
        QCOMPARE(query(path, "SELECT COUNT(DISTINCT Name), COUNT(*) FROM Grp WHERE Name <> ''"),
                 Rows({{QString::number(groupCount), QString::number(groupCount)}}));
        QCOMPARE(
            firstColumn(query(path, "SELECT COUNT(*) FROM Phone WHERE Code NOT IN (SELECT Code FROM Grp)")),
            QStringList{"0"});
        // Rows come out numbered 1..n in the order they were written.
        QCOMPARE(firstColumn(query(path, "SELECT Row FROM Phone")), numbersFrom(1, contactCount));
    }

    void demoFollowsSeed()
    {
        QTemporaryDir first;
        QTemporaryDir again;
        QTemporaryDir other;
        const QString firstPath = CreateDatabase::create(first.path(), demo(8, 200, 42));
        const QString againPath = CreateDatabase::create(again.path(), demo(8, 200, 42));
        const QString otherPath = CreateDatabase::create(other.path(), demo(8, 200, 43));

        for (const QString sql : {"SELECT * FROM Phone ORDER BY Row", "SELECT * FROM Grp ORDER BY Code"})
            QCOMPARE(query(againPath, sql), query(firstPath, sql));
        QVERIFY(query(otherPath, "SELECT * FROM Phone ORDER BY Row") !=
                query(firstPath, "SELECT * FROM Phone ORDER BY Row"));
    }

    void demoFieldsLookReal()
    {
        QTemporaryDir folder;
        const QString path = CreateDatabase::create(folder.path(), demo(12, 3000, 7));
        const Rows contacts = query(path, "SELECT Name, Home, Company, Fax, Mobil, City, Factory, Pish, "
                                          "Postcod, Ad1 || Ad2 || Ad3 FROM Phone");
        QCOMPARE(contacts.size(), 3000);

        const QRegularExpression mobile("^09\\d{9}$");
        const QRegularExpression postcode("^\\d{10}$");
        const QRegularExpression prefix("^0\\d\\d$");
        const QRegularExpression asciiDigit("[0-9]");
        QHash<QString, QString> prefixOfCity;
        int withoutFax = 0;
        int withoutFactory = 0;
        int arabicNames = 0;
        int persianNames = 0;
        QString allNames;
        for (const QStringList& contact : contacts) {
            const QString context = contact.join(" | ");
            const QString& city = contact[5];
            const QString& pish = contact[7];
            QVERIFY2(contact[0].contains(' '), qPrintable(context));
            QVERIFY2(city.isEmpty() == pish.isEmpty(), qPrintable(context));
            if (!city.isEmpty()) {
                QVERIFY2(prefix.match(pish).hasMatch(), qPrintable(context));
                QCOMPARE(prefixOfCity.value(city, pish), pish);
                prefixOfCity.insert(city, pish);
            }
            const int localLength = pish == "021" ? 8 : 7;
            for (int column : {1, 2, 3}) {
                const QString& number = contact[column];
                QVERIFY2(number.isEmpty() ||
                             QRegularExpression(QStringLiteral("^[2-9]\\d{%1}$").arg(localLength - 1))
                                 .match(number)
                                 .hasMatch(),
                         qPrintable(context));
            }
            QVERIFY2(contact[4].isEmpty() || mobile.match(contact[4]).hasMatch(), qPrintable(context));
            QVERIFY2(contact[8].isEmpty() || postcode.match(contact[8]).hasMatch(), qPrintable(context));
            QVERIFY2(!contact[9].contains(asciiDigit), qPrintable(context));

            withoutFax += contact[3].isEmpty();
            withoutFactory += contact[6].isEmpty();
            const QString& name = contact[0];
            arabicNames += name.contains(QChar(0x064A)) || name.contains(QChar(0x0643));
            persianNames += name.contains(QChar(0x06CC)) || name.contains(QChar(0x06A9));
            allNames += name;
        }
        QCOMPARE(prefixOfCity.value("تهران"), "021");
        QVERIFY2(withoutFax > 900 && withoutFax < 2100, qPrintable(QString::number(withoutFax)));
        QVERIFY2(withoutFactory > 1800, qPrintable(QString::number(withoutFactory)));
        QVERIFY2(arabicNames > 10 && arabicNames * 10 < persianNames,
                 qPrintable(QStringLiteral("%1 Arabic, %2 Persian").arg(arabicNames).arg(persianNames)));
        for (const QChar letter : QStringLiteral("پچژگ"))
            QVERIFY2(allNames.count(letter) > 100, qPrintable(QString(letter)));
    }

    // The size the benchmark works on; its time is the benchmark's to report.
    void largeDemoHasTheRequestedSize()
    {
        QTemporaryDir folder;
        const QString path = CreateDatabase::create(folder.path(), demo(200, 100000));
        QCOMPARE(query(path, "SELECT COUNT(*), MAX(Code) FROM Phone"), Rows({{"100000", "200"}}));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("groupCount");
        QTest::addColumn<int>("contactCount");

        const QString folder = "@FOLDER@";
        const QByteArray none;
        QTest::newRow("plain") << QStringList{folder} << none << 0 << 0 << 0;
        QTest::newRow("demo defaults") << QStringList{"--demo", folder} << none << 0 << 12 << 300;
        QTest::newRow("demo sized") << QStringList{"--demo", "--groups", "4", "--contacts",
                                                   "25",     "--seed",   "9", folder}
                                    << none << 0 << 4 << 25;
        QTest::newRow("existing file") << QStringList{"--demo", folder} << QByteArray("keep") << 1 << 0 << 0;
        QTest::newRow("existing empty file") << QStringList{folder} << QByteArray("") << 1 << 0 << 0;
        QTest::newRow("missing folder") << QStringList{folder + "/absent"} << none << 1 << 0 << 0;
        QTest::newRow("no folder") << QStringList{"--demo"} << none << 1 << 0 << 0;
        QTest::newRow("two folders") << QStringList{folder, folder} << none << 1 << 0 << 0;
        QTest::newRow("not a number")
            << QStringList{"--demo", "--groups", "many", folder} << none << 1 << 0 << 0;
        QTest::newRow("negative") << QStringList{"--demo", "--contacts", "-4", folder} << none << 1 << 0 << 0;
        QTest::newRow("contacts without groups")
            << QStringList{"--demo", "--groups", "0", "--contacts", "5", folder} << none << 1 << 0 << 0;
        QTest::newRow("sizes without demo") << QStringList{"--groups", "4", folder} << none << 1 << 0 << 0;
        QTest::newRow("unknown option") << QStringList{"--force", folder} << none << 1 << 0 << 0;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, existing);
        QFETCH(int, exitCode);
        QFETCH(int, groupCount);
        QFETCH(int, contactCount);
        QTemporaryDir folder;
        const QString path = folder.filePath(Schema::DatabaseFileName);
        if (!existing.isNull())
            writeFile(path, existing);
        arguments.replaceInStrings("@FOLDER@", folder.path());

        QProcess process;
        process.start(PHONEBOOK_TOOL, QStringList{QStringLiteral("create")} + arguments);
        QVERIFY(process.waitForFinished(30000));
        const QString output = QString::fromUtf8(process.readAllStandardOutput());
        const QString errors = QString::fromUtf8(process.readAllStandardError());

        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(process.exitCode() == exitCode, qPrintable(errors));
        if (exitCode == 0) {
            QCOMPARE(output, path + "\n");
            QCOMPARE(query(path, "SELECT (SELECT COUNT(*) FROM Grp), (SELECT COUNT(*) FROM Phone)"),
                     Rows({{QString::number(groupCount), QString::number(contactCount)}}));
            return;
        }
        QVERIFY(output.isEmpty());
        QVERIFY(!errors.trimmed().isEmpty());
        if (existing.isNull())
            QCOMPARE(folderEntries(folder.path()), QStringList());
        else
            QCOMPARE(readAll(path), existing);
    }
};

QTEST_GUILESS_MAIN(CreateDatabaseTest)
#include "tst_createdatabase.moc"
