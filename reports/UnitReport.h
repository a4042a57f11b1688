#pragma once

#include "BandReport.h"

class TReport : public BandReport
{
    Q_OBJECT

public:
    explicit TReport(QObject* parent = nullptr);
};

extern TReport* Report;
