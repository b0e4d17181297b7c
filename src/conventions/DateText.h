#pragma once

#include "Calendar.h"
#include "DateConventions.h"

#include <QString>

// Reads a date written day, month and year in the order of the conventions' pattern,
// separated by their delimiter; a missing year is the current year. Throws ConversionError
// "'<text>' n'est pas une date correcte".
DateValue ParseDateText(const QString& text, const DateConventions& conventions, int currentYear);

// Writes a date by the conventions' pattern; at most 256 characters.
QString FormatDateText(DateValue value, const DateConventions& conventions);

// Places a year typed with one or two digits in the hundred years that start `window`
// years before the current year.
int ApplyYearWindow(int typedYear, int currentYear, int window);
