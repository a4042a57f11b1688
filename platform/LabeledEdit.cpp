#include "LabeledEdit.h"

#include <QLabel>

LabeledEdit::LabeledEdit(const QString& caption, QWidget* parent)
    : QLineEdit(parent), m_label(new QLabel(caption, parent))
{
    m_label->setBuddy(this);
    placeLabel();
}

void LabeledEdit::moveEvent(QMoveEvent* event)
{
    QLineEdit::moveEvent(event);
    placeLabel();
}

void LabeledEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    placeLabel();
}

void LabeledEdit::placeLabel()
{
    m_label->adjustSize();
    const QRect box = geometry();
    m_label->move(box.right() + 1 + LabelSpacing, box.top() + (box.height() - m_label->height()) / 2);
}
