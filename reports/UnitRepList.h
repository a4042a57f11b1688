#pragma once

#include "BandReport.h"

// The contact list: the rows of the search result as a ruled table, 46 to a
// page under headings repeated on every page.
class TRepList : public BandReport
{
    Q_OBJECT

public:
    explicit TRepList(QObject* parent = nullptr);

    ReportBand* ColumnHeaderBand1;
    ReportBand* DetailBand1;
    ReportLabel* QRLabel1;
    ReportLabel* QRLabel2;
    ReportLabel* QRLabel3;
    ReportLabel* QRLabel4;
    ReportLabel* QRLabel5;
    ReportLabel* QRLabel6;
    ReportLabel* QRLabel7;
    ReportLabel* QRLabel8;
    ReportLabel* QRDBText1;
    ReportLabel* QRDBText2;
    ReportLabel* QRDBText3;
    ReportLabel* QRDBText4;
    ReportLabel* QRDBText5;
    ReportLabel* QRDBText6;
    ReportLabel* QRDBText7;
    ReportLabel* QRDBText8;
};

extern TRepList* RepList;
