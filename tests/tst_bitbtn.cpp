#include "BitBtn.h"
#include "Form.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A window with an edit above one button, as most windows of the program have.
struct ButtonWindow
{
    ButtonWindow()
    {
        auto* layout = new QVBoxLayout(&form);
        edit = new QLineEdit(&form);
        button = new BitBtn(QStringLiteral("OK"), &form);
        layout->addWidget(edit);
        layout->addWidget(button);
        form.show();
        form.activateWindow();
    }

    Form form;
    QLineEdit* edit;
    BitBtn* button;
};

enum class ClickWay
{
    Mouse,
    Space,
    Enter,
    Return,
    Code,
};

} // namespace

Q_DECLARE_METATYPE(ClickWay)

class TestBitBtn : public QObject
{
    Q_OBJECT

private slots:
    void clickSetsResultBeforeHandler_data();
    void clickSetsResultBeforeHandler();
    void noResultLeavesFormResult();
    void enterInEditClicksNoButton();
};

void TestBitBtn::clickSetsResultBeforeHandler_data()
{
    QTest::addColumn<ClickWay>("way");
    QTest::newRow("mouse") << ClickWay::Mouse;
    QTest::newRow("space") << ClickWay::Space;
    QTest::newRow("enter") << ClickWay::Enter;
    QTest::newRow("return") << ClickWay::Return;
    QTest::newRow("click()") << ClickWay::Code;
}

void TestBitBtn::clickSetsResultBeforeHandler()
{
    QFETCH(ClickWay, way);
    ButtonWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    window.button->setModalResult(Form::mrYes);
    window.button->setFocus();
    QList<int> resultsSeenByHandler;
    QObject::connect(window.button, &QPushButton::clicked, &window.form,
                     [&] { resultsSeenByHandler.append(window.form.ModalResult()); });

    switch (way) {
    case ClickWay::Mouse:
        QTest::mouseClick(window.button, Qt::LeftButton);
        break;
    case ClickWay::Space:
        QTest::keyClick(window.button, Qt::Key_Space);
        break;
    case ClickWay::Enter:
        QTest::keyClick(window.button, Qt::Key_Enter);
        break;
    case ClickWay::Return:
        QTest::keyClick(window.button, Qt::Key_Return);
        break;
    case ClickWay::Code:
        window.button->click();
        break;
    }

    QCOMPARE(resultsSeenByHandler, QList<int>{Form::mrYes});
    QCOMPARE(window.form.ModalResult(), int(Form::mrYes));
}

void TestBitBtn::noResultLeavesFormResult()
{
    ButtonWindow window;
    window.form.setModalResult(Form::mrRetry);
    window.button->click();
    QCOMPARE(window.form.ModalResult(), int(Form::mrRetry));
}

void TestBitBtn::enterInEditClicksNoButton()
{
    ButtonWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    window.button->setModalResult(Form::mrOk);
    int clicks = 0;
    QObject::connect(window.button, &QPushButton::clicked, &window.form, [&] { ++clicks; });
    window.edit->setFocus();

    QTest::keyClick(window.form.windowHandle(), Qt::Key_Return);
    QTest::keyClick(window.form.windowHandle(), Qt::Key_Enter);

    QCOMPARE(clicks, 0);
    QCOMPARE(window.form.ModalResult(), int(Form::mrNone));
    QVERIFY(!window.button->autoDefault());
    QVERIFY(!window.button->isDefault());
}

QTEST_MAIN(TestBitBtn)
#include "tst_bitbtn.moc"
