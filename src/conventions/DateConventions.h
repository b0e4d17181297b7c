#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>

// How dates are written and read. Its default value is what a locale that gives nothing yields.
struct DateConventions {
    QString DatePattern = QStringLiteral("m/d/yy");
    QChar DateDelimiter = u'/';
    // Two-digit years fall in the hundred years starting YearWindow years before the current year.
    std::uint16_t YearWindow = 50;
    std::array<QString, 12> MonthAbbreviations { QStringLiteral("Jan"), QStringLiteral("Fév"),
        QStringLiteral("Mar"), QStringLiteral("Avr"), QStringLiteral("Mai"), QStringLiteral("Jun"),
        QStringLiteral("Jul"), QStringLiteral("Aoû"), QStringLiteral("Sep"), QStringLiteral("Oct"),
        QStringLiteral("Nov"), QStringLiteral("Déc") };
    std::array<QString, 12> MonthNames { QStringLiteral("Janvier"), QStringLiteral("Février"),
        QStringLiteral("Mars"), QStringLiteral("Avril"), QStringLiteral("Mai"),
        QStringLiteral("Juin"), QStringLiteral("Juillet"), QStringLiteral("Août"),
        QStringLiteral("Septembre"), QStringLiteral("Octobre"), QStringLiteral("Novembre"),
        QStringLiteral("Décembre") };
    // Weekdays start on Sunday.
    std::array<QString, 7> DayAbbreviations { QStringLiteral("Dim"), QStringLiteral("Lun"),
        QStringLiteral("Mar"), QStringLiteral("Mer"), QStringLiteral("Jeu"), QStringLiteral("Ven"),
        QStringLiteral("Sam") };
    std::array<QString, 7> DayNames { QStringLiteral("Dimanche"), QStringLiteral("Lundi"),
        QStringLiteral("Mardi"), QStringLiteral("Mercredi"), QStringLiteral("Jeudi"),
        QStringLiteral("Vendredi"), QStringLiteral("Samedi") };
    QString LongDatePattern = QStringLiteral("mmmm d, yyyy");
};

// The conventions every date text of the running program goes through.
DateConventions& dateConventions();

enum class PartOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// From the first d, m, y or e of the pattern, either case; month first when there is none.
PartOrder PartOrderOf(QStringView pattern);
