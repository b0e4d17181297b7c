#include "progression/StepDurations.h"

#include <QtTest>

Q_DECLARE_METATYPE(Corps)
Q_DECLARE_METATYPE(StepDurations)

namespace {

const StepDurations kNone { 0, 0, 0 };

} // namespace

class TestStepDurations : public QObject {
    Q_OBJECT
private slots:
    // What a fresh process holds, before any test selects anything.
    void initTestCase() { QCOMPARE(currentDurations(), kNone); }
    void cleanup() { currentDurations() = kNone; }

    // The whole career under each rhythm, the sum of its ten rows: the published totals.
    void totalsOfEachRhythm_data()
    {
        QTest::addColumn<Corps>("corps");
        QTest::addColumn<StepDurations>("total");
        QTest::newRow("professeur des écoles : 20, 26 et 30 ans")
            << Corps::ProfesseurDesEcoles << StepDurations { 240, 312, 360 };
        QTest::newRow("instituteur : 16 ans 9 mois, 22 et 26 ans")
            << Corps::Instituteur << StepDurations { 201, 264, 312 };
    }
    void totalsOfEachRhythm()
    {
        QFETCH(Corps, corps);
        QFETCH(StepDurations, total);
        StepDurations sum;
        for (int step = 0; step < 10; ++step) {
            const std::optional<StepDurations> row = DurationsOf(corps, step);
            QVERIFY(row);
            // A faster rhythm is never slower than the next one.
            QVERIFY(row->FastMonths <= row->MiddleMonths);
            QVERIFY(row->MiddleMonths <= row->SeniorityMonths);
            sum.FastMonths += row->FastMonths;
            sum.MiddleMonths += row->MiddleMonths;
            sum.SeniorityMonths += row->SeniorityMonths;
        }
        QCOMPARE(sum, total);
    }

    // A few rows named for what they show.
    void namedRows_data()
    {
        QTest::addColumn<Corps>("corps");
        QTest::addColumn<int>("stepIndex");
        QTest::addColumn<StepDurations>("durations");
        QTest::newRow("PE 1er échelon : trois mois pour tous")
            << Corps::ProfesseurDesEcoles << 0 << StepDurations { 3, 3, 3 };
        QTest::newRow("PE 4e échelon : le grand choix gagne six mois")
            << Corps::ProfesseurDesEcoles << 3 << StepDurations { 24, 30, 30 };
        QTest::newRow("PE 10e échelon : la plus longue ancienneté")
            << Corps::ProfesseurDesEcoles << 9 << StepDurations { 36, 54, 66 };
        QTest::newRow("instituteur 1er échelon : neuf mois")
            << Corps::Instituteur << 0 << StepDurations { 9, 9, 9 };
        QTest::newRow("instituteur 6e échelon : l'ancienneté passe à 30 mois")
            << Corps::Instituteur << 5 << StepDurations { 15, 18, 30 };
        QTest::newRow("instituteur 10e échelon")
            << Corps::Instituteur << 9 << StepDurations { 36, 48, 54 };
    }
    void namedRows()
    {
        QFETCH(Corps, corps);
        QFETCH(int, stepIndex);
        QFETCH(StepDurations, durations);
        QCOMPARE(DurationsOf(corps, stepIndex), std::optional(durations));
        SelectDurations(corps, stepIndex);
        QCOMPARE(currentDurations(), durations);
    }

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
        QCOMPARE(currentDurations(), kNone);
        SelectDurations(Corps::ProfesseurDesEcoles, 3);
        SelectDurations(Corps::Instituteur, stepIndex);
        QCOMPARE(currentDurations(), (StepDurations { 24, 30, 30 }));
    }
};

QTEST_GUILESS_MAIN(TestStepDurations)
#include "tst_stepdurations.moc"
