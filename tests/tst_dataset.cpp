#include "Connection.h"
#include "DataSource.h"
#include "DatabaseError.h"
#include "QueryDataset.h"
#include "TableDataset.h"
#include "TestDatabase.h"

#include <QSignalSpy>
#include <functional>
#include <memory>
#include <sqlite3.h>

// The dataset contract the windows rely on: modes, snapshots, the current
// row, writes by row identity, the master link and the error texts.
class DatasetTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> m_store;
    std::unique_ptr<Connection> m_connection;

    std::unique_ptr<TableDataset> table(const QString& name, const QString& tableName)
    {
        return std::make_unique<TableDataset>(name, *m_connection, tableName);
    }

    std::unique_ptr<QueryDataset> query(const QString& name, const QStringList& lines)
    {
        auto dataset = std::make_unique<QueryDataset>(name, *m_connection);
        for (const QString& line : lines)
            dataset->SQL.Add(line);
        return dataset;
    }

    static QString errorOf(const std::function<void()>& operation)
    {
        try {
            operation();
        } catch (const DatabaseError& error) {
            return error.text();
        }
        return QString();
    }

    static QStringList names(Dataset& dataset)
    {
        QStringList result;
        for (dataset.First(); !dataset.Eof(); dataset.Next())
            result << dataset.FieldByName(QStringLiteral("name")).AsString();
        return result;
    }

private slots:
    void init()
    {
        m_store = std::make_unique<TestDatabase>();
        m_connection = std::make_unique<Connection>();
        m_connection->open(m_store->path());
    }

    void cleanup()
    {
        m_connection.reset();
        m_store.reset();
    }

    void rowOperationsOnClosedDatasetFail_data()
    {
        QTest::addColumn<int>("operation");
        const char* names[] = {"First", "Next", "Locate", "Append", "Edit", "Post", "Delete"};
        for (int i = 0; i < 7; ++i)
            QTest::newRow(names[i]) << i;
    }

    void rowOperationsOnClosedDatasetFail()
    {
        QFETCH(int, operation);
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        const std::function<void()> operations[] = {
            [&] { groups->First(); },
            [&] { groups->Next(); },
            [&] { groups->Locate(QStringLiteral("code"), {1}, 0); },
            [&] { groups->Append(); },
            [&] { groups->Edit(); },
            [&] { groups->Post(); },
            [&] { groups->Delete(); },
        };
        QCOMPARE(errorOf(operations[operation]),
                 QStringLiteral("TableGroup: Cannot perform this operation on a closed dataset"));
    }

    void closedDatasetReadsAsEmptyText()
    {
        m_store->addGroup(1, QStringLiteral("خانواده"));
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        groups->addField(QStringLiteral("TableGroupName"), QStringLiteral("Name"));
        QCOMPARE(groups->FieldByName(QStringLiteral("name")).AsString(), QString());
        groups->Open();
        QCOMPARE(groups->FieldByName(QStringLiteral("NAME")).AsString(), QStringLiteral("خانواده"));
        groups->Close();
        QCOMPARE(groups->FieldByName(QStringLiteral("name")).AsString(), QString());
    }

    void browsingWalksEveryRowAndSetsEof()
    {
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        groups->Open();
        QVERIFY(groups->Eof());
        groups->First();
        QVERIFY(groups->Eof());
        groups->Close();

        m_store->addGroup(3, QStringLiteral("الف"));
        m_store->addGroup(7, QStringLiteral("ب"));
        groups->Open();
        QVERIFY(!groups->Eof());
        QCOMPARE(groups->FieldValues(QStringLiteral("code")), QVariant(3));
        groups->Next();
        QVERIFY(!groups->Eof());
        QCOMPARE(groups->FieldByName(QStringLiteral("Code")).AsString(), QStringLiteral("7"));
        groups->Next();
        QVERIFY(groups->Eof());
        QCOMPARE(groups->FieldValues(QStringLiteral("code")), QVariant(7)); // stays on the last row
        groups->First();
        QVERIFY(!groups->Eof());
        QCOMPARE(groups->FieldValues(QStringLiteral("code")), QVariant(3));
    }

    void nullReadsAsEmptyTextAndNullVariant()
    {
        m_store->exec(QStringLiteral("INSERT INTO Phone (Code) VALUES (NULL)"));
        auto contacts = table(QStringLiteral("TableSabt"), QStringLiteral("Phone"));
        contacts->Open();
        QCOMPARE(contacts->FieldByName(QStringLiteral("code")).AsString(), QString());
        QVERIFY(contacts->FieldValues(QStringLiteral("home")).isNull());
        QCOMPARE(contacts->FieldByName(QStringLiteral("row")).AsString(), QStringLiteral("1"));
    }

    void unknownFieldIsNamedInTheError()
    {
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        groups->Open();
        QCOMPARE(errorOf([&] { groups->FieldByName(QStringLiteral("Colour")); }),
                 QStringLiteral("TableGroup: Field 'Colour' not found"));
    }

    void openOnOpenDatasetKeepsSnapshotAndRow()
    {
        m_store->addGroup(1, QStringLiteral("الف"));
        m_store->addGroup(2, QStringLiteral("ب"));
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        groups->Open();
        groups->Next();
        m_store->addGroup(3, QStringLiteral("پ"));
        groups->Open();
        QCOMPARE(groups->RecordCount(), 2);
        QCOMPARE(groups->FieldValues(QStringLiteral("code")), QVariant(2));
        groups->setActive(false);
        groups->setActive(true);
        QCOMPARE(groups->RecordCount(), 3);
        QCOMPARE(groups->FieldValues(QStringLiteral("code")), QVariant(1));
    }

    void snapshotsAreIsolatedUntilReopened()
    {
        auto writer = table(QStringLiteral("TableSabt"), QStringLiteral("Phone"));
        auto reader =
            query(QStringLiteral("QuerySearch"), {QStringLiteral("select *"), QStringLiteral("from phone")});
        writer->Open();
        reader->Open();
        writer->Append();
        writer->setFieldValues(QStringLiteral("code"), 1);
        writer->setFieldValues(QStringLiteral("name"), QStringLiteral("بهرام"));
        writer->Post();
        QCOMPARE(writer->RecordCount(), 1);
        QCOMPARE(reader->RecordCount(), 0);
        reader->Close();
        reader->Open();
        QCOMPARE(reader->RecordCount(), 1);
        QCOMPARE(reader->FieldByName(QStringLiteral("name")).AsString(), QStringLiteral("بهرام"));
    }

    void appendPostsAtTheEndWithTheStoresRowNumber()
    {
        m_store->addContact(1, QStringLiteral("اول"));
        auto contacts = table(QStringLiteral("TableSabt"), QStringLiteral("Phone"));
        contacts->Open();
        QSignalSpy states(contacts.get(), &Dataset::stateChanged);
        contacts->Append();
        QCOMPARE(contacts->state(), Dataset::State::Insert);
        contacts->setFieldValues(QStringLiteral("code"), 2);
        contacts->setFieldValues(QStringLiteral("NAME"), QStringLiteral("دوم"));
        contacts->Post();
        QCOMPARE(contacts->state(), Dataset::State::Browse);
        QCOMPARE(states.count(), 2);
        QCOMPARE(contacts->RecNo(), 1);
        QCOMPARE(contacts->FieldByName(QStringLiteral("row")).AsString(), QStringLiteral("2"));
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Code, Name, Row FROM Phone ORDER BY Row")),
                 QStringList({QStringLiteral("1|اول|1"), QStringLiteral("2|دوم|2")}));
    }

    // Two group rows that no value tells apart stay two rows when one of
    // them is edited, through the table and through a query over it.
    void editChangesExactlyTheCurrentRow()
    {
        m_store->addGroup(5, QStringLiteral("دوستان"));
        m_store->addGroup(5, QStringLiteral("دوستان"));
        m_store->addGroup(6, QStringLiteral("همکاران"));
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        auto master = query(QStringLiteral("QueryMaster"),
                            {QStringLiteral("select *"), QStringLiteral("from grp"), {}});
        int pass = 0;
        for (Dataset* dataset : {static_cast<Dataset*>(groups.get()), static_cast<Dataset*>(master.get())}) {
            dataset->Open();
            dataset->Next();
            dataset->Edit();
            QCOMPARE(dataset->state(), Dataset::State::Edit);
            dataset->setFieldValues(QStringLiteral("name"),
                                    pass++ ? QStringLiteral("ب") : QStringLiteral("الف"));
            dataset->Post();
            QCOMPARE(dataset->RecNo(), 1);
            QCOMPARE(dataset->state(), Dataset::State::Browse);
        }
        QCOMPARE(
            m_store->rows(QStringLiteral("SELECT Code, Name FROM Grp")),
            QStringList({QStringLiteral("5|دوستان"), QStringLiteral("5|ب"), QStringLiteral("6|همکاران")}));
        QCOMPARE(groups->FieldByName(QStringLiteral("name")).AsString(),
                 QStringLiteral("الف")); // its own snapshot
    }

    void deleteRemovesExactlyTheCurrentRow()
    {
        m_store->addGroup(5, QStringLiteral("دوستان"));
        m_store->addGroup(5, QStringLiteral("دوستان"));
        m_store->addGroup(6, QStringLiteral("همکاران"));
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        groups->Open();
        groups->Next();
        groups->Delete();
        QCOMPARE(groups->FieldValues(QStringLiteral("code")), QVariant(6)); // the following row
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Code FROM Grp")),
                 QStringList({QStringLiteral("5"), QStringLiteral("6")}));
        groups->Delete();
        QCOMPARE(groups->FieldValues(QStringLiteral("code")), QVariant(5)); // the new last row
        QCOMPARE(groups->RecordCount(), 1);

        auto master = query(QStringLiteral("QueryMaster"),
                            {QStringLiteral("select *"), QStringLiteral("from grp"), {}});
        master->Open();
        master->Delete();
        QVERIFY(master->Eof());
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Code FROM Grp")), QStringList());
        QCOMPARE(errorOf([&] { master->Delete(); }),
                 QStringLiteral("QueryMaster: Cannot perform this operation on an empty dataset"));
    }

    void editThenDeleteOnEmptyDatasetChangesNothing()
    {
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        groups->Open();
        groups->Edit(); // on an empty dataset this starts a new row
        QCOMPARE(groups->state(), Dataset::State::Insert);
        QCOMPARE(errorOf([&] { groups->Delete(); }), QString());
        QCOMPARE(groups->state(), Dataset::State::Browse);
        QCOMPARE(m_store->rows(QStringLiteral("SELECT * FROM Grp")), QStringList());
    }

    void pendingRowIsDroppedByClose()
    {
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        groups->Open();
        groups->Append();
        groups->setFieldValues(QStringLiteral("code"), 1);
        groups->Close();
        groups->Open();
        QCOMPARE(groups->RecordCount(), 0);
        QCOMPARE(m_store->rows(QStringLiteral("SELECT * FROM Grp")), QStringList());
    }

    void assigningOutsideEditingFails()
    {
        m_store->addGroup(1, QStringLiteral("الف"));
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        groups->Open();
        QCOMPARE(errorOf([&] { groups->setFieldValues(QStringLiteral("name"), QStringLiteral("x")); }),
                 QStringLiteral("TableGroup: Dataset not in edit or insert mode"));
    }

    // A refused write leaves the row pending: Close drops it, Append posts
    // it again when fields were assigned, Edit leaves it as it is.
    void failedPostLeavesTheRowPending()
    {
        m_store->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Grp WHEN NEW.Name = 'bad' "
                                     "BEGIN SELECT RAISE(ABORT, 'name refused'); END"));
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        groups->Open();
        groups->Append();
        groups->setFieldValues(QStringLiteral("code"), 1);
        groups->setFieldValues(QStringLiteral("name"), QStringLiteral("bad"));
        QCOMPARE(errorOf([&] { groups->Post(); }), QStringLiteral("TableGroup: name refused"));
        QCOMPARE(groups->state(), Dataset::State::Insert);
        groups->Edit();
        QCOMPARE(groups->state(), Dataset::State::Insert);
        QCOMPARE(groups->FieldByName(QStringLiteral("name")).AsString(), QStringLiteral("bad"));
        QCOMPARE(errorOf([&] { groups->Append(); }), QStringLiteral("TableGroup: name refused"));
        QCOMPARE(groups->state(), Dataset::State::Insert);
        groups->setFieldValues(QStringLiteral("name"), QStringLiteral("good"));
        groups->Append(); // posts the mended row, then starts a new one
        QCOMPARE(groups->state(), Dataset::State::Insert);
        groups->Append(); // nothing assigned: dropped
        groups->Close();
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Code, Name FROM Grp")),
                 QStringList({QStringLiteral("1|good")}));
    }

    void locateFindsTheFirstMatchOrLeavesTheRow_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("options");
        QTest::addColumn<int>("expectedRow");
        const int ci = Dataset::loCaseInsensitive;
        QTest::newRow("exact") << "2"
                               << "Sara" << 0 << 1;
        QTest::newRow("case ignored") << "2"
                                      << "SARA" << ci << 1;
        QTest::newRow("case kept") << "2"
                                   << "SARA" << 0 << -1;
        QTest::newRow("first of two") << "2"
                                      << "ali" << ci << 2;
        QTest::newRow("leading zeros") << "002"
                                       << "Sara" << 0 << 1;
        QTest::newRow("persian digits") << "۲"
                                        << "Sara" << 0 << 1;
        QTest::newRow("other code") << "3"
                                    << "Sara" << ci << -1;
        QTest::newRow("not a number") << "x"
                                      << "Sara" << ci << -1;
        QTest::newRow("persian name") << "1"
                                      << "پرستو" << ci << 0;
    }

    void locateFindsTheFirstMatchOrLeavesTheRow()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(int, options);
        QFETCH(int, expectedRow);
        m_store->addContact(1, QStringLiteral("پرستو"));
        m_store->addContact(2, QStringLiteral("Sara"));
        m_store->addContact(2, QStringLiteral("Ali"));
        m_store->addContact(2, QStringLiteral("ALI"));
        auto contacts = table(QStringLiteral("TableSabt"), QStringLiteral("Phone"));
        contacts->Open();
        contacts->Next();
        contacts->Next();
        contacts->Next(); // on the last row
        const bool found = contacts->Locate(QStringLiteral("code;name"), {code, name}, options);
        QCOMPARE(found, expectedRow >= 0);
        QCOMPARE(contacts->RecNo(), found ? expectedRow : 3);
    }

    void fixedFieldsMustBeDelivered()
    {
        m_store->addContact(1, QStringLiteral("الف"));
        auto search = query(QStringLiteral("QuerySearch"), {QStringLiteral("select Code, Name from phone")});
        search->addField(QStringLiteral("QuerySearchCode"), QStringLiteral("Code"));
        search->addField(QStringLiteral("QuerySearchName"), QStringLiteral("Name"));
        search->addField(QStringLiteral("QuerySearchHome"), QStringLiteral("Home"));
        QCOMPARE(errorOf([&] { search->Open(); }), QStringLiteral("QuerySearch: Field 'Home' not found"));
        QVERIFY(!search->Active());
        QCOMPARE(search->SQL.Text(), QStringLiteral("select Code, Name from phone\r\n"));
        search->SQL.Clear();
        search->SQL.Add(QStringLiteral("select * from phone"));
        search->Open();
        QCOMPARE(search->FieldByName(QStringLiteral("name")).AsString(), QStringLiteral("الف"));
        // A column without a field of its own is out of reach.
        QCOMPARE(errorOf([&] { search->FieldByName(QStringLiteral("Fax")); }),
                 QStringLiteral("QuerySearch: Field 'Fax' not found"));
    }

    void failedStatementLeavesQueryClosedWithItsText()
    {
        auto search = query(QStringLiteral("QuerySearch"),
                            {QStringLiteral("select * from phone where (name like '%'x%')")});
        const QString error = errorOf([&] { search->Open(); });
        QVERIFY2(error.startsWith(QStringLiteral("QuerySearch: ")) &&
                     error.contains(QStringLiteral("syntax error")),
                 qPrintable(error));
        QVERIFY(!search->Active());
        QCOMPARE(search->SQL.Count(), 1);
    }

    void onlyOneStatementRuns()
    {
        m_store->addContact(1, QStringLiteral("الف"));
        auto search = query(QStringLiteral("QuerySearch"),
                            {QStringLiteral("select * from phone;"), QStringLiteral("delete from phone")});
        QCOMPARE(errorOf([&] { search->Open(); }),
                 QStringLiteral("QuerySearch: The statement text holds more than one statement"));
        QCOMPARE(m_store->rows(QStringLiteral("SELECT count(*) FROM Phone")),
                 QStringList({QStringLiteral("1")}));
        auto joined = query(QStringLiteral("ADOQuery2"), {QStringLiteral("select * from phone;"), QString()});
        joined->Open(); // a closing semicolon and blank lines are fine
        QCOMPARE(joined->RecordCount(), 1);
    }

    void joinNamesBothNameColumnsByTable()
    {
        m_store->addGroup(1, QStringLiteral("خانواده"));
        m_store->addContact(1, QStringLiteral("کاوه"), {QStringLiteral("021-1")});
        auto joined = query(QStringLiteral("ADOQuery2"),
                            {QStringLiteral("SELECT Grp.Code, Grp.Name, Phone.Name, Phone.Home, Phone.Row"),
                             QStringLiteral("FROM Grp INNER JOIN Phone ON Grp.Code = Phone.Code;")});
        joined->Open();
        QCOMPARE(joined->FieldByName(QStringLiteral("code")).AsString(), QStringLiteral("1"));
        QCOMPARE(joined->FieldByName(QStringLiteral("Grp.Name")).AsString(), QStringLiteral("خانواده"));
        QCOMPARE(joined->FieldByName(QStringLiteral("phone.name")).AsString(), QStringLiteral("کاوه"));
        QCOMPARE(joined->FieldByName(QStringLiteral("Home")).AsString(), QStringLiteral("021-1"));
        QCOMPARE(joined->FieldByName(QStringLiteral("Row")).AsString(), QStringLiteral("1"));
        QVERIFY(!joined->FindField(QStringLiteral("Name")));
        QCOMPARE(errorOf([&] { joined->Edit(); }),
                 QStringLiteral("ADOQuery2: Cannot modify a read-only dataset"));
    }

    void detailFollowsTheMastersCurrentRow()
    {
        m_store->addGroup(1, QStringLiteral("الف"));
        m_store->addGroup(2, QStringLiteral("ب"));
        m_store->addContact(1, QStringLiteral("a1"));
        m_store->addContact(2, QStringLiteral("b1"));
        m_store->addContact(2, QStringLiteral("b2"));
        auto master = query(QStringLiteral("QueryMaster"),
                            {QStringLiteral("select *"), QStringLiteral("from grp"), {}});
        DataSource masterSource(QStringLiteral("DataSourceMaster"));
        masterSource.setDataSet(master.get());
        auto detail = query(QStringLiteral("QueryDetail"), {QStringLiteral("select *"),
                                                            QStringLiteral("from phone"),
                                                            QStringLiteral("where code=:code"),
                                                            {}});
        detail->setMasterSource(&masterSource);

        detail->Open(); // master closed: the parameter is null
        QVERIFY(detail->parameter(QStringLiteral("code")).isNull());
        QCOMPARE(detail->RecordCount(), 0);
        master->Open();
        QCOMPARE(names(*detail), QStringList({QStringLiteral("a1")}));
        master->Next();
        QCOMPARE(detail->parameter(QStringLiteral("code")), QVariant(2));
        QCOMPARE(names(*detail), QStringList({QStringLiteral("b1"), QStringLiteral("b2")}));
        detail->Next();
        master->setActive(false);
        QCOMPARE(detail->RecordCount(), 0);
        master->setActive(true); // back on the first group, detail on its first row
        QCOMPARE(detail->FieldByName(QStringLiteral("name")).AsString(), QStringLiteral("a1"));

        // Writes through the detail go to the right contact.
        master->Next();
        detail->Next();
        detail->Edit();
        detail->setFieldValues(QStringLiteral("home"), QStringLiteral("021"));
        detail->Post();
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Name, Home FROM Phone ORDER BY Row")),
                 QStringList({QStringLiteral("a1|"), QStringLiteral("b1|"), QStringLiteral("b2|021")}));
    }

    void emptyMasterGivesNoDetailRows()
    {
        m_store->addContact(0, QStringLiteral("بی گروه"));
        m_store->exec(QStringLiteral("INSERT INTO Phone (Name) VALUES ('null code')"));
        auto master = query(QStringLiteral("QueryMaster"), {QStringLiteral("select * from grp")});
        DataSource masterSource(QStringLiteral("DataSourceMaster"));
        masterSource.setDataSet(master.get());
        auto detail =
            query(QStringLiteral("QueryDetail"), {QStringLiteral("select * from phone where code=:code")});
        detail->setMasterSource(&masterSource);
        master->Open();
        detail->Open();
        QCOMPARE(detail->RecordCount(), 0);
    }

    void textIsStoredAndReadBackExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("persian") << QStringLiteral("گلناز ژیان‌پور");
        QTest::newRow("arabic letters kept") << QStringLiteral("علي كريمي");
        QTest::newRow("quotes") << QStringLiteral("O'Neil \"x\" '');--");
        QTest::newRow("percent") << QStringLiteral("100% _x_");
        QTest::newRow("control characters") << QStringLiteral("a\tb\r\nc\x01");
        QTest::newRow("emoji") << QStringLiteral("☎️ 📞 👨‍👩‍👧");
        QTest::newRow("long") << QString(5000, QChar(0x0645));
        QTest::newRow("empty") << QString();
    }

    void textIsStoredAndReadBackExactly()
    {
        QFETCH(QString, text);
        auto contacts = table(QStringLiteral("TableSabt"), QStringLiteral("Phone"));
        contacts->Open();
        contacts->Append();
        contacts->setFieldValues(QStringLiteral("code"), 1);
        contacts->setFieldValues(QStringLiteral("name"), text);
        contacts->setFieldValues(QStringLiteral("ad3"), text);
        contacts->Post();
        QCOMPARE(contacts->FieldByName(QStringLiteral("name")).AsString(), text);
        contacts->Close();
        contacts->Open();
        QCOMPARE(contacts->FieldByName(QStringLiteral("name")).AsString(), text);
        QCOMPARE(contacts->FieldByName(QStringLiteral("ad3")).AsString(), text);
    }

    void integerFieldsTakeDigitsOnly()
    {
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        groups->Open();
        groups->Append();
        groups->setFieldValues(QStringLiteral("code"), QStringLiteral("۱۲"));
        QCOMPARE(groups->FieldValues(QStringLiteral("code")), QVariant(12));
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 groups->setFieldValues(QStringLiteral("code"), QStringLiteral("12a")));
        groups->Post();
        QCOMPARE(m_store->rows(QStringLiteral("SELECT typeof(Code), Code FROM Grp")),
                 QStringList({QStringLiteral("integer|12")}));
    }

    // What another program does to the shared file between our read and our write.
    void writesChangeOnlyARowThatStillHoldsWhatWasRead_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("afterwards");

        const QString changed = QStringLiteral("UPDATE Phone SET Fax = '999' WHERE Row = 2");
        const QString gone = QStringLiteral("DELETE FROM Phone WHERE Row = 2");
        QTest::newRow("nothing: update")
            << QString() << false << false << QStringList({"1|سارا|", "2|NEW|", "3|سارا دوم|"});
        QTest::newRow("another field changed: update refused")
            << changed << false << true << QStringList({"1|سارا|", "2|ياسي|999", "3|سارا دوم|"});
        QTest::newRow("letter case changed: update refused")
            << QStringLiteral("UPDATE Phone SET Name = 'YASI' WHERE Row = 2") << false << true
            << QStringList({"1|سارا|", "2|YASI|", "3|سارا دوم|"});
        QTest::newRow("Arabic yeh made Persian: update refused")
            << QStringLiteral("UPDATE Phone SET Name = 'یاسی' WHERE Row = 2") << false << true
            << QStringList({"1|سارا|", "2|یاسی|", "3|سارا دوم|"});
        QTest::newRow("row deleted: update refused")
            << gone << false << true << QStringList({"1|سارا|", "3|سارا دوم|"});
        QTest::newRow("nothing: delete")
            << QString() << true << false << QStringList({"1|سارا|", "3|سارا دوم|"});
        QTest::newRow("another field changed: delete refused")
            << changed << true << true << QStringList({"1|سارا|", "2|ياسي|999", "3|سارا دوم|"});
        QTest::newRow("row deleted: delete is quiet")
            << gone << true << false << QStringList({"1|سارا|", "3|سارا دوم|"});
    }

    void writesChangeOnlyARowThatStillHoldsWhatWasRead()
    {
        QFETCH(QString, meanwhile);
        QFETCH(bool, deleting);
        QFETCH(bool, refused);
        QFETCH(QStringList, afterwards);

        m_store->addContact(1, QStringLiteral("سارا"));
        m_store->addContact(1, QStringLiteral("ياسي"));
        m_store->addContact(1, QStringLiteral("سارا دوم"));
        auto contacts = table(QStringLiteral("TableSabt"), QStringLiteral("Phone"));
        contacts->Open();
        contacts->setRecNo(1);
        if (!meanwhile.isEmpty())
            m_store->exec(meanwhile);

        const QString error = errorOf([&] {
            if (deleting) {
                contacts->Delete();
                return;
            }
            contacts->Edit();
            contacts->setFieldValues(QStringLiteral("name"), QStringLiteral("NEW"));
            contacts->Post();
        });
        QCOMPARE(error, refused
                            ? QStringLiteral("TableSabt: Row cannot be located for updating. Some values may "
                                             "have been changed since it was last read.")
                            : QString());
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Row, Name, Fax FROM Phone ORDER BY Row")), afterwards);
        // A refused row stays as it was read, for the user to see.
        QCOMPARE(contacts->RecordCount(), 3 - (deleting && !refused ? 1 : 0));
    }

    // A group another program deleted: SQLite gives its row number to the next group
    // added, which a write meant for the deleted group must not reach.
    void writesMissAGroupThatTookAFreedRowNumber_data()
    {
        QTest::addColumn<bool>("deleting");
        QTest::newRow("rename") << false;
        QTest::newRow("delete") << true;
    }

    void writesMissAGroupThatTookAFreedRowNumber()
    {
        QFETCH(bool, deleting);
        m_store->addGroup(1, QStringLiteral("خانواده"));
        m_store->addGroup(2, QStringLiteral("دوستان"));
        auto groups = table(QStringLiteral("TableGroup"), QStringLiteral("Grp"));
        groups->Open();
        groups->setRecNo(1);
        m_store->exec(QStringLiteral("DELETE FROM Grp WHERE Code = 2"));
        m_store->addGroup(3, QStringLiteral("همسایه"));
        QCOMPARE(m_store->rows(QStringLiteral("SELECT rowid FROM Grp WHERE Code = 3")), QStringList({"2"}));

        const QString error = errorOf([&] {
            if (deleting) {
                groups->Delete();
                return;
            }
            groups->Edit();
            groups->setFieldValues(QStringLiteral("name"), QStringLiteral("رفقا"));
            groups->Post();
        });
        QVERIFY2(error.startsWith(QStringLiteral("TableGroup: Row cannot be located for updating.")),
                 qPrintable(error));
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Code, Name FROM Grp ORDER BY rowid")),
                 QStringList({"1|خانواده", "3|همسایه"}));
    }

    void refreshRecordReadsTheRowAsTheFileHoldsItNow()
    {
        m_store->addContact(1, QStringLiteral("سارا"), {QStringLiteral("111")});
        m_store->addContact(1, QStringLiteral("یاسی"));
        m_store->addContact(1, QStringLiteral("مینا"));
        auto contacts = table(QStringLiteral("TableSabt"), QStringLiteral("Phone"));
        contacts->Open();
        m_store->exec(QStringLiteral("UPDATE Phone SET Home = '222', Code = NULL WHERE Row = 1"));
        m_store->exec(QStringLiteral("DELETE FROM Phone WHERE Row = 2"));

        QVERIFY(contacts->RefreshRecord());
        QCOMPARE(contacts->FieldByName(QStringLiteral("home")).AsString(), QStringLiteral("222"));
        QVERIFY(contacts->FieldValues(QStringLiteral("code")).isNull());
        // The refreshed row is what a later write compares with.
        contacts->Edit();
        contacts->setFieldValues(QStringLiteral("fax"), QStringLiteral("9"));
        contacts->Post();

        contacts->Next();
        QVERIFY(!contacts->RefreshRecord());
        QCOMPARE(contacts->RecordCount(), 2);
        QCOMPARE(contacts->FieldByName(QStringLiteral("name")).AsString(), QStringLiteral("مینا"));
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Row, Code, Home, Fax FROM Phone ORDER BY Row")),
                 QStringList({"1||222|9", "3|1||"}));
    }

    void storesRowNumberIsReadOnly_data()
    {
        QTest::addColumn<bool>("throughQuery");
        QTest::addColumn<bool>("inserting");
        QTest::newRow("table, new row") << false << true;
        QTest::newRow("table, edited row") << false << false;
        QTest::newRow("query, new row") << true << true;
        QTest::newRow("query, edited row") << true << false;
    }

    void storesRowNumberIsReadOnly()
    {
        QFETCH(bool, throughQuery);
        QFETCH(bool, inserting);
        m_store->addContact(1, QStringLiteral("سارا"));
        std::unique_ptr<Dataset> contacts;
        if (throughQuery)
            contacts = query(QStringLiteral("QueryDetail"), {QStringLiteral("select * from phone")});
        else
            contacts = table(QStringLiteral("TableSabt"), QStringLiteral("Phone"));
        contacts->Open();
        if (inserting)
            contacts->Append();
        else
            contacts->Edit();
        QCOMPARE(errorOf([&] { contacts->setFieldValues(QStringLiteral("row"), 50); }),
                 contacts->Name() + QStringLiteral(": Field 'Row' cannot be modified"));
        QVERIFY(contacts->FieldByName(QStringLiteral("Row")).isReadOnly());
        contacts->Cancel();
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Row FROM Phone")), QStringList({"1"}));
    }

    // One run of the detail's statement for each move of the master, and none while
    // the master has no finished row.
    void detailRunsOncePerMasterMove()
    {
        m_store->addGroup(1, QStringLiteral("الف"));
        m_store->addGroup(2, QStringLiteral("ب"));
        m_store->addContact(1, QStringLiteral("a1"));
        m_store->addContact(2, QStringLiteral("b1"));
        auto master = query(QStringLiteral("QueryMaster"), {QStringLiteral("select * from grp")});
        DataSource masterSource(QStringLiteral("DataSourceMaster"));
        masterSource.setDataSet(master.get());
        auto detail =
            query(QStringLiteral("QueryDetail"), {QStringLiteral("select * from phone where code=:code")});
        detail->setMasterSource(&masterSource);
        detail->Open();

        int runs = 0;
        sqlite3_trace_v2(
            m_connection->handle(), SQLITE_TRACE_STMT,
            [](unsigned, void* counter, void* statement, void*) {
                if (QByteArray(sqlite3_sql(static_cast<sqlite3_stmt*>(statement))).contains("code=:code"))
                    ++*static_cast<int*>(counter);
                return 0;
            },
            &runs);
        auto runsOf = [&](const std::function<void()>& step) {
            runs = 0;
            step();
            return runs;
        };

        QCOMPARE(runsOf([&] { master->Open(); }), 1);
        QCOMPARE(runsOf([&] { master->Next(); }), 1);
        QCOMPARE(names(*detail), QStringList({"b1"}));
        QCOMPARE(runsOf([&] { master->Next(); }), 0); // already on the last group
        QCOMPARE(runsOf([&] { master->Close(); }), 0);
        QCOMPARE(detail->RecordCount(), 0);
        QCOMPARE(runsOf([&] { master->Open(); }), 1);
        QCOMPARE(names(*detail), QStringList({"a1"}));

        // A group being added has no contacts yet, whatever code it is given.
        QCOMPARE(runsOf([&] {
                     master->Append();
                     master->setFieldValues(QStringLiteral("code"), 2);
                 }),
                 0);
        QCOMPARE(detail->RecordCount(), 0);
        QCOMPARE(runsOf([&] { master->Post(); }), 1);
        QCOMPARE(names(*detail), QStringList({"b1"}));
        sqlite3_trace_v2(m_connection->handle(), 0, nullptr, nullptr);
    }
};

QTEST_MAIN(DatasetTest)
#include "tst_dataset.moc"
