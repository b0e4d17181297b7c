#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

// Days since 30 December 1899 (day 0); the fraction would be a time of day and is always 0 here.
using DateValue = double;

struct DateParts {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    friend bool operator==(const DateParts&, const DateParts&) = default;
};

bool IsLeapYear(int year);
// Days in a month of the proleptic Gregorian calendar; month is 1..12.
int MonthLength(int year, int month);

// Empty unless 1 <= year <= 9999 and the month and day exist.
std::optional<DateValue> EncodeDateParts(
    std::uint16_t year, std::uint16_t month, std::uint16_t day);

// Day number counted from 1 January 0001 (day 1), the time of day dropped toward zero.
std::int64_t DayNumber(DateValue value);

// Year 0, month 0, day 0 for any value before 1 January 0001.
DateParts DecodeDateParts(DateValue value);

// Adds n months, the day clamped to the target month. ConversionError "Argument incorrect pour
// l'encodage de date" for a value that is not a date of years 1..9999 (NaN and infinities
// included) and for a result outside those years.
DateValue AddMonths(DateValue value, std::int32_t months);

// The DateValue of a civil date read from a clock; ConversionError outside years 1..9999.
DateValue TodaysDate(std::chrono::year_month_day today);
