#pragma once

#include "Form.h"

class DBGrid;
class DBText;
class QLabel;
class QPushButton;

// The groups on the right and the contacts of the selected group on the left, with
// the selected contact's other fields below; opens that contact in the entry window
// and previews its envelope or the whole group's address sheet. Run modally.
class TForm1 : public Form
{
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    DBGrid* DBGrid2;
    DBGrid* DBGrid1;
    QLabel *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    DBText *DBText1, *DBText2, *DBText3, *DBText4, *DBText5, *DBText6, *DBText7, *DBText8;
    QPushButton* Button2;
    QPushButton* Button1;

    void DBGrid1KeyPress(QKeyEvent* key);
    void Button1Click();
    void Button2Click();

protected:
    void FormShortCut(QKeyEvent* key) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TForm1* Form1;
