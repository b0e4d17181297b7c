#include "records/AccessError.h"
#include "records/DataFile.h"

#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

IdentityRecord named(const QString& name)
{
    IdentityRecord record;
    WriteField(record, RecordField::Name, name);
    WriteField(record, RecordField::Step, QStringLiteral("3"));
    return record;
}

QByteArray fileBytes()
{
    QFile file(QString::fromLatin1(kDataFileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QByteArray& bytes)
{
    QFile file(QString::fromLatin1(kDataFileName));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray recordBytes(const IdentityRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes.data()), IdentityRecord::kSize);
}

QStringList names(const RecordTable& table)
{
    QStringList result;
    for (int number = 1; number <= table.count; ++number)
        result << ReadField(table.slot(number), RecordField::Name);
    return result;
}

template <typename Action> AccessError accessErrorOf(Action action)
{
    try {
        action();
    } catch (const AccessError& error) {
        return error;
    }
    qFatal("aucune erreur d'accès");
}

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> m_directory;
    QString m_startDirectory;

private slots:
    void initTestCase() { m_startDirectory = QDir::currentPath(); }

    // Every test starts in an empty directory of its own.
    void init()
    {
        m_directory.emplace(QDir::tempPath() + QStringLiteral("/parcoval-XXXXXX"));
        QVERIFY(m_directory->isValid());
        QVERIFY(QDir::setCurrent(m_directory->path()));
    }
    void cleanup()
    {
        QDir::setCurrent(m_startDirectory);
        QFile::setPermissions(
            m_directory->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void threeRecordsMake459BytesAndReadBack()
    {
        const std::vector<IdentityRecord> records { named("Zoé"), named("Albert"),
            named("Maëlle") };
        WriteDataFile(records);
        const QByteArray bytes = fileBytes();
        QCOMPARE(bytes.size(), 459);
        QCOMPARE(bytes.mid(153, 153), recordBytes(records[1]));

        RecordTable table;
        QStringList reported;
        QVERIFY(ReadDataFile(table, [&](const QString& name) { reported << name; }));
        QCOMPARE(table.count, 3);
        QCOMPARE(names(table), (QStringList { "Zoé", "Albert", "Maëlle" }));
        QCOMPARE(reported, names(table));
        QVERIFY(table.slot(3).bytes == records[2].bytes);
        QVERIFY(table.scratch.bytes == records[2].bytes);
    }

    void missingFileIsNoFile()
    {
        RecordTable table;
        table.count = 2;
        QVERIFY(!ReadDataFile(table));
        QCOMPARE(table.count, 2);
    }

    void shortFiles_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("0 octet") << 0 << QStringList {};
        QTest::newRow("200 octets") << 200 << QStringList { "Un" };
        QTest::newRow("deux et demi") << 153 * 2 + 76 << QStringList { "Un", "Deux" };
    }
    // The records before the incomplete one are stored and reported; the count stays as it was.
    void shortFiles()
    {
        QFETCH(int, size);
        QFETCH(QStringList, stored);
        const QByteArray bytes
            = recordBytes(named("Un")) + recordBytes(named("Deux")) + recordBytes(named("Trois"));
        writeBytes(bytes.left(size));
        RecordTable table;
        table.count = 7;
        QStringList reported;
        const AccessError error = accessErrorOf(
            [&] { ReadDataFile(table, [&](const QString& name) { reported << name; }); });
        QCOMPARE(error.code(), 100);
        QCOMPARE(error.message(), QStringLiteral("Lecture au-delà de la fin de fichier"));
        QCOMPARE(table.count, 7);
        QCOMPARE(reported, stored);
        for (int i = 0; i < stored.size(); ++i)
            QCOMPARE(ReadField(table.slot(i + 1), RecordField::Name), stored[i]);
    }

    void moreThan100RecordsAreRefused()
    {
        QByteArray bytes;
        for (int i = 1; i <= 101; ++i)
            bytes += recordBytes(named(QStringLiteral("Nom %1").arg(i)));
        writeBytes(bytes);
        RecordTable table;
        int reported = 0;
        try {
            ReadDataFile(table, [&](const QString&) { ++reported; });
            QFAIL("aucune erreur");
        } catch (const ParcovalError& error) {
            QCOMPARE(error.message(),
                QStringLiteral("Le fichier de données contient plus de 100 identités."));
        }
        QCOMPARE(table.count, 0);
        QCOMPARE(reported, 100);
    }

    void exactly100RecordsLoad()
    {
        std::vector<IdentityRecord> records;
        for (int i = 1; i <= 100; ++i)
            records.push_back(named(QStringLiteral("Nom %1").arg(i)));
        WriteDataFile(records);
        RecordTable table;
        QVERIFY(ReadDataFile(table));
        QCOMPARE(table.count, 100);
        QCOMPARE(ReadField(table.slot(100), RecordField::Name), QStringLiteral("Nom 100"));
    }

    void rewriteWritesRecordsOneToCount()
    {
        RecordTable table;
        table.slot(1) = named("A");
        table.slot(2) = named("B");
        table.slot(3) = named("Reste d'avant");
        table.count = 2;
        RewriteDataFile(table);
        QCOMPARE(fileBytes(), recordBytes(table.slot(1)) + recordBytes(table.slot(2)));
    }

    // The name is looked up in the current directory at each access.
    void fileFollowsTheCurrentDirectory()
    {
        WriteDataFile(std::vector { named("Ici") });
        QTemporaryDir other;
        QVERIFY(QDir::setCurrent(other.path()));
        RecordTable table;
        QVERIFY(!ReadDataFile(table));
        WriteDataFile(std::vector { named("Là"), named("Là-bas") });
        QCOMPARE(fileBytes().size(), 306);
        QVERIFY(QDir::setCurrent(m_directory->path()));
        QCOMPARE(fileBytes().size(), 153);
    }

    void deleteRemovesTheFileAndIgnoresAMissingOne()
    {
        WriteDataFile(std::vector { named("Seul") });
        DeleteDataFile();
        QVERIFY(!QFile::exists(QString::fromLatin1(kDataFileName)));
        DeleteDataFile();
    }

    void closeTwiceIsError103()
    {
        WriteDataFile(std::vector { named("Seul") });
        auto file = DataFile::OpenExisting();
        QVERIFY(file);
        file->Close();
        const AccessError error = accessErrorOf([&] { file->Close(); });
        QCOMPARE(error.code(), 103);
        QCOMPARE(error.message(), QStringLiteral("Erreur E/S 103"));
    }

    void messages_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("2") << 2 << "Fichier introuvable";
        QTest::newRow("3") << 3 << "Nom de fichier incorrect";
        QTest::newRow("4") << 4 << "Trop de fichiers ouverts";
        QTest::newRow("5") << 5 << "Accès au fichier refusé";
        QTest::newRow("100") << 100 << "Lecture au-delà de la fin de fichier";
        QTest::newRow("101") << 101 << "Disque plein";
        QTest::newRow("106") << 106 << "Saisie numérique incorrecte";
        QTest::newRow("autre") << 32 << "Erreur E/S 32";
    }
    void messages()
    {
        QFETCH(int, code);
        QFETCH(QString, message);
        QCOMPARE(AccessError(code).message(), message);
        QCOMPARE(AccessError(code).code(), code);
    }

    void systemErrors_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("code");
        QTest::newRow("ENOENT") << ENOENT << 2;
        QTest::newRow("ENOTDIR") << ENOTDIR << 3;
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << 3;
        QTest::newRow("EMFILE") << EMFILE << 4;
        QTest::newRow("ENFILE") << ENFILE << 4;
        QTest::newRow("EACCES") << EACCES << 5;
        QTest::newRow("EPERM") << EPERM << 5;
        QTest::newRow("EROFS") << EROFS << 5;
        QTest::newRow("ENOSPC") << ENOSPC << 101;
        QTest::newRow("EDQUOT") << EDQUOT << 101;
        QTest::newRow("EIO ne passe pas pour un refus") << EIO << 1117;
        QTest::newRow("EISDIR") << EISDIR << EISDIR;
    }
    void systemErrors()
    {
        QFETCH(int, error);
        QFETCH(int, code);
        QCOMPARE(AccessCodeOfErrno(error), code);
    }

    // A write that fails half-way (here the kernel's file size limit) leaves the old file whole.
    void failedRewriteKeepsTheOldFile()
    {
        const std::vector<IdentityRecord> old { named("Ancien") };
        WriteDataFile(old);
        const QByteArray before = fileBytes();

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit tight = saved;
        tight.rlim_cur = 153 * 2 + 40;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        int code = 0;
        try {
            WriteDataFile(std::vector { named("Un"), named("Deux"), named("Trois") });
        } catch (const AccessError& error) {
            code = error.code();
        }
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

        QCOMPARE(code, 101);
        QCOMPARE(fileBytes(), before);
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden),
            QStringList { QString::fromLatin1(kDataFileName) });
    }

    // Permission cases run the probe as an unprivileged user: root would write anyway.
    void readOnlyDirectoryRefusesTheRewrite()
    {
        WriteDataFile(std::vector { named("Ancien") });
        const QByteArray before = fileBytes();
        QVERIFY(QFile::setPermissions(m_directory->path(),
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                | QFile::ReadGroup | QFile::ExeGroup));
        QCOMPARE(
            runProbeUnprivileged({ "write", "2" }), QStringLiteral("5 Accès au fichier refusé"));
        QCOMPARE(fileBytes(), before);
    }

    void readOnlyFileCountsAsAbsentAndRefusesTheRewrite()
    {
        WriteDataFile(std::vector { named("Ancien") });
        const QByteArray before = fileBytes();
        QVERIFY(QFile::setPermissions(m_directory->path(), QFile::Permissions(0x7777)));
        QVERIFY(QFile::setPermissions(QString::fromLatin1(kDataFileName),
            QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QCOMPARE(runProbeUnprivileged({ "open" }), QStringLiteral("absent"));
        QCOMPARE(
            runProbeUnprivileged({ "write", "1" }), QStringLiteral("5 Accès au fichier refusé"));
        QCOMPARE(fileBytes(), before);
    }

    void writableFileIsPresentForTheProbe()
    {
        WriteDataFile(std::vector { named("Ancien") });
        QVERIFY(QFile::setPermissions(m_directory->path(), QFile::Permissions(0x7777)));
        QVERIFY(
            QFile::setPermissions(QString::fromLatin1(kDataFileName), QFile::Permissions(0x6666)));
        QCOMPARE(runProbeUnprivileged({ "open" }), QStringLiteral("present"));
        QCOMPARE(runProbeUnprivileged({ "write", "2" }), QStringLiteral("ok"));
        QCOMPARE(fileBytes().size(), 306);
    }

private:
    QString runProbeUnprivileged(const QStringList& arguments)
    {
        // The probe is copied where the unprivileged user can run it.
        const QString probe = QDir::tempPath()
            + QStringLiteral("/parcoval-probe-%1").arg(QCoreApplication::applicationPid());
        QFile::remove(probe);
        if (!QFile::copy(QStringLiteral(DATAFILE_PROBE), probe))
            return QStringLiteral("copie de la sonde impossible");
        QFile::setPermissions(probe, QFile::Permissions(0x7555));
        QProcess process;
        if (geteuid() == 0) {
            process.setProgram(QStringLiteral("setpriv"));
            process.setArguments(
                QStringList { "--reuid=65534", "--regid=65534", "--clear-groups", "--", probe }
                + arguments);
        } else {
            process.setProgram(probe);
            process.setArguments(arguments);
        }
        process.start();
        process.waitForFinished(30000);
        QFile::remove(probe);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed()
            + QString::fromUtf8(process.readAllStandardError()).trimmed();
    }
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
