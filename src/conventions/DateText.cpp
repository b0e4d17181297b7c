#include "DateText.h"

#include "Errors.h"

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

std::optional<DayMonthYear> readParts(
    QStringView text, const DateConventions& conventions, int currentYear)
{
    const PartOrder order = PartOrderOf(conventions.DatePattern);
    DateTextReader reader(text, conventions.DateDelimiter);
    const auto first = reader.readNumber();
    if (!first || !reader.readDelimiter())
        return std::nullopt;
    const auto second = reader.readNumber();
    if (!second)
        return std::nullopt;

    DayMonthYear parts {};
    if (reader.readDelimiter()) {
        const auto third = reader.readNumber();
        if (!third)
            return std::nullopt;
        DateTextReader::Number year {};
        switch (order) {
        case PartOrder::DayMonthYear:
            parts = { first->value, second->value, 0 };
            year = *third;
            break;
        case PartOrder::MonthDayYear:
            parts = { second->value, first->value, 0 };
            year = *third;
            break;
        case PartOrder::YearMonthDay:
            parts = { third->value, second->value, 0 };
            year = *first;
            break;
        }
        parts.year = year.length <= 2
            ? ApplyYearWindow(year.value, currentYear, conventions.YearWindow)
            : year.value;
    } else if (order == PartOrder::DayMonthYear) {
        parts = { first->value, second->value, currentYear };
    } else {
        parts = { second->value, first->value, currentYear };
    }

    reader.readDelimiter(); // an optional trailing delimiter
    reader.skipBlanks();
    if (!reader.atEnd())
        return std::nullopt;
    return parts;
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
