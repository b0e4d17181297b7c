#include "DateField.h"

DateFieldShape DateFieldShapeOf(QStringView shortDatePattern)
{
    DateFieldShape shape;
    shape.order = PartOrderOf(shortDatePattern);
    const int yearLength = shortDatePattern.contains(u"yyyy", Qt::CaseInsensitive) ? 4 : 2;
    const QString year(yearLength, u'y');
    switch (shape.order) {
    case PartOrder::YearMonthDay:
        shape.partLengths = { yearLength, 2, 2 };
        shape.pattern = year + QStringLiteral("/mm/dd");
        break;
    case PartOrder::MonthDayYear:
        shape.partLengths = { 2, 2, yearLength };
        shape.pattern = QStringLiteral("mm/dd/") + year;
        break;
    case PartOrder::DayMonthYear:
        shape.partLengths = { 2, 2, yearLength };
        shape.pattern = QStringLiteral("dd/mm/") + year;
        break;
    }
    return shape;
}

QDate CivilDateOf(DateValue value)
{
    const DateParts parts = DecodeDateParts(value);
    return QDate(parts.year, parts.month, parts.day);
}

std::optional<DateValue> DateValueOf(QDate date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return std::nullopt;
    return EncodeDateParts(
        std::uint16_t(date.year()), std::uint16_t(date.month()), std::uint16_t(date.day()));
}
