#include "conventions/DateText.h"
#include "conventions/LocaleConventions.h"

#include <QtTest>

class TestLocaleConventions : public QObject {
    Q_OBJECT
private slots:
    void shortDatePattern_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("delimiter");
        QTest::newRow("fr_FR: pris tel quel") << "fr_FR"
                                              << "dd/mm/yyyy"
                                              << "/";
        QTest::newRow("de_DE: point compris") << "de_DE"
                                              << "dd.mm.yy"
                                              << ".";
        QTest::newRow("en_GB: jour d'abord") << "en_GB"
                                             << "dd/mm/yyyy"
                                             << "/";
        QTest::newRow("en_US: mois d'abord remplacé") << "en_US"
                                                      << "dd/mm/yy"
                                                      << "/";
        QTest::newRow("ja_JP: année d'abord remplacé") << "ja_JP"
                                                       << "dd/mm/yy"
                                                       << "/";
        QTest::newRow("C: pas de paramètres régionaux") << "C"
                                                        << "dd/mm/yy"
                                                        << "/";
    }
    void shortDatePattern()
    {
        QFETCH(QString, locale);
        QFETCH(QString, pattern);
        QFETCH(QString, delimiter);
        DateConventions conventions;
        conventions.YearWindow = 7;
        ReadDateConventions(QLocale(locale), conventions);
        QCOMPARE(conventions.DatePattern, pattern);
        QCOMPARE(QString(conventions.DateDelimiter), delimiter);
        QCOMPARE(conventions.YearWindow, std::uint16_t(7));
    }

    // The masked fields hold day, month, two-digit year: every locale must read them that way.
    void maskedFieldTextReadsAsDayMonthYear_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name : { "fr_FR", "de_DE", "en_GB", "en_US", "ja_JP", "C" })
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void maskedFieldTextReadsAsDayMonthYear()
    {
        QFETCH(QString, locale);
        DateConventions conventions;
        ReadDateConventions(QLocale(locale), conventions);
        const QString text = QStringLiteral("05") + conventions.DateDelimiter + QStringLiteral("03")
            + conventions.DateDelimiter + QStringLiteral("04");
        const DateValue value = ParseDateText(text, conventions, 2026);
        QCOMPARE(DecodeDateParts(value), (DateParts { 2004, 3, 5 }));
    }

    void frenchNames()
    {
        DateConventions conventions;
        ReadDateConventions(QLocale(QStringLiteral("fr_FR")), conventions);
        QCOMPARE(conventions.MonthNames[7], QStringLiteral("août"));
        QCOMPARE(conventions.DayNames[0], QStringLiteral("dimanche"));
        QCOMPARE(conventions.DayNames[1], QStringLiteral("lundi"));
        QCOMPARE(conventions.LongDatePattern, QStringLiteral("dddd d mmmm yyyy"));
        QCOMPARE(FormatDateText(0,
                     [&] {
                         auto c = conventions;
                         c.DatePattern = QStringLiteral("dddddd");
                         return c;
                     }()),
            QStringLiteral("samedi 30 décembre 1899"));
    }

    void noLocaleTakesEveryFallback()
    {
        DateConventions conventions;
        conventions.MonthNames[0] = QStringLiteral("autre");
        ReadDateConventions(QLocale::c(), conventions);
        const DateConventions fallback;
        QCOMPARE(conventions.MonthNames, fallback.MonthNames);
        QCOMPARE(conventions.MonthAbbreviations, fallback.MonthAbbreviations);
        QCOMPARE(conventions.DayNames, fallback.DayNames);
        QCOMPARE(conventions.DayAbbreviations, fallback.DayAbbreviations);
        QCOMPARE(conventions.LongDatePattern, QStringLiteral("mmmm d, yyyy"));
    }

    void decimalMark_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("mark");
        QTest::newRow("fr_FR") << "fr_FR"
                               << ",";
        QTest::newRow("de_DE") << "de_DE"
                               << ",";
        QTest::newRow("en_US") << "en_US"
                               << ".";
        QTest::newRow("C") << "C"
                           << ".";
    }
    void decimalMark()
    {
        QFETCH(QString, locale);
        QFETCH(QString, mark);
        QCOMPARE(QString(ReadDecimalMark(QLocale(locale))), mark);
    }

    void qtPatternConversion_data()
    {
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dd/MM/yyyy") << "dd/MM/yyyy"
                                    << "dd/mm/yyyy";
        QTest::newRow("texte entre apostrophes") << "d 'de' MMMM"
                                                 << "d 'd''e' mmmm";
        QTest::newRow("apostrophe doublée") << "d''MM"
                                            << "d\"'\"mm";
        QTest::newRow("guillemet") << "d\"M"
                                   << "d'\"'m";
        QTest::newRow("autre lettre littérale") << "d. MMMM yyyy г."
                                                << "d. mmmm yyyy 'г'.";
    }
    void qtPatternConversion()
    {
        QFETCH(QString, qt);
        QFETCH(QString, expected);
        QCOMPARE(ConvertQtDatePattern(qt), expected);
    }

    // Converted patterns write what Qt itself writes for the same date.
    void convertedPatternsWriteLikeQt_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name : { "fr_FR", "de_DE", "en_GB", "en_US", "es_ES", "ru_RU", "pt_BR" })
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void convertedPatternsWriteLikeQt()
    {
        QFETCH(QString, locale);
        const QLocale qtLocale(locale);
        DateConventions conventions;
        ReadDateConventions(qtLocale, conventions);
        conventions.DatePattern = conventions.LongDatePattern;
        const QDate day(2004, 3, 5);
        const DateValue value = *EncodeDateParts(2004, 3, 5);
        QCOMPARE(FormatDateText(value, conventions), qtLocale.toString(day, QLocale::LongFormat));
    }
};

QTEST_GUILESS_MAIN(TestLocaleConventions)
#include "tst_localeconventions.moc"
