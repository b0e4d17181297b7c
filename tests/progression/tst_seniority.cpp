#include "CivilDate.h"
#include "conventions/DateText.h"
#include "progression/Seniority.h"

#include <QtTest>

namespace {

DateValue parse(const QString& text)
{
    DateConventions used;
    used.DatePattern = QStringLiteral("dd/mm/yy");
    return ParseDateText(text, used, 2026);
}

} // namespace

class TestSeniority : public QObject {
    Q_OBJECT
private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("trois ans") << "01/09/98"
                                   << "01/09/01" << QStringList { "3", "0", "0", "3,000" };
        QTest::newRow("2 a 6 m 14 j") << "01/09/01"
                                      << "15/03/04" << QStringList { "2", "6", "14", "2,539" };
        QTest::newRow("même jour") << "01/09/01"
                                   << "01/09/01" << QStringList { "0", "0", "0", "0,000" };
        QTest::newRow("28 février au 1er mars")
            << "28/02/01"
            << "01/03/01" << QStringList { "0", "0", "3", "0,008" };
        QTest::newRow("29 février au 1er mars")
            << "29/02/00"
            << "01/03/00" << QStringList { "0", "0", "2", "0,006" };
        QTest::newRow("31 janvier au 1er mars")
            << "31/01/01"
            << "01/03/01" << QStringList { "0", "1", "0", "0,083" };
        QTest::newRow("un an juste, sans 12 mois")
            << "31/01/01"
            << "01/02/02" << QStringList { "1", "0", "0", "1,000" };
        QTest::newRow("moins trois ans") << "01/09/01"
                                         << "01/09/98" << QStringList { "-3", "0", "0", "-3,000" };
        QTest::newRow("moins cinq mois, sans -30 jours")
            << "01/06/01"
            << "01/01/01" << QStringList { "0", "-5", "0", "-0,417" };
        QTest::newRow("moins quelques jours")
            << "15/06/01"
            << "10/06/01" << QStringList { "0", "0", "-5", "-0,014" };
        QTest::newRow("moins un an et un jour")
            << "02/01/02"
            << "01/01/01" << QStringList { "-1", "0", "-1", "-1,003" };
        QTest::newRow("un 31 compte pour 31")
            << "01/01/01"
            << "31/01/01" << QStringList { "0", "1", "0", "0,083" };
        QTest::newRow("du 31 au 30") << "31/03/01"
                                     << "30/04/01" << QStringList { "0", "0", "29", "0,081" };
        QTest::newRow("onze mois 29 jours")
            << "01/01/01"
            << "30/12/01" << QStringList { "0", "11", "29", "0,997" };
        QTest::newRow("de 01/01/01 au 10/12/26")
            << "01/01/01"
            << "10/12/26" << QStringList { "25", "11", "9", "25,942" };
    }
    void texts()
    {
        QFETCH(QString, start);
        QFETCH(QString, reference);
        QFETCH(QStringList, expected);
        const SeniorityTexts texts
            = FormatSeniority(ComputeSeniorityResult(parse(start), parse(reference)), u',');
        QCOMPARE(
            (QStringList { texts.years, texts.months, texts.days, texts.decimalYears }), expected);
    }

    // Whole years and whole months come out whole in every direction, whatever the days.
    void wholeSpansAreExact()
    {
        for (int year = 1990; year <= 2030; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (const int day : { 1, 15, 28 }) {
                    const DateValue start = date(year, month, day);
                    for (const int months : { 1, 11, 12, 13, 24, 66 }) {
                        const DateValue end = date(
                            year + (month - 1 + months) / 12, (month - 1 + months) % 12 + 1, day);
                        const SeniorityResult forward = ComputeSeniorityResult(start, end);
                        const SeniorityResult backward = ComputeSeniorityResult(end, start);
                        if (forward.Years != months / 12 || forward.Months != months % 12
                            || forward.DayAmount != 0 || backward.Years != -(months / 12)
                            || backward.Months != -(months % 12) || backward.DayAmount != 0)
                            QFAIL(qPrintable(QStringLiteral("%1/%2/%3 + %4 mois")
                                                 .arg(day)
                                                 .arg(month)
                                                 .arg(year)
                                                 .arg(months)));
                    }
                }
            }
        }
    }

    void decimalMarkIsTheOneGiven()
    {
        const SeniorityTexts texts
            = FormatSeniority(ComputeSeniorityResult(parse("01/09/01"), parse("15/03/04")), u'.');
        QCOMPARE(texts.decimalYears, QStringLiteral("2.539"));
    }
};

QTEST_GUILESS_MAIN(TestSeniority)
#include "tst_seniority.moc"
