#include "KeyboardLayout.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtGui/qguiapplication_platform.h>

#include <memory>
#include <vector>

// Xlib defines macros such as None and Bool that clash with Qt names: include it last.
#include <X11/XKBlib.h>

using OptionalGroup = std::optional<int>;
Q_DECLARE_METATYPE(OptionalGroup)

namespace {

QByteArray rulesNames(const QList<QByteArray>& fields)
{
    QByteArray value;
    for (const QByteArray& field : fields)
        value += field + '\0';
    return value;
}

QWidget* rightToLeft(QWidget* widget)
{
    widget->setLayoutDirection(Qt::RightToLeft);
    return widget;
}

QLineEdit* readOnly(QLineEdit* edit)
{
    edit->setReadOnly(true);
    return edit;
}

Display* x11Display()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

int lockedGroup(Display* display)
{
    XkbStateRec state;
    XkbGetState(display, XkbUseCoreKbd, &state);
    return state.locked_group;
}

} // namespace

class KeyboardLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void groupIndexOf_data();
    void groupIndexOf();
    void layoutsFromRulesNames_data();
    void layoutsFromRulesNames();
    void knowsOnlyThePersianLayoutId();
    void recognisesRightToLeftInputControls();
    void focusLandsOnARecognisedControl();
    void focusChangesWithoutX11AreHarmless();
    void locksThePersianGroupOnX11();
};

void KeyboardLayoutTest::groupIndexOf_data()
{
    QTest::addColumn<QString>("layouts");
    QTest::addColumn<OptionalGroup>("group");

    QTest::newRow("second of two") << "us,ir" << OptionalGroup(1);
    QTest::newRow("only layout") << "ir" << OptionalGroup(0);
    QTest::newRow("third of three") << "us,ara,ir" << OptionalGroup(2);
    QTest::newRow("no Persian layout") << "de,us" << OptionalGroup();
    QTest::newRow("with a variant") << "us,ir(pes_keypad)" << OptionalGroup(1);
    QTest::newRow("empty list") << "" << OptionalGroup();
    QTest::newRow("spaces around names") << " us , ir " << OptionalGroup(1);
    QTest::newRow("name that only starts with ir") << "us,irx" << OptionalGroup();
    QTest::newRow("fourth group is the last reachable") << "us,de,fr,ir" << OptionalGroup(3);
    QTest::newRow("beyond the four XKB groups") << "us,de,fr,ru,ir" << OptionalGroup();
}

void KeyboardLayoutTest::groupIndexOf()
{
    QFETCH(QString, layouts);
    QFETCH(OptionalGroup, group);
    QCOMPARE(KeyboardLayout::groupIndexOf(layouts, QStringLiteral("ir")), group);
}

void KeyboardLayoutTest::layoutsFromRulesNames_data()
{
    QTest::addColumn<QByteArray>("rulesNames");
    QTest::addColumn<QString>("layouts");

    QTest::newRow("two layouts and a variant")
        << rulesNames({"evdev", "pc105", "us,ir", ",pes_keypad", ""}) << "us,ir";
    QTest::newRow("empty fields") << rulesNames({"", "", "ir", "", ""}) << "ir";
    QTest::newRow("missing property") << QByteArray() << "";
    QTest::newRow("cut short before the layouts") << rulesNames({"evdev", "pc105"}) << "";
}

void KeyboardLayoutTest::layoutsFromRulesNames()
{
    QFETCH(QByteArray, rulesNames);
    QFETCH(QString, layouts);
    QCOMPARE(KeyboardLayout::layoutsFromRulesNames(rulesNames), layouts);
}

void KeyboardLayoutTest::knowsOnlyThePersianLayoutId()
{
    QCOMPARE(KeyboardLayout::PersianLayoutId, QStringLiteral("00000429"));
    QCOMPARE(KeyboardLayout::xkbSymbolsFor(KeyboardLayout::PersianLayoutId), QStringLiteral("ir"));
    QVERIFY(KeyboardLayout::xkbSymbolsFor(QStringLiteral("00000409")).isEmpty());
    QVERIFY(KeyboardLayout::xkbSymbolsFor(QString()).isEmpty());
}

void KeyboardLayoutTest::recognisesRightToLeftInputControls()
{
    QWidget rightToLeftWindow;
    rightToLeftWindow.setLayoutDirection(Qt::RightToLeft);
    auto* inheritingEdit = new QLineEdit(&rightToLeftWindow);
    auto* leftToRightChild = new QLineEdit(&rightToLeftWindow);
    leftToRightChild->setLayoutDirection(Qt::LeftToRight);

    auto* editableCombo = new QComboBox;
    editableCombo->setEditable(true);
    auto* readOnlySpin = new QSpinBox;
    readOnlySpin->setReadOnly(true);
    auto* readOnlyText = new QTextEdit;
    readOnlyText->setReadOnly(true);

    struct Case
    {
        const char* name;
        std::unique_ptr<QWidget> owned;
        QWidget* widget;
        bool expected;
    };
    const auto own = [](const char* name, QWidget* widget, bool expected) {
        return Case{name, std::unique_ptr<QWidget>(widget), widget, expected};
    };
    std::vector<Case> cases;
    cases.push_back(own("rtl line edit", rightToLeft(new QLineEdit), true));
    cases.push_back(own("ltr line edit", new QLineEdit, false));
    cases.push_back(own("read-only rtl line edit", rightToLeft(readOnly(new QLineEdit)), false));
    cases.push_back(own("rtl label", rightToLeft(new QLabel("نام")), false));
    cases.push_back(own("rtl text edit", rightToLeft(new QTextEdit), true));
    cases.push_back(own("read-only rtl text edit", rightToLeft(readOnlyText), false));
    cases.push_back(own("rtl plain text edit", rightToLeft(new QPlainTextEdit), true));
    cases.push_back(own("rtl spin box", rightToLeft(new QSpinBox), true));
    cases.push_back(own("read-only rtl spin box", rightToLeft(readOnlySpin), false));
    cases.push_back(own("rtl date edit", rightToLeft(new QDateEdit), true));
    cases.push_back(own("rtl editable combo", rightToLeft(editableCombo), true));
    cases.push_back(own("rtl fixed-choice combo", rightToLeft(new QComboBox), false));
    cases.push_back({"edit inheriting rtl from its window", nullptr, inheritingEdit, true});
    cases.push_back({"ltr edit inside an rtl window", nullptr, leftToRightChild, false});
    cases.push_back({"no widget", nullptr, nullptr, false});

    for (const Case& c : cases)
        QVERIFY2(KeyboardLayout::isRightToLeftInput(c.widget) == c.expected, c.name);
}

// Spin boxes and combo boxes hand the focus to or from inner editors; the widget the
// application reports as focused must still be recognised.
void KeyboardLayoutTest::focusLandsOnARecognisedControl()
{
    QWidget window;
    window.setLayoutDirection(Qt::RightToLeft);
    auto* layout = new QVBoxLayout(&window);
    auto* editableCombo = new QComboBox;
    editableCombo->setEditable(true);
    const std::vector<QWidget*> controls{new QLineEdit, new QTextEdit, new QPlainTextEdit,
                                         new QSpinBox,  new QDateEdit, editableCombo};
    for (QWidget* control : controls)
        layout->addWidget(control);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    for (QWidget* control : controls) {
        control->setFocus();
        QWidget* focused = QApplication::focusWidget();
        QVERIFY2(focused, control->metaObject()->className());
        QVERIFY2(KeyboardLayout::isRightToLeftInput(focused), focused->metaObject()->className());
    }
}

void KeyboardLayoutTest::focusChangesWithoutX11AreHarmless()
{
    if (x11Display())
        QSKIP("runs on a platform without X11, such as offscreen");
    QVERIFY(KeyboardLayout::currentXkbLayouts().isEmpty());

    KeyboardLayout::install(KeyboardLayout::PersianLayoutId);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* leftToRight = new QLineEdit;
    auto* rightToLeft = new QLineEdit;
    rightToLeft->setLayoutDirection(Qt::RightToLeft);
    layout->addWidget(leftToRight);
    layout->addWidget(rightToLeft);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    for (QLineEdit* edit : {rightToLeft, leftToRight, rightToLeft}) {
        edit->setFocus();
        QCOMPARE(QApplication::focusWidget(), edit);
    }
    QTest::keyClicks(rightToLeft, "abc");
    QCOMPARE(rightToLeft->text(), QStringLiteral("abc"));
}

// Runs on an X server whose keyboard has a Persian group, e.g.
//   xvfb-run -s "-noreset" sh -c 'setxkbmap -layout us,ir && QT_QPA_PLATFORM=xcb ./tst_keyboardlayout'
void KeyboardLayoutTest::locksThePersianGroupOnX11()
{
    Display* display = x11Display();
    if (!display)
        QSKIP("needs the xcb platform and an X server");
    const OptionalGroup persian = KeyboardLayout::groupIndexOf(KeyboardLayout::currentXkbLayouts(), "ir");
    if (!persian || *persian == 0)
        QSKIP("needs a keyboard whose Persian layout is not the first group (setxkbmap -layout us,ir)");

    KeyboardLayout::install(KeyboardLayout::PersianLayoutId);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* leftToRight = new QLineEdit;
    auto* rightToLeft = new QLineEdit;
    rightToLeft->setLayoutDirection(Qt::RightToLeft);
    auto* readOnlyRightToLeft = readOnly(new QLineEdit);
    readOnlyRightToLeft->setLayoutDirection(Qt::RightToLeft);
    layout->addWidget(leftToRight);
    layout->addWidget(rightToLeft);
    layout->addWidget(readOnlyRightToLeft);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    leftToRight->setFocus();
    XkbLockGroup(display, XkbUseCoreKbd, 0);
    QCOMPARE(lockedGroup(display), 0);

    readOnlyRightToLeft->setFocus();
    QCOMPARE(lockedGroup(display), 0);
    rightToLeft->setFocus();
    QCOMPARE(lockedGroup(display), *persian);
    leftToRight->setFocus();
    QCOMPARE(lockedGroup(display), *persian);

    // The user switches back by hand inside a Persian field: leaving it for a left-to-right
    // field keeps that choice, and entering it again brings the Persian layout back.
    rightToLeft->setFocus();
    XkbLockGroup(display, XkbUseCoreKbd, 0);
    leftToRight->setFocus();
    QCOMPARE(lockedGroup(display), 0);
    rightToLeft->setFocus();
    QCOMPARE(lockedGroup(display), *persian);
}

QTEST_MAIN(KeyboardLayoutTest)
#include "tst_keyboardlayout.moc"
