#include "DatabaseError.h"
#include "JetDatabase.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <functional>

// The Jet reader on a genuine Jet 4 file (contents as mdb-export shows them)
// and its refusals: a missing file, a file that is not Jet, a missing table.
class JetDatabaseTest : public QObject
{
    Q_OBJECT

private:
    const QString m_sample = QStringLiteral(JET4_SAMPLE);

    static QString errorOf(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const DatabaseError& error) {
            return error.text();
        }
        return {};
    }

private slots:
    void listsTheUserTablesOnly()
    {
        if (!QFile::exists(m_sample))
            QSKIP("The Jet 4 sample file is not beside this clone");
        const JetDatabase database(m_sample);
        QCOMPARE(database.tableNames(), QStringList{QStringLiteral("DateTest")});
    }

    void listsTheColumnsInStoredOrder()
    {
        if (!QFile::exists(m_sample))
            QSKIP("The Jet 4 sample file is not beside this clone");
        const JetDatabase database(m_sample);
        QCOMPARE(database.columnNames(QStringLiteral("DateTest")),
                 (QStringList{"IDCol", "DateTimeCol", "DateCol", "TimeCol", "LongTextCol", "ShortTextCol"}));
    }

    void readsEveryRowWithItsTypes_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<qint64>("id");
        QTest::addColumn<QString>("longText");
        QTest::addColumn<QString>("shortText");
        QTest::newRow("plain") << 0 << qint64(1) << "Hello"
                               << "Hello";
        QTest::newRow("year 9999") << 1 << qint64(2) << "Year 9999"
                                   << "Year 1999";
        QTest::newRow("before 1900") << 2 << qint64(3) << "Pre-1900 years"
                                     << "Pre-1900 years";
        QTest::newRow("before 1000") << 3 << qint64(4) << "Pre-1000 years"
                                     << "Pre-1000 years";
        QTest::newRow("backslashes kept") << 4 << qint64(5) << "Escaped new line \\r\\n in field"
                                          << "Escaped new line \\r\\n in field";
        QTest::newRow("line break in a memo") << 5 << qint64(6) << "New line\r\nin field"
                                              << "No new line";
    }

    void readsEveryRowWithItsTypes()
    {
        if (!QFile::exists(m_sample))
            QSKIP("The Jet 4 sample file is not beside this clone");
        QFETCH(int, index);
        QFETCH(qint64, id);
        QFETCH(QString, longText);
        QFETCH(QString, shortText);
        const QList<QVariantList> rows = JetDatabase(m_sample).rows(QStringLiteral("DateTest"));
        QCOMPARE(rows.size(), 6);
        const QVariantList& row = rows.at(index);
        QCOMPARE(row.size(), 6);
        QCOMPARE(row.at(0).typeId(), QMetaType::LongLong);
        QCOMPARE(row.at(0).toLongLong(), id);
        for (int column = 1; column <= 3; ++column)
            QCOMPARE(row.at(column).typeId(), QMetaType::QDateTime);
        QCOMPARE(row.at(4).typeId(), QMetaType::QString);
        QCOMPARE(row.at(4).toString(), longText);
        QCOMPARE(row.at(5).toString(), shortText);
    }

    // mdb-export garbles the dates outside 1900..9998 (1900-01-00); the raw
    // day counts give whole new years, as the rows' texts announce.
    void readsDatesAsStored_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QDate>("dateTime");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("time");
        const QDate december2nd2021(2021, 12, 2);
        QTest::newRow("2021") << 0 << december2nd2021 << december2nd2021 << december2nd2021;
        QTest::newRow("year 9999") << 1 << QDate(9999, 1, 1) << QDate(9999, 1, 1) << QDate(9999, 1, 1);
        QTest::newRow("before 1900") << 2 << QDate(1898, 1, 1) << QDate(1899, 1, 1) << QDate(1900, 1, 1);
        QTest::newRow("before 1000") << 3 << QDate(632, 1, 1) << QDate(633, 1, 1) << QDate(634, 1, 1);
        QTest::newRow("last row") << 5 << december2nd2021 << december2nd2021 << december2nd2021;
    }

    void readsDatesAsStored()
    {
        if (!QFile::exists(m_sample))
            QSKIP("The Jet 4 sample file is not beside this clone");
        QFETCH(int, index);
        QFETCH(QDate, dateTime);
        QFETCH(QDate, date);
        QFETCH(QDate, time);
        const QVariantList row = JetDatabase(m_sample).rows(QStringLiteral("DateTest")).at(index);
        const QList<QDate> expected{dateTime, date, time};
        for (int column = 1; column <= 3; ++column)
            QCOMPARE(row.at(column).toDateTime(),
                     QDateTime(expected.at(column - 1), QTime(0, 0), QTimeZone::utc()));
    }

    void refusesWhatItCannotRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expectedText");
        QTest::newRow("missing file") << QByteArray() << "no such readable file";
        QTest::newRow("text file") << QByteArray("Name,Home\nAli,021\n")
                                   << "is not a Jet 3 or Jet 4 database";
        QTest::newRow("SQLite file") << QByteArray("SQLite format 3\0", 16).append(4096, '\0')
                                     << "is not a Jet 3 or Jet 4 database";
    }

    void refusesWhatItCannotRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expectedText);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("dbphone.mdb"));
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QString error = errorOf([&] { JetDatabase database(path); });
        QVERIFY2(error.contains(expectedText), qPrintable(error));
        QVERIFY2(error.contains(path), qPrintable(error));
    }

    void refusesAMissingTable()
    {
        if (!QFile::exists(m_sample))
            QSKIP("The Jet 4 sample file is not beside this clone");
        const JetDatabase database(m_sample);
        for (const QString& table : {QStringLiteral("Phone"), QStringLiteral("MSysObjects")}) {
            QVERIFY(errorOf([&] {
                        database.columnNames(table);
                    }).contains(QStringLiteral("has no table ") + table));
            QVERIFY(errorOf([&] { database.rows(table); }).contains(QStringLiteral("has no table ") + table));
        }
    }
};

QTEST_GUILESS_MAIN(JetDatabaseTest)
#include "tst_jetdatabase.moc"
