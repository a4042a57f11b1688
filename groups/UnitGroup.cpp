#include "UnitGroup.h"

TFormGroup* FormGroup = nullptr;

TFormGroup::TFormGroup(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("FormGroup"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("گروه ها"));
    setFixedSize(287, 542);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(QStringLiteral("#C0DCC0")));
    setPalette(palette);
}
