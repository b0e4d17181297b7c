#include "WindowFixture.h"

#include <QMessageBox>

#include <sys/stat.h>

namespace {

const Person kZoe { QStringLiteral("Zoé"), 4, QStringLiteral("31/08/00") };
const Person kAlbert { QStringLiteral("Albert"), 6, QStringLiteral("15/06/20"),
    QStringLiteral("01/09/98") };
const Person kMaelle { QStringLiteral("Maëlle"), 10 };
const QString kNotSaved = QStringLiteral("Les données n'ont pas été enregistrées !");
const QString kNotDeleted = QStringLiteral("L'identité n'a pas été supprimée !");
const QString kBlankDateError = QStringLiteral("'  /  /  ' n'est pas une date correcte.");
const QString kDeleteQuestion
    = QStringLiteral("Êtes-vous sûr de vouloir supprimer cette identité ?");

} // namespace

class TestRecordsWindow : public QObject {
    Q_OBJECT
private slots:
    void startWithoutDataFile()
    {
        WindowFixture window;
        ScriptedAnswers none;
        window.start();
        QCOMPARE(window.seniority(), (QStringList { "25", "11", "9", "25,942" }));
        QCOMPARE(window.promotionDates(), (QStringList { "", "", "" }));
        QCOMPARE(window.names()->count(), 0);
        QCOMPARE(window.date("MaskEdit1"), QStringLiteral("01/01/01"));
        QCOMPARE(window.caption("Label2"), QStringLiteral("Vous êtes promouvable au 2e échelon"));
        DeliverPendingEvents();
        QCOMPARE(none.seen, QStringList());
        QVERIFY(!QFile::exists(QString::fromLatin1(kDataFileName)));
    }

    // The list is sorted, and the window shows its first name's record, not the file's first.
    void loadShowsTheAlphabeticallyFirst()
    {
        WindowFixture window({ kZoe, kAlbert, kMaelle });
        window.start();
        QCOMPARE(window.names()->names(), (QStringList { "Albert", "Maëlle", "Zoé" }));
        QCOMPARE(window.names()->nameText(), QStringLiteral("Albert"));
        QCOMPARE(window.steps()->itemIndex(), 5);
        QCOMPARE(window.caption("Label2"), QStringLiteral("Vous êtes promouvable au 7e échelon"));
        QCOMPARE(window.date("MaskEdit1"), QStringLiteral("15/06/20"));
        QCOMPARE(window.text("Edit5"), QStringLiteral("très bien"));
        QCOMPARE(window.text("Edit9"), QStringLiteral("12E3456789ABC"));
        QCOMPARE(window.text("Edit12"), QStringLiteral("EEPU"));
        QCOMPARE(window.promotionDates(), (QStringList { "15/12/22", "15/06/23", "15/12/23" }));
        QCOMPARE(window.seniority(), (QStringList { "28", "3", "9", "28,275" }));
    }

    void selectingAName()
    {
        WindowFixture window({ kZoe, kAlbert, kMaelle });
        window.start();
        window.names()->setFocus();
        QTest::keyClick(window.names(), Qt::Key_Down);
        QCOMPARE(window.names()->nameText(), QStringLiteral("Maëlle"));
        QCOMPARE(window.steps()->itemIndex(), 9);
        QCOMPARE(window.caption("Label2"), QStringLiteral("Vous êtes promouvable au 11e échelon"));
        QCOMPARE(window.promotionDates(), (QStringList { "31/08/03", "28/02/05", "28/02/06" }));
        QCOMPARE(
            window.edit<CalendarDateEdit>("MaskEdit3")->dateText(), QStringLiteral("10/12/26"));
    }

    // Typing runs the selection at each keystroke; the record shows once the text is its name.
    void typingASavedName()
    {
        WindowFixture window({ kZoe, kAlbert });
        window.start();
        window.names()->setNameText(QString());
        window.names()->setFocus();
        QTest::keyClicks(window.names(), QStringLiteral("Zo"));
        QCOMPARE(window.steps()->itemIndex(), 5);
        QCOMPARE(window.date("MaskEdit1"), QStringLiteral("15/06/20"));
        QTest::sendKeyEvent(
            QTest::Click, window.names(), Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
        QCOMPARE(window.names()->nameText(), QStringLiteral("Zoé"));
        QCOMPARE(window.steps()->itemIndex(), 3);
        QCOMPARE(window.date("MaskEdit1"), QStringLiteral("31/08/00"));
        QCOMPARE(window.promotionDates(), (QStringList { "31/08/02", "28/02/03", "28/02/03" }));
    }

    // "martin" never shows, saves over or deletes "Martin".
    void namesDifferingByCaseStayApart()
    {
        WindowFixture window({ Person { QStringLiteral("Martin"), 3 } });
        window.start();
        window.names()->setNameText(QString());
        window.names()->setFocus();
        QTest::keyClicks(window.names(), QStringLiteral("martin"));
        QTest::keyClick(window.names(), Qt::Key_Return);
        QCOMPARE(window.names()->nameText(), QStringLiteral("martin"));
        window.edit("Edit5")->setText(QStringLiteral("autre"));
        {
            ScriptedAnswers answers({ EnterName(QStringLiteral("martin")) });
            window.edit<QPushButton>("Button2")->click();
            QVERIFY(answers.done());
        }
        QCOMPARE(NamesInFile(), (QStringList { "Martin", "martin" }));
        QCOMPARE(recordTable().count, 2);
        {
            ScriptedAnswers answers({ ClickButton(QStringLiteral("Yes")) });
            window.edit<QPushButton>("Button3")->click();
        }
        QCOMPARE(NamesInFile(), QStringList { "Martin" });
        QCOMPARE(window.names()->names(), QStringList { "Martin" });
    }

    void saveUpdatesInPlace()
    {
        WindowFixture window({ kZoe, kAlbert, kMaelle });
        window.start();
        const QByteArray before = DataFileBytes();
        window.edit("Edit5")->setText(QStringLiteral("excellent"));
        window.steps()->setItemIndex(2);
        ScriptedAnswers answers({ EnterName(QStringLiteral("Albert")) });
        window.edit<QPushButton>("Button2")->click();
        QCOMPARE(answers.seen, QStringList { "Nom d'enregitrement" });
        QCOMPARE(NamesInFile(), (QStringList { "Zoé", "Albert", "Maëlle" }));
        const QByteArray after = DataFileBytes();
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.left(153), before.left(153));
        QCOMPARE(after.mid(306), before.mid(306));
        QCOMPARE(
            ReadField(recordTable().slot(2), RecordField::Appraisal), QStringLiteral("excellent"));
        QCOMPARE(ReadField(recordTable().slot(2), RecordField::Step), QStringLiteral("3"));
        QCOMPARE(window.names()->names(), (QStringList { "Albert", "Maëlle", "Zoé" }));
    }

    void saveAppends()
    {
        WindowFixture window({ kZoe, kAlbert });
        window.start();
        window.edit("Edit9")->setText(QStringLiteral("abc"));
        window.edit("Edit5")->setText(QStringLiteral("Appréciation bien trop longue"));
        ScriptedAnswers answers({ EnterName(QStringLiteral("Bruno")) });
        window.edit<QPushButton>("Button2")->click();
        QCOMPARE(NamesInFile(), (QStringList { "Zoé", "Albert", "Bruno" }));
        QCOMPARE(DataFileBytes().size(), 459);
        QCOMPARE(window.names()->names(), (QStringList { "Albert", "Bruno", "Zoé" }));
        QCOMPARE(window.names()->nameText(), QStringLiteral("Bruno"));
        // The window shows the record as stored.
        QCOMPARE(window.text("Edit9"), QStringLiteral("ABC"));
        QCOMPARE(window.text("Edit5"), QStringLiteral("Appréciation bien tr"));
    }

    void caseAndTrailingBlankMakeNewRecords()
    {
        WindowFixture window({ kAlbert });
        window.start();
        for (const char* name : { "albert", "Albert " }) {
            ScriptedAnswers answers({ EnterName(QString::fromLatin1(name)) });
            window.edit<QPushButton>("Button2")->click();
        }
        QCOMPARE(NamesInFile(), (QStringList { "Albert", "albert", "Albert " }));
    }

    // A long name is stored, listed and shown cut to 20 characters, and saving again updates it.
    void longNameIsCutEverywhere()
    {
        WindowFixture window;
        window.start();
        const QString longName = QStringLiteral("Marie-Christine Lefèvre-Dubois");
        for (int round = 0; round < 2; ++round) {
            ScriptedAnswers answers({ EnterName(longName) });
            window.edit<QPushButton>("Button2")->click();
        }
        QCOMPARE(NamesInFile(), QStringList { "Marie-Christine Lefè" });
        QCOMPARE(window.names()->names(), QStringList { "Marie-Christine Lefè" });
        QCOMPARE(window.names()->nameText(), QStringLiteral("Marie-Christine Lefè"));
    }

    void saveRefused_data()
    {
        QTest::addColumn<ScriptedAnswers::Step>("answer");
        QTest::newRow("Annuler") << ClickButton(QStringLiteral("Cancel"));
        QTest::newRow("nom vide") << EnterName(QString());
        QTest::newRow("case de fermeture") << CloseBox();
    }
    void saveRefused()
    {
        QFETCH(ScriptedAnswers::Step, answer);
        WindowFixture window;
        window.start();
        ScriptedAnswers answers({ answer, ClickButton(QStringLiteral("OK")) });
        window.edit<QPushButton>("Button2")->click();
        QCOMPARE(answers.seen, (QStringList { "Nom d'enregitrement", kNotSaved }));
        QVERIFY(!QFile::exists(QString::fromLatin1(kDataFileName)));
        QCOMPARE(window.names()->count(), 0);
    }

    void blanksOnlyNameIsAccepted()
    {
        WindowFixture window;
        window.start();
        ScriptedAnswers answers({ EnterName(QStringLiteral("  ")) });
        window.edit<QPushButton>("Button2")->click();
        QCOMPARE(NamesInFile(), QStringList { "  " });
    }

    void deleteTheOnlyRecordRemovesTheFile()
    {
        WindowFixture window({ kAlbert });
        window.start();
        {
            ScriptedAnswers answers({ ClickButton(QStringLiteral("Yes")) });
            window.edit<QPushButton>("Button3")->click();
            QCOMPARE(answers.seen, QStringList { kDeleteQuestion });
        }
        QVERIFY(!QFile::exists(QString::fromLatin1(kDataFileName)));
        QCOMPARE(window.names()->count(), 0);
        QCOMPARE(window.names()->nameText(), QString());
        QCOMPARE(recordTable().count, 0);
        // The controls still show the deleted record until another is chosen.
        QCOMPARE(window.date("MaskEdit1"), QStringLiteral("15/06/20"));
        ScriptedAnswers save({ EnterName(QStringLiteral("Albert")) });
        window.edit<QPushButton>("Button2")->click();
        QCOMPARE(NamesInFile(), QStringList { "Albert" });
    }

    void deleteKeepsTheOthersInOrder()
    {
        WindowFixture window({ kZoe, kAlbert, kMaelle });
        window.start();
        ScriptedAnswers answers({ ClickButton(QStringLiteral("Yes")) });
        window.edit<QPushButton>("Button3")->click();
        QCOMPARE(NamesInFile(), (QStringList { "Zoé", "Maëlle" }));
        QCOMPARE(window.names()->names(), (QStringList { "Maëlle", "Zoé" }));
    }

    // Only "&Oui" deletes: "&Non" (also Escape and Enter, the dialog's test shows) and the
    // close box keep the record.
    void deleteRefused_data()
    {
        QTest::addColumn<ScriptedAnswers::Step>("answer");
        QTest::newRow("&Non") << ClickButton(QStringLiteral("No"));
        QTest::newRow("case de fermeture") << CloseBox();
    }
    void deleteRefused()
    {
        QFETCH(ScriptedAnswers::Step, answer);
        WindowFixture window({ kZoe, kAlbert });
        window.start();
        const QByteArray before = DataFileBytes();
        ScriptedAnswers answers({ answer, ClickButton(QStringLiteral("OK")) });
        window.edit<QPushButton>("Button3")->click();
        QCOMPARE(answers.seen, (QStringList { kDeleteQuestion, kNotDeleted }));
        QCOMPARE(answers.boxes[0].focus, DialogResult::No);
        QCOMPARE(DataFileBytes(), before);
        QCOMPARE(window.names()->names(), (QStringList { "Albert", "Zoé" }));
        QCOMPARE(window.names()->nameText(), QStringLiteral("Albert"));
        QCOMPARE(recordTable().count, 2);
    }

    // A name no loaded record has: nothing changes, and the file is left alone, even when
    // the file failed to load.
    void deleteWithoutARecordChangesNothing()
    {
        WindowFixture window;
        QFile damaged(QString::fromLatin1(kDataFileName));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(200, 'x'));
        damaged.close();
        ScriptedAnswers loadError({ ClickButton(QStringLiteral("OK")) });
        window.form().show();
        QTRY_COMPARE(loadError.seen, QStringList { "Lecture au-delà de la fin de fichier." });
        window.names()->setNameText(QStringLiteral("xxxxxxxxxxxxxxxxxxxx"));
        ScriptedAnswers answers({ ClickButton(QStringLiteral("Yes")) });
        window.edit<QPushButton>("Button3")->click();
        QCOMPARE(DataFileBytes(), QByteArray(200, 'x'));
        QCOMPARE(answers.seen, QStringList { kDeleteQuestion });
    }

    // The entry goes from the list even when the list has no current selection.
    void deleteRemovesTheListEntryWithoutSelection()
    {
        WindowFixture window({ kZoe, kAlbert });
        window.start();
        window.names()->setCurrentIndex(-1);
        window.names()->setNameText(QStringLiteral("Zoé"));
        ScriptedAnswers answers({ ClickButton(QStringLiteral("Yes")) });
        window.edit<QPushButton>("Button3")->click();
        QCOMPARE(window.names()->names(), QStringList { "Albert" });
        QCOMPARE(NamesInFile(), QStringList { "Albert" });
    }

    // A delete whose rewrite fails says so and leaves the table, the list and the file as they
    // were.
    void deleteThatCannotRewriteReportsIt()
    {
        WindowFixture window({ kZoe, kAlbert });
        window.start();
        QVERIFY(QFile::remove(QString::fromLatin1(kDataFileName)));
        QVERIFY(QDir().mkdir(QString::fromLatin1(kDataFileName))); // a real failure, for root too
        ScriptedAnswers answers(
            { ClickButton(QStringLiteral("Yes")), ClickButton(QStringLiteral("OK")) });
        window.edit<QPushButton>("Button3")->click();
        QCOMPARE(answers.seen.size(), 2);
        QCOMPARE(answers.seen[1], QStringLiteral("Accès au fichier refusé."));
        QCOMPARE(recordTable().count, 2);
        QCOMPARE(window.names()->names(), (QStringList { "Albert", "Zoé" }));
        QCOMPARE(window.names()->nameText(), QStringLiteral("Albert"));
        QVERIFY(QDir().rmdir(QString::fromLatin1(kDataFileName)));
    }

    // The file is written before the window refreshes: a bad date then reports its error,
    // and the record is on disk all the same.
    void saveWritesTheFileBeforeTheRefresh()
    {
        WindowFixture window({ kAlbert });
        window.start();
        window.edit<MaskDateEdit>("MaskEdit4")->setDateText(QString());
        ScriptedAnswers answers(
            { EnterName(QStringLiteral("Bruno")), ClickButton(QStringLiteral("OK")) });
        window.edit<QPushButton>("Button2")->click();
        QCOMPARE(answers.seen,
            (QStringList { "Nom d'enregitrement", "'  /  /  ' n'est pas une date correcte." }));
        QCOMPARE(NamesInFile(), (QStringList { "Albert", "Bruno" }));
    }

    void saveRefusesA101stRecord()
    {
        std::vector<Person> hundred;
        for (int i = 1; i <= 100; ++i)
            hundred.push_back(
                Person { QStringLiteral("Personne %1").arg(i, 3, 10, QLatin1Char('0')) });
        WindowFixture window(hundred);
        window.start();
        const QByteArray before = DataFileBytes();
        ScriptedAnswers answers(
            { EnterName(QStringLiteral("Cent-unième")), ClickButton(QStringLiteral("OK")) });
        window.edit<QPushButton>("Button2")->click();
        QCOMPARE(answers.seen,
            (QStringList {
                "Nom d'enregitrement", "Impossible d'enregistrer plus de 100 identités." }));
        QCOMPARE(DataFileBytes(), before);
        QCOMPARE(window.names()->count(), 100);
    }

    // A box takes the activation from the window and gives it back, which is no new start:
    // the list gains no duplicates.
    void dialogsDoNotReload()
    {
        WindowFixture window({ kZoe, kAlbert });
        window.start();
        const auto likeABox = [](const ScriptedAnswers::Box&) {
            QWidget box;
            box.show();
            box.activateWindow();
            if (!QTest::qWaitForWindowActive(&box))
                QTest::qFail("la boîte n'a pas pris l'activation", __FILE__, __LINE__);
            return ScriptedAnswers::Answer { DialogResult::No, {} };
        };
        ScriptedAnswers answers({ likeABox, ClickButton(QStringLiteral("OK")) });
        window.edit<QPushButton>("Button3")->click();
        window.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window.form()));
        DeliverPendingEvents();
        QCOMPARE(window.names()->names(), (QStringList { "Albert", "Zoé" }));
    }

    // An existing name that cannot be opened is reported at once, and the window starts as
    // without a data file; it never blocks.
    void unopenableDataFileIsReported_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("un dossier") << "dossier";
        QTest::newRow("un FIFO") << "fifo";
    }
    void unopenableDataFileIsReported()
    {
        QFETCH(QString, kind);
        WindowFixture window;
        if (kind == u"dossier")
            QVERIFY(QDir().mkdir(QString::fromLatin1(kDataFileName)));
        else
            QCOMPARE(::mkfifo(kDataFileName, 0600), 0);
        ScriptedAnswers answers({ ClickButton(QStringLiteral("OK")) });
        window.form().show();
        QTRY_COMPARE(answers.seen, QStringList { "Accès au fichier refusé." });
        QTRY_COMPARE(
            window.edit<CalendarDateEdit>("MaskEdit3")->dateText(), QStringLiteral("10/12/26"));
        QCOMPARE(window.names()->count(), 0);
        QCOMPARE(window.seniority(), (QStringList { "25", "11", "9", "25,942" }));
        QVERIFY(!QFileInfo(QString::fromLatin1(kDataFileName)).isFile());
    }

    // What a damaged step becomes: the group clamps it, or the load stops with its message.
    void stepTexts_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("itemIndex");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        QTest::newRow("vide") << "" << 0 << "Vous êtes promouvable au 2e échelon"
                              << QStringList { "'' n'est pas une valeur entière correcte." };
        QTest::newRow("0") << "0" << -1 << "Vous êtes promouvable au 1e échelon" << none;
        QTest::newRow("11") << "11" << 9 << "Vous êtes promouvable au 11e échelon" << none;
        QTest::newRow("-5") << "-5" << -1 << "Vous êtes promouvable au 1e échelon" << none;
        QTest::newRow("$FF") << "$FF" << 9 << "Vous êtes promouvable au 11e échelon" << none;
    }
    void stepTexts()
    {
        QFETCH(QString, step);
        QFETCH(int, itemIndex);
        QFETCH(QString, heading);
        QFETCH(QStringList, messages);
        WindowFixture window;
        IdentityRecord record = Person { QStringLiteral("Albert") }.record();
        WriteField(record, RecordField::Step, step);
        WriteDataFile(std::vector { record });
        ScriptedAnswers answers({ ClickButton(QStringLiteral("OK")) });
        window.form().show();
        QTRY_COMPARE(window.names()->names(), QStringList { "Albert" });
        QTRY_COMPARE(answers.seen, messages);
        QCOMPARE(window.steps()->itemIndex(), itemIndex);
        QCOMPARE(window.caption("Label2"), heading);
    }

    // The load ends with a calculation of its own: it runs when the step stays where the group
    // starts, and its errors are reported, unlike those of the step's own calculation.
    void loadEndsWithACalculation_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("promotionDate");
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("1er échelon : le groupe ne change pas")
            << 1 << "31/08/00" << QStringList { "30/11/00", "30/11/00", "30/11/00" }
            << QStringList {};
        QTest::newRow("date impossible : l'erreur est dite")
            << 6 << "31/02/20" << QStringList { "", "", "" }
            << QStringList { "'31/02/20' n'est pas une date correcte." };
    }
    void loadEndsWithACalculation()
    {
        QFETCH(int, step);
        QFETCH(QString, promotionDate);
        QFETCH(QStringList, dates);
        QFETCH(QStringList, messages);
        WindowFixture window({ Person { QStringLiteral("Albert"), step, promotionDate } });
        std::vector<ScriptedAnswers::Step> steps;
        for (int i = 0; i < messages.size(); ++i)
            steps.push_back(ClickButton(QStringLiteral("OK")));
        ScriptedAnswers answers(steps);
        window.start();
        DeliverPendingEvents();
        QCOMPARE(answers.seen, messages);
        QCOMPARE(window.promotionDates(), dates);
        QCOMPARE(window.seniority(), (QStringList { "25", "3", "9", "25,275" }));
    }

    // The load fills the texts, then the reference date: a blank seniority start stops it
    // there, with what it did before on show.
    void blankSeniorityStartStopsTheLoadAtTheReferenceDate()
    {
        Person blank { QStringLiteral("Albert"), 6, QStringLiteral("15/06/20"),
            QStringLiteral("  /  /  ") };
        WindowFixture window({ blank });
        ScriptedAnswers answers({ ClickButton(QStringLiteral("OK")) });
        window.form().show();
        QTRY_COMPARE(answers.seen, QStringList { kBlankDateError });
        QCOMPARE(window.caption("Label2"), QStringLiteral("Vous êtes promouvable au 7e échelon"));
        QCOMPARE(window.date("MaskEdit1"), QStringLiteral("15/06/20"));
        QCOMPARE(
            window.edit<CalendarDateEdit>("MaskEdit3")->dateText(), QStringLiteral("10/12/26"));
        QCOMPARE(window.steps()->itemIndex(), 0);
        QCOMPARE(window.promotionDates(), (QStringList { "", "", "" }));
        QCOMPARE(window.names()->names(), QStringList { "Albert" });
    }

    void stepThatIsNotANumberStopsTheLoad()
    {
        WindowFixture window;
        IdentityRecord record = Person { QStringLiteral("Albert") }.record();
        WriteField(record, RecordField::Step, QStringLiteral("x"));
        WriteDataFile(std::vector { record });
        ScriptedAnswers answers({ ClickButton(QStringLiteral("OK")) });
        window.form().show();
        QTRY_COMPARE(answers.seen, QStringList { "'x' n'est pas une valeur entière correcte." });
        QCOMPARE(window.date("MaskEdit1"), QStringLiteral("01/01/01"));
        QCOMPARE(window.names()->names(), QStringList { "Albert" });
    }
};

QTEST_MAIN(TestRecordsWindow)
#include "tst_records_window.moc"
