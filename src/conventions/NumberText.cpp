#include "NumberText.h"

#include "Errors.h"

#include <algorithm>
#include <cfenv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

QChar& decimalMark()
{
    static QChar mark = u'.';
    return mark;
}

QString FormatInteger(std::int32_t value) { return QString::number(value); }

QString FormatInteger(std::int64_t value) { return QString::number(qlonglong(value)); }

namespace {

int hexDigitValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

std::optional<std::int32_t> parseHexadecimal(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + unsigned(digit);
        if (value > 0xFFFFFFFFu) // more than eight significant digits
            return std::nullopt;
    }
    return std::int32_t(std::uint32_t(value));
}

std::optional<std::int32_t> parseDecimal(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > std::int64_t(INT32_MAX) + 1)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX)
        return std::nullopt;
    return std::int32_t(value);
}

std::optional<std::int32_t> parseInteger(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.mid(1);
    if (text.startsWith(u'$') || text.startsWith(u'x') || text.startsWith(u'X'))
        return parseHexadecimal(text.mid(1));
    if (text.startsWith(u"0x") || text.startsWith(u"0X"))
        return parseHexadecimal(text.mid(2));
    return parseDecimal(text);
}

} // namespace

std::int32_t ParseInteger(const QString& text)
{
    if (const auto value = parseInteger(text))
        return *value;
    throw ConversionError(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(text));
}

long double IntPart(long double value) { return std::truncl(value); }

long double FracPart(long double value) { return value - std::truncl(value); }

std::int64_t RoundToInteger(long double value)
{
    // The program's rounding mode is never changed from the default: to nearest, ties to even.
    return std::llrintl(value);
}

namespace {

constexpr int kSignificantDigits = 18;

// The 18 most significant digits of |value|, the last rounded to nearest (ties to even).
DecimalDigits eighteenDigits(long double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", std::fabs(value));
    // "d.ddddddddddddddddde±x"
    DecimalDigits result;
    result.digits.push_back(buffer[0]);
    result.digits.append(buffer + 2, kSignificantDigits - 1);
    result.exponent = std::atoi(buffer + 2 + kSignificantDigits - 1 + 1) + 1;
    result.negative = std::signbit(value);
    return result;
}

// Adds one in the last place; a run of nines becomes zeros, all nines becomes "1" one place up.
void incrementLastPlace(DecimalDigits& number)
{
    std::string& digits = number.digits;
    auto position = digits.size();
    while (position > 0 && digits[position - 1] == '9') {
        digits[position - 1] = '0';
        --position;
    }
    if (position == 0) {
        digits.insert(digits.begin(), '1');
        ++number.exponent;
    } else {
        ++digits[position - 1];
    }
}

} // namespace

DecimalDigits ToDecimalDigits(long double value, int precision, int decimals)
{
    const int category = std::fpclassify(value);
    if (category == FP_ZERO || category == FP_SUBNORMAL || category == FP_NAN
        || category == FP_INFINITE)
        return {};
    DecimalDigits number = eighteenDigits(value);
    const long long keep
        = std::min<long long>(static_cast<long long>(number.exponent) + decimals, precision);
    if (keep < 0)
        return {};
    if (keep < kSignificantDigits) {
        const bool roundUp = number.digits[std::size_t(keep)] >= '5';
        number.digits.resize(std::size_t(keep));
        if (roundUp)
            incrementLastPlace(number);
    }
    while (!number.digits.empty() && number.digits.back() == '0')
        number.digits.pop_back();
    if (number.digits.empty())
        return {};
    return number;
}

namespace {

QString nonFiniteText(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QString FormatGeneral(long double value, QChar mark)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const DecimalDigits number = ToDecimalDigits(value, 15, INT_MAX / 2);
    const QString digits = QString::fromLatin1(number.digits);
    const int e = number.exponent;
    QString text = number.negative ? QStringLiteral("-") : QString();
    if (e > 15 || e < -3) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += mark + digits.mid(1);
        text += u'E' + QString::number(e - 1);
    } else if (e <= 0) {
        text += u'0';
        if (!digits.isEmpty())
            text += mark + QString(-e, u'0') + digits;
    } else {
        text += digits.left(e).leftJustified(e, u'0');
        if (digits.size() > e)
            text += mark + digits.mid(e);
    }
    return text;
}

namespace {

// The digit places of a one-section pattern such as "0.000" or "#,##0.00".
struct FixedPattern {
    qsizetype pointIndex = -1; // of the first ".", -1 when there is none
    int integerPlaces = 0;
    int forcedIntegerDigits = 0; // from the first "0" before the point
    int decimalPlaces = 0;
    int forcedDecimals = 0; // up to the last "0" after the point
};

bool isDigitPlace(QChar c) { return c == u'0' || c == u'#'; }

// Calls visit(index, character, quoted) for each character of the pattern but the quotes
// themselves; text between double or single quotes is literal.
template <typename Visit> void forEachPatternCharacter(QStringView pattern, Visit visit)
{
    QChar quote;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (!quote.isNull() && c == quote)
            quote = QChar();
        else if (quote.isNull() && (c == u'"' || c == u'\''))
            quote = c;
        else
            visit(i, c, !quote.isNull());
    }
}

FixedPattern analyse(QStringView pattern)
{
    FixedPattern result;
    forEachPatternCharacter(pattern, [&](qsizetype i, QChar c, bool quoted) {
        if (!quoted && c == u'.' && result.pointIndex < 0)
            result.pointIndex = i;
    });
    bool forcing = false;
    forEachPatternCharacter(pattern, [&](qsizetype i, QChar c, bool quoted) {
        if (quoted || !isDigitPlace(c))
            return;
        if (result.pointIndex < 0 || i < result.pointIndex) {
            ++result.integerPlaces;
            forcing = forcing || c == u'0';
            if (forcing)
                ++result.forcedIntegerDigits;
        } else {
            ++result.decimalPlaces;
            if (c == u'0')
                result.forcedDecimals = result.decimalPlaces;
        }
    });
    return result;
}

} // namespace

QString FormatFixed(const QString& pattern, long double value, QChar mark)
{
    if (pattern.size() > 224)
        throw ConversionError(QStringLiteral("Chaîne de format trop longue"));
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const FixedPattern places = analyse(pattern);
    const DecimalDigits number = ToDecimalDigits(value, 18, places.decimalPlaces);
    if (number.exponent > 18)
        return FormatGeneral(value, mark);

    const int integerDigits = std::max(number.exponent, 0);
    const int writtenInteger = std::max(integerDigits, places.forcedIntegerDigits);
    // The digit at `place` places left of the point (1 is the units), or right of it (-1 the
    // tenths).
    const auto digitAt = [&](int place) -> QChar {
        const int index = place > 0 ? number.exponent - place : number.exponent - place - 1;
        return index >= 0 && index < int(number.digits.size())
            ? QChar(number.digits[std::size_t(index)])
            : QChar(u'0');
    };
    const int significantDecimals = std::max(int(number.digits.size()) - number.exponent, 0);
    const int writtenDecimals = std::max(significantDecimals, places.forcedDecimals);

    QString text = number.negative ? QStringLiteral("-") : QString();
    int integerPlacesLeft = places.integerPlaces;
    int decimalPlace = 0;
    forEachPatternCharacter(pattern, [&](qsizetype i, QChar c, bool quoted) {
        if (quoted) {
            text += c;
        } else if (i == places.pointIndex) {
            if (writtenDecimals > 0)
                text += mark;
        } else if (isDigitPlace(c) && (places.pointIndex < 0 || i < places.pointIndex)) {
            // The first integer place also takes every digit the places to its right cannot hold.
            const int from = integerPlacesLeft == places.integerPlaces
                ? std::max(writtenInteger, integerPlacesLeft)
                : integerPlacesLeft;
            for (int place = from; place >= integerPlacesLeft; --place) {
                if (place <= writtenInteger)
                    text += digitAt(place);
            }
            --integerPlacesLeft;
        } else if (isDigitPlace(c)) {
            ++decimalPlace;
            if (decimalPlace <= writtenDecimals)
                text += digitAt(-decimalPlace);
        } else {
            text += c;
        }
    });
    return text;
}
