#include "CivilDate.h"
#include "conventions/DateText.h"
#include "conventions/Errors.h"

#include <QtTest>

namespace {

DateConventions conventions(
    const QString& pattern = QStringLiteral("dd/mm/yy"), QChar delimiter = u'/', int window = 50)
{
    DateConventions result;
    result.DatePattern = pattern;
    result.DateDelimiter = delimiter;
    result.YearWindow = std::uint16_t(window);
    return result;
}

constexpr int kCurrentYear = 2026;

} // namespace

class TestDateText : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("expected");
        const QString dmy = QStringLiteral("dd/mm/yy");
        QTest::newRow("01/01/01") << "01/01/01" << dmy << date(2001, 1, 1);
        QTest::newRow("fenêtre 50, année 75") << "01/01/75" << dmy << date(2075, 1, 1);
        QTest::newRow("fenêtre 50, année 76") << "01/01/76" << dmy << date(1976, 1, 1);
        QTest::newRow("29/02/00") << "29/02/00" << dmy << date(2000, 2, 29);
        QTest::newRow("29/02/04") << "29/02/04" << dmy << date(2004, 2, 29);
        QTest::newRow("blancs avant les nombres") << " 1/ 2/03" << dmy << date(2003, 2, 1);
        QTest::newRow("blancs autour des séparateurs") << "01 / 02 / 03" << dmy << date(2003, 2, 1);
        QTest::newRow("jour et mois seuls: année en cours") << "1/2" << dmy << date(2026, 2, 1);
        QTest::newRow("séparateur final") << "01/02/03/" << dmy << date(2003, 2, 1);
        QTest::newRow("blancs finals") << "01/02/03   " << dmy << date(2003, 2, 1);
        QTest::newRow("année sur quatre chiffres") << "01/01/2001" << dmy << date(2001, 1, 1);
        QTest::newRow("année sur trois caractères: pas de fenêtre")
            << "01/01/075" << dmy << date(75, 1, 1);
        QTest::newRow("année sur un caractère: fenêtre") << "1/1/5" << dmy << date(2005, 1, 1);
        QTest::newRow("zéros non significatifs") << "0001/00002/2001" << dmy << date(2001, 2, 1);
        QTest::newRow("mois d'abord") << "01/02/03"
                                      << "m/d/yy" << date(2003, 1, 2);
        QTest::newRow("année d'abord") << "03/02/01"
                                       << "yy/mm/dd" << date(2003, 2, 1);
        QTest::newRow("année d'abord, deux nombres: mois puis jour")
            << "02/01"
            << "yyyy/mm/dd" << date(2026, 2, 1);
        QTest::newRow("mois d'abord, deux nombres") << "02/01"
                                                    << "m/d/yy" << date(2026, 2, 1);
        QTest::newRow("motif sans lettre: mois d'abord") << "02/01/03"
                                                         << "--" << date(2003, 2, 1);
        QTest::newRow("motif en majuscules") << "02/01/03"
                                             << "DD/MM/YY" << date(2003, 1, 2);
        QTest::newRow("e compte pour l'année") << "03/02/01"
                                               << "ee/mm/dd" << date(2003, 2, 1);
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(double, expected);
        QCOMPARE(ParseDateText(text, conventions(pattern), kCurrentYear), expected);
    }

    void parseInvalid_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("vide") << "";
        QTest::newRow("champ de date vide") << "  /  /  ";
        QTest::newRow("jour et mois suivis d'un séparateur") << "1/2/";
        QTest::newRow("lettre finale") << "01/02/03x";
        QTest::newRow("deux séparateurs finals") << "01/02/03//";
        QTest::newRow("cinq chiffres") << "01/02/12345";
        QTest::newRow("29/02/01") << "29/02/01";
        QTest::newRow("31/04/01") << "31/04/01";
        QTest::newRow("jour 0") << "00/01/01";
        QTest::newRow("mois 0") << "01/00/01";
        QTest::newRow("mois 13") << "01/13/01";
        QTest::newRow("un seul nombre") << "12";
        QTest::newRow("autre séparateur") << "01.02.03";
        QTest::newRow("signe") << "-1/02/03";
        QTest::newRow("an 0") << "01/01/000";
        QTest::newRow("champ à moitié rempli") << "12/0 /  ";
        QTest::newRow("chiffres non latins") << QStringLiteral("٠١/٠١/٠١");
    }
    void parseInvalid()
    {
        QFETCH(QString, text);
        try {
            ParseDateText(text, conventions(), kCurrentYear);
            QFAIL("aucune erreur");
        } catch (const ConversionError& error) {
            QCOMPARE(error.message(),
                QStringLiteral("'") + text + QStringLiteral("' n'est pas une date correcte"));
        }
    }

    void delimiterComesFromConventions()
    {
        QCOMPARE(ParseDateText(QStringLiteral("05.03.04"),
                     conventions(QStringLiteral("dd.mm.yy"), u'.'), kCurrentYear),
            date(2004, 3, 5));
        QVERIFY_THROWS_EXCEPTION(ConversionError,
            ParseDateText(QStringLiteral("05/03/04"), conventions(QStringLiteral("dd.mm.yy"), u'.'),
                kCurrentYear));
    }

    void yearWindow_data()
    {
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("currentYear");
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("expected");
        QTest::newRow("2026, fenêtre 50, 76") << 76 << 2026 << 50 << 1976;
        QTest::newRow("2026, fenêtre 50, 75") << 75 << 2026 << 50 << 2075;
        QTest::newRow("2026, fenêtre 50, 00") << 0 << 2026 << 50 << 2000;
        QTest::newRow("2001, fenêtre 50, 51") << 51 << 2001 << 50 << 1951;
        QTest::newRow("2001, fenêtre 50, 50") << 50 << 2001 << 50 << 2050;
        QTest::newRow("fenêtre 0, 99") << 99 << 2026 << 0 << 2099;
        QTest::newRow("fenêtre 0, 00") << 0 << 2026 << 0 << 2000;
        QTest::newRow("2099, fenêtre 50, 48") << 48 << 2099 << 50 << 2148;
        QTest::newRow("2099, fenêtre 50, 49") << 49 << 2099 << 50 << 2049;
    }
    void yearWindow()
    {
        QFETCH(int, typed);
        QFETCH(int, currentYear);
        QFETCH(int, window);
        QFETCH(int, expected);
        QCOMPARE(ApplyYearWindow(typed, currentYear, window), expected);
    }

    // The window follows the clock: the same text gives another year in another year.
    void windowFollowsCurrentYear()
    {
        QCOMPARE(ParseDateText(QStringLiteral("01/01/63"), conventions(), 2026), date(2063, 1, 1));
        QCOMPARE(ParseDateText(QStringLiteral("01/01/63"), conventions(), 2012), date(1963, 1, 1));
        QCOMPARE(ParseDateText(QStringLiteral("01/02"), conventions(), 2012), date(2012, 2, 1));
    }

    void format_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        const QString dmy = QStringLiteral("dd/mm/yy");
        QTest::newRow("jour 0") << 0.0 << dmy << "30/12/99";
        QTest::newRow("01/01/2000") << date(2000, 1, 1) << dmy << "01/01/00";
        QTest::newRow("05/03/2004") << date(2004, 3, 5) << dmy << "05/03/04";
        QTest::newRow("d/m/yyyy") << date(2005, 1, 2) << "d/m/yyyy"
                                  << "2/1/2005";
        QTest::newRow("yyy à quatre chiffres") << date(75, 1, 2) << "yyy"
                                               << "0075";
        QTest::newRow("y comme yy") << date(2005, 1, 2) << "y"
                                    << "05";
        QTest::newRow("jour abrégé") << date(2026, 12, 10) << "ddd dd"
                                     << "Jeu 10";
        QTest::newRow("jour en entier") << 0.0 << "dddd"
                                        << "Samedi";
        QTest::newRow("dimanche") << date(2026, 12, 13) << "dddd"
                                  << "Dimanche";
        QTest::newRow("mois abrégé") << date(2026, 2, 1) << "mmm"
                                     << "Fév";
        QTest::newRow("mois en entier") << date(2026, 8, 1) << "mmmm"
                                        << "Août";
        QTest::newRow("mmmmm comme mmmm") << date(2026, 8, 1) << "mmmmm"
                                          << "Août";
        QTest::newRow("majuscules") << date(2005, 1, 2) << "DD/MM/YYYY"
                                    << "02/01/2005";
        QTest::newRow("dD: deux jetons") << date(2005, 1, 2) << "dD"
                                         << "22";
        QTest::newRow("dddddd: motif long") << date(2005, 1, 2) << "dddddd"
                                            << "Janvier 2, 2005";
        QTest::newRow("guillemets") << date(2005, 1, 2) << "\"le\" d 'de' m"
                                    << "le 2 de 1";
        QTest::newRow("guillemet non fermé") << date(2005, 1, 2) << "d 'fin"
                                             << "2 fin";
        QTest::newRow("autres caractères copiés") << date(2005, 1, 2) << "d-m.yy!"
                                                  << "2-1.05!";
    }
    void format()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        DateConventions used = conventions();
        used.DatePattern = pattern;
        QCOMPARE(FormatDateText(value, used), expected);
    }

    void formatUsesDelimiter()
    {
        QCOMPARE(FormatDateText(date(2004, 3, 5), conventions(QStringLiteral("dd/mm/yy"), u'-')),
            QStringLiteral("05-03-04"));
    }

    // ddddd and dddddd bring in the other patterns, but never from inside them.
    void nestedPatternsStopAtOneLevel()
    {
        DateConventions used = conventions(QStringLiteral("ddddd|dd"));
        used.LongDatePattern = QStringLiteral("dddddd ddddd yyyy");
        QCOMPARE(FormatDateText(date(2005, 1, 2), used), QStringLiteral("|02|02"));
        used.DatePattern = QStringLiteral("dddddd");
        QCOMPARE(FormatDateText(date(2005, 1, 2), used), QStringLiteral("  2005"));
    }

    void formatCutsAt256Characters()
    {
        DateConventions used
            = conventions(QStringLiteral("'") + QString(300, u'x') + QStringLiteral("'"));
        QCOMPARE(FormatDateText(date(2005, 1, 2), used), QString(256, u'x'));
    }

    // Writing then reading gives the day back, for every day the two-digit window can name.
    void formatThenParseRoundTrips()
    {
        const DateConventions used = conventions();
        for (DateValue value = date(1976, 1, 1); value <= date(2075, 12, 31); ++value) {
            const QString text = FormatDateText(value, used);
            if (ParseDateText(text, used, kCurrentYear) != value)
                QFAIL(qPrintable(text));
        }
    }
};

QTEST_GUILESS_MAIN(TestDateText)
#include "tst_datetext.moc"
