#pragma once

#include "DateConventions.h"

#include <QChar>
#include <QLocale>

// Turns a Qt date format ("dd/MM/yyyy") into this program's pattern letters ("dd/mm/yyyy").
QString ConvertQtDatePattern(QStringView qtPattern);

// Fills everything but YearWindow from the locale, each entry it lacks taking its fallback.
// The masked date fields are always day, month, two-digit year: a locale whose short date
// is not numeric and day first gets "dd/mm/yy" and "/" so that those fields read right.
void ReadDateConventions(const QLocale& locale, DateConventions& conventions);

// The locale's decimal separator, "." where it gives none.
QChar ReadDecimalMark(const QLocale& locale);

// Start-up and every change of the user's settings: the date conventions (YearWindow kept)
// and the decimal mark of the running program, from the user's locale.
void ReadConventionsFromSystemLocale();
