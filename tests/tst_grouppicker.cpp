#include "Application.h"
#include "DBGrid.h"
#include "EntryWindowDriver.h"
#include "MessageBox.h"
#include "TableDataset.h"
#include "TestProgram.h"
#include "UnitDM.h"
#include "UnitListGroup.h"

#include <memory>

using namespace EntryWindowDriver;

namespace {

const QString Earlier = QStringLiteral("گروه پیشین");

// Enter in the entry window's empty group code runs the picker; `inPicker` drives it.
void runPickerFromEmptyCode(const std::function<void()>& inPicker)
{
    openForNewContact();
    QTRY_COMPARE(focused(), FSabt->code);
    FSabt->ngroup->setText(Earlier);
    duringModalRun(FListGroup, [inPicker] {
        QTRY_VERIFY(FListGroup->isActiveWindow());
        FListGroup->DBGrid1->setFocus();
        inPicker();
    });
    press(Qt::Key_Return);
    QVERIFY(!FListGroup->isVisible());
}

} // namespace

// The group picker: Enter picks the current group into the contact entry window,
// and nothing else picks or changes anything.
class GroupPickerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<BoxWatcher> m_boxes;

private slots:
    void init() { m_boxes = std::make_unique<BoxWatcher>(); }
    void cleanup() { m_boxes.reset(); }

    void enterPicksTheCurrentGroup_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("rowPicked");
        QTest::addColumn<QString>("codeShown");
        QTest::addColumn<QString>("groupShown");

        QTest::newRow("first row") << QList<int>{1, 2, 3} << 0 << "1"
                                   << "گروه 1";
        QTest::newRow("last row") << QList<int>{1, 2, 3} << 2 << "3"
                                  << "گروه 3";
        // The lookup that follows shows the first group in table order with the code.
        QTest::newRow("second of two with one code") << QList<int>{4, 4, 9} << 1 << "4"
                                                     << "گروه 1";
    }

    void enterPicksTheCurrentGroup()
    {
        QFETCH(QList<int>, codes);
        QFETCH(int, rowPicked);
        QFETCH(QString, codeShown);
        QFETCH(QString, groupShown);

        TestProgram program([codes](TestDatabase& db) {
            for (int i = 0; i < codes.size(); ++i)
                db.addGroup(codes[i], QStringLiteral("گروه %1").arg(i + 1));
        });
        QString nameInPicker;
        runPickerFromEmptyCode([&] {
            QCOMPARE(DM->TableGroup->RecNo(), 0);
            for (int i = 0; i < rowPicked; ++i)
                press(Qt::Key_Down);
            nameInPicker = DM->TableGroup->FieldByName(QStringLiteral("name")).AsString();
            press(Qt::Key_Return);
        });
        QCOMPARE(nameInPicker, QStringLiteral("گروه %1").arg(rowPicked + 1));
        QCOMPARE(FSabt->code->text(), codeShown);
        QCOMPARE(FSabt->ngroup->text(), groupShown);
        QTRY_VERIFY(FSabt->isActiveWindow());
        QCOMPARE(focused(), FSabt->name);
        QCOMPARE(m_boxes->texts, QStringList());
    }

    void closingThePickerPicksNothing()
    {
        TestProgram program([](TestDatabase& db) { db.addGroup(1, QStringLiteral("یک")); });
        const int boxesBefore = MessageBox::shownCount();
        QRect outerGeometry;
        runPickerFromEmptyCode([&] {
            outerGeometry = FListGroup->frameGeometry();
            FListGroup->close();
        });
        // The layout gives the window's outer size, its frame included.
        QCOMPARE(outerGeometry, QRect(405, 199, 203, 477));
        QCOMPARE(FSabt->code->text(), QString());
        QCOMPARE(FSabt->ngroup->text(), Earlier);
        QCOMPARE(MessageBox::shownCount(), boxesBefore);
        QTRY_VERIFY(FSabt->isActiveWindow());
        QCOMPARE(focused(), FSabt->code);
    }

    void escapeAndTypingDoNothing()
    {
        TestProgram program([](TestDatabase& db) {
            db.addGroup(1, QStringLiteral("یک"));
            db.addGroup(2, QStringLiteral("دو"));
        });
        bool stillOpen = false;
        runPickerFromEmptyCode([&] {
            press(Qt::Key_Escape);
            typeText(QStringLiteral("ab"));
            press(Qt::Key_Delete);
            stillOpen = FListGroup->isVisible() && FListGroup->ModalResult() == Form::mrNone;
            FListGroup->close();
        });
        QVERIFY(stillOpen);
        QCOMPARE(DM->TableGroup->state(), Dataset::State::Browse);
        QCOMPARE(program.store().rows(QStringLiteral("SELECT Code, Name FROM Grp")),
                 QStringList({"1|یک", "2|دو"}));
        QCOMPARE(FSabt->code->text(), QString());
        QCOMPARE(m_boxes->texts, QStringList());
    }

    void enterOnEmptyTableFailsWithoutChange()
    {
        TestProgram program;
        runPickerFromEmptyCode([] { press(Qt::Key_Return); });
        QCOMPARE(m_boxes->texts, QStringList{QStringLiteral("'' is not a valid integer value")});
        QCOMPARE(m_boxes->icons.value(0), QMessageBox::Critical);
        QCOMPARE(FSabt->code->text(), QString());
        QCOMPARE(FSabt->ngroup->text(), Earlier);
    }
};

int main(int argc, char** argv)
{
    Application app(argc, argv);
    GroupPickerTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_grouppicker.moc"
