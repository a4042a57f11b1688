#pragma once

#include "Form.h"

class BitBtn;
class DBGrid;
class LabeledEdit;

// The window in which the user keeps the list of groups: every group in a
// grid, a new group added under the next free code with Enter in `name`, and
// the grid's current group removed with the delete button. The main window
// runs it modally.
class TFormGroup : public Form
{
    Q_OBJECT

public:
    explicit TFormGroup(QWidget* parent = nullptr);

    BitBtn* BitBtn1;
    LabeledEdit* cod;
    LabeledEdit* name;
    DBGrid* DBGrid1;
    BitBtn* BitBtn2;

protected:
    void FormShow() override;
    void FormShortCut(QKeyEvent* key) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nameKeyPress(const QKeyEvent* key);
    void BitBtn1Click();
    void BitBtn2Click();
};

extern TFormGroup* FormGroup;
