#include "Application.h"
#include "BitBtn.h"
#include "BrowseDriver.h"
#include "DBText.h"
#include "EntryWindowDriver.h"
#include "LabeledEdit.h"
#include "MessageBox.h"
#include "TestProgram.h"
#include "UnitDM.h"
#include "UnitMain.h"
#include "UnitSabt.h"
#include "UnitSearch.h"
#include "Unitnama.h"

#include <QPushButton>
#include <memory>

using namespace BrowseDriver;
using EntryWindowDriver::BoxWatcher;

namespace {

const QString Ali = QStringLiteral("علی رضایی");
const QString EditedMessage = QStringLiteral(".ويرايش شد");
const QString DeletedMessage = QStringLiteral(".حذف شد");
const QString RowChangedError = QStringLiteral("TableSabt: Row cannot be located for updating. Some values "
                                               "may have been changed since it was last read.");

// Rows 1 and 3 look alike: one group, one name; only their numbers tell them apart.
// Row 5 has no group code, as another program may leave a contact.
void fillStore(TestDatabase& store)
{
    store.addGroup(1, QStringLiteral("دوستان"));
    store.addGroup(2, QStringLiteral("همکاران"));
    // Home, Company, Fax, Mobil.
    store.addContact(1, Ali, {QStringLiteral("111"), {}, QStringLiteral("f1"), QStringLiteral("0912-1")});
    store.addContact(1, QStringLiteral("مینا"), {QStringLiteral("555"), {}, QStringLiteral("f5")});
    store.addContact(1, Ali, {QStringLiteral("222"), {}, QStringLiteral("f2"), QStringLiteral("0912-2")});
    store.addContact(2, QStringLiteral("نادر"), {QStringLiteral("333")});
    store.exec(QStringLiteral("INSERT INTO Phone (Name, Home) VALUES ('بی‌گروه', '444')"));
}

const QStringList StoredAtStart = {"1|1|علی رضایی|111|f1|0912-1", "2|1|مینا|555|f5|",
                                   "3|1|علی رضایی|222|f2|0912-2", "4|2|نادر|333||",
                                   "5||بی‌گروه|444||"};

// Moves the grid's current row with the arrow keys, as a user does, to the row whose
// column shows text.
void goToRowShowing(DBGrid* grid, int column, const QString& text)
{
    grid->setFocus();
    const int target = int(columnTexts(grid, column).indexOf(text));
    QVERIFY2(target >= 0, qPrintable(text));
    while (currentRow(grid) < target)
        QTest::keyClick(grid, Qt::Key_Down);
    while (currentRow(grid) > target)
        QTest::keyClick(grid, Qt::Key_Up);
    QCOMPARE(currentRow(grid), target);
}

// What the user does in the entry window: note the edits, change the mobile number
// unless it is left empty, and press the mode's button (Yes to the delete question).
void changeMobileAndConfirm(const QString& mobile, QStringList* shown)
{
    *shown = EntryWindowDriver::editTexts();
    if (!mobile.isNull())
        FSabt->mobil->setText(mobile);
    if (FSabt->BitBtn3->isVisible())
        MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(FSabt->BitBtn2->isVisible() ? FSabt->BitBtn2 : FSabt->BitBtn3, Qt::LeftButton);
}

} // namespace

// Editing and deleting reach the contact the user chose in a list, as the file holds
// it, however much it looks like another and whatever another program did meanwhile.
class ChosenContactTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<BoxWatcher> m_boxes;

    QStringList stored() const
    {
        return m_program->store().rows(
            QStringLiteral("SELECT Row, Code, Name, Home, Fax, Mobil FROM Phone ORDER BY Row"));
    }

    static void search(LabeledEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->clear();
        typeKeyByKey(edit, text);
    }

    // The grid's current contact opened with key; inside the entry window's modal run,
    // interaction.
    static void openFromSearchGrid(Qt::Key key, const std::function<void()>& interaction)
    {
        EntryWindowDriver::duringModalRun(FSabt, interaction);
        QTest::keyClick(FormSearch->DBGrid1, key);
        QVERIFY(!FSabt->isVisible());
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>(fillStore);
        m_boxes = std::make_unique<BoxWatcher>();
        QCOMPARE(stored(), StoredAtStart);
    }

    void cleanup()
    {
        m_boxes.reset();
        m_program.reset();
    }

    void searchWindowWritesTheLookAlikeChosen_data()
    {
        QTest::addColumn<bool>("byGroup");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QStringList>("afterwards");

        QStringList changed = StoredAtStart;
        changed[2] = QStringLiteral("3|1|علی رضایی|222|f2|0935");
        QStringList deleted = StoredAtStart;
        deleted.removeAt(2);
        for (const bool byGroup : {false, true}) {
            const char* result = byGroup ? "group result" : "name result";
            QTest::addRow("%s, Enter, changed", result)
                << byGroup << int(Qt::Key_Return) << "0935" << changed;
            QTest::addRow("%s, Enter, nothing changed", result)
                << byGroup << int(Qt::Key_Return) << QString() << StoredAtStart;
            QTest::addRow("%s, Delete", result) << byGroup << int(Qt::Key_Delete) << QString() << deleted;
        }
    }

    void searchWindowWritesTheLookAlikeChosen()
    {
        QFETCH(bool, byGroup);
        QFETCH(int, key);
        QFETCH(QString, mobile);
        QFETCH(QStringList, afterwards);
        openSearchWindow();
        if (byGroup)
            search(FormSearch->EditSearchCode, QStringLiteral("دوست"));
        else
            search(FormSearch->ESearch, QStringLiteral("علی"));
        goToRowShowing(FormSearch->DBGrid1, 3, QStringLiteral("222"));

        QStringList shown;
        openFromSearchGrid(Qt::Key(key), [&] { changeMobileAndConfirm(mobile, &shown); });

        QCOMPARE(shown.mid(0, 4), QStringList({"1", Ali, "222", ""}));
        QCOMPARE(stored(), afterwards);
        QCOMPARE(m_boxes->texts, QStringList{key == Qt::Key_Delete ? DeletedMessage : EditedMessage});
    }

    void displayByGroupWritesTheLookAlikeChosenAndKeepsItCurrent_data()
    {
        QTest::addColumn<bool>("backWithoutChange");
        QTest::newRow("edited") << false;
        QTest::newRow("back without a change") << true;
    }

    void displayByGroupWritesTheLookAlikeChosenAndKeepsItCurrent()
    {
        QFETCH(bool, backWithoutChange);
        QStringList expected = StoredAtStart;
        if (!backWithoutChange)
            expected[2] = QStringLiteral("3|1|علی رضایی|222|f2|0935");

        inDisplayByGroup([&] {
            goToRowShowing(Form1->DBGrid1, 1, QStringLiteral("222"));
            QStringList shown;
            EntryWindowDriver::duringModalRun(FSabt, [&] {
                if (backWithoutChange) {
                    shown = EntryWindowDriver::editTexts();
                    QTest::mouseClick(FSabt->BitBtn1, Qt::LeftButton);
                } else {
                    changeMobileAndConfirm(QStringLiteral("0935"), &shown);
                }
            });
            QTest::keyClick(Form1->DBGrid1, Qt::Key_Return);
            QCOMPARE(shown.value(2), QStringLiteral("222"));
            QCOMPARE(stored(), expected);

            // The list is read again and still stands on the chosen contact, whose
            // envelope "پرينت" prints.
            QCOMPARE(columnTexts(Form1->DBGrid1, 1).value(currentRow(Form1->DBGrid1)), QStringLiteral("222"));
            const QString mobile = backWithoutChange ? QStringLiteral("0912-2") : QStringLiteral("0935");
            QCOMPARE(Form1->DBText1->text(), mobile);
            bool previewed = false;
            closeNextPreview(&previewed);
            QTest::mouseClick(Form1->Button2, Qt::LeftButton);
            QVERIFY(previewed);
            QCOMPARE(envelopeSlots().value(2), QStringLiteral("-") + Ali);
            QCOMPARE(envelopeSlots().value(3), mobile + QStringLiteral("--"));

            // Ctrl+Delete there deletes that contact and no other.
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::keyClick(Form1->DBGrid1, Qt::Key_Delete, Qt::ControlModifier);
            expected.removeAt(2);
            QCOMPARE(stored(), expected);
        });
    }

    void contactWithoutGroupCodeCanBeEditedAndDeleted_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typedCode");
        QTest::addColumn<QString>("row");
        QTest::newRow("edit, given a group") << int(Qt::Key_Return) << "2"
                                             << "5|2|بی‌گروه|444||0935";
        QTest::newRow("delete") << int(Qt::Key_Delete) << ""
                                << "";
    }

    void contactWithoutGroupCodeCanBeEditedAndDeleted()
    {
        QFETCH(int, key);
        QFETCH(QString, typedCode);
        QFETCH(QString, row);
        openSearchWindow();
        search(FormSearch->ESearch, QStringLiteral("بی"));
        QCOMPARE(columnTexts(FormSearch->DBGrid1, 1), QStringList{QString()});
        FormSearch->DBGrid1->setFocus();
        QStringList shown;
        openFromSearchGrid(Qt::Key(key), [&] {
            const QStringList onOpening = EntryWindowDriver::editTexts();
            FSabt->code->setText(typedCode);
            changeMobileAndConfirm(QStringLiteral("0935"), &shown);
            shown = onOpening;
        });
        QCOMPARE(shown.mid(0, 3), QStringList({"", "بی‌گروه", "444"}));
        QStringList expected = StoredAtStart.mid(0, 4);
        if (!row.isEmpty())
            expected << row;
        QCOMPARE(stored(), expected);
    }

    // The entry window is up for a new contact when a list asks for it: the typing stays.
    void listLeavesTheTypingOfANewContactAlone()
    {
        FormMain->Show();
        FormMain->Label4Click();
        FSabt->code->setText(QStringLiteral("2"));
        FSabt->name->setText(QStringLiteral("نیمه‌کاره"));
        FormMain->Label5Click();
        QApplication::setActiveWindow(FormSearch);
        QVERIFY(QTest::qWaitForWindowActive(FormSearch));
        goToRowShowing(FormSearch->DBGrid1, 3, QStringLiteral("222"));

        QTest::keyClick(FormSearch->DBGrid1, Qt::Key_Return);
        QCOMPARE(m_boxes->texts, QStringList{QStringLiteral("Cannot make a visible window modal")});
        QCOMPARE(EntryWindowDriver::editTexts().mid(0, 3), QStringList({"2", "نیمه‌کاره", ""}));
        QVERIFY(FSabt->BitBtn4->isVisibleTo(FSabt));
        QVERIFY(!FSabt->BitBtn2->isVisibleTo(FSabt));
        QCOMPARE(stored(), StoredAtStart);
    }

    // Another program works on the same file: before the list is read (the entry
    // table's snapshot is older), after the list is read, or while the entry window is open.
    void anotherProgramWritingTheSameFile_data()
    {
        QTest::addColumn<QString>("beforeSearch");
        QTest::addColumn<QString>("afterSearch");
        QTest::addColumn<QString>("whileOpen");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosenHome");
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<QString>("shownFax");
        QTest::addColumn<QStringList>("afterwards");
        QTest::addColumn<QStringList>("boxes");

        const QString swapNames = QStringLiteral("UPDATE Phone SET Name = 'علی قدیم' WHERE Row = 1; "
                                                 "UPDATE Phone SET Name = 'علی رضایی' WHERE Row = 2");
        QStringList swapped = StoredAtStart;
        swapped[0] = QStringLiteral("1|1|علی قدیم|111|f1|0912-1");
        swapped[1] = QStringLiteral("2|1|علی رضایی|555|f5|");
        QStringList swappedEdited = swapped;
        swappedEdited[1] = QStringLiteral("2|1|علی رضایی|555|f5|0935");
        QStringList swappedDeleted = swapped;
        swappedDeleted.removeAt(1);
        QTest::newRow("names changed, edit") << swapNames << QString() << QString() << Ali << "555" << false
                                             << "f5" << swappedEdited << QStringList{EditedMessage};
        QTest::newRow("names changed, delete") << swapNames << QString() << QString() << Ali << "555" << true
                                               << "f5" << swappedDeleted << QStringList{DeletedMessage};

        const QString faxChanged = QStringLiteral("UPDATE Phone SET Fax = 'new fax' WHERE Row = 3");
        QStringList faxKept = StoredAtStart;
        faxKept[2] = QStringLiteral("3|1|علی رضایی|222|new fax|0935");
        QTest::newRow("another field changed after the list was read")
            << QString() << faxChanged << QString() << Ali << "222" << false << "new fax" << faxKept
            << QStringList{EditedMessage};
        QStringList faxOnly = StoredAtStart;
        faxOnly[2] = QStringLiteral("3|1|علی رضایی|222|new fax|0912-2");
        QTest::newRow("another field changed while the window is open")
            << QString() << QString() << faxChanged << Ali << "222" << false << "f2" << faxOnly
            << QStringList{RowChangedError};
        QTest::newRow("changed while the window is open, delete")
            << QString() << QString() << faxChanged << Ali << "222" << true << "f2" << faxOnly
            << QStringList{RowChangedError};

        const QString added =
            QStringLiteral("INSERT INTO Phone (Code, Name, Home) VALUES (2, 'تازه', '666')");
        QTest::newRow("added by another program, edit")
            << added << QString() << QString() << "تازه"
            << "666" << false << "" << StoredAtStart + QStringList{"6|2|تازه|666||0935"}
            << QStringList{EditedMessage};
        QTest::newRow("added by another program, delete")
            << added << QString() << QString() << "تازه"
            << "666" << true << "" << StoredAtStart << QStringList{DeletedMessage};
    }

    void anotherProgramWritingTheSameFile()
    {
        QFETCH(QString, beforeSearch);
        QFETCH(QString, afterSearch);
        QFETCH(QString, whileOpen);
        QFETCH(QString, typed);
        QFETCH(QString, chosenHome);
        QFETCH(bool, deleting);
        QFETCH(QString, shownFax);
        QFETCH(QStringList, afterwards);
        QFETCH(QStringList, boxes);
        TestDatabase& otherProgram = m_program->store();

        openSearchWindow();
        if (!beforeSearch.isEmpty())
            otherProgram.exec(beforeSearch);
        search(FormSearch->ESearch, typed);
        goToRowShowing(FormSearch->DBGrid1, 3, chosenHome);
        if (!afterSearch.isEmpty())
            otherProgram.exec(afterSearch);

        QStringList shown;
        openFromSearchGrid(deleting ? Qt::Key_Delete : Qt::Key_Return, [&] {
            if (!whileOpen.isEmpty())
                otherProgram.exec(whileOpen);
            changeMobileAndConfirm(QStringLiteral("0935"), &shown);
        });

        // The window showed the chosen contact as the file held it when it opened.
        QCOMPARE(shown.value(2), chosenHome);
        QCOMPARE(shown.value(4), shownFax);
        QCOMPARE(stored(), afterwards);
        QCOMPARE(m_boxes->texts, boxes);
    }
};

int main(int argc, char** argv)
{
    Application app(argc, argv);
    ChosenContactTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_chosencontact.moc"
