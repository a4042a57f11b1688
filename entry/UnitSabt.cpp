#include "UnitSabt.h"

TFSabt* FSabt = nullptr;

TFSabt::TFSabt(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("FSabt"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("ثبت اطلاعات"));
    setFixedSize(536, 364);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(QStringLiteral("#C0DCC0")));
    setPalette(palette);
}
