#pragma once

#include "Calendar.h"
#include "DateConventions.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

// How the date field with a calendar lays out its date, from the short date pattern of the
// user's locale: the order of its parts, each part's length (a four-digit year when the
// pattern writes one), and the pattern it writes its own texts with ("dd/mm/yyyy" and the
// like, "/" standing for the delimiter).
struct DateFieldShape {
    PartOrder order = PartOrder::DayMonthYear;
    std::array<int, 3> partLengths { 2, 2, 2 }; // in the order shown
    QString pattern = QStringLiteral("dd/mm/yy");
    friend bool operator==(const DateFieldShape&, const DateFieldShape&) = default;
};
DateFieldShape DateFieldShapeOf(QStringView shortDatePattern);

// The calendar's own date type: a DateValue shows as its civil date, and a civil date becomes
// a DateValue only inside years 1..9999.
QDate CivilDateOf(DateValue value);
std::optional<DateValue> DateValueOf(QDate date);
