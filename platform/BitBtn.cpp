#include "BitBtn.h"

#include "Form.h"

#include <QKeyEvent>

BitBtn::BitBtn(QWidget* parent) : BitBtn(QString(), parent) {}

BitBtn::BitBtn(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setAutoDefault(false);
    // Connected before anyone else can connect, so it runs ahead of the window's handlers.
    connect(this, &QAbstractButton::clicked, this, &BitBtn::passModalResultToForm);
}

void BitBtn::keyPressEvent(QKeyEvent* event)
{
    // Outside a dialog QPushButton lets Enter through; here it clicks the focused button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void BitBtn::passModalResultToForm()
{
    if (m_modalResult == Form::mrNone)
        return;
    if (auto* form = qobject_cast<Form*>(window()))
        form->setModalResult(m_modalResult);
}
