#include "Application.h"
#include "BitBtn.h"
#include "BrowseDriver.h"
#include "DBText.h"
#include "EntryWindowDriver.h"
#include "LabeledEdit.h"
#include "MessageBox.h"
#include "QueryDataset.h"
#include "TestProgram.h"
#include "UnitDM.h"
#include "UnitMain.h"
#include "UnitSabt.h"
#include "Unitnama.h"
#include "UnitrepGroup.h"

#include <QLabel>
#include <QPushButton>
#include <memory>
#include <sqlite3.h>

using namespace BrowseDriver;
using EntryWindowDriver::BoxWatcher;

namespace {

const QString Behram = QStringLiteral("بهرام");
const QString Parvin = QStringLiteral("پروین");
// Home, Company, Fax, Mobil, City, Factory, Pish, Postcod, Ad1, Ad2, Ad3.
const QStringList BehramDetails = {
    QStringLiteral("221"),    QStringLiteral("331"),   QStringLiteral("441"),
    QStringLiteral("0912"),   QStringLiteral("تهران"), QStringLiteral("ایران خودرو"),
    QStringLiteral("021"),    QStringLiteral("1234"),  QStringLiteral("خیابان آزادی"),
    QStringLiteral("کوچه 5"), QStringLiteral("پلاک 7")};

// Group 1 holds a full contact and one with a city alone, group 2 one contact,
// group 3 none.
void fillStore(TestDatabase& store)
{
    store.addGroup(1, QStringLiteral("خانواده"));
    store.addGroup(2, QStringLiteral("دوستان"));
    store.addGroup(3, QStringLiteral("خالی"));
    store.addContact(1, Behram, BehramDetails);
    store.addContact(2, QStringLiteral("تینا"), {QStringLiteral("555")});
    store.addContact(1, Parvin, {{}, {}, {}, {}, QStringLiteral("شیراز")});
}

QList<DBText*> detailTexts()
{
    return {Form1->DBText1, Form1->DBText2, Form1->DBText3, Form1->DBText4,
            Form1->DBText5, Form1->DBText6, Form1->DBText7, Form1->DBText8};
}

QStringList detailTextsShown()
{
    QStringList texts;
    for (const DBText* text : detailTexts())
        texts << text->text();
    return texts;
}

// Makes the group in row current, as a click in the group grid does.
void selectGroup(int row)
{
    Form1->DBGrid2->setCurrentIndex(Form1->DBGrid2->model()->index(row, 0));
}

void selectContact(int row)
{
    Form1->DBGrid1->setFocus();
    Form1->DBGrid1->setCurrentIndex(Form1->DBGrid1->model()->index(row, 0));
}

} // namespace

// The display by group: groups and their contacts side by side, the contact opened
// for editing, the envelope and the group sheet, and changes made in the grids.
class DisplayByGroupTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<BoxWatcher> m_boxes;

    QStringList storedRows() const
    {
        return m_program->store().rows(QStringLiteral("SELECT Code, Name FROM Phone ORDER BY Row")) +
               m_program->store().rows(QStringLiteral("SELECT Code, Name FROM Grp ORDER BY rowid"));
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>(fillStore);
        m_boxes = std::make_unique<BoxWatcher>();
        FormMain->Show();
    }

    void cleanup()
    {
        const QStringList boxes = m_boxes->texts;
        m_boxes.reset();
        m_program.reset();
        // No box came up unasked for, an error box least of all.
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(QLatin1Char('\n'))));
    }

    void contactsAndDetailsFollowTheSelectedGroup()
    {
        inDisplayByGroup([] {
            QVERIFY(Form1->windowTitle().startsWith(QString(63, QLatin1Char(' ')) + QStringLiteral("نمايش")));
            QCOMPARE(QApplication::focusWidget(), Form1->DBGrid1);
            QCOMPARE(columnTexts(Form1->DBGrid2, 0), QStringList({"1", "2", "3"}));
            QCOMPARE(
                columnTexts(Form1->DBGrid2, 1),
                QStringList({QStringLiteral("خانواده"), QStringLiteral("دوستان"), QStringLiteral("خالی")}));
            QCOMPARE(columnTexts(Form1->DBGrid1, 0), QStringList({Behram, Parvin}));
            QCOMPARE(columnTexts(Form1->DBGrid1, 1), QStringList({QStringLiteral("221"), QString()}));
            QCOMPARE(detailTextsShown(), QStringList({"0912", "ایران خودرو", "تهران", "021", "1234",
                                                      "خیابان آزادی", "کوچه 5", "پلاک 7"}));

            QTest::keyClick(Form1->DBGrid1, Qt::Key_Down);
            QCOMPARE(detailTextsShown(), QStringList({"", "", "شیراز", "", "", "", "", ""}));

            Form1->DBGrid2->setFocus();
            QTest::keyClick(Form1->DBGrid2, Qt::Key_Down);
            QCOMPARE(columnTexts(Form1->DBGrid1, 0), QStringList{QStringLiteral("تینا")});
            QCOMPARE(columnTexts(Form1->DBGrid1, 1), QStringList{QStringLiteral("555")});
            QTest::keyClick(Form1->DBGrid2, Qt::Key_Down);
            QCOMPARE(columnTexts(Form1->DBGrid1, 0), QStringList());
            QCOMPARE(detailTextsShown(), QStringList(8));
        });
    }

    void enterInTheContactGridOpensItForEditing_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("edits");
        const QStringList behram = QStringList{QStringLiteral("1"), Behram} + BehramDetails;
        QTest::newRow("Enter on a contact") << 0 << "DBGrid1" << int(Qt::Key_Return) << true << behram;
        QTest::newRow("keypad Enter") << 0 << "DBGrid1" << int(Qt::Key_Enter) << true << behram;
        QTest::newRow("Enter in a group without contacts")
            << 2 << "DBGrid1" << int(Qt::Key_Return) << true << QStringList(13);
        QTest::newRow("another key") << 0 << "DBGrid1" << int(Qt::Key_Space) << false << QStringList();
        QTest::newRow("Enter in the group grid")
            << 0 << "DBGrid2" << int(Qt::Key_Return) << false << QStringList();
    }

    void enterInTheContactGridOpensItForEditing()
    {
        QFETCH(int, group);
        QFETCH(QString, grid);
        QFETCH(int, key);
        QFETCH(bool, opens);
        QFETCH(QStringList, edits);
        FSabt->ngroup->setText(QStringLiteral("left as it was"));

        inDisplayByGroup([&] {
            selectGroup(group);
            bool opened = false;
            QStringList shownEdits;
            EntryWindowDriver::duringModalRun(FSabt, [&] {
                if (QApplication::activeModalWidget() != FSabt)
                    return;
                opened = true;
                QVERIFY(FSabt->BitBtn2->isVisibleTo(FSabt));
                QVERIFY(!FSabt->BitBtn3->isVisibleTo(FSabt));
                QVERIFY(!FSabt->BitBtn4->isVisibleTo(FSabt));
                shownEdits = EntryWindowDriver::editTexts();
            });
            auto* target = Form1->findChild<DBGrid*>(grid);
            target->setFocus();
            QTest::keyClick(target, Qt::Key(key));
            QCoreApplication::processEvents();

            QCOMPARE(opened, opens);
            QCOMPARE(shownEdits, edits);
            QVERIFY(Form1->isVisible());
        });
        QCOMPARE(FSabt->ngroup->text(), QStringLiteral("left as it was"));
    }

    void anEditedContactShowsItsNewValues()
    {
        inDisplayByGroup([this] {
            selectContact(0);
            EntryWindowDriver::duringModalRun(FSabt, [] {
                FSabt->home->setText(QStringLiteral("999"));
                FSabt->mobil->setText(QStringLiteral("0935"));
                MessageBox::setNextAnswer(QMessageBox::Ok);
                FSabt->BitBtn2->click();
            });
            QTest::keyClick(Form1->DBGrid1, Qt::Key_Return);

            QCOMPARE(m_program->store().rows(QStringLiteral("SELECT Home, Mobil FROM Phone WHERE Row = 1")),
                     QStringList{QStringLiteral("999|0935")});
            QCOMPARE(columnTexts(Form1->DBGrid1, 1).value(0), QStringLiteral("999"));
            QCOMPARE(Form1->DBText1->text(), QStringLiteral("0935"));

            // Opened again, the contact comes with its new values, which a second edit keeps.
            QString mobil;
            EntryWindowDriver::duringModalRun(FSabt, [&mobil] { mobil = FSabt->mobil->text(); });
            QTest::keyClick(Form1->DBGrid1, Qt::Key_Return);
            QCOMPARE(mobil, QStringLiteral("0935"));
        });
    }

    void envelopeCarriesTheSelectedContact_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("contact");
        QTest::addColumn<QStringList>("envelope");
        QTest::newRow("full contact")
            << 0 << 0 << QStringList{"تهران-خیابان آزادی", "کوچه 5", "پلاک 7-بهرام", "0912-331-021", "1234"};
        QTest::newRow("city alone") << 0 << 1 << QStringList{"شیراز-", "", "-پروین", "--", ""};
        QTest::newRow("group without contacts") << 2 << -1 << QStringList{"-", "", "-", "--", ""};
    }

    void envelopeCarriesTheSelectedContact()
    {
        QFETCH(int, group);
        QFETCH(int, contact);
        QFETCH(QStringList, envelope);
        inDisplayByGroup([&] {
            selectGroup(group);
            if (contact >= 0)
                selectContact(contact);
            bool previewed = false;
            closeNextPreview(&previewed);
            QTest::mouseClick(Form1->Button2, Qt::LeftButton);
            QVERIFY(previewed);
            QCOMPARE(envelopeSlots(), envelope);
        });
    }

    void groupSheetIsPreviewed()
    {
        inDisplayByGroup([] {
            bool previewed = false;
            closeNextPreview(&previewed);
            QTest::mouseClick(Form1->Button1, Qt::LeftButton);
            QVERIFY(previewed);
            QVERIFY(Form1->isVisible());
        });
    }

    void ctrlDeleteDeletesTheCurrentRowAfterConfirmation_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("stored");
        const QStringList contacts = {QStringLiteral("1|بهرام"), QStringLiteral("2|تینا"),
                                      QStringLiteral("1|پروین")};
        const QStringList groups = {QStringLiteral("1|خانواده"), QStringLiteral("2|دوستان"),
                                    QStringLiteral("3|خالی")};
        QTest::newRow("contact, OK") << "DBGrid1" << int(QMessageBox::Ok) << contacts.mid(1) + groups;
        QTest::newRow("contact, Cancel") << "DBGrid1" << int(QMessageBox::Cancel) << contacts + groups;
        // The group's contacts stay.
        QTest::newRow("group, OK") << "DBGrid2" << int(QMessageBox::Ok) << contacts + groups.mid(1);
        QTest::newRow("group, Cancel") << "DBGrid2" << int(QMessageBox::Cancel) << contacts + groups;
    }

    void ctrlDeleteDeletesTheCurrentRowAfterConfirmation()
    {
        QFETCH(QString, grid);
        QFETCH(int, answer);
        QFETCH(QStringList, stored);
        inDisplayByGroup([&] {
            auto* target = Form1->findChild<DBGrid*>(grid);
            target->setFocus();
            MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
            QTest::keyClick(target, Qt::Key_Delete, Qt::ControlModifier);
            QCOMPARE(MessageBox::lastText(), QStringLiteral("Delete record?"));
            QVERIFY(!FSabt->isVisible());
        });
        QCOMPARE(storedRows(), stored);
    }

    void groupsTakeTypingContactsDoNot()
    {
        const QStringList before = storedRows();
        inDisplayByGroup([] {
            Form1->DBGrid1->setFocus();
            QTest::keyClicks(Form1->DBGrid1, QStringLiteral("x"));
            // No cell editor took the focus.
            QCOMPARE(QApplication::focusWidget(), Form1->DBGrid1);

            Form1->DBGrid2->setFocus();
            Form1->DBGrid2->setCurrentIndex(Form1->DBGrid2->model()->index(0, 1));
            // The first key opens the cell's editor, which takes the rest.
            QTest::keyClick(Form1->DBGrid2, 'F');
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("amily"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::keyClick(Form1->DBGrid2, Qt::Key_Down);
        });
        QStringList after = before;
        after[3] = QStringLiteral("1|Family");
        QCOMPARE(storedRows(), after);
    }

    // While a new group is being typed into the group grid, the contacts, the details and
    // the group sheet are the new group's: none yet.
    void newGroupRowShowsItsOwnEmptyContactList()
    {
        inDisplayByGroup([] {
            QCOMPARE(columnTexts(Form1->DBGrid1, 0), QStringList({Behram, Parvin}));
            Form1->DBGrid2->setFocus();
            QTest::keyClick(Form1->DBGrid2, Qt::Key_Insert);
            QCOMPARE(Form1->DBGrid2->model()->rowCount(), 4);
            QTest::keyClick(Form1->DBGrid2, '1');
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(DM->QueryMaster->state(), Dataset::State::Insert);

            QCOMPARE(Form1->DBGrid1->model()->rowCount(), 0);
            QCOMPARE(detailTextsShown(), QStringList(8));
            QStringList printed;
            bool previewed = false;
            closeNextPreview(&previewed, [&printed] {
                for (const ReportPage& page : RepGroup->build())
                    for (const PlacedText& text : page.texts)
                        printed += text.lines;
            });
            QTest::mouseClick(Form1->Button1, Qt::LeftButton);
            QVERIFY(previewed);
            QVERIFY(!printed.isEmpty());
            QVERIFY2(!printed.join(' ').contains(Behram), qPrintable(printed.join(' ')));

            // Left without a name, the new row is posted and shows what its code holds.
            QTest::keyClick(Form1->DBGrid2, Qt::Key_Up);
            QCOMPARE(DM->QueryMaster->state(), Dataset::State::Browse);
            QCOMPARE(columnTexts(Form1->DBGrid2, 0).last(), QStringLiteral("1"));
        });
    }

    // The command re-opens the groups, which runs the contacts once through the master
    // link, and the contacts once more itself.
    void displayCommandRunsTheContactsTwice()
    {
        int runs = 0;
        sqlite3_trace_v2(
            DM->ADOConnection.handle(), SQLITE_TRACE_STMT,
            [](unsigned, void* counter, void* statement, void*) {
                if (QByteArray(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)))
                        .contains("where code=:code"))
                    ++*static_cast<int*>(counter);
                return 0;
            },
            &runs);
        for (int opening = 0; opening < 2; ++opening) {
            runs = 0;
            inDisplayByGroup([] {});
            QCOMPARE(runs, 2);
        }
        sqlite3_trace_v2(DM->ADOConnection.handle(), 0, nullptr, nullptr);
    }

    void escapeClosesTheWindowFromEitherGrid_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::newRow("contacts") << "DBGrid1";
        QTest::newRow("groups") << "DBGrid2";
    }

    void escapeClosesTheWindowFromEitherGrid()
    {
        QFETCH(QString, grid);
        inDisplayByGroup([&] {
            auto* target = Form1->findChild<DBGrid*>(grid);
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Escape);
            QCOMPARE(Form1->ModalResult(), int(Form::mrCancel));
        });
        QVERIFY(FormMain->isVisible());
    }
};

int main(int argc, char** argv)
{
    Application app(argc, argv);
    DisplayByGroupTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_displaybygroup.moc"
