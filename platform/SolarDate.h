#pragma once

#include <QDate>
#include <QString>

// Today's Persian solar (Jalali) date as two texts of at most the given
// number of characters each: the first holds the day, the month's Persian
// name and the year, the second the Persian name of the weekday, both with
// Persian digits (for 11 December 2026: "۲۰ آذر ۱۴۰۵" and "جمعه").
void date_shamsi(QString& first, int firstCapacity, QString& second, int secondCapacity);

// The same for a given day.
void date_shamsi(const QDate& day, QString& first, int firstCapacity, QString& second, int secondCapacity);
