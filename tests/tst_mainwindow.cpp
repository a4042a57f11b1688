#include "Application.h"
#include "BitBtn.h"
#include "DBGrid.h"
#include "EntryWindowDriver.h"
#include "MessageBox.h"
#include "QueryDataset.h"
#include "SolarDate.h"
#include "TestProgram.h"
#include "UnitDM.h"
#include "UnitGroup.h"
#include "UnitMain.h"
#include "UnitSabt.h"
#include "UnitSearch.h"
#include "Unitnama.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <memory>

// The main window: its commands under labels, menu and function keys, the
// reach of those keys while it hides, the help line and the clock.
class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;

    static void press(Qt::Key key)
    {
        QWidget* target = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                            : QApplication::activeWindow();
        QVERIFY(target);
        QTest::keyClick(target, key);
    }

    static void showMain()
    {
        FormMain->Show();
        QApplication::setActiveWindow(FormMain);
        QVERIFY(QTest::qWaitForWindowActive(FormMain));
    }

    // Runs check inside the next modal run, then closes that window.
    static void duringModalRun(const std::function<void(QWidget*)>& check, bool* ran)
    {
        QTimer::singleShot(0, [check, ran] {
            QWidget* modal = QApplication::activeModalWidget();
            check(modal);
            *ran = true;
            if (auto* form = qobject_cast<Form*>(modal))
                form->Close();
        });
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>([](TestDatabase& store) {
            store.addGroup(1, QStringLiteral("خانواده"));
            store.addContact(1, QStringLiteral("بهرام"));
        });
        showMain();
    }

    void cleanup() { m_program.reset(); }

    void menuOffersTheCommandsUnderFunctionKeys()
    {
        QCOMPARE(FormMain->windowTitle(), QStringLiteral("ذخيره شماره تلفن به صورت رايانه اي با امكان چاپ"));
        const QList<QPair<QAction*, QString>> commands = {{FormMain->N5, "F5"},
                                                          {FormMain->N6, "F6"},
                                                          {FormMain->N7, "F7"},
                                                          {FormMain->N8, "F8"},
                                                          {FormMain->N9, "F10"}};
        for (const auto& [action, key] : commands)
            QCOMPARE(action->shortcut().toString(), key);
        QCOMPARE(FormMain->N8->text(), QStringLiteral("نمايش تفکيک"));
        QCOMPARE(FormMain->MainMenu1->actions().first()->text(), QStringLiteral("عمليات"));
    }

    void newContactCommandShowsTheEntryWindowAndHides()
    {
        press(Qt::Key_F5);
        QVERIFY(FSabt->isVisible());
        QVERIFY(!FormMain->isVisible());
        QCOMPARE(OpenedFromMain, 1);
        QVERIFY(!FSabt->BitBtn4->isHidden());
        QVERIFY(FSabt->BitBtn2->isHidden());
        QVERIFY(FSabt->BitBtn3->isHidden());
    }

    void searchCommandRerunsTheLastSearchStatement()
    {
        DM->QuerySearch->SQL.Clear();
        DM->QuerySearch->SQL.Add(QStringLiteral("select * from phone where name = 'nobody'"));
        press(Qt::Key_F7);
        QVERIFY(FormSearch->isVisible());
        QVERIFY(!FormMain->isVisible());
        QCOMPARE(OpenedFromMain, 2);
        QVERIFY(DM->QuerySearch->Active());
        QCOMPARE(DM->QuerySearch->RecordCount(), 0);
    }

    void failingSearchStatementStopsTheCommand()
    {
        DM->QuerySearch->SQL.Clear();
        DM->QuerySearch->SQL.Add(QStringLiteral("select * from phone where (name like '%'%')"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        const int boxes = MessageBox::shownCount();
        press(Qt::Key_F7);
        QCOMPARE(MessageBox::shownCount(), boxes + 1);
        QVERIFY(MessageBox::lastText().startsWith(QStringLiteral("QuerySearch: ")));
        QVERIFY(!FormSearch->isVisible());
        QVERIFY(FormMain->isVisible());
        QCOMPARE(OpenedFromMain, 0);
    }

    void groupsCommandRunsTheGroupWindowModally()
    {
        bool ran = false;
        duringModalRun(
            [](QWidget* modal) {
                QCOMPARE(modal, static_cast<QWidget*>(FormGroup));
                QVERIFY(FormMain->isVisible());
            },
            &ran);
        press(Qt::Key_F6);
        QVERIFY(ran);
        QVERIFY(!FormGroup->isVisible());
    }

    // F8 first shows the search window, then the menu runs the display by
    // group modally in front of it.
    void f8ShowsSearchThenDisplayByGroup()
    {
        bool ran = false;
        duringModalRun(
            [](QWidget* modal) {
                QCOMPARE(modal, static_cast<QWidget*>(Form1));
                QVERIFY(FormSearch->isVisible());
                QVERIFY(DM->QueryMaster->Active());
                QCOMPARE(DM->QueryDetailName->AsString(), QStringLiteral("بهرام"));
            },
            &ran);
        press(Qt::Key_F8);
        QVERIFY(ran);
        QVERIFY(FormMain->isVisible());
        QVERIFY(FormSearch->isVisible());
        QCOMPARE(OpenedFromMain, 0);
    }

    void keysReachTheHiddenMainWindow()
    {
        press(Qt::Key_F7); // search window in front, main window hidden
        QVERIFY(!FormMain->isVisible());
        QApplication::setActiveWindow(FormSearch);
        QVERIFY(QTest::qWaitForWindowActive(FormSearch));
        press(Qt::Key_F5);
        QVERIFY(FSabt->isVisible());
        QCOMPARE(OpenedFromMain, 1);

        // F8 from a window the main window hides behind: both steps.
        QApplication::setActiveWindow(FSabt);
        QVERIFY(QTest::qWaitForWindowActive(FSabt));
        bool ran = false;
        duringModalRun([](QWidget* modal) { QCOMPARE(modal, static_cast<QWidget*>(Form1)); }, &ran);
        press(Qt::Key_F8);
        QVERIFY(ran);

        // F10 ends the program from there too.
        QApplication::setActiveWindow(FSabt);
        QVERIFY(QTest::qWaitForWindowActive(FSabt));
        QTimer::singleShot(0, [] { press(Qt::Key_F10); });
        QTimer::singleShot(5000, [] { QApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
    }

    // The entry window brings the main window back only when the main window
    // last hid behind it.
    void openedFromMainFollowsTheLastWindowOpened()
    {
        press(Qt::Key_F5);
        QApplication::setActiveWindow(FSabt);
        QVERIFY(QTest::qWaitForWindowActive(FSabt));
        press(Qt::Key_F7); // the search window comes in front of the entry window
        QVERIFY(FormSearch->isVisible());
        QCOMPARE(OpenedFromMain, 2);
        QApplication::setActiveWindow(FSabt);
        QVERIFY(QTest::qWaitForWindowActive(FSabt));
        QTest::keyClick(FSabt, Qt::Key_Escape);
        QVERIFY(!FSabt->isVisible());
        QVERIFY(!FormMain->isVisible());

        QApplication::setActiveWindow(FormSearch);
        QVERIFY(QTest::qWaitForWindowActive(FormSearch));
        press(Qt::Key_F5); // from the search window
        QCOMPARE(OpenedFromMain, 1);
        QApplication::setActiveWindow(FSabt);
        QVERIFY(QTest::qWaitForWindowActive(FSabt));
        QTest::keyClick(FSabt, Qt::Key_Escape);
        QVERIFY(FormMain->isVisible());
        QVERIFY(FormSearch->isVisible());
    }

    void onlyTheLeftButtonClicksALabel_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("button");
        for (const char* label : {"Label3", "Label4", "Label5", "Label6"}) {
            QTest::addRow("%s, right button", label) << label << int(Qt::RightButton);
            QTest::addRow("%s, middle button", label) << label << int(Qt::MiddleButton);
        }
        QTest::newRow("Label4, left button") << "Label4" << int(Qt::LeftButton);
    }

    void onlyTheLeftButtonClicksALabel()
    {
        QFETCH(QString, label);
        QFETCH(int, button);
        bool modalRun = false;
        QTimer::singleShot(0, [&modalRun] {
            if (auto* form = qobject_cast<Form*>(QApplication::activeModalWidget())) {
                modalRun = true;
                form->Close();
            }
        });
        QTest::mouseClick(FormMain->findChild<QLabel*>(label), Qt::MouseButton(button));
        QCoreApplication::processEvents();
        const bool clicked = button == Qt::LeftButton;
        QVERIFY(!modalRun);
        QCOMPARE(FSabt->isVisible(), clicked);
        QVERIFY(!FormSearch->isVisible());
        QCOMPARE(FormMain->isVisible(), !clicked);
    }

    // Closed from its title bar or the taskbar while the main window hides behind it,
    // a window is left as with its back button, and the program goes on.
    void closingAWindowFromOutsideKeepsTheProgramRunning_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("window");
        QTest::newRow("entry window, new contact") << int(Qt::Key_F5) << "FSabt";
        QTest::newRow("search window") << int(Qt::Key_F7) << "FormSearch";
    }

    void closingAWindowFromOutsideKeepsTheProgramRunning()
    {
        QFETCH(int, command);
        QFETCH(QString, window);
        press(Qt::Key(command));
        Form* shown =
            window == QLatin1String("FSabt") ? static_cast<Form*>(FSabt) : static_cast<Form*>(FormSearch);
        QVERIFY(shown->isVisible());
        QVERIFY(!FormMain->isVisible());
        if (shown == FSabt)
            FSabt->name->setText(QStringLiteral("نیمه‌کاره"));

        QTimer::singleShot(0, [shown] {
            QCloseEvent close;
            QCoreApplication::sendEvent(shown->windowHandle(), &close);
            // A program ending on the close has its quit queued by now.
            QTimer::singleShot(0, [] { QApplication::exit(7); });
        });
        QTimer::singleShot(5000, [] { QApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 7);
        QVERIFY(!shown->isVisible());
        QVERIFY(FormMain->isVisible());
        QCOMPARE(FSabt->name->text(), QString());
    }

    void closingTheEntryWindowFromOutsideEndsItsModalRunLikeBack()
    {
        press(Qt::Key_F7);
        QApplication::setActiveWindow(FormSearch);
        QVERIFY(QTest::qWaitForWindowActive(FormSearch));
        EntryWindowDriver::BoxWatcher boxes;
        bool ran = false;
        QTimer::singleShot(0, [&ran] {
            ran = QApplication::activeModalWidget() == FSabt;
            QCloseEvent close;
            QCoreApplication::sendEvent(FSabt->windowHandle(), &close);
        });
        QTest::keyClick(FormSearch->DBGrid1, Qt::Key_Delete);
        QVERIFY(ran);
        QVERIFY(!FSabt->isVisible());
        QCOMPARE(FSabt->ModalResult(), int(Form::mrCancel));
        // Not the delete question that Escape would ask: nothing asked, nothing deleted.
        QCOMPARE(m_program->store().rows(QStringLiteral("SELECT Name FROM Phone")), QStringList{"بهرام"});
        QCOMPARE(boxes.texts, QStringList());
        QVERIFY(FormSearch->isVisible());
        QVERIFY(!FormMain->isVisible());
    }

    void keysDoNothingDuringAModalRun()
    {
        bool ran = false;
        duringModalRun(
            [](QWidget*) {
                press(Qt::Key_F5);
                press(Qt::Key_F7);
                press(Qt::Key_F8);
                QVERIFY(!FSabt->isVisible());
                QVERIFY(!FormSearch->isVisible());
                QCOMPARE(OpenedFromMain, 0);
            },
            &ran);
        press(Qt::Key_F6);
        QVERIFY(ran);
    }

    void helpLineFollowsTheMouse()
    {
        QTest::mouseMove(FormMain->Label4, QPoint(10, 10));
        QCOMPARE(FormMain->Label1->text(), QStringLiteral("ثبت تلفن و مشخصات افراد  (اضافه شدن به اطلاعات)"));
        QCOMPARE(FormMain->Label4->font().family(), QStringLiteral("jadid"));
        QCOMPARE(FormMain->Label4->palette().color(QPalette::Window), QColor(192, 192, 192));

        QTest::mouseMove(FormMain->Label1, QPoint(20, 20));
        QCOMPARE(FormMain->Label4->font().family(), QStringLiteral("zar"));
        QCOMPARE(FormMain->Label4->palette().color(QPalette::Window), QColor(128, 0, 0));
        QTest::mouseMove(FormMain->StatusBar1, QPoint(20, 10));
        QCOMPARE(FormMain->Label1->text(), QStringLiteral("ثبت تلفن و مشخصات افراد  (اضافه شدن به اطلاعات)"));

        QTest::mouseMove(FormMain->Label3, QPoint(5, 5));
        QCOMPARE(FormMain->Label1->text(), QStringLiteral("نمايش و ويرايش و اضافه كردن به گروه ها"));
        QTest::mouseMove(FormMain->Panel2, QPoint(300, 40)); // the panel between the labels
        QCOMPARE(FormMain->Label1->text(), QString());

        QTest::mouseMove(FormMain->Label6, QPoint(5, 5));
        QCOMPARE(FormMain->Label1->text(), QStringLiteral("نمايش اطلاعات به صورت تفكيك"));
        QTest::mouseMove(FormMain->Client, QPoint(4, 106)); // the black margin
        QCOMPARE(FormMain->Label1->text(), QString());
    }

    void label5ShrinksWhilePressedUntilTheMouseMoves()
    {
        QTest::mousePress(FormMain->Label5, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(FormMain->Label5->font().pointSize(), 10);
        // Releasing off the label: no click, still small.
        QTest::mouseRelease(FormMain->Label5, Qt::LeftButton, {}, QPoint(-50, 10));
        QCOMPARE(FormMain->Label5->font().pointSize(), 10);
        QTest::mouseMove(FormMain->Label5, QPoint(12, 12));
        QCOMPARE(FormMain->Label5->font().pointSize(), 14);
    }

    void clockShowsTimeAndBothDates()
    {
        QCOMPARE(FormMain->StatusPanel->text(), QString()); // before the first tick
        QTRY_VERIFY(!FormMain->StatusPanel->text().isEmpty());
        QString first, second;
        date_shamsi(first, 255, second, 255);
        const QString text = FormMain->StatusPanel->text();
        QVERIFY2(text.startsWith(QStringLiteral("ساعت : ")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("     تاريخ ميلادي : ")));
        QVERIFY2(
            text.endsWith(QStringLiteral("      تاريخ شمسي : ") + second + QStringLiteral("    ") + first),
            qPrintable(text));
    }

    void solarDateTexts_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("today of this work") << QDate(2026, 12, 11) << "۲۰ آذر ۱۴۰۵"
                                            << "جمعه";
        QTest::newRow("last day of a leap year") << QDate(2025, 3, 20) << "۳۰ اسفند ۱۴۰۳"
                                                 << "پنجشنبه";
        QTest::newRow("new year") << QDate(2025, 3, 21) << "۱ فروردین ۱۴۰۴"
                                  << "جمعه";
        QTest::newRow("end of a 31-day month") << QDate(2026, 9, 22) << "۳۱ شهریور ۱۴۰۵"
                                               << "سه‌شنبه";
    }

    void solarDateTexts()
    {
        QFETCH(QDate, day);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QString a, b;
        date_shamsi(day, a, 255, b, 255);
        QCOMPARE(a, first);
        QCOMPARE(b, second);
        date_shamsi(day, a, 2, b, 1);
        QCOMPARE(a, first.left(2));
        QCOMPARE(b, second.left(1));
    }
};

int main(int argc, char** argv)
{
    Application app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwindow.moc"
