#include "KeyboardLayout.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextEdit>
#include <QtGui/qguiapplication_platform.h>

#include <algorithm>

// Xlib defines macros such as None and Bool that clash with Qt names: include it last.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// Null when the application runs on a platform other than X11, such as offscreen or wayland.
Display* x11Display()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

} // namespace

KeyboardLayout::KeyboardLayout(QObject* parent) : QObject(parent) {}

void KeyboardLayout::install(const QString& rightToLeftLayoutId)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) {
        qWarning("KeyboardLayout: focus is followed only in a QApplication");
        return;
    }
    const QString symbols = xkbSymbolsFor(rightToLeftLayoutId);
    if (symbols.isEmpty())
        qWarning("KeyboardLayout: unknown keyboard layout %s", qPrintable(rightToLeftLayoutId));

    auto* layout = app->findChild<KeyboardLayout*>(QString(), Qt::FindDirectChildrenOnly);
    if (!layout) {
        layout = new KeyboardLayout(app);
        connect(app, &QApplication::focusChanged, layout,
                [layout](QWidget*, QWidget* now) { layout->onFocusChanged(now); });
    }
    layout->m_symbols = symbols;
}

QString KeyboardLayout::xkbSymbolsFor(const QString& windowsLayoutId)
{
    return windowsLayoutId == PersianLayoutId ? QStringLiteral("ir") : QString();
}

std::optional<int> KeyboardLayout::groupIndexOf(const QString& layoutList, const QString& symbols)
{
    if (symbols.isEmpty())
        return std::nullopt;
    const QStringList layouts = layoutList.split(u',');
    // The X server keeps at most four groups; layouts listed after them are never active.
    const int reachable = std::min<int>(layouts.size(), XkbNumKbdGroups);
    for (int group = 0; group < reachable; ++group) {
        // A variant may be written after the name, as in "ir(pes_keypad)".
        if (layouts[group].section(u'(', 0, 0).trimmed() == symbols)
            return group;
    }
    return std::nullopt;
}

QString KeyboardLayout::layoutsFromRulesNames(const QByteArray& rulesNames)
{
    // Rules, model, layouts, variants and options, each ended by a NUL.
    const QList<QByteArray> fields = rulesNames.split('\0');
    return fields.size() > 2 ? QString::fromLatin1(fields[2]) : QString();
}

QString KeyboardLayout::currentXkbLayouts()
{
    Display* display = x11Display();
    if (!display)
        return {};
    const Atom property = XInternAtom(display, "_XKB_RULES_NAMES", True);
    if (property == None)
        return {};

    Atom type = None;
    int format = 0;
    unsigned long length = 0;
    unsigned long remaining = 0;
    unsigned char* value = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1024, False,
                                          XA_STRING, &type, &format, &length, &remaining, &value);
    QByteArray rulesNames;
    if (status == Success && type == XA_STRING && format == 8 && value)
        rulesNames = QByteArray(reinterpret_cast<const char*>(value), static_cast<qsizetype>(length));
    if (value)
        XFree(value);
    return layoutsFromRulesNames(rulesNames);
}

bool KeyboardLayout::isRightToLeftInput(const QWidget* widget)
{
    if (!widget || widget->layoutDirection() != Qt::RightToLeft)
        return false;
    // Read-only controls take the focus but no typing, so the user's layout is kept.
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return !edit->isReadOnly();
    if (const auto* edit = qobject_cast<const QTextEdit*>(widget))
        return !edit->isReadOnly();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget))
        return !edit->isReadOnly();
    if (const auto* spinBox = qobject_cast<const QAbstractSpinBox*>(widget))
        return !spinBox->isReadOnly();
    if (const auto* comboBox = qobject_cast<const QComboBox*>(widget))
        return comboBox->isEditable();
    return false;
}

void KeyboardLayout::onFocusChanged(QWidget* now) const
{
    if (!isRightToLeftInput(now))
        return;
    Display* display = x11Display();
    if (!display)
        return;
    // Read on every switch: the user may change the keyboard configuration while we run.
    const std::optional<int> group = groupIndexOf(currentXkbLayouts(), m_symbols);
    if (!group)
        return;
    XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned int>(*group));
    XFlush(display);
}
