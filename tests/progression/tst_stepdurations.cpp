#include "progression/StepDurations.h"

#include <QtTest>

Q_DECLARE_METATYPE(Corps)
Q_DECLARE_METATYPE(StepDurations)

class TestStepDurations : public QObject {
    Q_OBJECT
private slots:
    void init() { currentDurations() = {}; }

    void tables_data()
    {
        QTest::addColumn<Corps>("corps");
        QTest::addColumn<int>("stepIndex");
        QTest::addColumn<StepDurations>("expected");
        const int pe[10][3]
            = { { 3, 3, 3 }, { 9, 9, 9 }, { 12, 12, 12 }, { 24, 30, 30 }, { 30, 36, 42 },
                  { 30, 36, 42 }, { 30, 36, 42 }, { 30, 48, 54 }, { 36, 48, 60 }, { 36, 54, 66 } };
        const int instit[10][3]
            = { { 9, 9, 9 }, { 9, 9, 9 }, { 12, 12, 12 }, { 15, 18, 18 }, { 15, 18, 18 },
                  { 15, 18, 30 }, { 30, 42, 54 }, { 30, 42, 54 }, { 30, 48, 54 }, { 36, 48, 54 } };
        for (int i = 0; i < 10; ++i) {
            QTest::addRow("professeur des écoles, échelon %d", i + 1)
                << Corps::ProfesseurDesEcoles << i
                << StepDurations { pe[i][0], pe[i][1], pe[i][2] };
            QTest::addRow("instituteur, échelon %d", i + 1)
                << Corps::Instituteur << i
                << StepDurations { instit[i][0], instit[i][1], instit[i][2] };
        }
    }
    void tables()
    {
        QFETCH(Corps, corps);
        QFETCH(int, stepIndex);
        QFETCH(StepDurations, expected);
        QCOMPARE(DurationsOf(corps, stepIndex), std::optional(expected));
        SelectDurations(corps, stepIndex);
        QCOMPARE(currentDurations(), expected);
    }

    void startsAtZero() { QCOMPARE(currentDurations(), (StepDurations { 0, 0, 0 })); }

    void indexOutsideTheTableKeepsTheLastSelection_data()
    {
        QTest::addColumn<int>("stepIndex");
        QTest::newRow("-1: aucun échelon") << -1;
        QTest::newRow("10") << 10;
        QTest::newRow("-2") << -2;
    }
    void indexOutsideTheTableKeepsTheLastSelection()
    {
        QFETCH(int, stepIndex);
        QVERIFY(!DurationsOf(Corps::Instituteur, stepIndex));
        SelectDurations(Corps::ProfesseurDesEcoles, stepIndex);
        QCOMPARE(currentDurations(), (StepDurations { 0, 0, 0 }));
        SelectDurations(Corps::ProfesseurDesEcoles, 3);
        SelectDurations(Corps::Instituteur, stepIndex);
        QCOMPARE(currentDurations(), (StepDurations { 24, 30, 30 }));
    }
};

QTEST_GUILESS_MAIN(TestStepDurations)
#include "tst_stepdurations.moc"
