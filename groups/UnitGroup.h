#pragma once

#include "Form.h"

class TFormGroup : public Form
{
    Q_OBJECT

public:
    explicit TFormGroup(QWidget* parent = nullptr);
};

extern TFormGroup* FormGroup;
