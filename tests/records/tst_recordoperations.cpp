// The save and the delete on the table and the data file, without a window: each path, and
// each failure with a real one (the kernel's file size limit, the data file turned into a
// directory or a FIFO, or cut short), after which the table still mirrors the file.
#include "records/DataFile.h"
#include "records/DataFileRewrite.h"
#include "records/RecordOperations.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

Q_DECLARE_METATYPE(SaveOutcome)

namespace {

IdentityRecord named(const QString& name, const QString& appraisal = QStringLiteral("bien"))
{
    IdentityRecord record;
    WriteField(record, RecordField::Name, name);
    WriteField(record, RecordField::Step, QStringLiteral("3"));
    WriteField(record, RecordField::Appraisal, appraisal);
    return record;
}

QByteArray fileBytes()
{
    QFile file(QString::fromLatin1(kDataFileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList names(const RecordTable& table)
{
    QStringList result;
    for (int number = 1; number <= table.count; ++number)
        result << ReadField(table.slot(number), RecordField::Name);
    return result;
}

QStringList appraisals(const RecordTable& table)
{
    QStringList result;
    for (int number = 1; number <= table.count; ++number)
        result << ReadField(table.slot(number), RecordField::Appraisal);
    return result;
}

// A data file of these records, and the table as the window loads it.
RecordTable storedAndLoaded(const QStringList& records)
{
    std::vector<IdentityRecord> stored;
    for (const QString& record : records)
        stored.push_back(named(record));
    WriteDataFile(stored);
    RecordTable table;
    if (!ReadDataFile(table))
        QTest::qFail("fichier de données introuvable", __FILE__, __LINE__);
    return table;
}

std::function<void(IdentityRecord&)> appraisal(const QString& text)
{
    return [text](IdentityRecord& record) {
        WriteField(record, RecordField::Step, QStringLiteral("5"));
        WriteField(record, RecordField::Appraisal, text);
    };
}

// A real failure of the next rewrite or reload, set up just before the operation:
//   "limite:N"  the kernel refuses to let a file grow past N bytes
//   "dossier"   the data file is replaced by a directory
//   "fifo"      the data file is replaced by a FIFO
//   "tronqué"   the data file is cut in the middle of its second record
void prepareFailure(const QString& failure)
{
    const QString name = QString::fromLatin1(kDataFileName);
    if (failure.startsWith(u"limite:")) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &tight), 0);
        tight.rlim_cur = failure.mid(7).toULong();
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    } else if (failure == u"dossier") {
        QVERIFY(QFile::remove(name));
        QVERIFY(QDir().mkdir(name));
    } else if (failure == u"fifo") {
        QVERIFY(QFile::remove(name));
        QCOMPARE(::mkfifo(kDataFileName, 0600), 0);
    } else if (failure == u"tronqué") {
        QVERIFY(QFile::resize(name, IdentityRecord::kSize + 70));
    }
}

} // namespace

class TestRecordOperations : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> m_directory;
    QString m_startDirectory;
    rlimit m_fileSizeLimit {};

private slots:
    void initTestCase()
    {
        m_startDirectory = QDir::currentPath();
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &m_fileSizeLimit), 0);
    }
    void init()
    {
        m_directory.emplace();
        QVERIFY(QDir::setCurrent(m_directory->path()));
    }
    void cleanup()
    {
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &m_fileSizeLimit), 0);
        QDir::setCurrent(m_startDirectory);
        m_directory.reset();
    }

    void saveUpdatesInPlaceOrAppends_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<SaveOutcome>("outcome");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("appraisals");
        QTest::newRow("nom connu : mise à jour sur place")
            << "Deux" << SaveOutcome::Updated << QStringList { "Un", "Deux", "Trois" }
            << QStringList { "bien", "excellent", "bien" };
        QTest::newRow("nom nouveau : ajout à la fin")
            << "Quatre" << SaveOutcome::Added << QStringList { "Un", "Deux", "Trois", "Quatre" }
            << QStringList { "bien", "bien", "bien", "excellent" };
        QTest::newRow("la casse compte")
            << "deux" << SaveOutcome::Added << QStringList { "Un", "Deux", "Trois", "deux" }
            << QStringList { "bien", "bien", "bien", "excellent" };
        QTest::newRow("un nom long est coupé à 20")
            << "Un nom bien trop long pour le champ" << SaveOutcome::Added
            << QStringList { "Un", "Deux", "Trois", "Un nom bien trop lon" }
            << QStringList { "bien", "bien", "bien", "excellent" };
    }
    void saveUpdatesInPlaceOrAppends()
    {
        QFETCH(QString, name);
        QFETCH(SaveOutcome, outcome);
        QFETCH(QStringList, names);
        QFETCH(QStringList, appraisals);
        WriteDataFile(std::vector { named("Un"), named("Deux"), named("Trois") });
        RecordTable table;
        QCOMPARE(SaveRecord(table, name, appraisal(QStringLiteral("excellent"))), outcome);
        QCOMPARE(::names(table), names);
        QCOMPARE(::appraisals(table), appraisals);
        RecordTable file;
        QVERIFY(ReadDataFile(file));
        QCOMPARE(::names(file), names);
        QCOMPARE(::appraisals(file), appraisals);
    }

    // Without a data file, the new one holds the saved record alone, whatever the table held.
    void saveWithoutADataFileMakesOne()
    {
        RecordTable table;
        table.slot(1) = named("Ancien");
        table.count = 1;
        QCOMPARE(SaveRecord(table, QStringLiteral("Neuf"), appraisal(QStringLiteral("bien"))),
            SaveOutcome::Added);
        QCOMPARE(names(table), QStringList { "Neuf" });
        QCOMPARE(fileBytes().size(), IdentityRecord::kSize);
    }

    void failedSaveLeavesTheTableAsTheFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("message");
        QTest::newRow("mise à jour, écriture refusée") << "Deux"
                                                       << "limite:100"
                                                       << "Disque plein";
        QTest::newRow("ajout, écriture refusée") << "Quatre"
                                                 << "limite:400"
                                                 << "Disque plein";
        QTest::newRow("relecture impossible : un dossier") << "Deux"
                                                           << "dossier"
                                                           << "Accès au fichier refusé";
        QTest::newRow("relecture d'un fichier tronqué") << "Deux"
                                                        << "tronqué"
                                                        << "Lecture au-delà de la fin de fichier";
    }
    void failedSaveLeavesTheTableAsTheFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, failure);
        QFETCH(QString, message);
        RecordTable table = storedAndLoaded({ "Un", "Deux", "Trois" });
        const RecordTable before = table;
        prepareFailure(failure);
        const QByteArray file = fileBytes();
        try {
            SaveRecord(table, name, appraisal(QStringLiteral("excellent")));
            QFAIL("aucune erreur");
        } catch (const ParcovalError& error) {
            QCOMPARE(error.message(), message);
        }
        QCOMPARE(table.count, before.count);
        for (int number = 1; number <= before.count; ++number)
            QVERIFY(table.slot(number).bytes == before.slot(number).bytes);
        QCOMPARE(fileBytes(), file);
    }

    void hundredFirstRecordIsRefused()
    {
        std::vector<IdentityRecord> hundred;
        for (int i = 1; i <= 100; ++i)
            hundred.push_back(named(QStringLiteral("Nom %1").arg(i)));
        WriteDataFile(hundred);
        const QByteArray before = fileBytes();
        RecordTable table;
        try {
            SaveRecord(table, QStringLiteral("Un de trop"), appraisal(QStringLiteral("bien")));
            QFAIL("aucune erreur");
        } catch (const ParcovalError& error) {
            QCOMPARE(
                error.message(), QStringLiteral("Impossible d'enregistrer plus de 100 identités."));
        }
        QCOMPARE(table.count, 100);
        QCOMPARE(fileBytes(), before);
    }

    void deleteMovesTheOthersDown_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("au milieu") << "Deux" << true << QStringList { "Un", "Trois" };
        QTest::newRow("la première") << "Un" << true << QStringList { "Deux", "Trois" };
        QTest::newRow("nom inconnu") << "deux" << false << QStringList { "Un", "Deux", "Trois" };
    }
    void deleteMovesTheOthersDown()
    {
        QFETCH(QString, name);
        QFETCH(bool, found);
        QFETCH(QStringList, names);
        RecordTable table = storedAndLoaded({ "Un", "Deux", "Trois" });
        QCOMPARE(DeleteRecord(table, name), found);
        QCOMPARE(::names(table), names);
        RecordTable file;
        QVERIFY(ReadDataFile(file));
        QCOMPARE(::names(file), names);
    }

    void deletingTheLastRecordRemovesTheFile()
    {
        RecordTable table = storedAndLoaded({ "Seul" });
        QVERIFY(DeleteRecord(table, QStringLiteral("Seul")));
        QCOMPARE(table.count, 0);
        QVERIFY(!QFileInfo::exists(QString::fromLatin1(kDataFileName)));
    }

    void failedDeleteLeavesTheTable_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("message");
        const QStringList three { "Un", "Deux", "Trois" };
        QTest::newRow("réécriture refusée") << three << "Deux"
                                            << "limite:200"
                                            << "Disque plein";
        QTest::newRow("réécriture sur un dossier") << three << "Deux"
                                                   << "dossier"
                                                   << "Accès au fichier refusé";
        QTest::newRow("dernière fiche, le fichier est un FIFO") << QStringList { "Seul" } << "Seul"
                                                                << "fifo"
                                                                << "Accès au fichier refusé";
        QTest::newRow("dernière fiche, le fichier est un dossier")
            << QStringList { "Seul" } << "Seul"
            << "dossier"
            << "Accès au fichier refusé";
    }
    void failedDeleteLeavesTheTable()
    {
        QFETCH(QStringList, records);
        QFETCH(QString, name);
        QFETCH(QString, failure);
        QFETCH(QString, message);
        RecordTable table = storedAndLoaded(records);
        prepareFailure(failure);
        try {
            DeleteRecord(table, name);
            QFAIL("aucune erreur");
        } catch (const ParcovalError& error) {
            QCOMPARE(error.message(), message);
        }
        QCOMPARE(names(table), records);
    }
};

QTEST_GUILESS_MAIN(TestRecordOperations)
#include "tst_recordoperations.moc"
