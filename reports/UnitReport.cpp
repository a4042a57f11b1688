#include "UnitReport.h"

TReport* Report = nullptr;

TReport::TReport(QObject* parent) : BandReport(QStringLiteral("Report"), parent) {}
