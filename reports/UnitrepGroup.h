#pragma once

#include "BandReport.h"

// The group address sheet: an address block for every contact of the
// selected group, five blocks to a page.
class TRepGroup : public BandReport
{
    Q_OBJECT

public:
    explicit TRepGroup(QObject* parent = nullptr);

    ReportBand* DetailBand1;
    ReportLabel* Ladd;
    ReportLabel* QRDBText3;
    ReportLabel* QRDBText1;
    ReportLabel* QRDBText2;
    ReportLabel* QRDBText4;
    ReportLabel* LTel;
    ReportLabel* QRDBText5;
    ReportLabel* LPC;
    ReportLabel* QRDBText6;
};

extern TRepGroup* RepGroup;
