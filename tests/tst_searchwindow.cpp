#include "Application.h"
#include "BitBtn.h"
#include "BrowseDriver.h"
#include "DBText.h"
#include "DataSource.h"
#include "EntryWindowDriver.h"
#include "LabeledEdit.h"
#include "MessageBox.h"
#include "QueryDataset.h"
#include "TestProgram.h"
#include "UnitDM.h"
#include "UnitMain.h"
#include "UnitSabt.h"
#include "UnitSearch.h"

#include <QLabel>
#include <memory>

using namespace BrowseDriver;
using EntryWindowDriver::BoxWatcher;

namespace {

const QString Behram = QStringLiteral("بهرام");
// Home, Company, Fax, Mobil, City, Factory, Pish, Postcod, Ad1, Ad2, Ad3.
const QStringList BehramDetails = {
    QStringLiteral("221"),    QStringLiteral("331"),   QStringLiteral("441"),
    QStringLiteral("0912"),   QStringLiteral("تهران"), QStringLiteral("ایران خودرو"),
    QStringLiteral("021"),    QStringLiteral("1234"),  QStringLiteral("خیابان آزادی"),
    QStringLiteral("کوچه 5"), QStringLiteral("پلاک 7")};
const QString GroupOneText = QStringLiteral("خانو");

// Rows in this order, Row 1 to 9: names from all over the Persian alphabet, one with
// the Arabic yeh in a group that does not exist, one with a quote in a group with a quote.
void fillStore(TestDatabase& store)
{
    store.addGroup(1, QStringLiteral("خانواده"));
    store.addGroup(2, QStringLiteral("دوستان"));
    store.addGroup(3, QStringLiteral("همکاران"));
    store.addGroup(4, QStringLiteral("Bob's"));
    store.addContact(1, Behram, BehramDetails);
    store.addContact(1, QStringLiteral("پروین"));
    store.addContact(2, QStringLiteral("تینا"));
    store.addContact(2, QStringLiteral("احمد"));
    store.addContact(3, QStringLiteral("کاظم"));
    store.addContact(3, QStringLiteral("گلی"));
    store.addContact(1, QStringLiteral("لیلا"));
    store.addContact(9, QStringLiteral("علي"));
    store.addContact(4, QStringLiteral("O'Neil"));
}

QStringList names(const char* spaceSeparated)
{
    return QString::fromUtf8(spaceSeparated).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

// The search window: searching while typing by name and by group name, what grid
// and detail texts show, and the contact the grid shows opened, changed, deleted
// and printed.
class SearchWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<BoxWatcher> m_boxes;

    static void search(LabeledEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->clear();
        typeKeyByKey(edit, text);
        // An empty edit is searched for when a key is released in it.
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
    }

    QStringList storedRows() const
    {
        return m_program->store().rows(
                   QStringLiteral("SELECT Row, Code, Name, Home FROM Phone ORDER BY Row")) +
               m_program->store().rows(QStringLiteral("SELECT Code, Name FROM Grp ORDER BY rowid"));
    }

    // The grid's current contact opened with key, with a check run inside the entry
    // window's modal run; the run is then ended unless the check ended it.
    static void openFromGrid(Qt::Key key, Qt::KeyboardModifiers modifiers, const std::function<void()>& check)
    {
        EntryWindowDriver::duringModalRun(FSabt, check);
        QTest::keyClick(FormSearch->DBGrid1, key, modifiers);
        // A key that opens nothing leaves the check to run here, with the window hidden.
        QCoreApplication::processEvents();
    }

    static QString rowOf(const QString& name)
    {
        const QStringList shown = columnTexts(FormSearch->DBGrid1, 2);
        const int row = int(shown.indexOf(name));
        return row < 0 ? QString() : columnTexts(FormSearch->DBGrid1, 3).value(row);
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>(fillStore);
        m_boxes = std::make_unique<BoxWatcher>();
        openSearchWindow();
    }

    void cleanup()
    {
        const QStringList boxes = m_boxes->texts;
        m_boxes.reset();
        m_program.reset();
        // No box came up unasked for, an error box least of all.
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(QLatin1Char('\n'))));
    }

    void nameSearchListsMatchesInPersianOrder_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("alef: laam before kaaf") << QStringLiteral("ا") << names("احمد بهرام تینا کاظم لیلا");
        QTest::newRow("Persian yeh finds the Arabic one; pe after be, gaaf after kaaf")
            << QStringLiteral("ی") << names("پروین تینا علي گلی لیلا");
        QTest::newRow("empty text: every contact")
            << QString() << names("احمد بهرام پروین تینا علي کاظم گلی لیلا O'Neil");
        QTest::newRow("percent is a wildcard")
            << QStringLiteral("%") << names("احمد بهرام پروین تینا علي کاظم گلی لیلا O'Neil");
        QTest::newRow("underscore is a wildcard") << QStringLiteral("O_N") << names("O'Neil");
        QTest::newRow("a lone quote is a character") << QStringLiteral("'") << names("O'Neil");
        QTest::newRow("a name with a quote") << QStringLiteral("O'Neil") << names("O'Neil");
        QTest::newRow("statement typed in") << QStringLiteral("'); delete from phone; --") << QStringList();
        QTest::newRow("condition typed in") << QStringLiteral("' or '1'='1") << QStringList();
        QTest::newRow("nothing matches") << QStringLiteral("xyz") << QStringList();
    }

    void nameSearchListsMatchesInPersianOrder()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, listed);
        const QStringList before = storedRows();

        search(FormSearch->ESearch, typed);

        QCOMPARE(FormSearch->ESearch->text(), typed);
        QCOMPARE(columnTexts(FormSearch->DBGrid1, 2), listed);
        QCOMPARE(currentRow(FormSearch->DBGrid1), listed.isEmpty() ? -1 : 0);
        QCOMPARE(storedRows(), before);
    }

    void groupSearchListsContactsOfMatchingGroups_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("part of a group's name")
            << GroupOneText << names("1 1 1") << names("بهرام پروین لیلا");
        QTest::newRow("middle of a name") << QStringLiteral("ست") << names("2 2") << names("احمد تینا");
        QTest::newRow("empty text: every contact of an existing group")
            << QString() << names("2 1 1 2 3 3 1 4") << names("احمد بهرام پروین تینا کاظم گلی لیلا O'Neil");
        QTest::newRow("percent is a wildcard") << QStringLiteral("%") << names("2 1 1 2 3 3 1 4")
                                               << names("احمد بهرام پروین تینا کاظم گلی لیلا O'Neil");
        QTest::newRow("a quote in the group's name")
            << QStringLiteral("b's") << names("4") << names("O'Neil");
        QTest::newRow("statement typed in")
            << QStringLiteral("'); delete from grp; --") << QStringList() << QStringList();
        QTest::newRow("a group code is not a group name")
            << QStringLiteral("1") << QStringList() << QStringList();
    }

    void groupSearchListsContactsOfMatchingGroups()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, codes);
        QFETCH(QStringList, listed);
        const QStringList before = storedRows();

        search(FormSearch->EditSearchCode, typed);

        QCOMPARE(columnTexts(FormSearch->DBGrid1, 1), codes);
        QCOMPARE(columnTexts(FormSearch->DBGrid1, 2), listed);
        QCOMPARE(storedRows(), before);
    }

    void gridAndDetailsFollowTheLatestKindOfSearch()
    {
        // On first display the details describe the contact the grid highlights.
        QCOMPARE(FormSearch->DBGrid1->dataSource(), DM->DataSource1);
        const int behramRow = int(columnTexts(FormSearch->DBGrid1, 2).indexOf(Behram));
        QVERIFY(behramRow >= 0);
        FormSearch->DBGrid1->setFocus();
        for (int row = 0; row < behramRow; ++row)
            QTest::keyClick(FormSearch->DBGrid1, Qt::Key_Down);
        QCOMPARE(FormSearch->DBText1->text(), QStringLiteral("0912"));

        struct Step
        {
            LabeledEdit* edit;
            QString typed;
            DataSource* source;
            QString nameField;
            QString firstName;
            QString firstMobil;
        };
        const QList<Step> steps = {
            {FormSearch->ESearch, QStringLiteral("ین"), DM->DataSourceSearch, QStringLiteral("Name"),
             QStringLiteral("پروین"), QString()},
            {FormSearch->EditSearchCode, GroupOneText, DM->DataSource1, QStringLiteral("Phone.Name"), Behram,
             QStringLiteral("0912")},
            {FormSearch->ESearch, QStringLiteral("بهر"), DM->DataSourceSearch, QStringLiteral("Name"), Behram,
             QStringLiteral("0912")},
        };
        for (const Step& step : steps) {
            search(step.edit, step.typed);
            QCOMPARE(FormSearch->DBGrid1->dataSource(), step.source);
            for (DBText* text : {FormSearch->DBText1, FormSearch->DBText5, FormSearch->DBText8})
                QCOMPARE(text->dataSource(), step.source);
            QCOMPARE(FormSearch->DBGrid1->column(1).fieldName, QStringLiteral("Code"));
            QCOMPARE(FormSearch->DBGrid1->column(2).fieldName, step.nameField);
            QCOMPARE(columnTexts(FormSearch->DBGrid1, 2).value(0), step.firstName);
            QCOMPARE(FormSearch->DBText1->text(), step.firstMobil);
        }
        // The group's name itself is shown nowhere; the group code is.
        QCOMPARE(columnTexts(FormSearch->DBGrid1, 1), QStringList{QStringLiteral("1")});
        QCOMPARE(FormSearch->DBText5->text(), QStringLiteral("1234"));
        QCOMPARE(FormSearch->DBText8->text(), QStringLiteral("پلاک 7"));
    }

    void nameSearchIsKeptAndRunAgainByTheMainWindowsSearchCommand()
    {
        search(FormSearch->ESearch, QStringLiteral("O'N"));
        QCOMPARE(DM->QuerySearch->SQL.lines(),
                 QStringList({QStringLiteral("select * from phone where (name like '%O''N%')"),
                              QStringLiteral("order by name")}));
        QCOMPARE(SearchStatementFirstLine, DM->QuerySearch->SQL.lines().first());
        search(FormSearch->ESearch, QStringLiteral("ا"));

        QTest::keyClick(FormSearch->DBGrid1, Qt::Key_Escape);
        QVERIFY(!FormSearch->isVisible());
        QVERIFY(FormMain->isVisible());

        m_program->store().addContact(2, QStringLiteral("امید"));
        FormMain->Label5Click();
        QVERIFY(FormSearch->isVisible());
        QCOMPARE(FormSearch->ESearch->text(), QStringLiteral("ا"));
        QCOMPARE(FormSearch->DBGrid1->dataSource(), DM->DataSourceSearch);
        QCOMPARE(columnTexts(FormSearch->DBGrid1, 2), names("احمد امید بهرام تینا کاظم لیلا"));

        FormSearch->BitBtn1->click();
        QVERIFY(!FormSearch->isVisible());
        QVERIFY(FormMain->isVisible());
    }

    void showAllButtonsListEveryContact_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("in row order")
            << QStringLiteral("BitBtn4") << names("بهرام پروین تینا احمد کاظم گلی لیلا علي O'Neil")
            << names("1 2 3 4 5 6 7 8 9");
        QTest::newRow("by name") << QStringLiteral("BitBtn3")
                                 << names("احمد بهرام پروین تینا علي کاظم گلی لیلا O'Neil")
                                 << names("4 1 2 3 8 5 6 7 9");
    }

    void showAllButtonsListEveryContact()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, rows);
        // Also from the group-search result: the list asked for comes into the grid.
        search(FormSearch->EditSearchCode, GroupOneText);

        FormSearch->findChild<BitBtn*>(button)->click();

        QCOMPARE(FormSearch->DBGrid1->dataSource(), DM->DataSourceSearch);
        QCOMPARE(columnTexts(FormSearch->DBGrid1, 2), listed);
        QCOMPARE(columnTexts(FormSearch->DBGrid1, 0), rows);
        QCOMPARE(SearchStatementFirstLine, QStringLiteral("select * from phone "));
    }

    void keysInTheGridOpenTheContactItShows_data()
    {
        QTest::addColumn<bool>("byGroup");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("edits");
        const QStringList behram = QStringList{QStringLiteral("1"), Behram} + BehramDetails;
        const QStringList empty(13);
        const int enter = Qt::Key_Return;
        const int del = Qt::Key_Delete;
        QTest::newRow("name, Enter") << false << Behram << enter << 0 << "edit" << behram;
        QTest::newRow("name, Delete") << false << Behram << del << 0 << "delete" << behram;
        QTest::newRow("name, Shift+Delete")
            << false << Behram << del << int(Qt::ShiftModifier) << "delete" << behram;
        QTest::newRow("name, Ctrl+Delete")
            << false << Behram << del << int(Qt::ControlModifier) << "delete" << behram;
        QTest::newRow("name, Alt+Delete")
            << false << Behram << del << int(Qt::AltModifier) << "delete" << behram;
        QTest::newRow("name, other key")
            << false << Behram << int(Qt::Key_Space) << 0 << "none" << QStringList();
        QTest::newRow("name, empty result")
            << false << QStringLiteral("xyz") << enter << 0 << "edit" << empty;
        QTest::newRow("group, Enter") << true << GroupOneText << enter << 0 << "edit" << behram;
        QTest::newRow("group, Delete") << true << GroupOneText << del << 0 << "delete" << behram;
        QTest::newRow("group, empty result")
            << true << QStringLiteral("xyz") << del << 0 << "delete" << empty;
    }

    void keysInTheGridOpenTheContactItShows()
    {
        QFETCH(bool, byGroup);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, mode);
        QFETCH(QStringList, edits);
        search(byGroup ? FormSearch->EditSearchCode : FormSearch->ESearch, typed);
        FSabt->ngroup->setText(QStringLiteral("left as it was"));

        QString openedMode = QStringLiteral("none");
        QStringList shownEdits;
        bool newContactButton = true;
        FormSearch->DBGrid1->setFocus();
        openFromGrid(Qt::Key(key), Qt::KeyboardModifiers(modifiers), [&] {
            if (QApplication::activeModalWidget() != FSabt)
                return;
            openedMode =
                FSabt->BitBtn2->isVisibleTo(FSabt) ? QStringLiteral("edit") : QStringLiteral("delete");
            QCOMPARE(FSabt->BitBtn2->isVisibleTo(FSabt), !FSabt->BitBtn3->isVisibleTo(FSabt));
            newContactButton = FSabt->BitBtn4->isVisibleTo(FSabt);
            shownEdits = EntryWindowDriver::editTexts();
        });

        QCOMPARE(openedMode, mode);
        QVERIFY(!FSabt->isVisible());
        if (mode == QStringLiteral("none"))
            return;
        QVERIFY(!newContactButton);
        QCOMPARE(shownEdits, edits);
        QCOMPARE(FSabt->ngroup->text(), QStringLiteral("left as it was"));
    }

    void editAndDeleteShowInTheResultTheyWereMadeFrom_data()
    {
        QTest::addColumn<bool>("byGroup");
        QTest::addColumn<bool>("deleting");
        QTest::newRow("name result, edit") << false << false;
        QTest::newRow("name result, delete") << false << true;
        QTest::newRow("group result, edit") << true << false;
        QTest::newRow("group result, delete") << true << true;
    }

    void editAndDeleteShowInTheResultTheyWereMadeFrom()
    {
        QFETCH(bool, byGroup);
        QFETCH(bool, deleting);
        search(byGroup ? FormSearch->EditSearchCode : FormSearch->ESearch,
               byGroup ? GroupOneText : QStringLiteral("ر"));
        QCOMPARE(rowOf(Behram), QStringLiteral("221"));
        // Behram is the first row of both results.
        FormSearch->DBGrid1->setFocus();

        openFromGrid(deleting ? Qt::Key_Delete : Qt::Key_Return, Qt::NoModifier, [deleting] {
            if (deleting) {
                MessageBox::setNextAnswer(QMessageBox::Yes);
                FSabt->BitBtn3->click();
            } else {
                FSabt->home->setText(QStringLiteral("999"));
                MessageBox::setNextAnswer(QMessageBox::Ok);
                FSabt->BitBtn2->click();
            }
        });
        // The outcome message came up for real and was closed.
        QCOMPARE(m_boxes->texts, deleting ? QStringList{QStringLiteral(".حذف شد")} : QStringList());
        m_boxes->texts.clear();

        QCOMPARE(m_program->store().rows(QStringLiteral("SELECT Home FROM Phone WHERE Row = 1")),
                 deleting ? QStringList() : QStringList{QStringLiteral("999")});
        QCOMPARE(columnTexts(FormSearch->DBGrid1, 2).contains(Behram), !deleting);
        QCOMPARE(rowOf(Behram), deleting ? QString() : QStringLiteral("999"));
        QCOMPARE(columnTexts(FormSearch->DBGrid1, 2).size(), (byGroup ? 3 : 2) - int(deleting));
    }

    void envelopeCarriesTheContactTheGridShows_data()
    {
        QTest::addColumn<bool>("byGroup");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("envelope");
        const QStringList full = {QStringLiteral("تهران-خیابان آزادی"), QStringLiteral("کوچه 5-بهرام"),
                                  QString(), QStringLiteral("0912-331-021"), QStringLiteral("1234")};
        const QStringList empty = {QStringLiteral("-"), QStringLiteral("-"), QString(), QStringLiteral("--"),
                                   QString()};
        QTest::newRow("name result") << false << Behram << full;
        QTest::newRow("group result") << true << GroupOneText << full;
        QTest::newRow("empty name result") << false << QStringLiteral("xyz") << empty;
        QTest::newRow("empty group result") << true << QStringLiteral("xyz") << empty;
    }

    void envelopeCarriesTheContactTheGridShows()
    {
        QFETCH(bool, byGroup);
        QFETCH(QString, typed);
        QFETCH(QStringList, envelope);
        search(byGroup ? FormSearch->EditSearchCode : FormSearch->ESearch, typed);
        // An earlier envelope's texts must not remain.
        for (ReportLabel* slot : {Report->QR1, Report->QR3, Report->QRLabel4, Report->QR4, Report->QR5})
            slot->setCaption(QStringLiteral("earlier"));

        bool previewed = false;
        closeNextPreview(&previewed);
        FormSearch->BitBtn2->click();

        QVERIFY(previewed);
        QCOMPARE(envelopeSlots(), envelope);
    }

    void listPreviewHoldsTheContactsTheGridShows_data()
    {
        QTest::addColumn<bool>("byGroup");
        QTest::addColumn<QString>("typed");
        QTest::newRow("name result") << false << QStringLiteral("ی");
        QTest::newRow("group result") << true << QStringLiteral("ان");
    }

    void listPreviewHoldsTheContactsTheGridShows()
    {
        QFETCH(bool, byGroup);
        QFETCH(QString, typed);
        search(FormSearch->ESearch, QStringLiteral("ا"));
        search(byGroup ? FormSearch->EditSearchCode : FormSearch->ESearch, typed);
        const QStringList shown = columnTexts(FormSearch->DBGrid1, 2);
        const QStringList statement = DM->QuerySearch->SQL.lines();

        QStringList listed;
        bool previewed = false;
        closeNextPreview(&previewed, [&listed] {
            Dataset* list = DM->QuerySearch;
            for (int row = 0; row < list->RecordCount(); ++row)
                listed << list->displayValue(row, list->FieldByName(QStringLiteral("Name"))).toString();
        });
        FormSearch->BitBtn5->click();

        QVERIFY(previewed);
        QCOMPARE(listed, shown);
        // Afterwards the name search's own statement is back, for the main window to run again.
        QCOMPARE(DM->QuerySearch->SQL.lines(), statement);
        QCOMPARE(columnTexts(FormSearch->DBGrid1, 2), shown);
    }
};

int main(int argc, char** argv)
{
    Application app(argc, argv);
    SearchWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_searchwindow.moc"
