#pragma once

#include "Form.h"

class TFListGroup : public Form
{
    Q_OBJECT

public:
    explicit TFListGroup(QWidget* parent = nullptr);
};

extern TFListGroup* FListGroup;
