#include "ScriptedAnswers.h"
#include "app/Readme.h"

class TestReadme : public QObject {
    Q_OBJECT
    QTemporaryDir m_directory;

private slots:
    // The current directory first, as always; then the installed copy beside the program;
    // then the one the build made.
    void candidatesInOrder()
    {
        const QStringList candidates = ReadmeCandidates();
        QCOMPARE(candidates.size(), 3);
        QCOMPARE(candidates[0], QDir::current().absoluteFilePath(QStringLiteral("Lisez-moi.pdf")));
        QCOMPARE(QDir::cleanPath(candidates[1]),
            QDir::cleanPath(QCoreApplication::applicationDirPath()
                + QStringLiteral("/../share/doc/parcoval/Lisez-moi.pdf")));
        QVERIFY2(QFileInfo(candidates[2]).isFile(), qPrintable(candidates[2]));
    }

    void firstExistingCandidate_data()
    {
        QTest::addColumn<QList<bool>>("present");
        QTest::addColumn<int>("chosen");
        QTest::newRow("une copie ici l'emporte") << QList<bool> { true, true, true } << 0;
        QTest::newRow("sinon la copie installée") << QList<bool> { false, true, true } << 1;
        QTest::newRow("sinon celle de la construction") << QList<bool> { false, false, true } << 2;
        QTest::newRow("aucune") << QList<bool> { false, false, false } << -1;
    }
    void firstExistingCandidate()
    {
        QFETCH(QList<bool>, present);
        QFETCH(int, chosen);
        QTemporaryDir directory;
        QStringList candidates;
        for (int i = 0; i < present.size(); ++i) {
            candidates << directory.filePath(QStringLiteral("%1/Lisez-moi.pdf").arg(i));
            QVERIFY(QDir().mkpath(directory.filePath(QString::number(i))));
            if (present[i]) {
                QFile file(candidates.back());
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }
        // A directory of the guide's name is no guide.
        QVERIFY(QDir().mkpath(directory.filePath(QStringLiteral("dossier/Lisez-moi.pdf"))));
        candidates.prepend(directory.filePath(QStringLiteral("dossier/Lisez-moi.pdf")));
        QCOMPARE(FindReadme(candidates), chosen < 0 ? QString() : candidates[chosen + 1]);
    }

    // No guide anywhere, or no program to show one (the test platform has none): the user is
    // told, instead of nothing happening.
    void guideThatCannotBeShownIsNoticed_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("notice");
        QTest::newRow("aucun guide")
            << false << "Le guide d'utilisation « Lisez-moi.pdf » est introuvable.";
        QTest::newRow("aucun lecteur")
            << true
            << "Aucun programme n'a pu ouvrir le guide « Lisez-moi.pdf ». Installez un lecteur "
               "de fichiers PDF.";
    }
    void guideThatCannotBeShownIsNoticed()
    {
        QFETCH(bool, present);
        QFETCH(QString, notice);
        const QString guide = m_directory.filePath(QStringLiteral("Lisez-moi.pdf"));
        QFile::remove(guide);
        if (present) {
            QFile file(guide);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        ScriptedAnswers answers({ ClickButton(QStringLiteral("OK")) });
        OpenReadme(nullptr, { guide });
        QCOMPARE(answers.seen, QStringList { notice });
        QCOMPARE(answers.boxes[0].kind, ScriptedAnswers::Box::Notice);
        QCOMPARE(answers.boxes[0].buttons, DialogButtons(DialogButton::OK));
    }
};

QTEST_MAIN(TestReadme)
#include "tst_readme.moc"
