#include "Calendar.h"

#include "Errors.h"

#include <cmath>

namespace {

using namespace std::chrono;

// DateValue 0 is 30 December 1899, which the system clock counts as -25569.
constexpr std::int64_t kUnixEpochAsDateValue = 25569;
// DateValue of 1 January 0001 is 1 - 693594.
constexpr std::int64_t kDayNumberOfDateValueZero = 693594;
constexpr std::int64_t kDaysPer400Years = 146097;
// Day numbers of 1 January 0001 and 31 December 9999, the calendar's ends.
constexpr std::int64_t kFirstDayNumber = 1;
constexpr std::int64_t kLastDayNumber = 3652059;
constexpr long double kMillisecondsPerDay = 86400000.0L;

const QString kEncodeError = QStringLiteral("Argument incorrect pour l'encodage de date");

bool isInCalendar(DateValue value)
{
    return std::isfinite(value) && DayNumber(value) >= kFirstDayNumber
        && DayNumber(value) <= kLastDayNumber;
}

} // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int MonthLength(int year, int month)
{
    static constexpr int lengths[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && IsLeapYear(year) ? 29 : lengths[month - 1];
}

std::optional<DateValue> EncodeDateParts(std::uint16_t year, std::uint16_t month, std::uint16_t day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1
        || day > MonthLength(year, month))
        return std::nullopt;
    const sys_days civil { std::chrono::year { year } / month / day };
    return static_cast<DateValue>(civil.time_since_epoch().count() + kUnixEpochAsDateValue);
}

std::int64_t DayNumber(DateValue value)
{
    // Rounded to the millisecond first, then the time of day dropped toward zero.
    const long double milliseconds
        = std::nearbyintl(static_cast<long double>(value) * kMillisecondsPerDay);
    long double days = std::truncl(milliseconds / kMillisecondsPerDay);
    // Far outside the calendar either way; keeps the conversion to an integer defined.
    days = std::fmaxl(std::fminl(days, 1e15L), -1e15L);
    return static_cast<std::int64_t>(days) + kDayNumberOfDateValueZero;
}

DateParts DecodeDateParts(DateValue value)
{
    if (std::isnan(value))
        return {};
    const std::int64_t dayNumber = DayNumber(value);
    if (dayNumber <= 0)
        return {};
    // Whole 400-year cycles first, so that the civil conversion only ever sees years 1..400.
    const std::int64_t daysFromYearOne = dayNumber - 1;
    const std::int64_t cycles = daysFromYearOne / kDaysPer400Years;
    const std::int64_t dayInCycle = daysFromYearOne % kDaysPer400Years;
    const sys_days yearOne { std::chrono::year { 1 } / January / 1 };
    const year_month_day civil { yearOne + days { dayInCycle } };
    return { static_cast<std::uint16_t>(int(civil.year()) + 400 * cycles),
        static_cast<std::uint16_t>(unsigned(civil.month())),
        static_cast<std::uint16_t>(unsigned(civil.day())) };
}

DateValue AddMonths(DateValue value, std::int32_t months)
{
    // Outside the calendar the decoded year would wrap around (year 65537 reads as year 1).
    if (!isInCalendar(value))
        throw ConversionError(kEncodeError);
    const DateParts parts = DecodeDateParts(value);
    const int sign = months >= 0 ? 1 : -1;
    std::int64_t year = parts.year + months / 12;
    std::int64_t month = parts.month + months % 12;
    if (month < 1 || month > 12) {
        year += sign;
        month -= 12 * sign;
    }
    if (year < 1 || year > 9999)
        throw ConversionError(kEncodeError);
    const int day = std::min<int>(parts.day, MonthLength(int(year), int(month)));
    const std::optional<DateValue> result
        = EncodeDateParts(std::uint16_t(year), std::uint16_t(month), std::uint16_t(day));
    if (!result)
        throw ConversionError(kEncodeError);
    const double timeOfDay = std::fabs(value - std::trunc(value));
    const DateValue withTime = *result < 0 ? *result - timeOfDay : *result + timeOfDay;
    // A time of day a hair short of midnight can carry the first day of year 1 out of it.
    if (!isInCalendar(withTime))
        throw ConversionError(kEncodeError);
    return withTime;
}

DateValue TodaysDate(std::chrono::year_month_day today)
{
    const int year = int(today.year());
    if (year < 1 || year > 9999)
        throw ConversionError(kEncodeError);
    const std::optional<DateValue> result = EncodeDateParts(std::uint16_t(year),
        std::uint16_t(unsigned(today.month())), std::uint16_t(unsigned(today.day())));
    if (!result)
        throw ConversionError(kEncodeError);
    return *result;
}
