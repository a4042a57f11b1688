#include "BitBtn.h"
#include "Form.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <stdexcept>

namespace {

QString keyName(int key)
{
    return QKeySequence(key).toString();
}

// A window with an edit and a button that writes what happens to it into one log.
class ProbeForm : public Form
{
public:
    explicit ProbeForm(QStringList& log, const QString& name = {}) : m_log(log), m_prefix(name)
    {
        auto* layout = new QVBoxLayout(this);
        edit = new QLineEdit(this);
        button = new BitBtn(QStringLiteral("OK"), this);
        layout->addWidget(edit);
        layout->addWidget(button);
        connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) { write("edit " + text); });
        resize(300, 120);
    }

    // Adds an action bound to `key` that can be reached from every window of the program.
    QAction* addApplicationShortcut(int key)
    {
        auto* action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, [this, key] { write("action " + keyName(key)); });
        addAction(action);
        return action;
    }

    std::function<void(QKeyEvent*)> onShortCut;
    QLineEdit* edit;
    BitBtn* button;
    int showCount = 0;
    int activateCount = 0;
    int closeCount = 0;

protected:
    void FormShow() override
    {
        ++showCount;
        write(isVisible() ? "show while visible" : "show");
    }
    void FormActivate() override { ++activateCount; }
    void FormClose() override
    {
        ++closeCount;
        write("close");
    }
    void FormShortCut(QKeyEvent* key) override
    {
        write("hook " + keyName(key->key()));
        if (onShortCut)
            onShortCut(key);
    }

private:
    void write(const QString& entry) { m_log.append(m_prefix.isEmpty() ? entry : m_prefix + ": " + entry); }

    QStringList& m_log;
    QString m_prefix;
};

enum class Delivery
{
    TestWidget,   // QTest's widget path: sent straight to the widget
    WindowSystem, // as from the platform: through the native window and the shortcut map
};

void pressKey(ProbeForm& form, int key, Delivery delivery)
{
    const QString text = key >= Qt::Key_A && key <= Qt::Key_Z ? QString(QChar(key).toLower()) : QString();
    if (delivery == Delivery::WindowSystem) {
        QTest::keyClick(form.windowHandle(), Qt::Key(key), Qt::NoModifier);
        return;
    }
    QWidget* target = form.focusWidget() ? form.focusWidget() : &form;
    QTest::sendKeyEvent(QTest::Press, target, Qt::Key(key), text, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, target, Qt::Key(key), text, Qt::NoModifier);
}

void showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

Q_DECLARE_METATYPE(Delivery)

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void keyDownReachesHookFirst_data();
    void keyDownReachesHookFirst();
    void hookMayRunAModalWindow();
    void escapeClicksCancelButton_data();
    void escapeClicksCancelButton();
    void otherWindowsShortcutsReachThroughFilter_data();
    void otherWindowsShortcutsReachThroughFilter();
    void showRunsFormShowOncePerShowing();
    void closeRunsFormCloseAndHides();
    void showModalEndsWithResult_data();
    void showModalEndsWithResult();
    void modalRunEndsAfterClickHandler();
    void clickHandlerCanKeepModalRunGoing();
    void showModalOnVisibleWindowThrows();
    void quittingEndsModalRunWithCancel(); // leaves the application quitting: keep last
};

void TestForm::keyDownReachesHookFirst_data()
{
    QTest::addColumn<Delivery>("delivery");
    QTest::addColumn<bool>("editHasFocus");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("expectedLog");

    for (const Delivery delivery : {Delivery::TestWidget, Delivery::WindowSystem}) {
        const char* path = delivery == Delivery::TestWidget ? "widget" : "window system";
        auto row = [&](const char* name) {
            return &QTest::newRow(qPrintable(QString("%1, %2").arg(path, name)));
        };
        *row("shortcut key") << delivery << true << QList<int>{Qt::Key_F8}
                             << QStringList{"hook F8", "action F8"};
        *row("shortcut key twice") << delivery << true << QList<int>{Qt::Key_F8, Qt::Key_F8}
                                   << QStringList{"hook F8", "action F8", "hook F8", "action F8"};
        *row("letter") << delivery << true << QList<int>{Qt::Key_A} << QStringList{"hook A", "edit a"};
        *row("same letter twice") << delivery << true << QList<int>{Qt::Key_A, Qt::Key_A}
                                  << QStringList{"hook A", "edit a", "hook A", "edit aa"};
        // The edit ignores F5, which then travels up to the window.
        *row("key nobody takes") << delivery << true << QList<int>{Qt::Key_F5} << QStringList{"hook F5"};
        *row("mixed keys") << delivery << true << QList<int>{Qt::Key_B, Qt::Key_F8, Qt::Key_F5, Qt::Key_C}
                           << QStringList{"hook B",  "edit b", "hook F8", "action F8",
                                          "hook F5", "hook C", "edit bc"};
        *row("no focus widget, letter")
            << delivery << false << QList<int>{Qt::Key_A} << QStringList{"hook A"};
        *row("no focus widget, shortcut key")
            << delivery << false << QList<int>{Qt::Key_F8} << QStringList{"hook F8", "action F8"};
    }
}

void TestForm::keyDownReachesHookFirst()
{
    QFETCH(Delivery, delivery);
    QFETCH(bool, editHasFocus);
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, expectedLog);

    QStringList log;
    ProbeForm form(log);
    form.addApplicationShortcut(Qt::Key_F8);
    if (!editHasFocus) {
        form.edit->setFocusPolicy(Qt::NoFocus);
        form.button->setFocusPolicy(Qt::NoFocus);
    }
    showActive(form);
    if (editHasFocus) {
        form.edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), form.edit);
    } else {
        QCOMPARE(form.focusWidget(), nullptr);
    }

    for (const int key : keys)
        pressKey(form, key, delivery);
    QCOMPARE(log.join(" | "), expectedLog.join(" | "));
}

void TestForm::hookMayRunAModalWindow()
{
    QStringList log;
    ProbeForm outer(log, "outer");
    ProbeForm inner(log, "inner");
    auto* cancel = new QPushButton("Cancel", &inner);
    inner.setCancelButton(cancel);
    connect(cancel, &QPushButton::clicked, &inner, &Form::Close);
    outer.onShortCut = [&](QKeyEvent* key) {
        if (key->key() != Qt::Key_F2)
            return;
        QTimer::singleShot(0, &inner, [&] {
            inner.edit->setFocus();
            pressKey(inner, Qt::Key_X, Delivery::WindowSystem);
            pressKey(inner, Qt::Key_F2, Delivery::WindowSystem);
            pressKey(inner, Qt::Key_Escape, Delivery::WindowSystem);
        });
        log.append("inner result " + QString::number(inner.ShowModal()));
    };
    showActive(outer);
    outer.edit->setFocus();

    pressKey(outer, Qt::Key_F2, Delivery::WindowSystem);
    pressKey(outer, Qt::Key_Y, Delivery::WindowSystem);

    // The outer F2 is seen once, before and after the inner window's own keys.
    QCOMPARE(log.join(" | "),
             "outer: hook F2 | inner: show | inner: hook X | inner: edit x | inner: hook F2 | inner: hook "
             "Esc | inner: close | inner result 2 | outer: hook Y | outer: edit y");
}

void TestForm::escapeClicksCancelButton_data()
{
    QTest::addColumn<Delivery>("delivery");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("hookHidesWindow");
    QTest::addColumn<QStringList>("expectedLog");

    const QStringList clicked{"hook Esc", "cancel clicked"};
    // When the button does not take it, Escape goes on to the window's own Escape action.
    const QStringList passedOn{"hook Esc", "action Esc"};
    for (const Delivery delivery : {Delivery::TestWidget, Delivery::WindowSystem}) {
        const char* path = delivery == Delivery::TestWidget ? "widget" : "window system";
        auto row = [&](const char* name) {
            return &QTest::newRow(qPrintable(QString("%1, %2").arg(path, name)));
        };
        *row("shown and enabled") << delivery << false << true << false << clicked;
        *row("hidden") << delivery << true << true << false << passedOn;
        *row("disabled") << delivery << false << false << false << passedOn;
        *row("hook hides the window") << delivery << false << true << true << clicked;
    }
}

void TestForm::escapeClicksCancelButton()
{
    QFETCH(Delivery, delivery);
    QFETCH(bool, hidden);
    QFETCH(bool, enabled);
    QFETCH(bool, hookHidesWindow);
    QFETCH(QStringList, expectedLog);

    QStringList log;
    ProbeForm form(log);
    auto* cancel = new QPushButton("Cancel", &form);
    form.layout()->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, &form, [&] { log.append("cancel clicked"); });
    form.setCancelButton(cancel);
    form.addApplicationShortcut(Qt::Key_Escape);
    cancel->setHidden(hidden);
    cancel->setEnabled(enabled);
    if (hookHidesWindow)
        form.onShortCut = [&](QKeyEvent*) { form.hide(); };
    showActive(form);
    form.edit->setFocus();

    pressKey(form, Qt::Key_Escape, delivery);
    QCOMPARE(log.join(" | "), expectedLog.join(" | "));
}

void TestForm::otherWindowsShortcutsReachThroughFilter_data()
{
    QTest::addColumn<bool>("modal");
    QTest::addColumn<QStringList>("expectedLog");

    QTest::newRow("other window shown")
        << false << QStringList{"dialog: hook F8", "main: action F8", "main: button"};
    // Application-modal: the main window's shortcut and its button are out of reach.
    QTest::newRow("other window modal") << true << QStringList{"dialog: hook F8"};
}

void TestForm::otherWindowsShortcutsReachThroughFilter()
{
    QFETCH(bool, modal);
    QFETCH(QStringList, expectedLog);

    QStringList log;
    ProbeForm main(log, "main");
    ProbeForm dialog(log, "dialog");
    main.addApplicationShortcut(Qt::Key_F8);
    connect(main.button, &QPushButton::clicked, &main, [&] { log.append("main: button"); });
    showActive(main);

    auto pressInDialog = [&] {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.edit->setFocus();
        pressKey(dialog, Qt::Key_F8, Delivery::WindowSystem);
        const QPoint buttonCenter = main.button->mapTo(&main, main.button->rect().center());
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, Qt::NoModifier, buttonCenter);
        log.append("end");
        dialog.Close();
    };
    if (modal) {
        QTimer::singleShot(0, &dialog, pressInDialog);
        dialog.ShowModal();
    } else {
        dialog.Show();
        pressInDialog();
    }
    expectedLog.prepend("dialog: show");
    expectedLog << "end"
                << "dialog: close";
    QCOMPARE(log.join(" | "), expectedLog.join(" | "));
}

void TestForm::showRunsFormShowOncePerShowing()
{
    QStringList log;
    ProbeForm form(log);
    QVERIFY(form.isHidden());
    QVERIFY(form.isWindow());

    form.Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.Show();
    QCOMPARE(form.showCount, 1);
    QTRY_COMPARE(form.activateCount, 1);

    // Shown again in front of another window: brought back to the front and activated.
    QStringList otherLog;
    ProbeForm other(otherLog);
    showActive(other);
    form.Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.showCount, 1);
    QTRY_COMPARE(form.activateCount, 2);

    form.hide();
    form.Show();
    QCOMPARE(form.showCount, 2);
    // FormShow runs before the window appears.
    QCOMPARE(log.join(" | "), "show | show");
}

void TestForm::closeRunsFormCloseAndHides()
{
    QStringList log;
    ProbeForm form(log);
    form.Show();
    form.Close();
    QVERIFY(form.isHidden());

    // The title bar's close button.
    form.Show();
    QVERIFY(form.close());
    QVERIFY(form.isHidden());
    QCOMPARE(form.closeCount, 2);
    QCOMPARE(log.join(" | "), "show | close | show | close");
}

enum class ModalEnd
{
    ButtonClick,
    EnterOnButton,
    CloseCall,
    TitleBarClose,
    EscapeOnCancelButton,
    ResultFromCode,
};
Q_DECLARE_METATYPE(ModalEnd)

void TestForm::showModalEndsWithResult_data()
{
    QTest::addColumn<ModalEnd>("end");
    QTest::addColumn<int>("expectedResult");

    QTest::newRow("button click") << ModalEnd::ButtonClick << int(Form::mrYes);
    QTest::newRow("enter on the button") << ModalEnd::EnterOnButton << int(Form::mrYes);
    QTest::newRow("Close()") << ModalEnd::CloseCall << int(Form::mrCancel);
    QTest::newRow("title bar close") << ModalEnd::TitleBarClose << int(Form::mrCancel);
    QTest::newRow("escape on a cancel button") << ModalEnd::EscapeOnCancelButton << int(Form::mrAbort);
    QTest::newRow("result set by code") << ModalEnd::ResultFromCode << int(Form::mrRetry);
}

void TestForm::showModalEndsWithResult()
{
    QFETCH(ModalEnd, end);
    QFETCH(int, expectedResult);

    QStringList log;
    ProbeForm form(log);
    form.button->setModalResult(Form::mrYes);
    auto* cancel = new BitBtn("Cancel", &form);
    cancel->setModalResult(Form::mrAbort);
    form.setCancelButton(cancel);
    form.setModalResult(Form::mrOk); // a result left over from earlier must not end the run

    bool wasModal = false;
    QTimer::singleShot(0, &form, [&] {
        wasModal = form.isVisible() && QApplication::activeModalWidget() == &form;
        switch (end) {
        case ModalEnd::ButtonClick:
            QTest::mouseClick(form.button, Qt::LeftButton);
            break;
        case ModalEnd::EnterOnButton:
            form.button->setFocus();
            pressKey(form, Qt::Key_Return, Delivery::WindowSystem);
            break;
        case ModalEnd::CloseCall:
            form.Close();
            break;
        case ModalEnd::TitleBarClose:
            form.close();
            break;
        case ModalEnd::EscapeOnCancelButton:
            form.edit->setFocus();
            pressKey(form, Qt::Key_Escape, Delivery::WindowSystem);
            break;
        case ModalEnd::ResultFromCode:
            form.setModalResult(Form::mrRetry);
            break;
        }
    });
    QCOMPARE(form.ShowModal(), expectedResult);

    QVERIFY(wasModal);
    QCOMPARE(form.ModalResult(), expectedResult);
    QVERIFY(form.isHidden());
    QCOMPARE(form.windowModality(), Qt::NonModal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(form.closeCount, 1);
    QCOMPARE(log.first(), "show");
    QCOMPARE(log.last(), "close");
}

void TestForm::modalRunEndsAfterClickHandler()
{
    QStringList log;
    ProbeForm form(log);
    form.button->setModalResult(Form::mrOk);
    connect(form.button, &QPushButton::clicked, &form, [&] {
        log.append(QString("handler sees result %1").arg(form.ModalResult()));
        // Events handled inside the handler do not end the run under its feet.
        QCoreApplication::processEvents();
        log.append(form.isVisible() ? "handler ends, window shown" : "handler ends, window hidden");
    });
    QTimer::singleShot(0, &form, [&] { QTest::mouseClick(form.button, Qt::LeftButton); });

    QCOMPARE(form.ShowModal(), int(Form::mrOk));
    QCOMPARE(log.join(" | "), "show | handler sees result 1 | handler ends, window shown | close");
}

void TestForm::clickHandlerCanKeepModalRunGoing()
{
    QStringList log;
    ProbeForm form(log);
    form.button->setModalResult(Form::mrOk);
    int clicks = 0;
    // The first click fails a check and takes the result back; the second one passes.
    connect(form.button, &QPushButton::clicked, &form, [&] {
        if (++clicks == 1)
            form.setModalResult(Form::mrNone);
    });
    QTimer::singleShot(0, &form, [&] {
        QTest::mouseClick(form.button, Qt::LeftButton);
        QTimer::singleShot(0, &form, [&] {
            log.append(form.isVisible() ? "still shown" : "hidden");
            QTest::mouseClick(form.button, Qt::LeftButton);
        });
    });

    QCOMPARE(form.ShowModal(), int(Form::mrOk));
    QCOMPARE(clicks, 2);
    QCOMPARE(log.join(" | "), "show | still shown | close");
}

void TestForm::showModalOnVisibleWindowThrows()
{
    QStringList log;
    ProbeForm form(log);
    form.Show();
    try {
        form.ShowModal();
        QFAIL("ShowModal ran on a visible window");
    } catch (const std::runtime_error& error) {
        QCOMPARE(QString(error.what()), "Cannot make a visible window modal");
    }
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowModality(), Qt::NonModal);
    QCOMPARE(log.join(" | "), "show");
}

void TestForm::quittingEndsModalRunWithCancel()
{
    QStringList log;
    ProbeForm form(log);
    int result = -1;
    // Leaving the application's event loop ends every loop inside it, the modal run's too.
    QTimer::singleShot(0, &form, [&] {
        QTimer::singleShot(0, &form, [] { QCoreApplication::exit(0); });
        result = form.ShowModal();
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(result, int(Form::mrCancel));
    QVERIFY(form.isHidden());
    QCOMPARE(log.join(" | "), "show | close");
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
