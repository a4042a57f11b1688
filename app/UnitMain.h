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

// Which window the main window last opened without a modal run, hiding
// itself: 0 none yet, 1 the contact entry window, 2 the search window.
extern int OpenedFromMain;
