#include "DateConventions.h"

DateConventions& dateConventions()
{
    static DateConventions conventions;
    return conventions;
}

PartOrder PartOrderOf(QStringView pattern)
{
    for (const QChar c : pattern) {
        switch (c.toLower().unicode()) {
        case u'd':
            return PartOrder::DayMonthYear;
        case u'm':
            return PartOrder::MonthDayYear;
        case u'y':
        case u'e':
            return PartOrder::YearMonthDay;
        default:
            break;
        }
    }
    return PartOrder::MonthDayYear;
}
