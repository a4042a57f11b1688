#include "Application.h"
#include "EntryWindowDriver.h"
#include "MessageBox.h"
#include "QueryDataset.h"
#include "TableDataset.h"
#include "TestProgram.h"
#include "UnitDM.h"
#include "UnitListGroup.h"

#include <QClipboard>
#include <memory>

using namespace EntryWindowDriver;

namespace {

const QString SaveQuestion = QStringLiteral("آيا اطلاعات ذخيره شود ؟");
const QString SavedMessage = QStringLiteral(".اطلاعات ثبت شد ");
const QString EditedMessage = QStringLiteral(".ويرايش شد");
const QString DeleteQuestion = QStringLiteral("آيا اطلاعات حذف شود ؟");
const QString DeletedMessage = QStringLiteral(".حذف شد");
const QString GroupNotFoundMessage = QStringLiteral("گروه پيدا نشد");
const QString ContactNotFoundMessage = QStringLiteral("شخص پيدا نشد");

const QString Earlier = QStringLiteral("گروه پیشین");

QString notAnInteger(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

// Every text field of a contact holds `text`.
QStringList contactWith(const QString& code, const QString& text)
{
    QStringList columns{code};
    for (int i = 0; i < 12; ++i)
        columns << text;
    return columns;
}

// The names in the search results, in their order.
QStringList contactNames()
{
    QStringList names;
    DM->QuerySearch->First();
    while (!DM->QuerySearch->Eof()) {
        names << DM->QuerySearch->FieldByName(QStringLiteral("name")).AsString();
        DM->QuerySearch->Next();
    }
    return names;
}

} // namespace

// The contact entry window: the group lookup, Enter from field to field, adding,
// editing and deleting, as the user and the windows that open it drive it.
class EntryWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<BoxWatcher> m_boxes;

    static QStringList storedContacts(TestProgram& program)
    {
        return program.store().rows(QStringLiteral("SELECT %1 FROM Phone ORDER BY Row").arg(PhoneColumns));
    }

    // The lists' way in: the contact numbered `row` chosen in the name-search result as
    // it was last read (0: the result is closed, nothing chosen), a modal run driven by
    // `interaction`.
    static void runModally(Mode mode, int row, const std::function<void()>& interaction)
    {
        Dataset* list = DM->QuerySearch;
        if (row == 0)
            list->Close();
        else {
            list->Open();
            QVERIFY(list->Locate(QStringLiteral("Row"), {row}, 0));
        }
        duringModalRun(FSabt, interaction);
        FSabt->ShowModalForContact(*list, QStringLiteral("Name"),
                                   mode == Mode::Delete ? TFSabt::ListAction::Delete
                                                        : TFSabt::ListAction::Edit);
    }

private slots:
    void init() { m_boxes = std::make_unique<BoxWatcher>(); }
    void cleanup() { m_boxes.reset(); }

    void addingContactsOneAfterAnother()
    {
        TestProgram program([](TestDatabase& db) {
            db.addGroup(3, QStringLiteral("دوستان"));
            db.addGroup(7, QStringLiteral("همکاران"));
        });
        FormMain->Show();
        QTest::mouseClick(FormMain->findChild<QWidget*>(QStringLiteral("Label4")), Qt::LeftButton);
        QVERIFY(FSabt->isVisible());
        QVERIFY(!FormMain->isVisible());
        QTRY_COMPARE(focused(), FSabt->code);

        typeText(QStringLiteral("3"));
        press(Qt::Key_Return);
        QCOMPARE(FSabt->ngroup->text(), QStringLiteral("دوستان"));

        // Enter walks the fields in reading order, right column first, and ends on the add button.
        const QStringList walk{"name", "home",    "company", "fax", "mobil", "factory",
                               "pish", "postcod", "city",    "ad1", "ad2",   "ad3"};
        QStringList visited;
        for (const QString& field : walk) {
            visited << focusedName();
            typeText(QStringLiteral("%1 ی").arg(field));
            press(Qt::Key_Return);
        }
        QCOMPARE(visited, walk);
        QCOMPARE(focused(), FSabt->BitBtn4);

        const int boxesBefore = MessageBox::shownCount();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        press(Qt::Key_Return);
        QCOMPARE(MessageBox::shownCount(), boxesBefore + 2);
        QCOMPARE(m_boxes->texts, QStringList{SavedMessage});
        QCOMPARE(storedContacts(program),
                 QStringList{"3|name ی|home ی|company ی|fax ی|mobil ی|city ی|factory ی|pish ی|postcod ی|"
                             "ad1 ی|ad2 ی|ad3 ی"});
        QCOMPARE(editTexts(), QStringList(13, QString()));
        QCOMPARE(FSabt->ngroup->text(), QString());
        QTRY_COMPARE(focused(), FSabt->code);
        QVERIFY(FSabt->isVisible());

        // A code no group has is stored as typed, Enter in the code or not.
        typeText(QStringLiteral("99"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(FSabt->BitBtn4, Qt::LeftButton);
        QCOMPARE(storedContacts(program).last(), QStringLiteral("99||||||||||||"));

        // Escape closes the window, empties it and brings the main window back; the
        // group name stays for the next opening.
        typeText(QStringLiteral("7"));
        press(Qt::Key_Return);
        typeText(QStringLiteral("نیمه‌کاره"));
        press(Qt::Key_Escape);
        QVERIFY(!FSabt->isVisible());
        QVERIFY(FormMain->isVisible());
        QCOMPARE(editTexts(), QStringList(13, QString()));
        openForNewContact();
        QCOMPARE(FSabt->ngroup->text(), QStringLiteral("همکاران"));
        QTRY_COMPARE(focused(), FSabt->code);
        QCOMPARE(storedContacts(program).size(), 2);
        QCOMPARE(m_boxes->texts, QStringList(2, SavedMessage));
    }

    void groupLookup_data()
    {
        QTest::addColumn<bool>("withGroups");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("groupShown");
        QTest::addColumn<QString>("focusIn");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");

        const int none = QMessageBox::NoIcon;
        const int plain = QMessageBox::Information;
        const int error = QMessageBox::Critical;
        QTest::newRow("found") << true << "12"
                               << "دوازده"
                               << "name"
                               << "" << none;
        QTest::newRow("leading zeros") << true << "007"
                                       << "هفت"
                                       << "name"
                                       << "" << none;
        QTest::newRow("Persian digits") << true << "۱۲"
                                        << "دوازده"
                                        << "name"
                                        << "" << none;
        QTest::newRow("Arabic-Indic digits") << true << "١٢"
                                             << "دوازده"
                                             << "name"
                                             << "" << none;
        QTest::newRow("two groups, one code: the first") << true << "3"
                                                         << "سه"
                                                         << "name"
                                                         << "" << none;
        QTest::newRow("last group") << true << "40"
                                    << "چهل"
                                    << "name"
                                    << "" << none;
        QTest::newRow("no such group") << true << "99"
                                       << ""
                                       << "code" << GroupNotFoundMessage << plain;
        QTest::newRow("empty table") << false << "5"
                                     << ""
                                     << "code" << GroupNotFoundMessage << plain;
        QTest::newRow("letters") << true << "abc" << Earlier << "code" << notAnInteger("abc") << error;
        QTest::newRow("letters, empty table")
            << false << "x" << Earlier << "code" << notAnInteger("x") << error;
        QTest::newRow("beyond 32 bits")
            << true << "99999999999" << Earlier << "code" << notAnInteger("99999999999") << error;
    }

    void groupLookup()
    {
        QFETCH(bool, withGroups);
        QFETCH(QString, typed);
        QFETCH(QString, groupShown);
        QFETCH(QString, focusIn);
        QFETCH(QString, message);
        QFETCH(int, icon);

        TestProgram program([withGroups](TestDatabase& db) {
            if (!withGroups)
                return;
            db.addGroup(7, QStringLiteral("هفت"));
            db.addGroup(3, QStringLiteral("سه"));
            db.addGroup(12, QStringLiteral("دوازده"));
            db.addGroup(3, QStringLiteral("سه دوم"));
            db.addGroup(40, QStringLiteral("چهل"));
        });
        openForNewContact();
        FSabt->ngroup->setText(Earlier);
        QTRY_COMPARE(focused(), FSabt->code);

        typeText(typed);
        press(Qt::Key_Return);
        QCOMPARE(FSabt->ngroup->text(), groupShown);
        QTRY_COMPARE(focusedName(), focusIn);
        QCOMPARE(FSabt->code->text(), typed);
        QCOMPARE(m_boxes->texts, message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(int(m_boxes->icons.value(0)), icon);
        QVERIFY(!FListGroup->isVisible());
    }

    void addQuestion_data()
    {
        QTest::addColumn<bool>("escapeInTheBox");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("stored");

        QTest::newRow("Yes") << false << int(QMessageBox::Yes) << true;
        QTest::newRow("No") << false << int(QMessageBox::No) << false;
        QTest::newRow("Escape in the box") << true << 0 << false;
        QTest::newRow("box closed from its title bar") << false << int(QMessageBox::Cancel) << true;
    }

    void addQuestion()
    {
        QFETCH(bool, escapeInTheBox);
        QFETCH(int, answer);
        QFETCH(bool, stored);

        TestProgram program;
        openForNewContact();
        QTRY_COMPARE(focused(), FSabt->code);
        typeText(QStringLiteral("4"));
        FSabt->name->setFocus();
        typeText(QStringLiteral("سارا"));

        const int boxesBefore = MessageBox::shownCount();
        if (!escapeInTheBox)
            MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
        QTest::mouseClick(FSabt->BitBtn4, Qt::LeftButton);

        QCOMPARE(MessageBox::shownCount(), boxesBefore + (stored ? 2 : 1));
        if (escapeInTheBox)
            QCOMPARE(m_boxes->texts.value(0), SaveQuestion);
        QCOMPARE(storedContacts(program), stored ? QStringList{"4|سارا|||||||||||"} : QStringList());
        QCOMPARE(FSabt->code->text(), stored ? QString() : QStringLiteral("4"));
        QCOMPARE(FSabt->name->text(), stored ? QString() : QStringLiteral("سارا"));
        QCOMPARE(MessageBox::lastText(), stored ? SavedMessage : SaveQuestion);
        QVERIFY(FSabt->isVisible());
    }

    void addWithCodeThatIsNoNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "x12";
        QTest::newRow("beyond 32 bits") << "2147483648";
    }

    void addWithCodeThatIsNoNumber()
    {
        QFETCH(QString, typed);

        TestProgram program;
        openForNewContact();
        QTRY_COMPARE(focused(), FSabt->code);
        FSabt->code->setText(typed);
        FSabt->name->setText(QStringLiteral("علی"));
        FSabt->ad3->setText(QStringLiteral("پلاک ۲"));
        FSabt->ngroup->setText(Earlier);

        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(FSabt->BitBtn4, Qt::LeftButton);
        QCOMPARE(m_boxes->texts, QStringList{notAnInteger(typed)});
        QCOMPARE(m_boxes->icons.value(0), QMessageBox::Critical);
        QCOMPARE(storedContacts(program), QStringList());
        QCOMPARE(FSabt->code->text(), typed);
        QCOMPARE(FSabt->name->text(), QStringLiteral("علی"));
        QCOMPARE(FSabt->ngroup->text(), Earlier);
        QVERIFY(FSabt->isVisible());

        // The next contact starts clean: only what it carries is stored.
        FSabt->code->setText(QStringLiteral("5"));
        FSabt->ad3->clear();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(FSabt->BitBtn4, Qt::LeftButton);
        QCOMPARE(storedContacts(program), QStringList{"5|علی|||||||||||"});
    }

    void editWithCodeThatIsNoNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "x";
    }

    void editWithCodeThatIsNoNumber()
    {
        QFETCH(QString, typed);

        TestProgram program([](TestDatabase& db) { db.addContact(8, QStringLiteral("پویا"), {"1"}); });
        runModally(Mode::Edit, 1, [typed] {
            QTRY_COMPARE(focused(), FSabt->code);
            FSabt->code->setText(typed);
            FSabt->home->setText(QStringLiteral("2"));
            QTest::mouseClick(FSabt->BitBtn2, Qt::LeftButton);
        });
        QVERIFY(!FSabt->isVisible());
        QCOMPARE(m_boxes->texts, QStringList{notAnInteger(typed)});
        QCOMPARE(DM->TableSabt->state(), Dataset::State::Browse);
        QCOMPARE(storedContacts(program), QStringList{"8|پویا|1||||||||||"});
    }

    // A write the store refuses leaves no pending row behind that a later add, edit
    // or showing of the window would write after all.
    void refusedWriteIsGivenUp()
    {
        TestProgram program([](TestDatabase& db) {
            db.addContact(5, QStringLiteral("ثابت"), {QStringLiteral("111")});
            db.exec(QStringLiteral("CREATE TABLE Refusal (Reason TEXT)"));
            for (const char* event : {"INSERT", "UPDATE"})
                db.exec(QStringLiteral("CREATE TRIGGER Refuse%1 BEFORE %1 ON Phone "
                                       "WHEN EXISTS (SELECT 1 FROM Refusal) "
                                       "BEGIN SELECT RAISE(ABORT, 'refused by the store'); END")
                            .arg(QLatin1String(event)));
        });
        TestDatabase& store = program.store();
        const QString refuse = QStringLiteral("INSERT INTO Refusal VALUES ('x')");
        const QString allow = QStringLiteral("DELETE FROM Refusal");

        // Adding.
        store.exec(refuse);
        openForNewContact();
        QTRY_COMPARE(focused(), FSabt->code);
        fillEdits(contactWith(QStringLiteral("6"), QStringLiteral("نخست")));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(FSabt->BitBtn4, Qt::LeftButton);
        QCOMPARE(m_boxes->texts.size(), 1);
        QVERIFY2(m_boxes->texts[0].contains("refused by the store"), qPrintable(m_boxes->texts[0]));
        QCOMPARE(editTexts(), contactWith(QStringLiteral("6"), QStringLiteral("نخست")));

        store.exec(allow);
        FSabt->name->setText(QStringLiteral("دوم"));
        FSabt->home->clear();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(FSabt->BitBtn4, Qt::LeftButton);
        QCOMPARE(m_boxes->texts.last(), SavedMessage);
        QStringList second = contactWith(QStringLiteral("6"), QStringLiteral("نخست"));
        second[1] = QStringLiteral("دوم");
        second[2] = QString();
        const QStringList before{"5|ثابت|111||||||||||", second.join('|')};
        QCOMPARE(storedContacts(program), before);
        QTRY_COMPARE(focused(), FSabt->code);
        press(Qt::Key_Escape);

        // Editing: the window closes on the error; showing it again must not write the change.
        store.exec(refuse);
        runModally(Mode::Edit, 1, [] {
            FSabt->home->setText(QStringLiteral("222"));
            QTest::mouseClick(FSabt->BitBtn2, Qt::LeftButton);
        });
        QVERIFY(!FSabt->isVisible());
        QVERIFY(m_boxes->texts.last().contains("refused by the store"));
        store.exec(allow);
        runModally(Mode::Edit, 2, [second] {
            QTRY_COMPARE(focused(), FSabt->code);
            QCOMPARE(editTexts(), second);
            press(Qt::Key_Escape);
        });
        QCOMPARE(storedContacts(program), before);
    }

    void editOverwritesTheLocatedContact()
    {
        TestProgram program([](TestDatabase& db) {
            db.addGroup(5, QStringLiteral("پنج"));
            db.addContact(5, QStringLiteral("مریم"), {QStringLiteral("100")});
            db.addContact(5, QStringLiteral("رضا"), {QStringLiteral("200"), QStringLiteral("201")});
            db.addContact(5, QStringLiteral("نادر"), {QStringLiteral("300")});
        });
        DM->QuerySearch->Open();
        DM->QueryMaster->Open();
        DM->QueryDetail->Close();
        DM->QueryDetail->Open();
        FSabt->ngroup->setText(Earlier);

        const QStringList changed{"8",  "رضا رضایی", "h",  "c",   "f",   "m",  "city",
                                  "fa", "p",         "pc", "آ ۱", "آ ۲", "آ ۳"};
        runModally(Mode::Edit, 2, [&] {
            QTRY_COMPARE(focused(), FSabt->code);
            QCOMPARE(editTexts(),
                     QStringList({"5", "رضا", "200", "201", "", "", "", "", "", "", "", "", ""}));
            QCOMPARE(FSabt->ngroup->text(), Earlier);
            fillEdits(changed);
            QTest::mouseClick(FSabt->ad3, Qt::LeftButton);
            press(Qt::Key_Return);
            QCOMPARE(focused(), FSabt->BitBtn2);
            press(Qt::Key_Return);
        });

        QVERIFY(!FSabt->isVisible());
        QCOMPARE(m_boxes->texts, QStringList{EditedMessage});
        QCOMPARE(storedContacts(program),
                 QStringList({"5|مریم|100||||||||||", changed.join('|'), "5|نادر|300||||||||||"}));
        QCOMPARE(editTexts(), QStringList(13, QString()));
        QCOMPARE(FSabt->ngroup->text(), Earlier);
        // The search results are run again; the display by group keeps what it read.
        QCOMPARE(contactNames(), QStringList({"رضا رضایی", "مریم", "نادر"}));
        QCOMPARE(DM->QueryDetail->RecordCount(), 3);
        DM->QueryDetail->setRecNo(1);
        QCOMPARE(DM->QueryDetail->FieldByName(QStringLiteral("name")).AsString(), QStringLiteral("رضا"));
    }

    void deleteMode_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("openedFromMain");
        QTest::addColumn<bool>("deleted");

        QTest::newRow("button, No") << false << int(QMessageBox::No) << 0 << false;
        QTest::newRow("button, box closed") << false << int(QMessageBox::Cancel) << 0 << false;
        QTest::newRow("button, Yes") << false << int(QMessageBox::Yes) << 0 << true;
        QTest::newRow("Escape, Yes, entry window opened from main last")
            << true << int(QMessageBox::Yes) << 1 << true;
        QTest::newRow("Escape, No, search window opened from main last")
            << true << int(QMessageBox::No) << 2 << false;
    }

    void deleteMode()
    {
        QFETCH(bool, escape);
        QFETCH(int, answer);
        QFETCH(int, openedFromMain);
        QFETCH(bool, deleted);

        TestProgram program([](TestDatabase& db) {
            db.addContact(2, QStringLiteral("بهرام"));
            db.addContact(2, QStringLiteral("کاوه"), {QStringLiteral("55")});
            db.addContact(2, QStringLiteral("لیلا"));
        });
        OpenedFromMain = openedFromMain;
        DM->QuerySearch->Open();
        const int boxesBefore = MessageBox::shownCount();
        runModally(Mode::Delete, 2, [&] {
            QTRY_COMPARE(focused(), FSabt->code);
            MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
            if (escape) {
                press(Qt::Key_Escape);
                return;
            }
            QTest::mouseClick(FSabt->ad3, Qt::LeftButton);
            press(Qt::Key_Return);
            QCOMPARE(focused(), FSabt->BitBtn3);
            press(Qt::Key_Return);
        });

        QVERIFY(!FSabt->isVisible());
        QCOMPARE(FormMain->isVisible(), openedFromMain == 1);
        QCOMPARE(MessageBox::shownCount(), boxesBefore + (deleted ? 2 : 1));
        QCOMPARE(m_boxes->texts, deleted ? QStringList{DeletedMessage} : QStringList());
        if (!deleted)
            QCOMPARE(MessageBox::lastText(), DeleteQuestion);
        const QStringList remaining =
            program.store().rows(QStringLiteral("SELECT Name FROM Phone ORDER BY Row"));
        QCOMPARE(remaining,
                 deleted ? QStringList({"بهرام", "لیلا"}) : QStringList({"بهرام", "کاوه", "لیلا"}));
        QCOMPARE(contactNames().contains(QStringLiteral("کاوه")), !deleted);
        QCOMPARE(editTexts(), QStringList(13, QString()));
    }

    void leavingEditMode_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("openedFromMain");

        QTest::newRow("Escape, entry window opened from main last") << true << 1;
        QTest::newRow("back button, entry window opened from main last") << false << 1;
        QTest::newRow("back button, search window opened from main last") << false << 2;
        QTest::newRow("Escape, nothing opened from main yet") << true << 0;
    }

    void leavingEditMode()
    {
        QFETCH(bool, escape);
        QFETCH(int, openedFromMain);

        TestProgram program([](TestDatabase& db) { db.addContact(2, QStringLiteral("کاوه")); });
        OpenedFromMain = openedFromMain;
        runModally(Mode::Edit, 1, [escape] {
            QTRY_COMPARE(focused(), FSabt->code);
            FSabt->name->setText(QStringLiteral("دیگر"));
            if (escape)
                press(Qt::Key_Escape);
            else
                QTest::mouseClick(FSabt->BitBtn1, Qt::LeftButton);
        });
        QVERIFY(!FSabt->isVisible());
        QCOMPARE(FormMain->isVisible(), openedFromMain == 1);
        QCOMPARE(editTexts(), QStringList(13, QString()));
        QCOMPARE(storedContacts(program), QStringList{"2|کاوه|||||||||||"});
        QCOMPARE(m_boxes->texts, QStringList());
    }

    // Look-alikes: the same code, the same name but for letter case.
    void lookAlikesActOnTheChosenOne_data()
    {
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<int>("chosen");
        QTest::newRow("edit the first") << false << 2;
        QTest::newRow("edit the second") << false << 3;
        QTest::newRow("delete the first") << true << 2;
        QTest::newRow("delete the second") << true << 3;
    }

    void lookAlikesActOnTheChosenOne()
    {
        QFETCH(bool, deleting);
        QFETCH(int, chosen);

        const QList<QStringList> contacts = {
            {"6", "Reza Karimi", "2"}, {"5", "Reza Karimi", "1"}, {"5", "REZA KARIMI", "3"}};
        TestProgram program([&](TestDatabase& db) {
            for (const QStringList& contact : contacts)
                db.addContact(contact[0].toInt(), contact[1], {contact[2]});
        });
        MessageBox::setNextAnswer(QMessageBox::Yes);
        runModally(deleting ? Mode::Delete : Mode::Edit, chosen, [] {
            QTRY_COMPARE(focused(), FSabt->code);
            FSabt->home->setText(QStringLiteral("9"));
            QTest::mouseClick(FSabt->BitBtn2->isVisible() ? FSabt->BitBtn2 : FSabt->BitBtn3, Qt::LeftButton);
        });
        QStringList expected;
        for (int row = 1; row <= contacts.size(); ++row) {
            QStringList columns = contacts[row - 1] + QStringList(10, QString());
            if (row == chosen && deleting)
                continue;
            if (row == chosen)
                columns[2] = QStringLiteral("9");
            expected << columns.join('|');
        }
        QCOMPARE(storedContacts(program), expected);
    }

    // Nothing was chosen, or the chosen contact is gone: edit and delete would otherwise
    // act on whatever contact the table happened to stand on.
    void noContactFoundChangesNothing_data()
    {
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<bool>("goneSinceListed");

        QTest::newRow("edit, empty list") << false << false;
        QTest::newRow("edit, deleted by another program") << false << true;
        QTest::newRow("delete, empty list") << true << false;
        QTest::newRow("delete, deleted by another program") << true << true;
    }

    void noContactFoundChangesNothing()
    {
        QFETCH(bool, deleting);
        QFETCH(bool, goneSinceListed);

        TestProgram program([](TestDatabase& db) {
            db.addContact(5, QStringLiteral("مینا"), {QStringLiteral("100")});
            db.addContact(5, QStringLiteral("مهران"));
        });
        if (goneSinceListed) {
            DM->QuerySearch->Open();
            program.store().exec(QStringLiteral("DELETE FROM Phone WHERE Row = 1"));
        }
        const QStringList before = storedContacts(program);
        const int boxesBefore = MessageBox::shownCount();
        if (deleting)
            MessageBox::setNextAnswer(QMessageBox::Yes);
        runModally(deleting ? Mode::Delete : Mode::Edit, goneSinceListed ? 1 : 0, [deleting] {
            QTRY_COMPARE(focused(), FSabt->code);
            if (FSabt->code->text().isEmpty())
                FSabt->code->setText(QStringLiteral("5"));
            QTest::mouseClick(deleting ? FSabt->BitBtn3 : FSabt->BitBtn2, Qt::LeftButton);
        });
        QVERIFY(!FSabt->isVisible());
        QCOMPARE(m_boxes->texts, QStringList{ContactNotFoundMessage});
        QCOMPARE(MessageBox::shownCount(), boxesBefore + (deleting ? 2 : 1));
        QCOMPARE(storedContacts(program), before);
        QCOMPARE(DM->TableSabt->state(), Dataset::State::Browse);
    }

    // Pasted text keeps to the one line of its edit.
    void pastedLineBreaksAndTabsBecomeBlanks()
    {
        TestProgram program;
        openForNewContact();
        QTRY_COMPARE(focused(), FSabt->code);
        typeText(QStringLiteral("4"));
        QApplication::clipboard()->setText(QStringLiteral("خیابان آزادی\r\nکوچه ۵\tپلاک ۷\n"));
        FSabt->ad1->setFocus();
        QTest::keyClick(FSabt->ad1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(FSabt->ad1->text(), QStringLiteral("خیابان آزادی  کوچه ۵ پلاک ۷ "));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(FSabt->BitBtn4, Qt::LeftButton);
        QCOMPARE(program.store().rows(QStringLiteral("SELECT Ad1 FROM Phone")),
                 QStringList{QStringLiteral("خیابان آزادی  کوچه ۵ پلاک ۷ ")});
    }

    void unusualTextIsStoredWhole_data()
    {
        QTest::addColumn<QString>("typedCode");
        QTest::addColumn<QString>("text");

        QTest::newRow("quotes and statement characters") << "5"
                                                         << "O'Neil \"x\" ; -- ) ' OR '1'='1";
        QTest::newRow("percent, underscore, backslash") << "5"
                                                        << "100% _a_ \\n \\";
        QTest::newRow("emoji") << "5"
                               << "سلام 😀👍🏽 خداحافظ";
        QTest::newRow("Arabic and Persian letters, tatweel, zero-width non-joiner")
            << "۵"
            << "كيك کیک مـي‌خواهم";
        QTest::newRow("2000 characters")
            << "١٥" << QString(1000, QChar(0x0628)) + QString(1000, QLatin1Char('z'));
        QTest::newRow("blanks around") << "5"
                                       << "  دو فاصله  ";
    }

    void unusualTextIsStoredWhole()
    {
        QFETCH(QString, typedCode);
        QFETCH(QString, text);

        TestProgram program;
        openForNewContact();
        QTRY_COMPARE(focused(), FSabt->code);
        typeText(typedCode);
        for (LabeledEdit* edit : editsInColumnOrder().mid(1)) {
            edit->setFocus();
            typeText(text);
        }
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(FSabt->BitBtn4, Qt::LeftButton);
        QCOMPARE(m_boxes->texts, QStringList{SavedMessage});
        const QString code = typedCode == QStringLiteral("١٥") ? QStringLiteral("15") : QStringLiteral("5");
        QCOMPARE(storedContacts(program), QStringList{contactWith(code, text).join('|')});
        QTRY_COMPARE(focused(), FSabt->code);
        press(Qt::Key_Escape);

        // The contact is found again by its unusual name and changed in place.
        runModally(Mode::Edit, 1, [] {
            QTRY_COMPARE(focused(), FSabt->code);
            FSabt->home->setText(QStringLiteral("تغییر"));
            QTest::mouseClick(FSabt->BitBtn2, Qt::LeftButton);
        });
        QStringList changed = contactWith(code, text);
        changed[2] = QStringLiteral("تغییر");
        QCOMPARE(storedContacts(program), QStringList{changed.join('|')});
    }
};

int main(int argc, char** argv)
{
    Application app(argc, argv);
    EntryWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_entrywindow.moc"
