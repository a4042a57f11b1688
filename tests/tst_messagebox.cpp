#include "MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

namespace {

enum class Kind
{
    Question,
    ConfirmOkCancel,
    Information,
    Error,
};

QMessageBox::StandardButton ask(Kind kind, const QString& text, const QString& title = {})
{
    switch (kind) {
    case Kind::Question:
        return MessageBox::question(text);
    case Kind::ConfirmOkCancel:
        return MessageBox::confirmOkCancel(text);
    case Kind::Information:
        MessageBox::information(text);
        break;
    case Kind::Error:
        MessageBox::error(text, title);
        break;
    }
    return QMessageBox::NoButton;
}

QMessageBox* shownBox()
{
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

// Runs `act` on the box once it is up, from inside its modal loop. The timer dies with
// `context`, so a box that never shows leaves nothing behind for later tests.
void whenBoxIsUp(QObject* context, std::function<void(QMessageBox*)> act)
{
    QTimer::singleShot(0, context, [act] {
        if (QMessageBox* box = shownBox())
            act(box);
    });
}

const QString persianText = QString::fromUtf8("آیا این شماره حذف شود؟");

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nextAnswerAnswersWithoutShowing_data();
    void nextAnswerAnswersWithoutShowing();
    void nextAnswerIsUsedOnce();
    void userAnswers_data();
    void userAnswers();
    void boxLooks_data();
    void boxLooks();
};

void TestMessageBox::initTestCase()
{
    QGuiApplication::setApplicationDisplayName(QString::fromUtf8("دفتر تلفن"));
}

void TestMessageBox::nextAnswerAnswersWithoutShowing_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QMessageBox::StandardButton>("expectedResult");
    QTest::addColumn<QMessageBox::Icon>("expectedIcon");

    QTest::newRow("question, yes") << Kind::Question << QMessageBox::Yes << QMessageBox::Yes
                                   << QMessageBox::Question;
    QTest::newRow("question, no") << Kind::Question << QMessageBox::No << QMessageBox::No
                                  << QMessageBox::Question;
    QTest::newRow("confirm, cancel") << Kind::ConfirmOkCancel << QMessageBox::Cancel << QMessageBox::Cancel
                                     << QMessageBox::Question;
    QTest::newRow("information") << Kind::Information << QMessageBox::Ok << QMessageBox::NoButton
                                 << QMessageBox::Information;
    QTest::newRow("error") << Kind::Error << QMessageBox::Ok << QMessageBox::NoButton
                           << QMessageBox::Critical;
}

void TestMessageBox::nextAnswerAnswersWithoutShowing()
{
    QFETCH(Kind, kind);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QMessageBox::StandardButton, expectedResult);
    QFETCH(QMessageBox::Icon, expectedIcon);

    QObject context;
    bool shown = false;
    whenBoxIsUp(&context, [&](QMessageBox* box) {
        shown = true;
        box->close();
    });
    const int countBefore = MessageBox::shownCount();

    MessageBox::setNextAnswer(answer);
    QCOMPARE(ask(kind, persianText), expectedResult);

    QCoreApplication::processEvents();
    QVERIFY(!shown);
    QCOMPARE(MessageBox::shownCount(), countBefore + 1);
    QCOMPARE(MessageBox::lastText(), persianText);
    QCOMPARE(MessageBox::lastIcon(), expectedIcon);
}

void TestMessageBox::nextAnswerIsUsedOnce()
{
    QObject context;
    MessageBox::setNextAnswer(QMessageBox::No);
    QCOMPARE(MessageBox::question("first"), QMessageBox::No);

    bool shown = false;
    whenBoxIsUp(&context, [&](QMessageBox* box) {
        shown = true;
        box->button(QMessageBox::Yes)->click();
    });
    QCOMPARE(MessageBox::question("second"), QMessageBox::Yes);
    QVERIFY(shown);
    QCOMPARE(MessageBox::lastText(), "second");
}

enum class UserAction
{
    ClickYes,
    ClickNo,
    ClickOk,
    ClickCancel,
    PressEscape,
    CloseFromTitleBar,
};
Q_DECLARE_METATYPE(UserAction)

void TestMessageBox::userAnswers_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<UserAction>("action");
    QTest::addColumn<QMessageBox::StandardButton>("expected");

    QTest::newRow("question, yes") << Kind::Question << UserAction::ClickYes << QMessageBox::Yes;
    QTest::newRow("question, no") << Kind::Question << UserAction::ClickNo << QMessageBox::No;
    QTest::newRow("question, escape") << Kind::Question << UserAction::PressEscape << QMessageBox::No;
    // Neither Yes nor No: the user closed the box without answering.
    QTest::newRow("question, title bar close")
        << Kind::Question << UserAction::CloseFromTitleBar << QMessageBox::Cancel;
    QTest::newRow("confirm, ok") << Kind::ConfirmOkCancel << UserAction::ClickOk << QMessageBox::Ok;
    QTest::newRow("confirm, cancel") << Kind::ConfirmOkCancel << UserAction::ClickCancel
                                     << QMessageBox::Cancel;
    QTest::newRow("confirm, escape") << Kind::ConfirmOkCancel << UserAction::PressEscape
                                     << QMessageBox::Cancel;
    QTest::newRow("confirm, title bar close")
        << Kind::ConfirmOkCancel << UserAction::CloseFromTitleBar << QMessageBox::Cancel;
}

void TestMessageBox::userAnswers()
{
    QFETCH(Kind, kind);
    QFETCH(UserAction, action);
    QFETCH(QMessageBox::StandardButton, expected);

    QObject context;
    whenBoxIsUp(&context, [action](QMessageBox* box) {
        switch (action) {
        case UserAction::ClickYes:
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
            break;
        case UserAction::ClickNo:
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
            break;
        case UserAction::ClickOk:
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            break;
        case UserAction::ClickCancel:
            QTest::mouseClick(box->button(QMessageBox::Cancel), Qt::LeftButton);
            break;
        case UserAction::PressEscape:
            QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
            break;
        case UserAction::CloseFromTitleBar:
            box->close();
            break;
        }
    });
    QCOMPARE(ask(kind, persianText), expected);
    QCOMPARE(shownBox(), nullptr);
}

void TestMessageBox::boxLooks_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("expectedTitle");
    QTest::addColumn<QMessageBox::Icon>("expectedIcon");
    QTest::addColumn<QMessageBox::StandardButtons>("expectedButtons");

    const QString programName = QString::fromUtf8("دفتر تلفن");
    QTest::newRow("question") << Kind::Question << QString() << programName << QMessageBox::Question
                              << (QMessageBox::Yes | QMessageBox::No);
    QTest::newRow("confirm") << Kind::ConfirmOkCancel << QString() << programName << QMessageBox::Question
                             << (QMessageBox::Ok | QMessageBox::Cancel);
    QTest::newRow("information") << Kind::Information << QString() << programName << QMessageBox::Information
                                 << QMessageBox::StandardButtons(QMessageBox::Ok);
    QTest::newRow("error") << Kind::Error << QString() << programName << QMessageBox::Critical
                           << QMessageBox::StandardButtons(QMessageBox::Ok);
    QTest::newRow("error with a title")
        << Kind::Error << QString::fromUtf8("خطای پایگاه داده") << QString::fromUtf8("خطای پایگاه داده")
        << QMessageBox::Critical << QMessageBox::StandardButtons(QMessageBox::Ok);
}

void TestMessageBox::boxLooks()
{
    QFETCH(Kind, kind);
    QFETCH(QString, title);
    QFETCH(QString, expectedTitle);
    QFETCH(QMessageBox::Icon, expectedIcon);
    QFETCH(QMessageBox::StandardButtons, expectedButtons);

    // Text from the store is shown as it is, never read as markup.
    const QString text = "<b>" + persianText + "</b>";
    // Read while the box is up and checked once it is gone, so a failing check
    // cannot leave the box waiting for an answer.
    struct Look
    {
        QString title;
        QString text;
        Qt::TextFormat format = Qt::AutoText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        Qt::LayoutDirection direction = Qt::LeftToRight;
    };
    std::optional<Look> look;
    QObject context;
    whenBoxIsUp(&context, [&](QMessageBox* box) {
        look = Look{box->windowTitle(),     box->text(),           box->textFormat(), box->icon(),
                    box->standardButtons(), box->layoutDirection()};
        box->close();
    });
    ask(kind, text, title);

    QVERIFY(look);
    QCOMPARE(look->title, expectedTitle);
    QCOMPARE(look->text, text);
    QCOMPARE(look->format, Qt::PlainText);
    QCOMPARE(look->icon, expectedIcon);
    QCOMPARE(look->buttons, expectedButtons);
    QCOMPARE(look->direction, Qt::RightToLeft);
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
