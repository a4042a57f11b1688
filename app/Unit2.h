#pragma once

#include "Form.h"

class QLabel;
class QProgressBar;

// The splash window shown while start-up creates the windows and opens the
// database.
class TForm2 : public Form
{
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    QLabel* Label1;
    QProgressBar* ProgressBar1;

    // Sets the bar and paints the window at once: start-up does not return to
    // the event loop between its steps.
    void setPosition(int position);
    void stepIt();
};

extern TForm2* Form2;
