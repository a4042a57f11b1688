#pragma once

#include "Form.h"

class DBGrid;

// A list of the groups from which the user picks one, with Enter, for the contact
// being typed in the contact entry window; it writes the group's code and name
// there. Closing it from its title bar picks nothing.
class TFListGroup : public Form
{
    Q_OBJECT

public:
    explicit TFListGroup(QWidget* parent = nullptr);

    DBGrid* DBGrid1;

protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DBGrid1KeyPress(QKeyEvent* key);

    bool m_outerSizeFitted = false;
};

extern TFListGroup* FListGroup;
