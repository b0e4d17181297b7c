#include "records/AccessError.h"
#include "records/DataFile.h"
#include "records/DataFileRewrite.h"
#include "records/RecordOperations.h"

#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
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

// Runs the action with the kernel refusing to let any file grow past `bytes`: a real write
// failure, for root too.
template <typename Action> void withFileSizeLimit(rlim_t bytes, Action action)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = bytes;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    action();
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
}

// The access error the action raises; one that raises none fails the test, which goes on.
template <typename Action> AccessError accessErrorOf(Action action)
{
    try {
        action();
    } catch (const AccessError& error) {
        return error;
    }
    QTest::qFail("aucune erreur d'accès", __FILE__, __LINE__);
    return AccessError(0);
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
        QTest::newRow("EFBIG: fichier trop grand") << EFBIG << 101;
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

        int code = 0;
        withFileSizeLimit(153 * 2 + 40, [&] {
            try {
                WriteDataFile(std::vector { named("Un"), named("Deux"), named("Trois") });
            } catch (const AccessError& error) {
                code = error.code();
            }
        });

        QCOMPARE(code, 101);
        QCOMPARE(fileBytes(), before);
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden),
            QStringList { QString::fromLatin1(kDataFileName) });
    }

    // Permission cases run the probe as an unprivileged user: root would read and write anyway.
    void permissions_data()
    {
        QTest::addColumn<int>("directoryMode");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("operation");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("recordsAfter"); // -1: the file is left as it was
        const QStringList two { "Ancien", "Autre" };
        const QString refused = QStringLiteral("5 Accès au fichier refusé");
        QTest::newRow("dossier en lecture seule : enregistrement refusé")
            << 0555 << 0666 << two << QStringList { "save", "Nouveau" } << refused << -1;
        QTest::newRow("dossier en lecture seule : la dernière fiche reste")
            << 0555 << 0666 << QStringList { "Ancien" } << QStringList { "delete", "Ancien" }
            << refused << -1;
        QTest::newRow("fichier en lecture seule : lu comme les autres")
            << 0777 << 0444 << two << QStringList { "load" } << "Ancien\nAutre\nok" << -1;
        QTest::newRow("fichier en lecture seule : enregistrement refusé")
            << 0777 << 0444 << two << QStringList { "save", "Ancien" } << refused << -1;
        QTest::newRow("fichier en lecture seule : suppression refusée")
            << 0777 << 0444 << two << QStringList { "delete", "Autre" } << refused << -1;
        QTest::newRow("fichier en lecture seule : dernière fiche non supprimée")
            << 0777 << 0444 << QStringList { "Ancien" } << QStringList { "delete", "Ancien" }
            << refused << -1;
        QTest::newRow("fichier illisible : chargement refusé")
            << 0777 << 0200 << two << QStringList { "load" } << refused << -1;
        QTest::newRow("fichier illisible : jamais remplacé par une seule fiche")
            << 0777 << 0200 << two << QStringList { "save", "Nouveau" } << refused << -1;
        QTest::newRow("fichier accessible : enregistré")
            << 0777 << 0666 << two << QStringList { "save", "Nouveau" } << "ok" << 3;
        QTest::newRow("fichier accessible : dernière fiche supprimée")
            << 0777 << 0666 << QStringList { "Ancien" } << QStringList { "delete", "Ancien" }
            << "ok" << 0;
    }
    void permissions()
    {
        QFETCH(int, directoryMode);
        QFETCH(int, fileMode);
        QFETCH(QStringList, records);
        QFETCH(QStringList, operation);
        QFETCH(QString, output);
        QFETCH(int, recordsAfter);
        std::vector<IdentityRecord> stored;
        for (const QString& name : records)
            stored.push_back(named(name));
        WriteDataFile(stored);
        const QByteArray before = fileBytes();
        QCOMPARE(::chmod(kDataFileName, mode_t(fileMode)), 0);
        QCOMPARE(
            ::chmod(QFile::encodeName(m_directory->path()).constData(), mode_t(directoryMode)), 0);
        giveToTheProbeUser({ QString::fromLatin1(kDataFileName), m_directory->path() });
        QCOMPARE(runProbeUnprivileged(operation), output);
        QCOMPARE(::chmod(QFile::encodeName(m_directory->path()).constData(), 0700), 0);
        if (recordsAfter < 0)
            QCOMPARE(fileBytes(), before);
        else
            QCOMPARE(fileBytes().size(), recordsAfter * IdentityRecord::kSize);
        QCOMPARE(QFile::exists(QString::fromLatin1(kDataFileName)), recordsAfter != 0);
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden | QDir::System).filter(u"tmp"),
            QStringList {});
    }

    // Whatever the data file holds or is, the load ends with records or a French message, and
    // never blocks.
    void hostileFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("output");
        const QString short100 = QStringLiteral("100 Lecture au-delà de la fin de fichier");
        const QString refused = QStringLiteral("5 Accès au fichier refusé");
        const QByteArray one = recordBytes(named("Un"));
        QTest::newRow("0 octet") << "fichier" << QByteArray() << short100;
        QTest::newRow("152 octets") << "fichier" << one.left(152) << short100;
        QTest::newRow("154 octets") << "fichier" << one + 'x' << "Un\n" + short100;
        QTest::newRow("200 octets") << "fichier" << one + one.left(47) << "Un\n" + short100;
        QByteArray hundred;
        QStringList hundredNames;
        for (int i = 1; i <= 100; ++i) {
            hundred += recordBytes(named(QStringLiteral("Nom %1").arg(i)));
            hundredNames << QStringLiteral("Nom %1").arg(i);
        }
        QTest::newRow("100 fiches") << "fichier" << hundred << hundredNames.join(u'\n') + "\nok";
        QTest::newRow("101 fiches") << "fichier" << hundred + one
                                    << hundredNames.join(u'\n')
                + "\n0 Le fichier de données contient plus de 100 identités.";
        QByteArray tooLong = one;
        for (const RecordField field :
            { RecordField::Name, RecordField::Step, RecordField::Letter })
            tooLong[LayoutOf(field).offset] = char(0xFF);
        tooLong.replace(1, 20, QByteArray(20, 'a'));
        QTest::newRow("longueurs au-delà de la capacité")
            << "fichier" << tooLong << QString(20, u'a') + "\nok";
        QByteArray high;
        for (int i = 0; i < 3 * IdentityRecord::kSize; ++i)
            high += char(0x80 + i % 128);
        QStringList highNames;
        for (int at = 0; at < high.size(); at += IdentityRecord::kSize) {
            IdentityRecord record;
            std::copy_n(high.constData() + at, IdentityRecord::kSize,
                reinterpret_cast<char*>(record.bytes.data()));
            highNames << ReadField(record, RecordField::Name);
        }
        QTest::newRow("octets 0x80 à 0xFF") << "fichier" << high << highNames.join(u'\n') + "\nok";
        QTest::newRow("un dossier") << "dossier" << QByteArray() << refused;
        QTest::newRow("un FIFO") << "fifo" << QByteArray() << refused;
        QTest::newRow("un lien vers un périphérique") << "périphérique" << QByteArray() << refused;
        QTest::newRow("un lien vers un fichier") << "lien" << one << "Un\nok";
    }
    void hostileFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, output);
        const QByteArray name(kDataFileName);
        if (kind == u"fichier") {
            writeBytes(bytes);
        } else if (kind == u"dossier") {
            QVERIFY(QDir().mkdir(QString::fromLatin1(name)));
        } else if (kind == u"fifo") {
            QCOMPARE(::mkfifo(name.constData(), 0666), 0);
        } else if (kind == u"périphérique") {
            QCOMPARE(::symlink("/dev/zero", name.constData()), 0);
        } else {
            QVERIFY(QDir().mkdir(QStringLiteral("ailleurs")));
            QFile target(QStringLiteral("ailleurs/fiches.pcv"));
            QVERIFY(target.open(QIODevice::WriteOnly));
            target.write(bytes);
            target.close();
            QCOMPARE(::symlink("ailleurs/fiches.pcv", name.constData()), 0);
        }
        QCOMPARE(::chmod(QFile::encodeName(m_directory->path()).constData(), 0777), 0);
        if (!QFileInfo(QString::fromLatin1(name)).isSymLink())
            QCOMPARE(::chmod(name.constData(), 0666), 0);
        QCOMPARE(runProbeUnprivileged({ "load" }), output);
    }

    // A name that is no regular file is never replaced by a save, nor removed by a delete.
    void specialFilesAreNeverReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("un FIFO") << "fifo";
        QTest::newRow("un lien vers un périphérique") << "périphérique";
    }
    void specialFilesAreNeverReplaced()
    {
        QFETCH(QString, kind);
        if (kind == u"fifo")
            QCOMPARE(::mkfifo(kDataFileName, 0666), 0);
        else
            QCOMPARE(::symlink("/dev/null", kDataFileName), 0);
        QCOMPARE(accessErrorOf([] { WriteDataFile(std::vector { named("Un") }); }).code(), 5);
        QCOMPARE(accessErrorOf([] { DeleteDataFile(); }).code(), 5);
        const QFileInfo info(QString::fromLatin1(kDataFileName));
        QVERIFY(!info.isFile() && (info.isSymLink() || info.exists()));
    }

    // A record an older program wrote keeps its texts; what it left after them is dropped at
    // the next rewrite, for every record.
    void leftoverBytesAreClearedOnRewrite()
    {
        QByteArray bytes = recordBytes(named("Zoé")) + recordBytes(named("Albert"));
        for (int record = 0; record < 2; ++record) {
            for (int field = 0; field <= int(RecordField::Letter); ++field) {
                const FieldLayout layout = LayoutOf(RecordField(field));
                const int at = record * IdentityRecord::kSize + layout.offset;
                const int length = std::uint8_t(bytes[at]);
                for (int i = length; i < layout.capacity; ++i)
                    bytes[at + 1 + i] = 'x';
            }
        }
        writeBytes(bytes);
        RecordTable table;
        QVERIFY(ReadDataFile(table));
        QCOMPARE(names(table), (QStringList { "Zoé", "Albert" }));
        SaveRecord(table, QStringLiteral("Zoé"), [](IdentityRecord& record) {
            WriteField(record, RecordField::Appraisal, QStringLiteral("bien"));
        });
        const QByteArray after = fileBytes();
        QCOMPARE(after.size(), 306);
        QVERIFY2(!after.contains('x'), after.toHex(' ').constData());
    }

    void permissionBitsAreKept_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("644") << 0644;
        QTest::newRow("640") << 0640;
        QTest::newRow("600") << 0600;
        QTest::newRow("664") << 0664;
    }
    void permissionBitsAreKept()
    {
        QFETCH(int, mode);
        WriteDataFile(std::vector { named("Un") });
        QCOMPARE(::chmod(kDataFileName, mode_t(mode)), 0);
        WriteDataFile(std::vector { named("Un"), named("Deux") });
        struct stat status { };
        QCOMPARE(::stat(kDataFileName, &status), 0);
        QCOMPARE(int(status.st_mode & 07777), mode);
        QCOMPARE(fileBytes().size(), 306);
    }

    // Saving through a symbolic link replaces the file it names, and the link stays.
    void linkedDataFileIsReplacedWhereItLies()
    {
        QVERIFY(QDir().mkdir(QStringLiteral("clé")));
        QCOMPARE(::symlink("clé/fiches.pcv", kDataFileName), 0);
        // Not there yet (the key is not plugged in): the link stays as it is.
        QCOMPARE(accessErrorOf([] { WriteDataFile(std::vector { named("Un") }); }).code(), 2);
        QVERIFY(QFileInfo(QString::fromLatin1(kDataFileName)).isSymLink());
        QFile target(QStringLiteral("clé/fiches.pcv"));
        QVERIFY(target.open(QIODevice::WriteOnly));
        target.close();
        WriteDataFile(std::vector { named("Un"), named("Deux") });
        QVERIFY(QFileInfo(QString::fromLatin1(kDataFileName)).isSymLink());
        QCOMPARE(QFileInfo(QStringLiteral("clé/fiches.pcv")).size(), 306);
        QCOMPARE(QDir(QStringLiteral("clé")).entryList(QDir::Files | QDir::Hidden),
            QStringList { "fiches.pcv" });
    }

    // What a killed save left beside the data file goes at the next save.
    void leftTemporaryFileIsRemovedByTheNextSave()
    {
        WriteDataFile(std::vector { named("Un") });
        QFile left(QStringLiteral(".DatProf.pcv.tmp"));
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.write("moitié d'une fiche");
        left.close();
        WriteDataFile(std::vector { named("Un"), named("Deux") });
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden),
            QStringList { QString::fromLatin1(kDataFileName) });
        QCOMPARE(fileBytes().size(), 306);
    }

private:
    // The files are the probe user's own, so that their owner's permission bits are the ones
    // that count.
    static void giveToTheProbeUser(const QStringList& paths)
    {
        if (geteuid() != 0)
            return;
        for (const QString& path : paths)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    }

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
        const bool finished = process.waitForFinished(10000);
        if (!finished)
            process.kill();
        process.waitForFinished();
        QFile::remove(probe);
        if (!finished)
            return QStringLiteral("bloqué");
        const QString output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
        const bool ended = process.exitStatus() == QProcess::NormalExit
            && (process.exitCode() == 0 || process.exitCode() == 3);
        return ended ? output : output + QString::fromUtf8(process.readAllStandardError());
    }
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
