#include "DataSource.h"
#include "DatabaseError.h"
#include "QueryDataset.h"
#include "TableDataset.h"
#include "TestDatabase.h"
#include "UnitDM.h"

#include <QDir>
#include <memory>

// The data module: its components, statements and fields, what it opens when
// it is made, and how it fails when the file is not usable.
class DataModuleTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> m_store;
    QString m_previousFolder;

private slots:
    void init()
    {
        m_store = std::make_unique<TestDatabase>();
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_store->folder());
    }

    void cleanup()
    {
        delete DM;
        DM = nullptr;
        QDir::setCurrent(m_previousFolder);
        m_store.reset();
    }

    void componentsStatementsAndFieldsAreInPlace()
    {
        DM = new TDM;
        QStringList components;
        for (QObject* child : DM->children())
            components << child->objectName();
        QCOMPARE(components, QStringList({"DataSourceGroup", "DataSourceSearch", "DataSourceMaster",
                                          "DataSourceDetail", "TableSabt", "TableGroup", "QuerySearch",
                                          "QueryMaster", "QueryDetail", "DataSource1", "ADOQuery2"}));
        QCOMPARE(DM->QuerySearch->SQL.Text(),
                 QStringLiteral("select *\r\nfrom phone\r\n\rorder by name\r\n"));
        QCOMPARE(DM->QueryMaster->SQL.Text(), QStringLiteral("select *\r\nfrom grp\r\n\r\n"));
        QCOMPARE(DM->QueryDetail->SQL.Text(),
                 QStringLiteral("select *\r\nfrom phone\r\nwhere code=:code\r\n\r\n"));
        QCOMPARE(DM->ADOQuery2->SQL.lines(),
                 QStringList({"SELECT Grp.Code, Grp.Name, Phone.Name, Phone.Home, Phone.Company, Phone.Fax, "
                              "Phone.Mobil, Phone.City, Phone.Factory, Phone.Pish, Phone.Postcod, Phone.Ad1, "
                              "Phone.Ad2, Phone.Ad3, Phone.Row",
                              "FROM Grp INNER JOIN Phone ON Grp.Code = Phone.Code;"}));

        QStringList joinFields;
        for (const auto& field : DM->ADOQuery2->Fields())
            joinFields << field->Name() + "=" + field->FieldName();
        QCOMPARE(joinFields.mid(0, 3), QStringList({"ADOQuery2Code=Code", "ADOQuery2GrpName=Grp.Name",
                                                    "ADOQuery2PhoneName=Phone.Name"}));
        QCOMPARE(DM->ADOQuery2->Fields().size(), size_t(15));
        QCOMPARE(DM->TableSabt->Fields().size(), size_t(14));
        QCOMPARE(DM->TableSabtAd3->Name(), QStringLiteral("TableSabtAd3"));
        QCOMPARE(DM->QueryDetailRow->DataSet(), DM->QueryDetail);
        QCOMPARE(DM->DataSourceDetail->DataSet(), DM->QueryDetail);
        QCOMPARE(DM->DataSource1->DataSet(), DM->ADOQuery2);
        QCOMPARE(DM->QueryDetail->masterSource(), DM->DataSourceMaster);
    }

    void creationOpensFourDatasets()
    {
        m_store->addGroup(1, QStringLiteral("خانواده"));
        m_store->addContact(1, QStringLiteral("بهرام"));
        DM = new TDM;
        QVERIFY(DM->TableSabt->Active());
        QVERIFY(DM->TableGroup->Active());
        QVERIFY(DM->QueryDetail->Active());
        QVERIFY(DM->ADOQuery2->Active());
        QVERIFY(!DM->QuerySearch->Active());
        QVERIFY(!DM->QueryMaster->Active());
        QCOMPARE(DM->QueryDetail->RecordCount(), 0); // its master is still closed
        QCOMPARE(DM->ADOQuery2GrpName->AsString(), QStringLiteral("خانواده"));
        QCOMPARE(DM->ADOQuery2PhoneName->AsString(), QStringLiteral("بهرام"));

        // The display by group's refresh: master first, then detail.
        DM->QueryMaster->setActive(false);
        DM->QueryMaster->setActive(true);
        DM->QueryDetail->setActive(false);
        DM->QueryDetail->setActive(true);
        QCOMPARE(DM->QueryDetailName->AsString(), QStringLiteral("بهرام"));
    }

    void searchReopensWithTheLastStatement()
    {
        m_store->addContact(1, QStringLiteral("ب"));
        m_store->addContact(1, QStringLiteral("الف"));
        DM = new TDM;
        DM->QuerySearch->setActive(false);
        DM->QuerySearch->setActive(true);
        QCOMPARE(DM->QuerySearchName->AsString(), QStringLiteral("الف"));
        DM->QuerySearch->Close();
        DM->QuerySearch->SQL.Clear();
        DM->QuerySearch->SQL.Add(QStringLiteral("select * from phone "));
        DM->QuerySearch->Open();
        DM->TableSabt->Append();
        DM->TableSabt->setFieldValues(QStringLiteral("name"), QStringLiteral("پ"));
        DM->TableSabt->Post();
        QCOMPARE(DM->QuerySearch->RecordCount(), 2); // not yet refreshed
        DM->QuerySearch->setActive(false);
        DM->QuerySearch->setActive(true);
        QCOMPARE(DM->QuerySearch->RecordCount(), 3);
        QCOMPARE(DM->QuerySearchName->AsString(), QStringLiteral("ب")); // row order
    }

    void unusableFileStopsCreation_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("error");
        QTest::newRow("no file") << "remove"
                                 << "Could not find file";
        QTest::newRow("no Grp table") << "DROP TABLE Grp"
                                      << "TableGroup: no such table: Grp";
        QTest::newRow("no Phone table") << "DROP TABLE Phone"
                                        << "TableSabt: no such table: Phone";
        QTest::newRow("column missing")
            << "CREATE TABLE P2 AS SELECT Code, Name, Home, Company, Mobil, City, Factory, Pish, Postcod, "
               "Ad1, Ad2, "
               "Ad3, Row FROM Phone; DROP TABLE Phone; ALTER TABLE P2 RENAME TO Phone"
            << "TableSabt: Field 'Fax' not found";
        QTest::newRow("group name missing") << "DROP TABLE Grp; CREATE TABLE Grp (Code INTEGER)"
                                            << "TableGroup: Field 'Name' not found";
    }

    void unusableFileStopsCreation()
    {
        QFETCH(QString, damage);
        QFETCH(QString, error);
        if (damage == QLatin1String("remove"))
            QVERIFY(QFile::remove(m_store->path()));
        else
            m_store->exec(damage);
        QString text;
        try {
            DM = new TDM;
        } catch (const DatabaseError& e) {
            text = e.text();
        }
        QVERIFY2(text.contains(error), qPrintable(text));
        QCOMPARE(QFile::exists(m_store->path()), damage != QLatin1String("remove"));
    }
};

QTEST_MAIN(DataModuleTest)
#include "tst_datamodule.moc"
