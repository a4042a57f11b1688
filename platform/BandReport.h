#pragma once

#include <QObject>

// Base of the program's printed layouts: A4 pages built from bands of labels
// and data-aware texts.
class BandReport : public QObject
{
    Q_OBJECT

public:
    explicit BandReport(const QString& name, QObject* parent = nullptr) : QObject(parent)
    {
        setObjectName(name);
    }
};
