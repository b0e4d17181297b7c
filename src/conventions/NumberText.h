#pragma once

#include <QChar>
#include <QString>

#include <cstdint>
#include <string>

// The decimal separator of the running program's number texts.
QChar& decimalMark();

QString FormatInteger(std::int32_t value);
QString FormatInteger(std::int64_t value);

// Decimal with an optional sign, or hexadecimal after "$", "x" or "0x"; leading blanks allowed.
// Throws ConversionError "'<text>' n'est pas une valeur entière correcte".
std::int32_t ParseInteger(const QString& text);

// Up to 15 significant digits, plain between 0.0001 and 10^15, scientific elsewhere.
QString FormatGeneral(long double value, QChar decimalMark);

// By a one-section pattern of digit places ("0", "#") and one point, as "0.000".
// Throws ConversionError "Chaîne de format trop longue" past 224 characters.
QString FormatFixed(const QString& pattern, long double value, QChar decimalMark);

long double IntPart(long double value); // toward zero
long double FracPart(long double value); // keeps the sign of the value
std::int64_t RoundToInteger(long double value); // ties to even

// |x| = 0.d1d2... × 10^exponent, at most 18 digits, no trailing zero; empty digits for zero.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

// The digits of a value kept to `precision` significant digits and `decimals` places after
// the point, the cut rounding half away from zero.
DecimalDigits ToDecimalDigits(long double value, int precision, int decimals);
