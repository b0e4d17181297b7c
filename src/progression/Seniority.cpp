#include "Seniority.h"

#include "conventions/NumberText.h"

SeniorityResult ComputeSeniorityResult(DateValue startDate, DateValue referenceDate)
{
    const DateParts start = DecodeDateParts(startDate);
    const DateParts reference = DecodeDateParts(referenceDate);
    // Whole days on the 360-day year: exact, so whole years and months never fall a hair short.
    const std::int64_t days = 360 * (std::int64_t(reference.year) - start.year)
        + 30 * (std::int64_t(reference.month) - start.month)
        + (std::int64_t(reference.day) - start.day);
    SeniorityResult result;
    result.Years = static_cast<long double>(days / 360);
    result.Months = static_cast<long double>(days % 360 / 30);
    result.DayAmount = static_cast<long double>(days % 30);
    result.DecimalYears = static_cast<long double>(days) / 360;
    return result;
}

SeniorityTexts FormatSeniority(const SeniorityResult& result, QChar decimalMark)
{
    return { FormatGeneral(result.Years, decimalMark), FormatGeneral(result.Months, decimalMark),
        FormatInteger(RoundToInteger(result.DayAmount)),
        FormatFixed(QStringLiteral("0.000"), result.DecimalYears, decimalMark) };
}
