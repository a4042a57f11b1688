#pragma once

#include "BandReport.h"

// The envelope: a fixed sender block and a receiver block whose five texts
// the callers set from the current contact before Preview.
class TReport : public BandReport
{
    Q_OBJECT

public:
    explicit TReport(QObject* parent = nullptr);

    ReportBand* TitleBand1;
    // The five texts the callers set.
    ReportLabel* QR1;
    ReportLabel* QR3;
    ReportLabel* QRLabel4;
    ReportLabel* QR4;
    ReportLabel* QR5;
    // The fixed captions.
    ReportLabel* QRLabel1;
    ReportLabel* QRLabel3;
    ReportLabel* Ladd;
    ReportLabel* LTel;
    ReportLabel* LPC;
};

extern TReport* Report;
