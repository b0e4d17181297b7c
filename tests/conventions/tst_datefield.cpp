#include "CivilDate.h"
#include "conventions/DateField.h"

#include <QtTest>

Q_DECLARE_METATYPE(PartOrder)

class TestDateField : public QObject {
    Q_OBJECT
private slots:
    void shapeOfThePattern_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<PartOrder>("order");
        QTest::addColumn<QList<int>>("lengths");
        QTest::addColumn<QString>("own");
        QTest::newRow("jour d'abord, deux chiffres")
            << "dd/mm/yy" << PartOrder::DayMonthYear << QList<int> { 2, 2, 2 } << "dd/mm/yy";
        QTest::newRow("jour d'abord, quatre chiffres")
            << "d/m/yyyy" << PartOrder::DayMonthYear << QList<int> { 2, 2, 4 } << "dd/mm/yyyy";
        QTest::newRow("capitales")
            << "DD.MM.YYYY" << PartOrder::DayMonthYear << QList<int> { 2, 2, 4 } << "dd/mm/yyyy";
        QTest::newRow("mois d'abord")
            << "m/d/yy" << PartOrder::MonthDayYear << QList<int> { 2, 2, 2 } << "mm/dd/yy";
        QTest::newRow("année d'abord")
            << "yyyy-mm-dd" << PartOrder::YearMonthDay << QList<int> { 4, 2, 2 } << "yyyy/mm/dd";
        QTest::newRow("ère d'abord")
            << "e/m/d" << PartOrder::YearMonthDay << QList<int> { 2, 2, 2 } << "yy/mm/dd";
        QTest::newRow("sans lettre")
            << "//" << PartOrder::MonthDayYear << QList<int> { 2, 2, 2 } << "mm/dd/yy";
    }
    void shapeOfThePattern()
    {
        QFETCH(QString, pattern);
        QFETCH(PartOrder, order);
        QFETCH(QList<int>, lengths);
        QFETCH(QString, own);
        const DateFieldShape shape = DateFieldShapeOf(pattern);
        QCOMPARE(shape.order, order);
        QCOMPARE(QList<int>(shape.partLengths.begin(), shape.partLengths.end()), lengths);
        QCOMPARE(shape.pattern, own);
    }

    void civilDates_data()
    {
        QTest::addColumn<QDate>("civil");
        QTest::addColumn<bool>("inCalendar");
        QTest::newRow("10/12/2026") << QDate(2026, 12, 10) << true;
        QTest::newRow("1er janvier 0001") << QDate(1, 1, 1) << true;
        QTest::newRow("31 décembre 9999") << QDate(9999, 12, 31) << true;
        QTest::newRow("an 10000") << QDate(10000, 1, 1) << false;
        QTest::newRow("avant notre ère") << QDate(-1, 12, 31) << false;
        QTest::newRow("date invalide") << QDate() << false;
    }
    // A date of the calendar goes both ways; any other is refused, never taken for the day
    // the count starts from (30/12/1899).
    void civilDates()
    {
        QFETCH(QDate, civil);
        QFETCH(bool, inCalendar);
        const std::optional<DateValue> value = DateValueOf(civil);
        QCOMPARE(value.has_value(), inCalendar);
        if (value) {
            QCOMPARE(*value, date(civil.year(), civil.month(), civil.day()));
            QCOMPARE(CivilDateOf(*value), civil);
        }
    }
};

QTEST_GUILESS_MAIN(TestDateField)
#include "tst_datefield.moc"
