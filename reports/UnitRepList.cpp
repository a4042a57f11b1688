#include "UnitRepList.h"

TRepList* RepList = nullptr;

TRepList::TRepList(QObject* parent) : BandReport(QStringLiteral("RepList"), parent) {}
