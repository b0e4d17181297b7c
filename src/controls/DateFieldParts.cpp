#include "DateFieldParts.h"

#include <QStringList>

DateFieldParts FitDateParts(const QString& text, QChar delimiter, std::array<int, 3> lengths)
{
    DateFieldParts fitted;
    const QStringList split = text.split(delimiter);
    if (split.size() == 3) {
        for (std::size_t i = 0; i < 3; ++i)
            fitted.parts[i]
                = split[qsizetype(i)].right(lengths[i]).rightJustified(lengths[i], u' ');
        return fitted;
    }
    QString characters = text;
    characters.remove(delimiter);
    for (std::size_t i = 0; i < 3; ++i) {
        fitted.parts[i] = characters.left(lengths[i]).leftJustified(lengths[i], u' ');
        characters.remove(0, lengths[i]);
    }
    return fitted;
}
