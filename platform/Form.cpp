#include "Form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QScreen>

#include <stdexcept>

// Hands every key-down of the program to FormShortCut of the Form it happens in, once,
// before shortcuts and the focused control see it.
//
// One key-down reaches the application as a ShortcutOverride event, then either as a
// shortcut or as a KeyPress event; each of those may be delivered several times, from
// the native window to the focus widget and on to its parents. The hook runs on the
// first of them: the ShortcutOverride, or a KeyPress that came without one.
class Form::KeyDownRouter : public QObject
{
public:
    static void install()
    {
        static QPointer<KeyDownRouter> router;
        if (!router)
            router = new KeyDownRouter(QCoreApplication::instance());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            // A native window only passes the key on to its focus widget.
            if (watched->isWidgetType())
                return keyEvent(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
            break;
        case QEvent::Shortcut:
        case QEvent::KeyRelease:
            m_override.live = false;
            m_press.live = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    explicit KeyDownRouter(QObject* parent) : QObject(parent) { parent->installEventFilter(this); }

    struct KeyIdentity
    {
        int key = 0;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool autoRepeat = false;
        quint32 scanCode = 0;
        quint64 timestamp = 0;
        bool operator==(const KeyIdentity&) const = default;
    };

    // The last event of one kind seen for the key-down in progress.
    struct SeenEvent
    {
        const QEvent* event = nullptr;
        KeyIdentity identity;
        bool live = false;
        bool usedUp = false;

        bool isRepeatOf(const QEvent* other, const KeyIdentity& otherIdentity) const
        {
            return live && event == other && identity == otherIdentity;
        }
    };

    static KeyIdentity identityOf(const QKeyEvent* key)
    {
        return {key->key(),          key->modifiers(),      key->text(),
                key->isAutoRepeat(), key->nativeScanCode(), key->timestamp()};
    }

    bool keyEvent(QWidget* receiver, QKeyEvent* key)
    {
        const KeyIdentity identity = identityOf(key);
        SeenEvent* current = nullptr;
        if (key->type() == QEvent::ShortcutOverride) {
            if (m_override.isRepeatOf(key, identity))
                return useUp(m_override.usedUp, key);
            m_override = {key, identity, true, false};
            m_press.live = false;
            current = &m_override;
        } else {
            if (m_override.live && m_override.identity == identity) {
                m_press = {key, identity, true, m_override.usedUp};
                m_override.live = false;
                return useUp(m_press.usedUp, key);
            }
            if (m_press.isRepeatOf(key, identity))
                return useUp(m_press.usedUp, key);
            m_press = {key, identity, true, false};
            m_override.live = false;
            current = &m_press;
        }

        auto* form = qobject_cast<Form*>(receiver->window());
        if (!form)
            return false;
        // The hook may run a nested event loop (a modal window of its own) that delivers
        // other keys; the rest of this key-down still follows afterwards.
        const SeenEvent savedOverride = m_override;
        const SeenEvent savedPress = m_press;
        bool usedUp = false;
        auto restore = qScopeGuard([&] {
            m_override = savedOverride;
            m_press = savedPress;
            current->usedUp = usedUp;
        });
        usedUp = form->keyDown(key);
        Form* mainForm = s_mainForm;
        if (!usedUp && mainForm && mainForm != form && !QApplication::activeModalWidget())
            mainForm->FormShortCut(key);
        return useUp(usedUp, key);
    }

    // The rest of a key-down whose cancel button was clicked goes nowhere else.
    static bool useUp(bool usedUp, QKeyEvent* key)
    {
        if (!usedUp)
            return false;
        key->accept();
        return true;
    }

    SeenEvent m_override;
    SeenEvent m_press;
};

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window)
{
    KeyDownRouter::install();
}

void Form::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form::setMainForm(Form* form)
{
    s_mainForm = form;
}

void Form::setModalResult(int result)
{
    m_modalResult = result;
    if (result != mrNone && m_modalLoop) {
        m_modalLoopExitRequested = true;
        m_modalLoop->exit();
    }
}

void Form::Show()
{
    if (isHidden())
        FormShow();
    showAndActivate();
}

int Form::ShowModal()
{
    if (isVisible())
        throw std::runtime_error("Cannot make a visible window modal");

    m_modalResult = mrNone;
    const Qt::WindowModality previousModality = windowModality();
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    m_modalLoop = &loop;
    auto closeWindow = qScopeGuard([&] {
        m_modalLoop = nullptr;
        hide();
        setWindowModality(previousModality);
    });

    FormShow();
    showAndActivate();
    while (m_modalResult == mrNone) {
        m_modalLoopExitRequested = false;
        loop.exec(QEventLoop::DialogExec);
        // Only an application that is quitting ends the loop without a result.
        if (!m_modalLoopExitRequested)
            m_modalResult = mrCancel;
    }
    m_modalLoop = nullptr;
    FormClose();
    return m_modalResult;
}

void Form::Close()
{
    if (m_modalLoop) {
        setModalResult(mrCancel);
        return;
    }
    // Asked from within the close event, the event itself closes the window.
    if (m_closeRequestGranted) {
        *m_closeRequestGranted = true;
        return;
    }
    QScopedValueRollback<bool> closing(m_closingItself, true);
    close();
}

void Form::setCancelButton(QAbstractButton* button)
{
    m_cancelButton = button;
}

bool Form::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

void Form::closeEvent(QCloseEvent* event)
{
    if (!m_closingItself) {
        // Closed from outside, the window is left its own way; a modal run closes
        // it once it has its result.
        bool granted = false;
        {
            QScopedValueRollback<bool*> deciding(m_closeRequestGranted, &granted);
            FormCloseRequest();
        }
        if (!granted) {
            event->ignore();
            return;
        }
    }
    FormClose();
    event->accept();
}

bool Form::keyDown(QKeyEvent* key)
{
    FormShortCut(key);
    if (key->key() != Qt::Key_Escape || !m_cancelButton || m_cancelButton->isHidden() ||
        !m_cancelButton->isEnabled())
        return false;
    m_cancelButton->click();
    return true;
}

void Form::showAndActivate()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
