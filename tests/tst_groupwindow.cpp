#include "Application.h"
#include "DBGrid.h"
#include "DataSource.h" // DBGrid.h needs it complete
#include "Form.h"
#include "KeyboardLayout.h"
#include "MessageBox.h"
#include "TableDataset.h"
#include "TestProgram.h"
#include "UnitDM.h"
#include "UnitGroup.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

const QString DeleteQuestion = QStringLiteral("آيا اطلاعات حذف شود ؟");
const QString GroupsInFile = QStringLiteral("SELECT Code, Name FROM Grp ORDER BY rowid");
const QString ContactsInFile = QStringLiteral("SELECT Code, Name FROM Phone ORDER BY Row");
constexpr int CodeColumn = 0;
constexpr int NameColumn = 1;

// Types `text` key by key, as a Persian keyboard would (QTest::keyClicks only knows Latin-1).
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(character.toUpper().unicode()), QString(character),
                            Qt::NoModifier);
}

// The controls of the group window, found by name.
struct GroupWindow
{
    QLineEdit* cod = FormGroup->findChild<QLineEdit*>(QStringLiteral("cod"));
    QLineEdit* name = FormGroup->findChild<QLineEdit*>(QStringLiteral("name"));
    DBGrid* grid = FormGroup->findChild<DBGrid*>(QStringLiteral("DBGrid1"));
    QPushButton* back = FormGroup->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QPushButton* remove = FormGroup->findChild<QPushButton*>(QStringLiteral("BitBtn2"));

    void clickCell(int row, int column) const
    {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, column)).center());
    }
    QString cell(int row, int column) const { return grid->model()->index(row, column).data().toString(); }
    // Opens the editor of the grid's current cell, replaces its text and commits it with Enter.
    void typeIntoCurrentCell(const QString& text) const
    {
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor && editor != name);
        editor->selectAll();
        typeText(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    void addGroup(const QString& text) const
    {
        QTest::mouseClick(name, Qt::LeftButton);
        name->clear();
        typeText(name, text);
        QTest::keyClick(name, Qt::Key_Return);
    }
    bool stillRunning() const { return FormGroup->isVisible() && FormGroup->ModalResult() == Form::mrNone; }
};

// Runs the group window modally from the active main window, as the program
// does, with `interact` inside the run; the window is closed afterwards should
// it still be open.
void runGroupWindow(const std::function<void(GroupWindow&)>& interact)
{
    FormMain->Show();
    QVERIFY(QTest::qWaitForWindowActive(FormMain));
    QTimer::singleShot(0, FormGroup, [&] {
        GroupWindow window;
        [&] {
            QVERIFY(window.cod && window.name && window.grid && window.back && window.remove);
            QTRY_VERIFY(FormGroup->isActiveWindow());
            interact(window);
        }();
        if (FormGroup->isVisible() && FormGroup->ModalResult() == Form::mrNone)
            FormGroup->Close();
    });
    FormGroup->ShowModal();
}

// Clicks `button` on the next message box that actually comes up.
void clickOnNextShownBox(QMessageBox::StandardButton button)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        box->button(button)->click();
    });
    poll->start(10);
}

} // namespace

// The group window: the next code worked out on each opening, groups added
// with Enter, the grid's current group deleted after the question, in-place
// editing in the grid, and errors of the store shown without harm.
class GroupWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void nextCodeIsTheLargestCodePlusOne_data()
    {
        QTest::addColumn<QVariantList>("codes");
        QTest::addColumn<QString>("nextCode");
        QTest::newRow("empty table") << QVariantList{} << "1";
        QTest::newRow("3 7 5") << QVariantList{3, 7, 5} << "8";
        QTest::newRow("7 5 3") << QVariantList{7, 5, 3} << "8";
        QTest::newRow("5 3 7") << QVariantList{5, 3, 7} << "8";
        QTest::newRow("only 0 and below") << QVariantList{0, -2} << "1";
        QTest::newRow("below zero then 1") << QVariantList{-5, 1} << "2";
        QTest::newRow("a group without code") << QVariantList{4, QVariant(), 2} << "5";
    }

    void nextCodeIsTheLargestCodePlusOne()
    {
        QFETCH(QVariantList, codes);
        QFETCH(QString, nextCode);
        TestProgram program([&](TestDatabase& store) {
            for (const QVariant& code : codes) {
                if (code.isNull())
                    store.exec(QStringLiteral("INSERT INTO Grp (Code, Name) VALUES (NULL, 'x')"));
                else
                    store.addGroup(code.toInt(), QStringLiteral("گروه %1").arg(code.toInt()));
            }
        });
        runGroupWindow([&](GroupWindow& window) {
            QCOMPARE(window.cod->text(), nextCode);
            // The scan leaves the last group current in the grid.
            QCOMPARE(window.grid->model()->rowCount(), codes.size());
            QCOMPARE(window.grid->currentIndex().row(), codes.isEmpty() ? -1 : int(codes.size()) - 1);
            QCOMPARE(DM->TableGroup->RecNo(), int(codes.size()) - 1);
        });
    }

    void enterInNameAddsGroupsUnderCountingCodes()
    {
        TestProgram program;
        const QString exotic = QStringLiteral("O'Neil \"VIP\" 100% %s %1 😀 گروه");
        runGroupWindow([&](GroupWindow& window) {
            QCOMPARE(window.cod->text(), QStringLiteral("1"));
            QCOMPARE(QApplication::focusWidget(), window.back); // first in tab order
            // Entering the name switches to the Persian keyboard; the code is left alone.
            QVERIFY(KeyboardLayout::isRightToLeftInput(window.name));
            QVERIFY(!KeyboardLayout::isRightToLeftInput(window.cod));

            window.addGroup(QStringLiteral("دوستان"));
            QCOMPARE(program.store().rows(GroupsInFile), QStringList({"1|دوستان"}));
            QCOMPARE(window.cod->text(), QStringLiteral("2"));
            QCOMPARE(window.name->text(), QString());
            QCOMPARE(QApplication::focusWidget(), window.name);
            QCOMPARE(window.grid->currentIndex().row(), 0);
            QCOMPARE(window.cell(0, CodeColumn), QStringLiteral("1"));
            QCOMPARE(window.cell(0, NameColumn), QStringLiteral("دوستان"));

            QTest::keyClick(window.name, Qt::Key_Enter); // empty name, keypad Enter
            QCOMPARE(program.store().rows(GroupsInFile), QStringList({"1|دوستان", "2|"}));
            QCOMPARE(window.cod->text(), QStringLiteral("3"));

            window.name->setText(exotic);
            QTest::keyClick(window.name, Qt::Key_Return);
            QCOMPARE(program.store().rows(GroupsInFile), QStringList({"1|دوستان", "2|", "3|" + exotic}));
            QCOMPARE(window.grid->currentIndex().row(), 2);
            QCOMPARE(window.cell(2, NameColumn), exotic);
            QCOMPARE(window.cod->text(), QStringLiteral("4"));
            QCOMPARE(QApplication::focusWidget(), window.name);
            QVERIFY(window.stillRunning());
        });
    }

    void deleteRemovesTheGridsCurrentGroupOnlyOnYes()
    {
        TestProgram program([](TestDatabase& store) {
            store.addGroup(1, QStringLiteral("خانواده"));
            store.addGroup(2, QStringLiteral("دوستان"));
            store.addGroup(3, QStringLiteral("همکاران"));
            store.addContact(2, QStringLiteral("علی"));
            store.addContact(3, QStringLiteral("رضا"));
        });
        const QStringList contacts = program.store().rows(ContactsInFile);
        runGroupWindow([&](GroupWindow& window) {
            QCOMPARE(window.cod->text(), QStringLiteral("4"));
            window.clickCell(1, NameColumn);
            QCOMPARE(DM->TableGroup->FieldValues(QStringLiteral("code")).toInt(), 2);

            for (const auto answer : {QMessageBox::No, QMessageBox::Cancel}) {
                const int boxes = MessageBox::shownCount();
                MessageBox::setNextAnswer(answer);
                QTest::mouseClick(window.remove, Qt::LeftButton);
                QCOMPARE(MessageBox::shownCount(), boxes + 1);
                QCOMPARE(MessageBox::lastText(), DeleteQuestion);
                QCOMPARE(MessageBox::lastIcon(), QMessageBox::Question);
                QCOMPARE(program.store().rows(GroupsInFile).size(), 3);
            }

            MessageBox::setNextAnswer(QMessageBox::Yes);
            QTest::mouseClick(window.remove, Qt::LeftButton);
            QCOMPARE(program.store().rows(GroupsInFile), QStringList({"1|خانواده", "3|همکاران"}));
            QCOMPARE(window.grid->model()->rowCount(), 2);
            QCOMPARE(program.store().rows(ContactsInFile), contacts);

            // The group with the largest code goes; the next code stays.
            QCOMPARE(window.cell(window.grid->currentIndex().row(), CodeColumn), QStringLiteral("3"));
            MessageBox::setNextAnswer(QMessageBox::Yes);
            QTest::mouseClick(window.remove, Qt::LeftButton);
            QCOMPARE(program.store().rows(GroupsInFile), QStringList({"1|خانواده"}));
            QCOMPARE(window.cod->text(), QStringLiteral("4"));
            QCOMPARE(program.store().rows(ContactsInFile), contacts);
            QVERIFY(window.stillRunning());
        });
        if (QTest::currentTestFailed())
            return;
        runGroupWindow([](GroupWindow& window) { QCOMPARE(window.cod->text(), QStringLiteral("2")); });
    }

    void deleteOnAnEmptyTableShowsTheErrorAndGoesOn()
    {
        TestProgram program;
        runGroupWindow([&](GroupWindow& window) {
            const int boxes = MessageBox::shownCount();
            MessageBox::setNextAnswer(QMessageBox::Yes);
            clickOnNextShownBox(QMessageBox::Ok);
            QTest::mouseClick(window.remove, Qt::LeftButton);
            QCOMPARE(MessageBox::shownCount(), boxes + 2);
            QCOMPARE(MessageBox::lastText(),
                     QStringLiteral("TableGroup: Cannot perform this operation on an empty dataset"));
            QCOMPARE(MessageBox::lastIcon(), QMessageBox::Critical);
            QVERIFY(window.stillRunning());

            window.addGroup(QStringLiteral("تازه"));
            QCOMPARE(program.store().rows(GroupsInFile), QStringList({"1|تازه"}));
        });
    }

    void escapeAndBackEndTheRunDeleteDoesNot_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Escape in the name edit") << "escape name" << true;
        QTest::newRow("Escape in the grid") << "escape grid" << true;
        QTest::newRow("back button clicked") << "click back" << true;
        QTest::newRow("back button by Space") << "space back" << true;
        QTest::newRow("delete button answered Yes") << "click delete" << false;
        QTest::newRow("Enter in the name edit") << "enter name" << false;
    }

    void escapeAndBackEndTheRunDeleteDoesNot()
    {
        QFETCH(QString, action);
        QFETCH(bool, ends);
        TestProgram program([](TestDatabase& store) {
            store.addGroup(1, QStringLiteral("خانواده"));
            store.addGroup(2, QStringLiteral("دوستان"));
        });
        bool endedByAction = false;
        runGroupWindow([&](GroupWindow& window) {
            if (action == QLatin1String("escape name")) {
                QTest::mouseClick(window.name, Qt::LeftButton);
                QTest::keyClick(window.name, Qt::Key_Escape);
            } else if (action == QLatin1String("escape grid")) {
                window.clickCell(0, NameColumn);
                QTest::keyClick(window.grid, Qt::Key_Escape);
            } else if (action == QLatin1String("click back")) {
                QTest::mouseClick(window.back, Qt::LeftButton);
            } else if (action == QLatin1String("space back")) {
                window.back->setFocus();
                QTest::keyClick(window.back, Qt::Key_Space);
            } else if (action == QLatin1String("click delete")) {
                MessageBox::setNextAnswer(QMessageBox::Yes);
                QTest::mouseClick(window.remove, Qt::LeftButton);
                QCOMPARE(program.store().rows(GroupsInFile), QStringList({"1|خانواده"}));
            } else {
                window.addGroup(QStringLiteral("همکاران"));
            }
            endedByAction = FormGroup->ModalResult() != Form::mrNone;
        });
        QCOMPARE(endedByAction, ends);
        QVERIFY(!FormGroup->isVisible());
    }

    void codeChangedInTheGridIsWrittenWhenTheRowIsLeft()
    {
        TestProgram program([](TestDatabase& store) {
            store.addGroup(1, QStringLiteral("خانواده"));
            store.addGroup(2, QStringLiteral("دوستان"));
            store.addGroup(3, QStringLiteral("همکاران"));
        });
        runGroupWindow([&](GroupWindow& window) {
            QCOMPARE(window.cod->text(), QStringLiteral("4"));
            window.clickCell(0, CodeColumn);
            QTest::keyClick(window.grid, Qt::Key_F2);
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(editor && editor != window.name);
            editor->selectAll();
            typeText(editor, QStringLiteral("9"));
            QTest::keyClick(editor, Qt::Key_Return);
            QCOMPARE(program.store().rows(GroupsInFile).first(), QStringLiteral("1|خانواده"));

            QTest::keyClick(window.grid, Qt::Key_Down);
            QCOMPARE(program.store().rows(GroupsInFile), QStringList({"9|خانواده", "2|دوستان", "3|همکاران"}));

            // Within this opening the next code counts on from where it was.
            window.addGroup(QStringLiteral("همسایه"));
            QCOMPARE(program.store().rows(GroupsInFile).last(), QStringLiteral("4|همسایه"));
        });
        if (QTest::currentTestFailed())
            return;
        runGroupWindow([](GroupWindow& window) { QCOMPARE(window.cod->text(), QStringLiteral("10")); });
    }

    // After a refused value the grid goes on writing what is typed into it.
    void refusedCellValueThenTheNextEditsAreWritten()
    {
        TestProgram program([](TestDatabase& store) {
            store.addGroup(1, QStringLiteral("خانواده"));
            store.addGroup(2, QStringLiteral("دوستان"));
        });
        runGroupWindow([&](GroupWindow& window) {
            window.clickCell(0, CodeColumn);
            MessageBox::setNextAnswer(QMessageBox::Ok);
            const int boxes = MessageBox::shownCount();
            window.typeIntoCurrentCell(QStringLiteral("q"));
            QTRY_COMPARE(MessageBox::shownCount(), boxes + 1);
            QCOMPARE(MessageBox::lastText(), QStringLiteral("'q' is not a valid integer value"));
            QCOMPARE(window.cell(0, CodeColumn), QStringLiteral("1"));

            window.clickCell(1, NameColumn);
            window.typeIntoCurrentCell(QStringLiteral("رفقا"));
            QTest::keyClick(window.grid, Qt::Key_Up);
            window.clickCell(0, NameColumn);
            window.typeIntoCurrentCell(QStringLiteral("فامیل"));
            window.clickCell(0, CodeColumn);
            window.typeIntoCurrentCell(QStringLiteral("5"));
            QTest::keyClick(window.grid, Qt::Key_Down);
            QCOMPARE(program.store().rows(GroupsInFile), QStringList({"5|فامیل", "2|رفقا"}));
            QCOMPARE(MessageBox::shownCount(), boxes + 1);
        });
    }

    // A row added in the grid and left: the grid's current group stays the one the
    // user moved to, also once the grid has the focus again, and it is the one deleted.
    void currentGroupStaysAfterAddingARowInTheGrid_data()
    {
        QTest::addColumn<int>("addKey");
        QTest::newRow("Insert") << int(Qt::Key_Insert);
        QTest::newRow("Down past the last row") << int(Qt::Key_Down);
    }

    void currentGroupStaysAfterAddingARowInTheGrid()
    {
        QFETCH(int, addKey);
        TestProgram program([](TestDatabase& store) {
            store.addGroup(1, QStringLiteral("خانواده"));
            store.addGroup(2, QStringLiteral("دوستان"));
            store.addGroup(3, QStringLiteral("همکاران"));
        });
        runGroupWindow([&](GroupWindow& window) {
            window.clickCell(2, CodeColumn);
            QTest::keyClick(window.grid, Qt::Key(addKey));
            QCOMPARE(window.grid->model()->rowCount(), 4);
            QCOMPARE(window.grid->currentIndex().row(), 3);
            window.typeIntoCurrentCell(QStringLiteral("7"));
            QTest::keyClick(window.grid, Qt::Key_Up);
            QCOMPARE(program.store().rows(GroupsInFile).last(), QStringLiteral("7|"));
            QCOMPARE(window.grid->currentIndex().row(), 2);

            // Away to the name edit and back into the grid with Tab.
            QTest::mouseClick(window.name, Qt::LeftButton);
            QTest::keyClick(window.name, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), window.grid);
            QCOMPARE(window.grid->currentIndex().row(), 2);
            QCOMPARE(DM->TableGroup->FieldValues(QStringLiteral("code")).toInt(), 3);

            MessageBox::setNextAnswer(QMessageBox::Yes);
            QTest::mouseClick(window.remove, Qt::LeftButton);
            QCOMPARE(program.store().rows(GroupsInFile), QStringList({"1|خانواده", "2|دوستان", "7|"}));
        });
    }

    // Another program deleted the last group and added one, which took its row number.
    void deletingAGroupAnotherProgramReplacedLeavesTheNewOne()
    {
        TestProgram program([](TestDatabase& store) {
            store.addGroup(1, QStringLiteral("خانواده"));
            store.addGroup(2, QStringLiteral("دوستان"));
        });
        runGroupWindow([&](GroupWindow& window) {
            window.clickCell(1, NameColumn);
            program.store().exec(QStringLiteral("DELETE FROM Grp WHERE Code = 2"));
            program.store().addGroup(8, QStringLiteral("همسایه"));
            MessageBox::setNextAnswer(QMessageBox::Yes);
            clickOnNextShownBox(QMessageBox::Ok);
            QTest::mouseClick(window.remove, Qt::LeftButton);
            QVERIFY(MessageBox::lastText().startsWith(QStringLiteral("TableGroup: Row cannot be located")));
            QCOMPARE(program.store().rows(GroupsInFile), QStringList({"1|خانواده", "8|همسایه"}));
            QVERIFY(window.stillRunning());
        });
    }

    void refusedGroupIsGivenUpAndTheNextAddStartsClean()
    {
        TestProgram program([](TestDatabase& store) {
            store.addGroup(1, QStringLiteral("خانواده"));
            store.exec(
                QStringLiteral("CREATE TRIGGER RefuseName BEFORE INSERT ON Grp WHEN NEW.Name = 'ممنوع' "
                               "BEGIN SELECT RAISE(ABORT, 'name refused'); END"));
        });
        runGroupWindow([&](GroupWindow& window) {
            QCOMPARE(window.cod->text(), QStringLiteral("2"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            window.addGroup(QStringLiteral("ممنوع"));
            QCOMPARE(MessageBox::lastText(), QStringLiteral("TableGroup: name refused"));
            QCOMPARE(MessageBox::lastIcon(), QMessageBox::Critical);
            QCOMPARE(program.store().rows(GroupsInFile), QStringList({"1|خانواده"}));
            QCOMPARE(window.cod->text(), QStringLiteral("2"));
            QCOMPARE(window.name->text(), QStringLiteral("ممنوع"));
            QCOMPARE(DM->TableGroup->state(), Dataset::State::Browse);
            QCOMPARE(window.grid->model()->rowCount(), 1);
            QVERIFY(window.stillRunning());

            const int boxes = MessageBox::shownCount();
            window.addGroup(QStringLiteral("مجاز"));
            QCOMPARE(MessageBox::shownCount(), boxes);
            QCOMPARE(program.store().rows(GroupsInFile), QStringList({"1|خانواده", "2|مجاز"}));
            QCOMPARE(window.cod->text(), QStringLiteral("3"));
        });
    }
};

int main(int argc, char** argv)
{
    Application app(argc, argv);
    GroupWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_groupwindow.moc"
