#include "Application.h"
#include "Conversions.h"
#include "DatabaseError.h"
#include "Form.h"
#include "MessageBox.h"

#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <stdexcept>

namespace {

// An edit whose key handling fails the way a store error inside a handler does.
class ThrowingEdit : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;
    std::function<void()> fail;

protected:
    void keyPressEvent(QKeyEvent*) override { fail(); }
};

// A window whose key-down hook fails when told to.
class FailingForm : public Form
{
public:
    std::function<void()> failOnShortCut;

protected:
    void FormShortCut(QKeyEvent*) override { failOnShortCut(); }
};

enum class Failure
{
    RuntimeError,
    DatabaseError,
    ConversionError,
};

enum class Handler
{
    ButtonClick,
    KeyPress,
    FormShortCut,
};

} // namespace

Q_DECLARE_METATYPE(Failure)
Q_DECLARE_METATYPE(Handler)

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void programIsPersian();
    void escapingExceptionShowsOneErrorBox_data();
    void escapingExceptionShowsOneErrorBox();
};

void TestApplication::programIsPersian()
{
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    QCOMPARE(QWidget().layoutDirection(), Qt::RightToLeft);
    // Standard buttons take their texts from Qt's own Persian translation.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8("&بله"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("انصراف"));
    QVERIFY(!QFont::substitutes("Nazanin").isEmpty());
}

void TestApplication::escapingExceptionShowsOneErrorBox_data()
{
    QTest::addColumn<Handler>("handler");
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expectedMessage");

    const QString persian = QString::fromUtf8("شماره تلفن تکراری است: ۰۲۱-۸۸۷۷");
    QTest::newRow("runtime_error from a click handler")
        << Handler::ButtonClick << Failure::RuntimeError << persian << persian;
    QTest::newRow("DatabaseError from a click handler")
        << Handler::ButtonClick << Failure::DatabaseError << persian << persian;
    QTest::newRow("ConversionError from a click handler")
        << Handler::ButtonClick << Failure::ConversionError << QString::fromUtf8("۱۲ب")
        << QString::fromUtf8("'۱۲ب' is not a valid integer value");
    QTest::newRow("DatabaseError from keyPressEvent")
        << Handler::KeyPress << Failure::DatabaseError << persian << persian;
    QTest::newRow("runtime_error from keyPressEvent")
        << Handler::KeyPress << Failure::RuntimeError << QString("disk full") << QString("disk full");
    QTest::newRow("DatabaseError from FormShortCut")
        << Handler::FormShortCut << Failure::DatabaseError << persian << persian;
}

void TestApplication::escapingExceptionShowsOneErrorBox()
{
    QFETCH(Handler, handler);
    QFETCH(Failure, failure);
    QFETCH(QString, text);
    QFETCH(QString, expectedMessage);

    auto fail = [failure, text] {
        switch (failure) {
        case Failure::RuntimeError:
            throw std::runtime_error(text.toStdString());
        case Failure::DatabaseError:
            throw DatabaseError(text);
        case Failure::ConversionError:
            StrToInt(text);
            break;
        }
    };
    FailingForm window;
    auto* layout = new QVBoxLayout(&window);
    auto* button = new QPushButton("Save", &window);
    auto* edit = new ThrowingEdit(&window);
    layout->addWidget(button);
    layout->addWidget(edit);
    // Only the handler under test fails.
    auto failIn = [&](Handler where) {
        return [&, where] {
            if (handler == where)
                fail();
        };
    };
    edit->fail = failIn(Handler::KeyPress);
    window.failOnShortCut = failIn(Handler::FormShortCut);
    QObject::connect(button, &QPushButton::clicked, &window, failIn(Handler::ButtonClick));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();

    auto trigger = [&] {
        if (handler == Handler::ButtonClick)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            QTest::keyClick(window.windowHandle(), Qt::Key_A);
    };
    const int countBefore = MessageBox::shownCount();
    MessageBox::setNextAnswer(QMessageBox::Ok);
    trigger();
    QCOMPARE(MessageBox::shownCount(), countBefore + 1);
    QCOMPARE(MessageBox::lastText(), expectedMessage);
    QCOMPARE(MessageBox::lastIcon(), QMessageBox::Critical);

    // The program goes on: events still flow and the same handler fails again the same way.
    bool timerFired = false;
    QTimer::singleShot(0, &window, [&] { timerFired = true; });
    QTRY_VERIFY(timerFired);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    trigger();
    QCOMPARE(MessageBox::shownCount(), countBefore + 2);
    QCOMPARE(MessageBox::lastText(), expectedMessage);
}

int main(int argc, char** argv)
{
    Application app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
