#include "WindowFixture.h"

namespace {

const Person kAlbert { QStringLiteral("Albert"), 6, QStringLiteral("15/06/20"),
    QStringLiteral("01/09/98") };

QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), { pdf, QStringLiteral("-") });
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

} // namespace

class TestSheetWindow : public QObject {
    Q_OBJECT
private slots:
    // The sheet takes the window's texts as they show, and nothing else.
    void sheetHoldsTheWindowsTexts()
    {
        WindowFixture window({ kAlbert });
        window.start();
        const RecordSheet sheet = window.form().CurrentRecordSheet();
        QCOMPARE(sheet.name, QStringLiteral("Albert"));
        QCOMPARE(sheet.numen, window.text("Edit9"));
        QCOMPARE(sheet.corps, QStringLiteral("Professeur des écoles"));
        QCOMPARE(sheet.step, QStringLiteral("6e échelon"));
        QCOMPARE(sheet.promotionDate, QStringLiteral("15/06/20"));
        QCOMPARE(sheet.heading, QStringLiteral("Vous êtes promouvable au 7e échelon"));
        QCOMPARE(QStringList(sheet.promotionDates.begin(), sheet.promotionDates.end()),
            window.promotionDates());
        QCOMPARE(QStringList(sheet.rhythms.begin(), sheet.rhythms.end()),
            (QStringList { "au grand choix ;", "au choix ;", "à l'ancienneté." }));
        QCOMPARE((QStringList { sheet.years, sheet.months, sheet.days, sheet.decimalYears }),
            window.seniority());
        QCOMPARE(sheet.seniorityStart, QStringLiteral("01/09/98"));
        QCOMPARE(sheet.referenceDate, QStringLiteral("10/12/26"));
        QCOMPARE(sheet.inspectionDate, QStringLiteral("__/__/__"));
        QCOMPARE(sheet.mark, QStringLiteral("14,5"));
        QCOMPARE(sheet.appraisal, QStringLiteral("très bien"));
        QCOMPARE(sheet.poste, QStringLiteral("EEPU"));
        QCOMPARE(sheet.printedOn, QStringLiteral("10/12/2026"));
    }

    void savedAsPdfFromTheMenu()
    {
        WindowFixture window({ kAlbert });
        window.start();
        const QString pdf = QDir::current().absoluteFilePath(QStringLiteral("fiche d'Albert.pdf"));
        ScriptedAnswers answers({ SaveAs(pdf) });
        QTest::keyClick(&window.form(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(answers.seen, QStringList { "Enregistrer la fiche en PDF" });
        QCOMPARE(answers.boxes[0].text,
            QDir::current().absoluteFilePath(QStringLiteral("Fiche Albert 2026-12-10.pdf")));
        const QString text = pdfText(pdf);
        for (const QString& value : { window.text("Edit9"), window.text("Edit1"),
                 window.text("Edit3"), QStringLiteral("Albert"), window.caption("Label19") })
            QVERIFY2(text.contains(value), qPrintable(value));
    }

    // Without a ".pdf" the name gets one.
    void suffixIsAdded()
    {
        WindowFixture window({ kAlbert });
        window.start();
        ScriptedAnswers answers(
            { SaveAs(QDir::current().absoluteFilePath(QStringLiteral("fiche"))) });
        window.form().findChild<QAction*>(QStringLiteral("EnregistrerlaficheenPDF1"))->trigger();
        QVERIFY(QFile::exists(QStringLiteral("fiche.pdf")));
    }

    void cancelledDialogsChangeNothing()
    {
        WindowFixture window({ kAlbert });
        window.start();
        const QStringList before = QDir::current().entryList(QDir::Files);
        ScriptedAnswers answers({ CloseBox(), CloseBox() });
        window.form().findChild<QAction*>(QStringLiteral("EnregistrerlaficheenPDF1"))->trigger();
        window.form().findChild<QAction*>(QStringLiteral("Imprimerlafiche1"))->trigger();
        QCOMPARE(
            answers.seen, (QStringList { "Enregistrer la fiche en PDF", "Imprimer la fiche" }));
        QCOMPARE(QDir::current().entryList(QDir::Files), before);
    }

    // A file that cannot be written is reported by its name.
    void unwritablePdfIsReported()
    {
        WindowFixture window({ kAlbert });
        window.start();
        const QString pdf = QDir::current().absoluteFilePath(QStringLiteral("absent/fiche.pdf"));
        ScriptedAnswers answers({ SaveAs(pdf), ClickButton(QStringLiteral("OK")) });
        window.form().findChild<QAction*>(QStringLiteral("EnregistrerlaficheenPDF1"))->trigger();
        QCOMPARE(answers.seen.value(1),
            QStringLiteral("La fiche n'a pas pu être enregistrée dans « %1 ».").arg(pdf));
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestSheetWindow)
#include "tst_sheet_window.moc"
