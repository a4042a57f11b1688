#include "UnitListGroup.h"

TFListGroup* FListGroup = nullptr;

TFListGroup::TFListGroup(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("FListGroup"));
    setWindowTitle(QStringLiteral("گروه ها"));
    resize(203, 477);
}
