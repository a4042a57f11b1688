#pragma once

#include "Form.h"

// The program's main window: closing it ends the program.
class TFormMain : public Form
{
    Q_OBJECT

public:
    explicit TFormMain(QWidget* parent = nullptr);

protected:
    void FormClose() override;
};

extern TFormMain* FormMain;
