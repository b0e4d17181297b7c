#include "ParcovalError.h"
#include "app/RecordSheet.h"

#include <QPrinter>
#include <QtTest>

namespace {

RecordSheet dupont()
{
    RecordSheet sheet;
    sheet.name = QStringLiteral("Dupont Émilie");
    sheet.numen = QStringLiteral("12E3456789ABC");
    sheet.corps = QStringLiteral("Professeur des écoles");
    sheet.step = QStringLiteral("5e échelon");
    sheet.promotionDate = QStringLiteral("31/08/20");
    sheet.heading = QStringLiteral("Vous êtes promouvable au 6e échelon");
    sheet.promotionDates
        = { QStringLiteral("28/02/23"), QStringLiteral("31/08/23"), QStringLiteral("29/02/24") };
    sheet.rhythms = { QStringLiteral("au grand choix ;"), QStringLiteral("au choix ;"),
        QStringLiteral("à l'ancienneté.") };
    sheet.seniorityStart = QStringLiteral("01/09/05");
    sheet.referenceDate = QStringLiteral("11/12/26");
    sheet.years = QStringLiteral("21");
    sheet.months = QStringLiteral("3");
    sheet.days = QStringLiteral("10");
    sheet.decimalYears = QStringLiteral("21,275");
    sheet.inspectionDate = QStringLiteral("12/03/24");
    sheet.mark = QStringLiteral("15,5");
    sheet.appraisal = QStringLiteral("très bien");
    sheet.gestion1 = QStringLiteral("G7");
    sheet.gestion2 = QStringLiteral("H8");
    sheet.poste = QStringLiteral("EEPU");
    sheet.letter = QStringLiteral("K");
    sheet.min = QStringLiteral("M12");
    sheet.dossier = QStringLiteral("D345");
    sheet.printedOn = QStringLiteral("11/12/2026");
    return sheet;
}

// The longest texts the fields hold.
RecordSheet longest()
{
    RecordSheet sheet = dupont();
    sheet.name = QString(255, u'W');
    sheet.numen = QString(20, u'W');
    sheet.appraisal = QString(20, u'W');
    sheet.heading = QStringLiteral("Vous êtes promouvable au 256e échelon");
    for (QString* text : { &sheet.gestion1, &sheet.gestion2, &sheet.poste })
        *text = QString(10, u'W');
    sheet.min = sheet.dossier = QString(5, u'W');
    return sheet;
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("échec de %1 : %2")
            .arg(program, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's text with its blanks made single: what a reader of the page would copy.
QString textOf(const QString& pdf)
{
    return run(QStringLiteral("pdftotext"), { pdf, QStringLiteral("-") }).simplified();
}

int pagesOf(const QString& pdf, const QString& pictures)
{
    run(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"), pdf, pictures });
    return int(QDir(QFileInfo(pictures).path())
                   .entryList({ QFileInfo(pictures).fileName() + "*.png" })
                   .size());
}

} // namespace

Q_DECLARE_METATYPE(RecordSheet)

class TestRecordSheet : public QObject {
    Q_OBJECT
    QTemporaryDir m_directory;

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
            "pdftotext et pdftoppm sont nécessaires (paquet Debian poppler-utils)");
    }

    void everyValueIsOnThePage_data()
    {
        QTest::addColumn<RecordSheet>("sheet");
        QTest::addColumn<QString>("identity");
        QTest::newRow("fiche enregistrée") << dupont() << "Dupont Émilie";
        RecordSheet unsaved = dupont();
        unsaved.name.clear();
        unsaved.step.clear();
        QTest::newRow("identité non enregistrée") << unsaved << "Identité non enregistrée";
    }
    void everyValueIsOnThePage()
    {
        QFETCH(RecordSheet, sheet);
        QFETCH(QString, identity);
        const QString pdf = m_directory.filePath(QStringLiteral("fiche.pdf"));
        WriteRecordSheetPdf(sheet, pdf);
        const QString text = textOf(pdf);
        QStringList expected { QStringLiteral("Fiche de promotion et d'ancienneté"), identity,
            sheet.numen, sheet.corps, sheet.promotionDate, sheet.heading, sheet.seniorityStart,
            sheet.referenceDate,
            QStringLiteral("%1 a %2 m %3 j, soit %4 ans")
                .arg(sheet.years, sheet.months, sheet.days, sheet.decimalYears),
            sheet.inspectionDate, sheet.mark, sheet.appraisal, sheet.gestion1, sheet.gestion2,
            sheet.poste, sheet.letter, sheet.min, sheet.dossier,
            QStringLiteral("Fiche imprimée le %1").arg(sheet.printedOn),
            QStringLiteral("Être promouvable ne signifie pas être promu.") };
        if (!sheet.step.isEmpty())
            expected << sheet.step;
        for (std::size_t i = 0; i < 3; ++i)
            expected << QStringLiteral("le %1 %2").arg(sheet.promotionDates[i], sheet.rhythms[i]);
        for (const QString& value : expected)
            QVERIFY2(text.contains(value),
                qPrintable(QStringLiteral("« %1 » manque dans : %2").arg(value, text)));
    }

    void onePage_data()
    {
        QTest::addColumn<RecordSheet>("sheet");
        QTest::newRow("fiche ordinaire") << dupont();
        QTest::newRow("textes les plus longs") << longest();
    }
    void onePage()
    {
        QFETCH(RecordSheet, sheet);
        const QString pdf = m_directory.filePath(QStringLiteral("page.pdf"));
        WriteRecordSheetPdf(sheet, pdf);
        QCOMPARE(pagesOf(pdf, m_directory.filePath(QStringLiteral("page"))), 1);
        QVERIFY(run(QStringLiteral("pdfinfo"), { pdf }).contains(QStringLiteral("(A4)")));
    }

    // A printer gets the very same page.
    void printerGetsTheSheet()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = m_directory.filePath(QStringLiteral("imprimée.pdf"));
        printer.setOutputFileName(pdf);
        PaintRecordSheet(dupont(), printer);
        QVERIFY(textOf(pdf).contains(QStringLiteral("Dupont Émilie")));
    }

    void unwritableFileIsReportedByName()
    {
        const QString pdf = m_directory.filePath(QStringLiteral("pas de dossier/fiche.pdf"));
        try {
            WriteRecordSheetPdf(dupont(), pdf);
            QFAIL("aucune erreur");
        } catch (const ParcovalError& error) {
            QCOMPARE(error.message(),
                QStringLiteral("La fiche n'a pas pu être enregistrée dans « %1 ».").arg(pdf));
        }
        QVERIFY(!QFile::exists(pdf));
    }

    void defaultFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("nom enregistré") << "Dupont Émilie"
                                        << "Fiche Dupont Émilie 2026-12-11.pdf";
        QTest::newRow("sans nom") << ""
                                  << "Fiche 2026-12-11.pdf";
        QTest::newRow("blancs seuls") << "   "
                                      << "Fiche 2026-12-11.pdf";
        QTest::newRow("caractères impossibles") << "a/b:c*d"
                                                << "Fiche a b c d 2026-12-11.pdf";
    }
    void defaultFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QCOMPARE(DefaultSheetFileName(name, QDate(2026, 12, 11)), file);
    }
};

QTEST_MAIN(TestRecordSheet)
#include "tst_recordsheet.moc"
