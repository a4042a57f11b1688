#include "UnitSearch.h"

TFormSearch* FormSearch = nullptr;

TFormSearch::TFormSearch(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("FormSearch"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(792, 565);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(QStringLiteral("#C0DCC0")));
    setPalette(palette);
}
