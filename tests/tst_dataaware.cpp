#include "Application.h"
#include "Connection.h"
#include "DBGrid.h"
#include "DBText.h"
#include "DataSource.h"
#include "MessageBox.h"
#include "QueryDataset.h"
#include "TableDataset.h"
#include "TestDatabase.h"

#include <memory>

// Grids and texts bound to data sources follow the dataset's current row,
// its re-opening and a re-binding to another data source; an editable grid
// writes through its dataset.
class DataAwareTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> m_store;
    std::unique_ptr<Connection> m_connection;

private slots:
    void init()
    {
        m_store = std::make_unique<TestDatabase>();
        m_store->addGroup(1, QStringLiteral("خانواده"));
        m_store->addGroup(2, QStringLiteral("دوستان"));
        m_store->addGroup(3, QStringLiteral("همکاران"));
        m_connection = std::make_unique<Connection>();
        m_connection->open(m_store->path());
    }

    void cleanup()
    {
        m_connection.reset();
        m_store.reset();
    }

    void gridAndTextFollowTheCurrentRow()
    {
        TableDataset groups(QStringLiteral("TableGroup"), *m_connection, QStringLiteral("Grp"));
        DataSource source(QStringLiteral("DataSourceGroupTest"));
        source.setDataSet(&groups);
        DBGrid grid;
        grid.setDataSource(&source);
        grid.setColumns({{QStringLiteral("Code"), QStringLiteral("كد")},
                         {QStringLiteral("Name"), QStringLiteral("نام گروه")}});
        DBText text;
        text.setDataField(QStringLiteral("name"));
        text.setDataSourceName(QStringLiteral("DataSourceGroupTest"));
        grid.show();

        QCOMPARE(grid.model()->rowCount(), 0);
        QCOMPARE(text.text(), QString());
        groups.Open();
        QCOMPARE(grid.model()->rowCount(), 3);
        QCOMPARE(grid.currentIndex().row(), 0);
        QCOMPARE(text.text(), QStringLiteral("خانواده"));
        QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("نام گروه"));

        groups.Next();
        QCOMPARE(grid.currentIndex().row(), 1);
        QCOMPARE(text.text(), QStringLiteral("دوستان"));

        grid.setFocus();
        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(groups.RecNo(), 2);
        QCOMPARE(text.text(), QStringLiteral("همکاران"));

        groups.setActive(false);
        QCOMPARE(grid.model()->rowCount(), 0);
        QCOMPARE(text.text(), QString());
        groups.setActive(true);
        QCOMPARE(grid.currentIndex().row(), 0);
        QCOMPARE(text.text(), QStringLiteral("خانواده"));

        // Re-pointing the data source re-binds both controls.
        QueryDataset named(QStringLiteral("QueryNamed"), *m_connection);
        named.SQL.Add(QStringLiteral("select * from grp where code > 1"));
        named.Open();
        source.setDataSet(&named);
        QCOMPARE(grid.model()->rowCount(), 2);
        QCOMPARE(grid.model()->index(0, 1).data().toString(), QStringLiteral("دوستان"));
        QCOMPARE(text.text(), QStringLiteral("دوستان"));
    }

    void gridEditsWriteThroughTheDataset()
    {
        TableDataset groups(QStringLiteral("TableGroup"), *m_connection, QStringLiteral("Grp"));
        DataSource source(QStringLiteral("DataSourceEdit"));
        source.setDataSet(&groups);
        DBGrid grid;
        grid.setDataSource(&source);
        grid.setColumns({DBGridColumn(QStringLiteral("Code")), DBGridColumn(QStringLiteral("Name"))});
        grid.show();
        groups.Open();
        grid.setFocus();

        QVERIFY(grid.model()->setData(grid.model()->index(0, 1), QStringLiteral("فامیل")));
        QCOMPARE(groups.state(), Dataset::State::Edit);
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Name FROM Grp WHERE Code = 1")),
                 QStringList({"خانواده"}));
        QTest::keyClick(&grid, Qt::Key_Down); // leaving the row posts it
        QCOMPARE(groups.state(), Dataset::State::Browse);
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Name FROM Grp WHERE Code = 1")),
                 QStringList({"فامیل"}));

        QTest::keyClick(&grid, Qt::Key_Down);
        QTest::keyClick(&grid, Qt::Key_Down); // past the last row: a new row
        QCOMPARE(groups.state(), Dataset::State::Insert);
        QCOMPARE(grid.model()->rowCount(), 4);
        QTest::keyClick(&grid, Qt::Key_Up); // left untouched: dropped
        QCOMPARE(groups.state(), Dataset::State::Browse);
        QCOMPARE(grid.model()->rowCount(), 3);

        MessageBox::setNextAnswer(QMessageBox::Cancel);
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(MessageBox::lastText(), QStringLiteral("Delete record?"));
        QCOMPARE(groups.RecordCount(), 3);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        const int row = groups.RecNo();
        const QString code = groups.FieldByName(QStringLiteral("code")).AsString();
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(groups.RecordCount(), 2);
        QVERIFY(!m_store->rows(QStringLiteral("SELECT Code FROM Grp")).contains(code));
        QVERIFY(row >= 0);
    }

    void closingTheWindowKeepsTypedChanges()
    {
        TableDataset groups(QStringLiteral("TableGroup"), *m_connection, QStringLiteral("Grp"));
        DataSource source(QStringLiteral("DataSourceClosing"));
        source.setDataSet(&groups);
        QWidget window;
        DBGrid grid(&window);
        grid.setDataSource(&source);
        grid.setColumns({DBGridColumn(QStringLiteral("Code")), DBGridColumn(QStringLiteral("Name"))});
        window.show();
        groups.Open();
        QVERIFY(grid.model()->setData(grid.model()->index(1, 1), QStringLiteral("رفقا")));
        window.hide();
        QCOMPARE(groups.state(), Dataset::State::Browse);
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Name FROM Grp WHERE Code = 2")), QStringList({"رفقا"}));
        QCOMPARE(grid.model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("▶"));
        QCOMPARE(grid.model()->headerData(0, Qt::Vertical).toString(), QString());
    }

    void readOnlyGridChangesNothing()
    {
        TableDataset groups(QStringLiteral("TableGroup"), *m_connection, QStringLiteral("Grp"));
        DataSource source(QStringLiteral("DataSourceReadOnly"));
        source.setDataSet(&groups);
        DBGrid grid;
        grid.setReadOnly(true);
        grid.setDataSource(&source);
        grid.setColumns({DBGridColumn(QStringLiteral("Name"))});
        grid.show();
        groups.Open();
        grid.setFocus();
        QTest::keyClicks(&grid, QStringLiteral("abc"));
        QTest::keyClick(&grid, Qt::Key_Insert);
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(!grid.model()->setData(grid.model()->index(0, 0), QStringLiteral("x")));
        QCOMPARE(groups.state(), Dataset::State::Browse);
        QCOMPARE(m_store->rows(QStringLiteral("SELECT Name FROM Grp")),
                 QStringList({"خانواده", "دوستان", "همکاران"}));
    }
};

int main(int argc, char** argv)
{
    Application app(argc, argv);
    DataAwareTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_dataaware.moc"
