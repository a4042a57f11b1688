#include "Application.h"
#include "MessageBox.h"
#include "Startup.h"
#include "TestDatabase.h"
#include "Unit2.h"
#include "UnitDM.h"
#include "UnitMain.h"
#include "UnitRepList.h"
#include "UnitrepGroup.h"

#include <QApplication>
#include <QDir>
#include <QProgressBar>
#include <QTimer>
#include <functional>
#include <memory>

// Start-up: the objects come into being in their order behind the splash,
// the main window comes up, and an unusable database ends the program with
// the error box and status 1.
class StartupTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> m_store;
    QString m_previousFolder;
    QStringList m_barSteps;
    bool m_mainWindowShown = false;
    std::function<void()> m_whenLoopRuns;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("FormMain")) {
            m_mainWindowShown = true;
            // Queued here, not before start-up: the splash lets queued calls
            // run while the window system maps it.
            if (m_whenLoopRuns)
                QTimer::singleShot(0, this, std::exchange(m_whenLoopRuns, nullptr));
        }
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("Form2")) {
            auto* bar = watched->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
            m_barSteps << QStringLiteral("shown at %1").arg(bar->value());
            connect(bar, &QProgressBar::valueChanged, this, [this](int value) {
                m_barSteps << QStringLiteral("%1%2%3")
                                  .arg(value)
                                  .arg(DM ? " DM" : "")
                                  .arg(RepList    ? " RepList"
                                       : RepGroup ? " RepGroup"
                                                  : "");
            });
        }
        return false;
    }

private slots:
    void init()
    {
        m_store = std::make_unique<TestDatabase>();
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_store->folder());
        m_barSteps.clear();
        m_mainWindowShown = false;
        qApp->installEventFilter(this);
    }

    void cleanup()
    {
        qApp->removeEventFilter(this);
        QDir::setCurrent(m_previousFolder);
        m_store.reset();
    }

    void normalStartShowsTheMainWindowAndEndsWithZero()
    {
        bool splashGoneWhenLoopRan = false;
        bool mainVisibleWhenLoopRan = false;
        m_whenLoopRuns = [&] {
            splashGoneWhenLoopRan = Form2 == nullptr;
            mainVisibleWhenLoopRan = FormMain && FormMain->isVisible();
            FormMain->Close();
        };
        QCOMPARE(RunProgram(), 0);
        QVERIFY(splashGoneWhenLoopRan);
        QVERIFY(mainVisibleWhenLoopRan);
        QVERIFY(!FormMain && !DM && !RepList); // all destroyed at the end
        QCOMPARE(m_barSteps,
                 QStringList({"shown at 0", "1", "2 DM", "3 DM", "4 DM", "5 DM", "6 DM RepGroup"}));
    }

    void unusableDatabaseEndsStartUpWithOne_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << "remove"
                                 << "Could not find file";
        QTest::newRow("not a database") << "garbage"
                                        << "file is not a database";
        QTest::newRow("no Grp table") << "DROP TABLE Grp"
                                      << "TableGroup: no such table: Grp";
    }

    void unusableDatabaseEndsStartUpWithOne()
    {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        if (damage == QLatin1String("remove")) {
            QVERIFY(QFile::remove(m_store->path()));
        } else if (damage == QLatin1String("garbage")) {
            QFile file(m_store->path());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(8192, '#'));
        } else {
            m_store->exec(damage);
        }
        const int boxesBefore = MessageBox::shownCount();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QCOMPARE(RunProgram(), 1);
        QCOMPARE(MessageBox::shownCount(), boxesBefore + 1);
        QVERIFY2(MessageBox::lastText().contains(message), qPrintable(MessageBox::lastText()));
        QCOMPARE(MessageBox::lastIcon(), QMessageBox::Critical);
        QVERIFY(!m_mainWindowShown);
        QCOMPARE(m_barSteps, QStringList({"shown at 0", "1"}));
        QVERIFY(!FormMain && !DM && !Form2);
        QCOMPARE(QFile::exists(m_store->path()), damage != QLatin1String("remove"));
    }
};

int main(int argc, char** argv)
{
    Application app(argc, argv);
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
