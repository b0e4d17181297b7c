#include "LocaleConventions.h"

#include "NumberText.h"

namespace {

// The separator of a numeric pattern: its first character that is not a letter, a quote or a blank.
QChar delimiterOf(QStringView qtPattern)
{
    for (const QChar c : qtPattern) {
        if (!c.isLetter() && c != u'\'' && c != u'"' && c != u' ')
            return c;
    }
    return u'/';
}

// Numeric (no month or day names) and day first, as the masked date fields are.
bool isNumericDayFirst(QStringView qtPattern)
{
    return !qtPattern.isEmpty() && PartOrderOf(qtPattern) == PartOrder::DayMonthYear
        && !qtPattern.contains(u"MMM") && !qtPattern.contains(u"ddd");
}

template <std::size_t N, typename NameOf>
void readNames(std::array<QString, N>& names, NameOf nameOf)
{
    for (std::size_t i = 0; i < N; ++i) {
        const QString name = nameOf(int(i));
        if (!name.isEmpty())
            names[i] = name;
    }
}

// Qt counts weekdays from Monday (1) to Sunday (7); these lists start on Sunday.
int qtDayOf(int sundayFirstIndex) { return sundayFirstIndex == 0 ? 7 : sundayFirstIndex; }

} // namespace

QString ConvertQtDatePattern(QStringView qtPattern)
{
    // A character that this program's patterns would read as a token or a quote is
    // written between quotes of the other kind.
    const auto literal = [](QChar c) -> QString {
        if (c == u'\'')
            return QStringLiteral("\"'\"");
        if (c == u'"' || c.isLetter())
            return u'\'' + QString(c) + u'\'';
        return QString(c);
    };
    QString pattern;
    bool quoted = false;
    for (qsizetype i = 0; i < qtPattern.size(); ++i) {
        const QChar c = qtPattern[i];
        if (c == u'\'') {
            // Qt quotes literal text with ' and writes a quote itself as ''.
            if (i + 1 < qtPattern.size() && qtPattern[i + 1] == u'\'') {
                pattern += literal(c);
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (!quoted && (c == u'd' || c == u'M' || c == u'y')) {
            pattern += c.toLower();
        } else {
            pattern += literal(c);
        }
    }
    return pattern;
}

void ReadDateConventions(const QLocale& locale, DateConventions& conventions)
{
    const DateConventions fallback;
    const bool hasLocale = locale.language() != QLocale::C;
    const QString shortPattern = hasLocale ? locale.dateFormat(QLocale::ShortFormat) : QString();
    if (isNumericDayFirst(shortPattern)) {
        conventions.DatePattern = ConvertQtDatePattern(shortPattern);
        conventions.DateDelimiter = delimiterOf(shortPattern);
    } else {
        conventions.DatePattern = QStringLiteral("dd/mm/yy");
        conventions.DateDelimiter = u'/';
    }
    const QString longPattern = hasLocale ? locale.dateFormat(QLocale::LongFormat) : QString();
    conventions.LongDatePattern
        = longPattern.isEmpty() ? fallback.LongDatePattern : ConvertQtDatePattern(longPattern);

    conventions.MonthAbbreviations = fallback.MonthAbbreviations;
    conventions.MonthNames = fallback.MonthNames;
    conventions.DayAbbreviations = fallback.DayAbbreviations;
    conventions.DayNames = fallback.DayNames;
    if (!hasLocale)
        return;
    readNames(conventions.MonthAbbreviations,
        [&](int i) { return locale.monthName(i + 1, QLocale::ShortFormat); });
    readNames(conventions.MonthNames,
        [&](int i) { return locale.monthName(i + 1, QLocale::LongFormat); });
    readNames(conventions.DayAbbreviations,
        [&](int i) { return locale.dayName(qtDayOf(i), QLocale::ShortFormat); });
    readNames(conventions.DayNames,
        [&](int i) { return locale.dayName(qtDayOf(i), QLocale::LongFormat); });
}

QChar ReadDecimalMark(const QLocale& locale)
{
    const QString separator = locale.decimalPoint();
    return separator.isEmpty() ? QChar(u'.') : separator.front();
}

void ReadConventionsFromSystemLocale()
{
    const QLocale locale = QLocale::system();
    ReadDateConventions(locale, dateConventions());
    decimalMark() = ReadDecimalMark(locale);
}
