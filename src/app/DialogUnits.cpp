#include "DialogUnits.h"

namespace {

int mulDiv(int number, int numerator, int denominator)
{
    return (number * numerator + denominator / 2) / denominator;
}

} // namespace

DialogUnits::DialogUnits(const QFontMetrics& metrics)
    : x(mulDiv(metrics.horizontalAdvance(
                   QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
        1, 52))
    , y(metrics.height())
{
}

int DialogUnits::horizontal(int quarters) const { return mulDiv(quarters, x, 4); }

int DialogUnits::vertical(int eighths) const { return mulDiv(eighths, y, 8); }
