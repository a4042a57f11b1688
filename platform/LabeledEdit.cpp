#include "LabeledEdit.h"

#include <QLabel>
#include <QValidator>

namespace {

// Text pasted or dropped into a one-line edit keeps to one line: its line
// breaks and tabs become blanks.
class OneLineValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        for (QChar& character : input) {
            if (character == QLatin1Char('\n') || character == QLatin1Char('\r') ||
                character == QLatin1Char('\t') || character == QChar::LineSeparator ||
                character == QChar::ParagraphSeparator)
                character = QLatin1Char(' ');
        }
        return Acceptable;
    }
};

} // namespace

LabeledEdit::LabeledEdit(const QString& caption, QWidget* parent)
    : QLineEdit(parent), m_label(new QLabel(caption, parent))
{
    setValidator(new OneLineValidator(this));
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
