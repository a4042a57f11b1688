#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

class QWidget;

// Switches the keyboard to the right-to-left layout whenever a right-to-left input
// control takes the focus, so Persian text can be typed without reaching for the
// layout switch. Left-to-right controls leave the active layout as it is. On X11 the
// layout is one of the groups of the user's own XKB configuration; on other platforms,
// or when that configuration has no such group, focus changes nothing.
class KeyboardLayout : public QObject
{
    Q_OBJECT

public:
    // Windows identifier of the Persian keyboard layout, the one this program asks for.
    static inline const QString PersianLayoutId = QStringLiteral("00000429");

    // Starts following the application's focus. Call once the QApplication exists and
    // before any window is shown; a later call only replaces the layout.
    static void install(const QString& rightToLeftLayoutId);

    // XKB symbols name of a Windows layout identifier; empty for a layout not known here.
    static QString xkbSymbolsFor(const QString& windowsLayoutId);

    // Group to lock for the XKB symbols `symbols` in a comma-separated layout list such
    // as "us,ir(pes_keypad)"; nothing when the list lacks it or XKB cannot reach it.
    static std::optional<int> groupIndexOf(const QString& layoutList, const QString& symbols);

    // The layout list held in the value of the _XKB_RULES_NAMES root window property.
    static QString layoutsFromRulesNames(const QByteArray& rulesNames);

    // The X server's current layout list; empty when the application does not run on X11.
    static QString currentXkbLayouts();

    // Whether `widget` is a control the user can type into and whose text runs right to left.
    static bool isRightToLeftInput(const QWidget* widget);

private:
    explicit KeyboardLayout(QObject* parent);

    void onFocusChanged(QWidget* now) const;

    QString m_symbols;
};
