#pragma once

#include "conventions/Calendar.h"

#include <QChar>
#include <QString>

// Seniority on a year of twelve months of 30 days; negative when the reference date
// comes before the start date.
struct SeniorityResult {
    long double Years = 0; // whole years, toward zero
    long double Months = 0; // whole months beyond the years, -11..11
    long double DayAmount = 0; // days beyond the months, -29..29
    long double DecimalYears = 0;
};

// Counted from whole days: a day 31 counts as 31 and February's length plays no part,
// so 28 February to 1 March is 3 days.
SeniorityResult ComputeSeniorityResult(DateValue startDate, DateValue referenceDate);

// The texts of the years, months and days fields and of the decimal years label.
struct SeniorityTexts {
    QString years;
    QString months;
    QString days;
    QString decimalYears;
};
SeniorityTexts FormatSeniority(const SeniorityResult& result, QChar decimalMark);
