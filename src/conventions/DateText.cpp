#include "DateText.h"

#include "Errors.h"

#include <array>
#include <optional>

namespace {

// Walks a date text the way the reader expects it: numbers and delimiters, blanks before each.
class DateTextReader {
public:
    DateTextReader(QStringView text, QChar delimiter)
        : m_text(text)
        , m_delimiter(delimiter)
    {
    }

    struct Number {
        int value;
        int length; // characters taken, leading zeros included
    };

    // At most four significant digits: "12345" gives 1234 and leaves the "5".
    std::optional<Number> readNumber()
    {
        skipBlanks();
        int value = 0;
        int length = 0;
        while (m_position < m_text.size() && isDigit(m_text[m_position]) && value < 1000) {
            value = value * 10 + (m_text[m_position].unicode() - u'0');
            ++m_position;
            ++length;
        }
        if (length == 0)
            return std::nullopt;
        return Number { value, length };
    }

    bool readDelimiter()
    {
        skipBlanks();
        if (m_position < m_text.size() && m_text[m_position] == m_delimiter) {
            ++m_position;
            return true;
        }
        return false;
    }

    void skipBlanks()
    {
        while (m_position < m_text.size() && m_text[m_position] == u' ')
            ++m_position;
    }

    bool atEnd() const { return m_position >= m_text.size(); }

private:
    static bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

    QStringView m_text;
    QChar m_delimiter;
    qsizetype m_position = 0;
};

struct DayMonthYear {
    int day;
    int month;
    int year;
};

// Where the day, the month and the year stand among the numbers of a date text. Without a
// year, a pattern that starts with the year reads month then day, as one that starts with it.
struct PartPositions {
    std::size_t day;
    std::size_t month;
    std::size_t year;
};

PartPositions positionsOf(PartOrder order, bool withYear)
{
    switch (order) {
    case PartOrder::DayMonthYear:
        return { 0, 1, 2 };
    case PartOrder::YearMonthDay:
        if (withYear)
            return { 2, 1, 0 };
        break;
    case PartOrder::MonthDayYear:
        break;
    }
    return { 1, 0, 2 };
}

std::optional<DayMonthYear> readParts(
    QStringView text, const DateConventions& conventions, int currentYear)
{
    DateTextReader reader(text, conventions.DateDelimiter);
    std::array<DateTextReader::Number, 3> numbers {};
    const auto first = reader.readNumber();
    if (!first || !reader.readDelimiter())
        return std::nullopt;
    const auto second = reader.readNumber();
    if (!second)
        return std::nullopt;
    numbers[0] = *first;
    numbers[1] = *second;
    const bool withYear = reader.readDelimiter();
    if (withYear) {
        const auto third = reader.readNumber();
        if (!third)
            return std::nullopt;
        numbers[2] = *third;
    }
    reader.readDelimiter(); // an optional trailing delimiter
    reader.skipBlanks();
    if (!reader.atEnd())
        return std::nullopt;

    const PartPositions at = positionsOf(PartOrderOf(conventions.DatePattern), withYear);
    const DateTextReader::Number year = numbers[at.year];
    // A year of one or two characters falls in the window; one written longer is taken as is.
    const int fullYear = !withYear ? currentYear
        : year.length <= 2 ? ApplyYearWindow(year.value, currentYear, conventions.YearWindow)
                           : year.value;
    return DayMonthYear { numbers[at.day].value, numbers[at.month].value, fullYear };
}

} // namespace

int ApplyYearWindow(int typedYear, int currentYear, int window)
{
    const int windowStart = currentYear - window;
    int year = typedYear + (windowStart / 100) * 100;
    if (window > 0 && windowStart > year)
        year += 100;
    return year;
}

DateValue ParseDateText(const QString& text, const DateConventions& conventions, int currentYear)
{
    const auto parts = readParts(text, conventions, currentYear);
    const auto inRange = [](int part) { return part >= 0 && part <= 0xFFFF; };
    if (parts && inRange(parts->year) && inRange(parts->month) && inRange(parts->day)) {
        if (const auto value = EncodeDateParts(
                std::uint16_t(parts->year), std::uint16_t(parts->month), std::uint16_t(parts->day)))
            return *value;
    }
    throw ConversionError(QStringLiteral("'%1' n'est pas une date correcte").arg(text));
}

namespace {

constexpr qsizetype kMaximumDateTextLength = 256;

class DateWriter {
public:
    DateWriter(DateValue value, const DateConventions& conventions)
        : m_parts(DecodeDateParts(value))
        , m_weekday(int(((DayNumber(value) % 7) + 7) % 7)) // 0 is Sunday
        , m_conventions(conventions)
    {
    }

    QString write(QStringView pattern, bool nested = false)
    {
        QString out;
        qsizetype i = 0;
        while (i < pattern.size()) {
            const QChar c = pattern[i];
            if (c == u'"' || c == u'\'') {
                const qsizetype close = pattern.indexOf(c, i + 1);
                const qsizetype end = close < 0 ? pattern.size() : close;
                out += pattern.mid(i + 1, end - i - 1);
                i = end + 1;
                continue;
            }
            qsizetype run = 1;
            while (i + run < pattern.size() && pattern[i + run] == c)
                ++run;
            out += token(c, int(run), nested);
            i += run;
        }
        return out;
    }

private:
    QString token(QChar c, int run, bool nested)
    {
        switch (c.toLower().unicode()) {
        case u'd':
            return dayToken(run, nested);
        case u'm':
            return monthToken(run);
        case u'y':
            return run <= 2 ? twoDigits(m_parts.year % 100)
                            : QStringLiteral("%1").arg(m_parts.year, 4, 10, QLatin1Char('0'));
        case u'/':
            return QString(run, m_conventions.DateDelimiter);
        default:
            return QString(run, c);
        }
    }

    QString dayToken(int run, bool nested)
    {
        switch (run) {
        case 1:
            return QString::number(m_parts.day);
        case 2:
            return twoDigits(m_parts.day);
        case 3:
            return m_conventions.DayAbbreviations[m_weekday];
        case 4:
            return m_conventions.DayNames[m_weekday];
        case 5:
            return nested ? QString() : write(m_conventions.DatePattern, true);
        default:
            return nested ? QString() : write(m_conventions.LongDatePattern, true);
        }
    }

    QString monthToken(int run)
    {
        switch (run) {
        case 1:
            return QString::number(m_parts.month);
        case 2:
            return twoDigits(m_parts.month);
        case 3:
            return monthName(m_conventions.MonthAbbreviations);
        default:
            return monthName(m_conventions.MonthNames);
        }
    }

    QString monthName(const std::array<QString, 12>& names) const
    {
        return m_parts.month >= 1 && m_parts.month <= 12 ? names[m_parts.month - 1] : QString();
    }

    static QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

    DateParts m_parts;
    int m_weekday;
    const DateConventions& m_conventions;
};

} // namespace

QString FormatDateText(DateValue value, const DateConventions& conventions)
{
    return DateWriter(value, conventions)
        .write(conventions.DatePattern)
        .left(kMaximumDateTextLength);
}
