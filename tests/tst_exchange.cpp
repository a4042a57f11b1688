#include "ContactExchange.h"
#include "DatabaseError.h"
#include "TestDatabase.h"

#include <QtTest>

namespace {

// Every contact as "group name|Name|Home|...|Ad3", in Row order.
QStringList contactsOf(TestDatabase& db)
{
    return db.rows(
        QStringLiteral("SELECT coalesce((SELECT g.Name FROM Grp g WHERE g.Code = p.Code), ''), "
                       "Name, Home, Company, Fax, Mobil, City, Factory, Pish, Postcod, Ad1, Ad2, Ad3 "
                       "FROM Phone p ORDER BY Row"));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The message of the DatabaseError an import throws, or empty when it succeeds.
QString importFailure(TestDatabase& db, const QString& file, ContactExchange::Format format)
{
    try {
        ContactExchange::importFile(db.path(), file, format);
    } catch (const DatabaseError& error) {
        return error.text();
    }
    return {};
}

} // namespace

class ExchangeTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void vcardLinesAreFoldedWithinUtf8();
    void spreadsheetCsvImports();
    void groupsFoundByCodeThenNameThenCreated();
    void malformedFilesAddNothing_data();
    void malformedFilesAddNothing();
};

void ExchangeTest::roundTrip_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("vCard") << int(ContactExchange::Format::VCard);
    QTest::newRow("CSV") << int(ContactExchange::Format::Csv);
}

// Export then import into a new database gives back every text and group.
void ExchangeTest::roundTrip()
{
    QFETCH(int, format);
    TestDatabase source;
    source.addGroup(1, QStringLiteral("دوستان"));
    source.addGroup(2, QStringLiteral("همکاران; \"کار\", \\ اداره"));
    source.addGroup(3, QStringLiteral("كاركنان ي ك")); // Arabic kaf and yeh
    const QString longText = QStringLiteral("خیابان آزادی، کوچه ۱۲ ").repeated(20);
    const QList<QStringList> contacts{
        {QStringLiteral("1"), QStringLiteral("علی رضایی"), QStringLiteral("۰۲۱۸۸۷۷۶۶۵۵")},
        {QStringLiteral("2"), QString()}, // every text empty
        {QStringLiteral("2"), QStringLiteral("\"Quoted\", with; semicolons\\and,commas"),
         QStringLiteral("1,2;3"), QStringLiteral("a\\,b"), QStringLiteral("\\n not a break"), QString(),
         QStringLiteral("تهران")},
        {QStringLiteral("3"), QStringLiteral("مريم كريمي"), QString(), QString(), QString(),
         QStringLiteral("٠٩١٢٣٤٥٦٧٨٩"), QStringLiteral("شهر\nدوم"),
         QStringLiteral("کارخانه 😀👨‍👩‍👧"), QStringLiteral("۰۲۱"),
         QStringLiteral("12345-67890"), longText, QStringLiteral("line one\nline two"),
         QStringLiteral(" leading and trailing ")},
        {QStringLiteral("1"), QStringLiteral("😀").repeated(40), QString(), QString(), QString(), QString(),
         QString(), QString(), QString(), QString(), QString(), QStringLiteral("only Ad2"), QString()},
    };
    for (const QStringList& contact : contacts)
        source.addContact(contact[0].toInt(), contact[1], contact.mid(2));
    source.exec(QStringLiteral("INSERT INTO Phone (Code, Name) VALUES (NULL, 'بی‌گروه')"));

    const auto exchangeFormat = ContactExchange::Format(format);
    const QString file = source.folder() + QStringLiteral("/contacts.out");
    QCOMPARE(ContactExchange::exportFile(source.path(), file, exchangeFormat), int(contacts.size()) + 1);

    TestDatabase target;
    const ContactExchange::Summary summary = ContactExchange::importFile(target.path(), file, exchangeFormat);
    QCOMPARE(summary.contactsAdded, int(contacts.size()) + 1);
    QCOMPARE(summary.groupsCreated, 3);
    QCOMPARE(contactsOf(target), contactsOf(source));
    QCOMPARE(target.rows(QStringLiteral("SELECT Code, Name FROM Grp ORDER BY Code")),
             source.rows(QStringLiteral("SELECT Code, Name FROM Grp ORDER BY Code")));

    // Into the same database again: the groups exist, so none is made twice.
    QCOMPARE(ContactExchange::importFile(target.path(), file, exchangeFormat).groupsCreated, 0);
    QCOMPARE(contactsOf(target).size(), 2 * (contacts.size() + 1));
}

void ExchangeTest::vcardLinesAreFoldedWithinUtf8()
{
    TestDatabase source;
    source.addContact(0, QStringLiteral("ب").repeated(37) + QStringLiteral("😀").repeated(30));
    const QString file = source.folder() + QStringLiteral("/folded.vcf");
    ContactExchange::exportFile(source.path(), file, ContactExchange::Format::VCard);
    const QByteArray bytes = readFile(file);
    QVERIFY(!bytes.contains("\n\n"));
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.isEmpty())
            continue;
        QVERIFY2(line.endsWith('\r'), "every line ends with CRLF");
        QVERIFY2(line.size() - 1 <= 75, line.constData());
        QStringDecoder decoder(QStringDecoder::Utf8);
        (void)decoder(line.startsWith(' ') ? line.mid(1) : line);
        QVERIFY2(!decoder.hasError(), "no UTF-8 sequence is split across lines");
    }
    QVERIFY(bytes.count("\r\n ") >= 2);
}

// What a spreadsheet program saves back: BOM, CRLF, columns in another order
// and letter case, some left out, quoted fields with commas, quotes and breaks.
void ExchangeTest::spreadsheetCsvImports()
{
    TestDatabase db;
    db.addGroup(7, QStringLiteral("خانواده"));
    const QString file = db.folder() + QStringLiteral("/sheet.csv");
    writeFile(file, "\xEF\xBB\xBF"
                    "NAME,groupname,mobil,Ad1,code\r\n"
                    "\"Smith, \"\"Jo\"\"\",خانواده,0912,\"first\r\nsecond\",\r\n"
                    "رضا,دوستان,,,\r\n"
                    ",,,,\r\n"
                    "\r\n"
                    "Mina,other,,,۷\r\n");
    const ContactExchange::Summary summary =
        ContactExchange::importFile(db.path(), file, ContactExchange::Format::Csv);
    QCOMPARE(summary.contactsAdded, 3);
    QCOMPARE(summary.groupsCreated, 1);
    QCOMPARE(db.rows(QStringLiteral("SELECT Code, Name, Mobil, Ad1, Home FROM Phone ORDER BY Row")),
             (QStringList{QStringLiteral("7|Smith, \"Jo\"|0912|first\r\nsecond|"), QStringLiteral("8|رضا|||"),
                          QStringLiteral("7|Mina|||")}));
}

void ExchangeTest::groupsFoundByCodeThenNameThenCreated()
{
    TestDatabase db;
    db.addGroup(4, QStringLiteral("الف"));
    db.addGroup(9, QStringLiteral("ب"));
    const QString file = db.folder() + QStringLiteral("/groups.vcf");
    writeFile(file, "BEGIN:VCARD\nFN:by code\nCATEGORIES:ب\nX-PHONEBOOK-GROUP-CODE:4\nEND:VCARD\n"
                    "BEGIN:VCARD\nFN:by name\nCATEGORIES:ب\nX-PHONEBOOK-GROUP-CODE:55\nEND:VCARD\n"
                    "BEGIN:VCARD\nFN:new\nCATEGORIES:پ\nEND:VCARD\n"
                    "BEGIN:VCARD\nFN:new again\nCATEGORIES:پ\nEND:VCARD\n"
                    "BEGIN:VCARD\nFN:no group\nEND:VCARD\n");
    QCOMPARE(ContactExchange::importFile(db.path(), file, ContactExchange::Format::VCard).groupsCreated, 1);
    QCOMPARE(db.rows(QStringLiteral("SELECT Name, Code FROM Phone ORDER BY Row")),
             (QStringList{QStringLiteral("by code|4"), QStringLiteral("by name|9"), QStringLiteral("new|10"),
                          QStringLiteral("new again|10"), QStringLiteral("no group|")}));
}

void ExchangeTest::malformedFilesAddNothing_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("expectedLines");
    const auto vcard = int(ContactExchange::Format::VCard);
    const auto csv = int(ContactExchange::Format::Csv);
    QTest::newRow("vCard missing END, stray END, bad code")
        << vcard
        << QByteArray("BEGIN:VCARD\r\nFN:good\r\nEND:VCARD\r\n"                            // 1-3
                      "BEGIN:VCARD\r\nFN:open\r\n"                                         // 4-5
                      "BEGIN:VCARD\r\nFN:x\r\nX-PHONEBOOK-GROUP-CODE:abc\r\nEND:VCARD\r\n" // 6-9
                      "END:VCARD\r\n"                                                      // 10
                      "BEGIN:VCARD\r\nFN:never closed\r\n")                                // 11-12
        << QStringList{QStringLiteral("line 4:"), QStringLiteral("line 8:"), QStringLiteral("line 10:"),
                       QStringLiteral("line 11:")};
    QTest::newRow("vCard property outside a card")
        << vcard << QByteArray("FN:alone\nBEGIN:VCARD\nFN:fine\nEND:VCARD\n")
        << QStringList{QStringLiteral("line 1:")};
    QTest::newRow("CSV wrong field count and bad code")
        << csv << QByteArray("Name,Code\r\ngood,1\r\n\"multi\nline\",2\r\ntoo,many,fields\r\nbad,x1\r\n")
        << QStringList{QStringLiteral("line 5:"), QStringLiteral("line 6:")};
    QTest::newRow("CSV unterminated quote")
        << csv << QByteArray("Name\ngood\n\"never closed\nmore\n") << QStringList{QStringLiteral("line 3:")};
    QTest::newRow("CSV unknown column")
        << csv << QByteArray("Name,Telefon\na,b\n") << QStringList{QStringLiteral("line 1:")};
}

void ExchangeTest::malformedFilesAddNothing()
{
    QFETCH(int, format);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, expectedLines);
    TestDatabase db;
    db.addGroup(1, QStringLiteral("existing"));
    const QString file = db.folder() + QStringLiteral("/bad.in");
    writeFile(file, content);
    const QString failure = importFailure(db, file, ContactExchange::Format(format));
    QVERIFY2(failure.contains(QStringLiteral("nothing was added")), qPrintable(failure));
    for (const QString& line : expectedLines)
        QVERIFY2(failure.contains(line), qPrintable(failure));
    QCOMPARE(failure.count(QRegularExpression(QStringLiteral("line \\d+:"))), expectedLines.size());
    QCOMPARE(db.rows(QStringLiteral("SELECT count(*) FROM Phone")), QStringList{QStringLiteral("0")});
    QCOMPARE(db.rows(QStringLiteral("SELECT count(*) FROM Grp")), QStringList{QStringLiteral("1")});
}

QTEST_GUILESS_MAIN(ExchangeTest)
#include "tst_exchange.moc"
