#pragma once

#include "Form.h"

class TFSabt : public Form
{
    Q_OBJECT

public:
    explicit TFSabt(QWidget* parent = nullptr);
};

extern TFSabt* FSabt;
