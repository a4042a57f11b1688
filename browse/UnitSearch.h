#pragma once

#include "Form.h"

class TFormSearch : public Form
{
    Q_OBJECT

public:
    explicit TFormSearch(QWidget* parent = nullptr);
};

extern TFormSearch* FormSearch;
