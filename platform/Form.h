#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QEventLoop;
class QKeyEvent;

// Base of every window of the program: a top-level window, hidden until shown with
// Show() or ShowModal(), that runs modally until one of its buttons (or code) sets a
// modal result, and that sees every key pressed in it before anything else does.
//
// It is deliberately not a QDialog: Escape must not reject on its own and Enter in
// an edit must never click a button.
class Form : public QWidget
{
    Q_OBJECT

public:
    enum ModalResult
    {
        mrNone = 0,
        mrOk = 1,
        mrCancel = 2,
        mrAbort = 3,
        mrRetry = 4,
        mrIgnore = 5,
        mrYes = 6,
        mrNo = 7
    };

    explicit Form(QWidget* parent = nullptr);

    int ModalResult() const { return m_modalResult; }
    // A non-zero result ends a modal run once control returns to it, that is after
    // the handler that set it has returned; the handler may still reset it to mrNone.
    void setModalResult(int result);

    // Shows the window without a modal run, or brings it to the front when shown.
    void Show();
    // Shows the window application-modal and runs until a non-zero ModalResult is set,
    // then closes it and returns the result. Throws std::runtime_error when the window
    // is already visible.
    int ShowModal();
    // Runs FormClose() and hides the window; in a modal run it answers mrCancel and
    // the run closes the window.
    void Close();

    // Places the window in the middle of the screen.
    void centreOnScreen();

    // Escape clicks this button (when not hidden and enabled) after FormShortCut saw it;
    // such an Escape then goes no further, to no shortcut and no control.
    void setCancelButton(QAbstractButton* button);

    // The program's main window also sees, after the window they happen in,
    // the key-downs of other windows shown without a modal run: its keys work
    // while it is hidden behind them. During a modal run it sees none.
    static void setMainForm(Form* form);

protected:
    // Called by Show() and ShowModal() each time the window goes from hidden to shown,
    // before it appears.
    virtual void FormShow() {}
    // Called each time the window becomes the active window.
    virtual void FormActivate() {}
    // Called each time the window closes.
    virtual void FormClose() {}
    // Sees every key-down in the window, whichever control has the focus, before
    // shortcuts and the focused control; the key is processed as usual afterwards.
    virtual void FormShortCut(QKeyEvent* key) { Q_UNUSED(key); }
    // The user closes the window from outside the program: its title bar, Alt+F4,
    // the taskbar. By default the window closes as with Close().
    virtual void FormCloseRequest() { Close(); }

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class KeyDownRouter;

    // Called for each key-down in this window by the application-wide key router.
    // Returns true when the key was used up by clicking the cancel button.
    bool keyDown(QKeyEvent* key);
    void showAndActivate();

    static inline QPointer<Form> s_mainForm;

    int m_modalResult = mrNone;
    QEventLoop* m_modalLoop = nullptr;
    bool m_modalLoopExitRequested = false;
    bool m_closingItself = false;
    // While a close request from outside is being decided: set when the window closes.
    bool* m_closeRequestGranted = nullptr;
    QPointer<QAbstractButton> m_cancelButton;
};
