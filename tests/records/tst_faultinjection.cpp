// Real failures under real operations. Every system call that a save or a delete makes is
// failed in turn, with each of a few errors, by strace; other saves are killed at random
// moments. After each run the data file is byte for byte the old one or the new one, the old
// one always comes with the error's French message, and nothing is left beside it.
#include "records/DataFileRewrite.h"

#include <QtTest>

#include <csignal>
#include <random>

namespace {

const QString kDataFile = QStringLiteral("DatProf.pcv");
const QStringList kErrors { "ENOSPC", "EIO", "EACCES", "EMFILE" };
// Memory and thread synchronisation are not the data file's business: their failures are
// another kind of fault.
const QStringList kNotInjected { "mmap", "munmap", "mprotect", "mremap", "brk", "madvise",
    "futex" };

QByteArray recordsOf(int count)
{
    std::vector<IdentityRecord> records(std::size_t(count), IdentityRecord {});
    for (int i = 0; i < count; ++i) {
        IdentityRecord& record = records[std::size_t(i)];
        WriteField(record, RecordField::Name,
            QStringLiteral("Personne %1").arg(i + 1, 3, 10, QLatin1Char('0')));
        WriteField(record, RecordField::Step, QString::number(i % 10 + 1));
        WriteField(record, RecordField::PromotionDate, QStringLiteral("01/09/15"));
        WriteField(record, RecordField::Appraisal, QStringLiteral("très bien"));
    }
    QByteArray bytes;
    for (const IdentityRecord& record : records)
        bytes.append(reinterpret_cast<const char*>(record.bytes.data()), IdentityRecord::kSize);
    return bytes;
}

// The data file's state: its bytes, or nothing when there is no file.
using FileState = std::optional<QByteArray>;

// A directory holding the data file, where one operation runs.
class Sandbox {
public:
    explicit Sandbox(const FileState& state)
    {
        if (state) {
            QFile file(m_directory.filePath(kDataFile));
            if (!file.open(QIODevice::WriteOnly) || file.write(*state) != state->size())
                qWarning("bac à sable impossible à remplir");
        }
    }
    FileState state() const
    {
        QFile file(m_directory.filePath(kDataFile));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }
    // Anything beside the data file, hidden files included.
    QStringList strays() const
    {
        QStringList entries
            = QDir(m_directory.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        entries.removeAll(kDataFile);
        return entries;
    }
    QString path() const { return m_directory.path(); }

private:
    QTemporaryDir m_directory;
};

struct Outcome {
    bool finished = false;
    int exitCode = -1;
    QString output; // the probe's last line
    QString trace;
};

// Runs the probe in the sandbox, under strace when `strace` holds its options.
Outcome runProbe(
    const Sandbox& sandbox, const QStringList& operation, const QStringList& strace = {})
{
    QProcess process;
    process.setWorkingDirectory(sandbox.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The leak check stops the process with ptrace, which a tracer already holds.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    process.setProcessEnvironment(environment);
    if (strace.isEmpty()) {
        process.start(QStringLiteral(DATAFILE_PROBE), operation);
    } else {
        process.start(QStringLiteral("strace"),
            strace + QStringList { QStringLiteral("--"), QStringLiteral(DATAFILE_PROBE) }
                + operation);
    }
    Outcome outcome;
    outcome.finished = process.waitForFinished(20000);
    if (!outcome.finished) {
        process.kill();
        process.waitForFinished();
    }
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    const QStringList lines
        = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    outcome.output = lines.value(lines.size() - 1);
    return outcome;
}

// One system call of the operation: its name, which call of that name it is in the whole run
// (what strace's when= counts), and whether its failure must fail the operation.
struct Call {
    QString name;
    int occurrence;
    bool mustFail;
};

// The system calls between the probe's two marks, read from a full trace of a clean run.
QList<Call> callsOfTheOperation(const QString& traceFile)
{
    QFile file(traceFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression line(QStringLiteral("^\\d+\\s+(\\w+)\\((.*)$"));
    QHash<QString, int> seen;
    QList<Call> calls;
    bool inside = false;
    QString previous;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString text = QString::fromLatin1(raw);
        const QRegularExpressionMatch match = line.match(text);
        if (!match.hasMatch())
            continue;
        const QString name = match.captured(1);
        const int occurrence = ++seen[name];
        if (text.contains(QStringLiteral("\"@@d"))) {
            inside = true;
            continue;
        }
        if (text.contains(QStringLiteral("\"@@fin")))
            break;
        if (!inside || kNotInjected.contains(name))
            continue;
        // What makes the new content durable, or removes the last record, may not fail
        // unseen: a failure there must leave the old file and say why.
        const bool durability = name == u"fdatasync" || name == u"fsync" || name == u"fchmod"
            || (name == u"close" && previous == u"fdatasync")
            || (name.startsWith(u"unlink") && match.captured(2).contains(u"\"DatProf.pcv\""));
        calls.append({ name, occurrence, durability });
        previous = name;
    }
    return calls;
}

} // namespace

class TestFaultInjection : public QObject {
    Q_OBJECT
    int m_injected = 0;
    int m_oldWithMessage = 0;
    int m_newAnyway = 0;
    int m_faults = 0;

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty(),
            "strace est nécessaire (paquet Debian strace)");
    }

    void cleanupTestCase()
    {
        qInfo("%d défaillances injectées : %d ont laissé l'ancien fichier avec le message, %d le "
              "nouveau fichier sans dommage ; %d fichiers perdus, mélangés ou échecs tus",
            m_injected, m_oldWithMessage, m_newAnyway, m_faults);
    }

    void everySystemCallFails_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QStringList>("operation");
        for (const int records : { 1, 3, 100 }) {
            QTest::addRow("mise à jour, %d fiches", records)
                << records << QStringList { "save", "Personne 001", "excellent" };
            // A hundredth record is the last the table takes.
            QTest::addRow("ajout, %d fiches", std::min(records, 99))
                << std::min(records, 99) << QStringList { "save", "Nouvelle", "excellent" };
            if (records > 1)
                QTest::addRow("suppression d'une fiche parmi %d", records)
                    << records << QStringList { "delete", "Personne 002" };
        }
        QTest::newRow("suppression de la dernière fiche")
            << 1 << QStringList { "delete", "Personne 001" };
    }
    void everySystemCallFails()
    {
        QFETCH(int, records);
        QFETCH(QStringList, operation);
        const FileState old = recordsOf(records);

        const Sandbox clean(old);
        const Outcome success = runProbe(clean, operation);
        QCOMPARE(success.output, QStringLiteral("ok"));
        const FileState fresh = clean.state();
        QVERIFY(fresh != old);
        QCOMPARE(clean.strays(), QStringList {});

        const Sandbox traced(old);
        const QString traceFile = traced.path()
            + QStringLiteral("/../trace-%1.txt").arg(QCoreApplication::applicationPid());
        QCOMPARE(runProbe(traced, operation, { "-f", "-qq", "-o", traceFile }).output,
            QStringLiteral("ok"));
        const QList<Call> calls = callsOfTheOperation(traceFile);
        QFile::remove(traceFile);
        QVERIFY2(calls.size() >= 3, "trace illisible");

        for (const Call& call : calls) {
            for (const QString& error : kErrors) {
                const Sandbox sandbox(old);
                const Outcome outcome = runProbe(sandbox, operation,
                    { "-f", "-qq", "-o", "/dev/null", "-e", "trace=" + call.name, "-e",
                        QStringLiteral("inject=%1:error=%2:when=%3")
                            .arg(call.name, error)
                            .arg(call.occurrence) });
                ++m_injected;
                const FileState state = sandbox.state();
                const QString what = QStringLiteral("%1 n° %2 en %3 : ")
                                         .arg(call.name)
                                         .arg(call.occurrence)
                                         .arg(error);
                const bool reported = outcome.exitCode == 3 && !outcome.output.isEmpty();
                QString fault;
                if (!outcome.finished || outcome.exitCode < 0)
                    fault = QStringLiteral("arrêt anormal (%1)").arg(outcome.output);
                else if (state != old && state != fresh)
                    fault = QStringLiteral("fichier ni ancien ni nouveau");
                else if (state == old && !reported)
                    fault = QStringLiteral("ancien fichier sans message d'erreur");
                else if (call.mustFail && state != old)
                    fault = QStringLiteral("échec tu, le nouveau fichier n'est pas sûr");
                else if (!sandbox.strays().isEmpty())
                    fault = QStringLiteral("fichier laissé : ") + sandbox.strays().join(u", ");
                if (!fault.isEmpty()) {
                    ++m_faults;
                    QFAIL(qPrintable(what + fault));
                }
                state == old ? ++m_oldWithMessage : ++m_newAnyway;
            }
        }
    }

    // Killed at any moment, a save leaves the old file or a new one, never a mixture; what it
    // left beside the file goes at the next save.
    void killedSaves_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("name");
        QTest::newRow("mise à jour, 3 fiches") << 3 << "Personne 002";
        QTest::newRow("ajout de la centième fiche") << 99 << "Nouvelle";
    }
    void killedSaves()
    {
        QFETCH(int, records);
        QFETCH(QString, name);
        const FileState old = recordsOf(records);
        QList<FileState> valid { old };
        for (const char* appraisal : { "A", "B" }) {
            const Sandbox sandbox(old);
            QCOMPARE(runProbe(sandbox, { "save", name, appraisal }).output, QStringLiteral("ok"));
            valid << sandbox.state();
        }
        std::mt19937 random(20261211);
        std::uniform_int_distribution<int> microseconds(0, 4000);
        int kills = 0;
        int leftBehind = 0;
        QElapsedTimer budget;
        budget.start();
        while (kills < 150 && budget.elapsed() < 30000) {
            const Sandbox sandbox(old);
            QProcess process;
            process.setWorkingDirectory(sandbox.path());
            process.setReadChannel(QProcess::StandardError);
            process.start(QStringLiteral(DATAFILE_PROBE), { "repeat-save", name });
            // The saves start once the mark is out; the kill falls somewhere among them.
            QByteArray marks;
            while (!marks.contains("@@d")) {
                QVERIFY2(process.waitForReadyRead(10000), "la sonde ne commence pas");
                marks += process.readAll();
            }
            QThread::usleep(unsigned(microseconds(random)));
            ::kill(pid_t(process.processId()), SIGKILL);
            process.waitForFinished();
            ++kills;
            const FileState state = sandbox.state();
            QVERIFY2(valid.contains(state),
                qPrintable(QStringLiteral("après %1 arrêts : fichier mélangé").arg(kills)));
            if (!sandbox.strays().isEmpty()) {
                ++leftBehind;
                QCOMPARE(runProbe(sandbox, { "save", name, "A" }).output, QStringLiteral("ok"));
                QCOMPARE(sandbox.strays(), QStringList {});
                QCOMPARE(sandbox.state(), valid[1]);
            }
        }
        QVERIFY(kills >= 50);
        qInfo("%d arrêts brutaux pendant des enregistrements : aucun fichier perdu ni mélangé ; "
              "%d fichiers provisoires laissés, tous retirés par l'enregistrement suivant",
            kills, leftBehind);
    }
};

QTEST_GUILESS_MAIN(TestFaultInjection)
#include "tst_faultinjection.moc"
