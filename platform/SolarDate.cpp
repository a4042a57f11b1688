#include "SolarDate.h"

#include <QCalendar>
#include <QLocale>

void date_shamsi(QString& first, int firstCapacity, QString& second, int secondCapacity)
{
    date_shamsi(QDate::currentDate(), first, firstCapacity, second, secondCapacity);
}

void date_shamsi(const QDate& day, QString& first, int firstCapacity, QString& second, int secondCapacity)
{
    const QCalendar jalali(QCalendar::System::Jalali);
    QLocale persian(QLocale::Persian, QLocale::Iran);
    persian.setNumberOptions(QLocale::OmitGroupSeparator);
    const QCalendar::YearMonthDay parts = jalali.partsFromDate(day);
    first = QStringLiteral("%1 %2 %3")
                .arg(persian.toString(parts.day), jalali.monthName(persian, parts.month, parts.year),
                     persian.toString(parts.year))
                .left(firstCapacity);
    second = persian.dayName(day.dayOfWeek()).left(secondCapacity);
}
