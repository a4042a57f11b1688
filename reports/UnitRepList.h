#pragma once

#include "BandReport.h"

class TRepList : public BandReport
{
    Q_OBJECT

public:
    explicit TRepList(QObject* parent = nullptr);
};

extern TRepList* RepList;
