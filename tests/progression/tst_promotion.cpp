#include "conventions/DateText.h"
#include "conventions/Errors.h"
#include "progression/Promotion.h"

#include <QtTest>

Q_DECLARE_METATYPE(Corps)

namespace {

DateConventions conventions(const QString& pattern)
{
    DateConventions result;
    result.DatePattern = pattern;
    return result;
}

QStringList promotionTexts(
    Corps corps, int stepIndex, const QString& promotionDate, const DateConventions& used)
{
    const DateValue date = ParseDateText(promotionDate, used, 2026);
    const auto dates = ComputePromotionDates(date, *DurationsOf(corps, stepIndex));
    return { FormatDateText(dates[0], used), FormatDateText(dates[1], used),
        FormatDateText(dates[2], used) };
}

} // namespace

class TestPromotion : public QObject {
    Q_OBJECT
private slots:
    void heading_data()
    {
        QTest::addColumn<int>("stepIndex");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1er échelon") << 0 << "Vous êtes promouvable au 2e échelon";
        QTest::newRow("4e échelon") << 3 << "Vous êtes promouvable au 5e échelon";
        QTest::newRow("10e échelon") << 9 << "Vous êtes promouvable au 11e échelon";
        QTest::newRow("aucun échelon") << -1 << "Vous êtes promouvable au 1e échelon";
    }
    void heading()
    {
        QFETCH(int, stepIndex);
        QFETCH(QString, expected);
        QCOMPARE(PromotionHeading(stepIndex), expected);
    }

    void captions()
    {
        QCOMPARE(
            RhythmCaptionsOf(Corps::ProfesseurDesEcoles).fast, QStringLiteral("au grand choix ;"));
        QCOMPARE(RhythmCaptionsOf(Corps::ProfesseurDesEcoles).middle, QStringLiteral("au choix ;"));
        QCOMPARE(RhythmCaptionsOf(Corps::Instituteur).fast, QStringLiteral("au choix ;"));
        QCOMPARE(RhythmCaptionsOf(Corps::Instituteur).middle, QStringLiteral("au mi-choix ;"));
    }

    void promotionDates_data()
    {
        QTest::addColumn<Corps>("corps");
        QTest::addColumn<int>("stepIndex");
        QTest::addColumn<QString>("promotionDate");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("PE 4e échelon, 31/08/00")
            << Corps::ProfesseurDesEcoles << 3 << "31/08/00"
            << QStringList { "31/08/02", "28/02/03", "28/02/03" };
        QTest::newRow("instituteur 6e échelon, 31/08/00")
            << Corps::Instituteur << 5 << "31/08/00"
            << QStringList { "30/11/01", "28/02/02", "28/02/03" };
        QTest::newRow("PE 1er échelon, 31/08/00")
            << Corps::ProfesseurDesEcoles << 0 << "31/08/00"
            << QStringList { "30/11/00", "30/11/00", "30/11/00" };
        QTest::newRow("PE 10e échelon, 29/02/04")
            << Corps::ProfesseurDesEcoles << 9 << "29/02/04"
            << QStringList { "28/02/07", "29/08/08", "29/08/09" };
        QTest::newRow("instituteur 10e échelon, 15/06/20")
            << Corps::Instituteur << 9 << "15/06/20"
            << QStringList { "15/06/23", "15/06/24", "15/12/24" };
    }
    void promotionDates()
    {
        QFETCH(Corps, corps);
        QFETCH(int, stepIndex);
        QFETCH(QString, promotionDate);
        QFETCH(QStringList, expected);
        QCOMPARE(promotionTexts(
                     corps, stepIndex, promotionDate, conventions(QStringLiteral("dd/mm/yy"))),
            expected);
    }

    // The first calculation still writes with the user's own pattern.
    void fourDigitYearPattern()
    {
        QCOMPARE(promotionTexts(Corps::ProfesseurDesEcoles, 3, QStringLiteral("31/08/00"),
                     conventions(QStringLiteral("dd/mm/yyyy"))),
            (QStringList { "31/08/2002", "28/02/2003", "28/02/2003" }));
    }

    void noDurationsGiveThePromotionDateThrice()
    {
        const DateValue date = *EncodeDateParts(2001, 1, 31);
        const auto dates = ComputePromotionDates(date, StepDurations {});
        QCOMPARE(dates[0], date);
        QCOMPARE(dates[1], date);
        QCOMPARE(dates[2], date);
    }

    void beyondTheCalendar()
    {
        const DateValue date = *EncodeDateParts(9999, 1, 1);
        QVERIFY_THROWS_EXCEPTION(
            ConversionError, ComputePromotionDates(date, *DurationsOf(Corps::Instituteur, 9)));
    }
};

QTEST_GUILESS_MAIN(TestPromotion)
#include "tst_promotion.moc"
