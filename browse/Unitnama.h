#pragma once

#include "Form.h"

class TForm1 : public Form
{
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
};

extern TForm1* Form1;
