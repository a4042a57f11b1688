#include "Unitnama.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(
        "                                                               نمايش اطلاعات به صورت تفکيک"));
    setFixedSize(801, 525);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(QStringLiteral("#C0DCC0")));
    setPalette(palette);
}
