#pragma once

#include <QPushButton>

// A push button that gives its window a modal result: a click (mouse, Space, or
// Enter/Return while it has the focus) first sets the owning Form's ModalResult to the
// button's one, when that is not mrNone, and then emits clicked(). A modal run of the
// window therefore ends after the click handlers have returned. It is never a default
// button, so Enter elsewhere in the window does not click it.
class BitBtn : public QPushButton
{
    Q_OBJECT

public:
    explicit BitBtn(QWidget* parent = nullptr);
    explicit BitBtn(const QString& text, QWidget* parent = nullptr);

    int modalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void passModalResultToForm();

    int m_modalResult = 0;
};
