#include "UnitrepGroup.h"

TRepGroup* RepGroup = nullptr;

TRepGroup::TRepGroup(QObject* parent) : BandReport(QStringLiteral("RepGroup"), parent) {}
