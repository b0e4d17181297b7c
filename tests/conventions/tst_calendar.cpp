#include "CivilDate.h"
#include "conventions/Calendar.h"
#include "conventions/Errors.h"

#include <QtTest>

#include <limits>

using namespace std::chrono;

namespace {

// The day-number formula, written out independently of the implementation.
qint64 formulaDateValue(int y, int m, int d)
{
    qint64 before = 0;
    for (int month = 1; month < m; ++month)
        before += MonthLength(y, month);
    const qint64 p = y - 1;
    return p * 365 + p / 4 - p / 100 + p / 400 + before + d - 693594;
}

} // namespace

class TestCalendar : public QObject {
    Q_OBJECT
private slots:
    void leapYears_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("leap");
        QTest::newRow("2004 divisible par 4") << 2004 << true;
        QTest::newRow("2001 ordinaire") << 2001 << false;
        QTest::newRow("1900 siècle") << 1900 << false;
        QTest::newRow("2000 siècle divisible par 400") << 2000 << true;
        QTest::newRow("an 4") << 4 << true;
    }
    void leapYears()
    {
        QFETCH(int, year);
        QFETCH(bool, leap);
        QCOMPARE(IsLeapYear(year), leap);
        QCOMPARE(MonthLength(year, 2), leap ? 29 : 28);
    }

    void encode_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("30/12/1899 est le jour 0") << 1899 << 12 << 30 << true << 0.0;
        QTest::newRow("31/12/1899") << 1899 << 12 << 31 << true << 1.0;
        QTest::newRow("01/01/2000") << 2000 << 1 << 1 << true << 36526.0;
        QTest::newRow("01/01/0001") << 1 << 1 << 1 << true << -693593.0;
        QTest::newRow("31/12/9999") << 9999 << 12 << 31 << true << 2958465.0;
        QTest::newRow("29/02/2004") << 2004 << 2 << 29 << true << 38046.0;
        QTest::newRow("29/02/2001") << 2001 << 2 << 29 << false << 0.0;
        QTest::newRow("31/04/2001") << 2001 << 4 << 31 << false << 0.0;
        QTest::newRow("jour 0") << 2001 << 1 << 0 << false << 0.0;
        QTest::newRow("mois 0") << 2001 << 0 << 1 << false << 0.0;
        QTest::newRow("mois 13") << 2001 << 13 << 1 << false << 0.0;
        QTest::newRow("an 0") << 0 << 1 << 1 << false << 0.0;
        QTest::newRow("an 10000") << 10000 << 1 << 1 << false << 0.0;
    }
    void encode()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const auto encoded
            = EncodeDateParts(std::uint16_t(year), std::uint16_t(month), std::uint16_t(day));
        QCOMPARE(encoded.has_value(), valid);
        if (valid)
            QCOMPARE(*encoded, value);
    }

    // Every day of the calendar: encoding matches the formula, decoding gives the date back,
    // and consecutive days have consecutive numbers.
    void everyDayRoundTrips()
    {
        qint64 expected = formulaDateValue(1, 1, 1);
        for (int y = 1; y <= 9999; ++y) {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= MonthLength(y, m); ++d) {
                    const auto value
                        = EncodeDateParts(std::uint16_t(y), std::uint16_t(m), std::uint16_t(d));
                    if (!value || *value != double(expected))
                        QFAIL(qPrintable(
                            QStringLiteral("encodage de %1/%2/%3").arg(d).arg(m).arg(y)));
                    const DateParts parts = DecodeDateParts(*value);
                    if (parts != DateParts { std::uint16_t(y), std::uint16_t(m), std::uint16_t(d) })
                        QFAIL(qPrintable(
                            QStringLiteral("décodage de %1/%2/%3").arg(d).arg(m).arg(y)));
                    ++expected;
                }
            }
        }
        QCOMPARE(expected - 1, qint64(2958465));
    }

    void decode_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("jour 0") << 0.0 << 1899 << 12 << 30;
        QTest::newRow("01/01/2000") << 36526.0 << 2000 << 1 << 1;
        QTest::newRow("01/01/0001") << -693593.0 << 1 << 1 << 1;
        QTest::newRow("veille du 01/01/0001") << -693594.0 << 0 << 0 << 0;
        QTest::newRow("très loin avant") << -1e9 << 0 << 0 << 0;
        QTest::newRow("heure du jour ignorée") << 36526.75 << 2000 << 1 << 1;
        QTest::newRow("heure négative vers zéro") << -1.5 << 1899 << 12 << 29;
        QTest::newRow("arrondi à la milliseconde") << 36526.9999999999 << 2000 << 1 << 2;
    }
    void decode()
    {
        QFETCH(double, value);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QCOMPARE(DecodeDateParts(value),
            (DateParts { std::uint16_t(year), std::uint16_t(month), std::uint16_t(day) }));
    }

    void addMonths_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<int>("months");
        QTest::addColumn<double>("expected");
        QTest::newRow("31/01/2001 + 1") << date(2001, 1, 31) << 1 << date(2001, 2, 28);
        QTest::newRow("31/08/2003 + 6") << date(2003, 8, 31) << 6 << date(2004, 2, 29);
        QTest::newRow("30/11/2001 + 3") << date(2001, 11, 30) << 3 << date(2002, 2, 28);
        QTest::newRow("15/03/2001 + 30") << date(2001, 3, 15) << 30 << date(2003, 9, 15);
        QTest::newRow("15/01/2001 - 1") << date(2001, 1, 15) << -1 << date(2000, 12, 15);
        QTest::newRow("15/01/2001 - 13") << date(2001, 1, 15) << -13 << date(1999, 12, 15);
        QTest::newRow("29/02/2004 + 12") << date(2004, 2, 29) << 12 << date(2005, 2, 28);
        QTest::newRow("29/02/2004 + 48") << date(2004, 2, 29) << 48 << date(2008, 2, 29);
        QTest::newRow("n = 0") << date(2001, 5, 31) << 0 << date(2001, 5, 31);
        QTest::newRow("15/12/2001 + 1 change d'année")
            << date(2001, 12, 15) << 1 << date(2002, 1, 15);
        QTest::newRow("31/03/2001 - 1") << date(2001, 3, 31) << -1 << date(2001, 2, 28);
        QTest::newRow("31/12/2000 - 12") << date(2000, 12, 31) << -12 << date(1999, 12, 31);
        QTest::newRow("15/06/2000 - 6") << date(2000, 6, 15) << -6 << date(1999, 12, 15);
        QTest::newRow("31/08/2000 + 66") << date(2000, 8, 31) << 66 << date(2006, 2, 28);
        QTest::newRow("heure conservée")
            << date(2001, 1, 31) + 0.25 << 1 << date(2001, 2, 28) + 0.25;
        QTest::newRow("heure d'une date négative")
            << date(1899, 11, 1) - 0.25 << 1 << date(1899, 12, 1) - 0.25;
    }
    void addMonths()
    {
        QFETCH(double, from);
        QFETCH(int, months);
        QFETCH(double, expected);
        QCOMPARE(AddMonths(from, months), expected);
    }

    // The calendar's own ends, time of day included, are still dates.
    void addMonthsAtTheEnds()
    {
        QCOMPARE(AddMonths(date(9999, 12, 31), -1), date(9999, 11, 30));
        QCOMPARE(AddMonths(date(1, 1, 1), 0), date(1, 1, 1));
        QCOMPARE(AddMonths(date(9999, 12, 31) + 0.5, 0), date(9999, 12, 31) + 0.5);
    }

    // The clamp depends on the starting day: two single months are not one double step.
    void addMonthsIsNotAssociative()
    {
        const DateValue start = date(2001, 1, 31);
        QCOMPARE(AddMonths(AddMonths(start, 1), 1), date(2001, 3, 28));
        QCOMPARE(AddMonths(start, 2), date(2001, 3, 31));
    }

    void addMonthsOutOfRange_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<int>("months");
        QTest::newRow("31/12/9999 + 1") << date(9999, 12, 31) << 1;
        QTest::newRow("01/01/0001 - 1") << date(1, 1, 1) << -1;
        QTest::newRow("avant l'an 1") << -700000.0 << 1;
        QTest::newRow("très grand nombre de mois") << date(2000, 1, 1) << 2147483647;
        // A value outside the calendar is refused before its year can wrap around.
        const double year65537 = date(9999, 12, 31) + 55538.0 * 365.2425;
        QTest::newRow("an 65537, même sans mois") << year65537 << 0;
        QTest::newRow("an 65537 - 12") << year65537 << -12;
        QTest::newRow("lendemain du 31/12/9999") << date(9999, 12, 31) + 1 << -1;
        QTest::newRow("veille du 01/01/0001") << date(1, 1, 1) - 1 << 1;
        QTest::newRow("pas un nombre") << std::numeric_limits<double>::quiet_NaN() << 0;
        QTest::newRow("plus l'infini") << std::numeric_limits<double>::infinity() << 1;
        QTest::newRow("moins l'infini") << -std::numeric_limits<double>::infinity() << 1;
        QTest::newRow("le plus grand double") << std::numeric_limits<double>::max() << 0;
        // Its day is 1 January 0001 to the millisecond, but its time of day would carry the
        // result into year 0.
        QTest::newRow("un rien avant le 2 janvier 0001") << -693592.99999999884 << 0;
    }
    void addMonthsOutOfRange()
    {
        QFETCH(double, from);
        QFETCH(int, months);
        try {
            AddMonths(from, months);
            QFAIL("aucune erreur");
        } catch (const ConversionError& error) {
            QCOMPARE(error.message(), QStringLiteral("Argument incorrect pour l'encodage de date"));
        }
    }

    void todaysDate()
    {
        QCOMPARE(TodaysDate(year { 2026 } / 12 / 10), date(2026, 12, 10));
        QVERIFY_THROWS_EXCEPTION(ConversionError, TodaysDate(year { 10000 } / 1 / 1));
    }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
