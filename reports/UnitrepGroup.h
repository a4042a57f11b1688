#pragma once

#include "BandReport.h"

class TRepGroup : public BandReport
{
    Q_OBJECT

public:
    explicit TRepGroup(QObject* parent = nullptr);
};

extern TRepGroup* RepGroup;
