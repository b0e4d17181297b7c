// Start-up of the program to its filled, active window, measured against a bare Qt window of
// the same layout in the same run, then the median times of a calculation, a selection and a
// save on a data file of 100 records. Every window is drawn offscreen, so that the figures do
// not depend on a display.
// Usage: parcoval_bench [runs]      (runs of each start-up, 15 by default)
#include "Unit1.h"
#include "app/Startup.h"
#include "records/DataFileRewrite.h"
#include "records/RecordOperations.h"
#include "ui_BareForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRecords = 100;

QString nameOf(int number)
{
    return QStringLiteral("Personne %1").arg(number, 3, 10, QLatin1Char('0'));
}

void takeFields(IdentityRecord& record, const QString& appraisal)
{
    WriteField(record, RecordField::Step, QStringLiteral("5"));
    WriteField(record, RecordField::PromotionDate, QStringLiteral("31/08/20"));
    WriteField(record, RecordField::InspectionDate, QStringLiteral("12/03/24"));
    WriteField(record, RecordField::Mark, QStringLiteral("16,5"));
    WriteField(record, RecordField::Appraisal, appraisal);
    WriteField(record, RecordField::SeniorityStart, QStringLiteral("01/09/05"));
    WriteField(record, RecordField::Numen, QStringLiteral("12E3456789ABC"));
}

void writeDataFile()
{
    std::vector<IdentityRecord> records(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        WriteField(records[std::size_t(i)], RecordField::Name, nameOf(i + 1));
        takeFields(records[std::size_t(i)], QStringLiteral("très bien"));
    }
    WriteDataFile(records);
}

// Says "prêt" on the standard output once `ready` holds, and ends the event loop.
void reportWhenReady(std::function<bool()> ready)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [ready = std::move(ready)] {
        if (!ready())
            return;
        std::puts("prêt");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    poll->start(0);
}

bool loaded(const TForm1& form)
{
    const auto* names = form.findChild<const QComboBox*>(QStringLiteral("ComboBox1"));
    const auto* reference = form.findChild<const CalendarDateEdit*>(QStringLiteral("MaskEdit3"));
    return form.isActiveWindow() && names->count() == kRecords && reference->date().has_value();
}

// As main() starts it.
std::unique_ptr<TForm1> startProgram(QApplication& application)
{
    prepareApplication(application);
    auto form = std::make_unique<TForm1>();
    form->show();
    form->activateWindow();
    return form;
}

int runProgram(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const auto form = startProgram(application);
    reportWhenReady([&form] { return loaded(*form); });
    return application.exec();
}

int runBareWindow(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    Ui::BareForm ui;
    ui.setupUi(&window);
    auto* column = new QVBoxLayout(ui.RadioGroup1);
    for (const QString& item : ui.RadioGroup1->property("items").toStringList())
        column->addWidget(new QRadioButton(item, ui.RadioGroup1));
    ui.ComboBox1->setEditable(true);
    window.show();
    window.activateWindow();
    reportWhenReady([&window] { return window.isActiveWindow(); });
    return application.exec();
}

// Milliseconds from the start of a child to its "prêt".
double startupOf(const QString& self, const QString& child)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(self, { child });
    while (!process.readAllStandardOutput().contains("prêt")) {
        if (!process.waitForReadyRead(30000)) {
            std::fprintf(stderr, "%s ne s'est pas ouvert\n", qPrintable(child));
            std::exit(1);
        }
    }
    const double elapsed = double(clock.nsecsElapsed()) / 1e6;
    process.waitForFinished();
    return elapsed;
}

// Instructions a child executes up to its "prêt", counted by callgrind: the same count run
// after run, whatever else the machine does. 0 without valgrind.
double instructionsOf(const QString& self, const QString& child)
{
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty())
        return 0;
    QTemporaryDir out;
    const QString counts = out.filePath(QStringLiteral("callgrind.out"));
    QProcess process;
    process.start(valgrind, { "--tool=callgrind", "--callgrind-out-file=" + counts, self, child });
    process.waitForFinished(300000);
    QFile file(counts);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("summary:") || line.startsWith("totals:"))
            return line.mid(line.indexOf(':') + 1).trimmed().toDouble();
    }
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Operation> double medianOf(int runs, Operation operation)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        operation(run);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

QString decimal(double value, int decimals = 2)
{
    return QString::number(value, 'f', decimals).replace(u'.', u',');
}

void measureOperations(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const auto program = startProgram(application);
    TForm1& form = *program;
    while (!loaded(form))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    auto* names = form.findChild<NameComboBox*>(QStringLiteral("ComboBox1"));

    const double calculation = medianOf(200, [&](int) { form.Button1Click(); });
    const double selection = medianOf(200, [&](int run) {
        names->setNameText(nameOf(run % kRecords + 1));
        form.ComboBox1Change();
    });
    const double save = medianOf(50, [&](int run) {
        SaveRecord(recordTable(), nameOf(50), [run](IdentityRecord& record) {
            takeFields(record, run % 2 ? QStringLiteral("bien") : QStringLiteral("très bien"));
        });
    });
    std::printf("Calcul (Calculer) : %s ms ; sélection d'un nom : %s ms ; enregistrement dans un "
                "fichier de %d fiches : %s ms (médianes)\n",
        qPrintable(decimal(calculation, 3)), qPrintable(decimal(selection, 3)), kRecords,
        qPrintable(decimal(save)));
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == u"--programme" || mode == u"--fenetre-nue") {
        return mode == u"--programme" ? runProgram(argc, argv) : runBareWindow(argc, argv);
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    QTemporaryDir directory;
    if (!directory.isValid() || !QDir::setCurrent(directory.path()))
        return 1;
    writeDataFile();
    // Qt asks for one; without it every child would say so on its error output.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(directory.path()));
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    std::vector<double> program;
    std::vector<double> bare;
    for (int run = 0; run < runs; ++run) {
        program.push_back(startupOf(self, QStringLiteral("--programme")));
        bare.push_back(startupOf(self, QStringLiteral("--fenetre-nue")));
    }
    std::printf("Démarrage jusqu'à la fenêtre remplie et active (%d fiches), médiane de %d : "
                "parcoval %s ms, fenêtre Qt nue de même disposition %s ms, rapport %s\n",
        kRecords, runs, qPrintable(decimal(median(program), 1)),
        qPrintable(decimal(median(bare), 1)), qPrintable(decimal(median(program) / median(bare))));
    std::fflush(stdout);
    const double programInstructions = instructionsOf(self, QStringLiteral("--programme"));
    const double bareInstructions = instructionsOf(self, QStringLiteral("--fenetre-nue"));
    if (programInstructions > 0 && bareInstructions > 0)
        std::printf("Instructions jusqu'à la fenêtre remplie et active (callgrind) : parcoval %s "
                    "millions, fenêtre nue %s millions, rapport %s\n",
            qPrintable(decimal(programInstructions / 1e6, 1)),
            qPrintable(decimal(bareInstructions / 1e6, 1)),
            qPrintable(decimal(programInstructions / bareInstructions)));
    std::fflush(stdout);
    measureOperations(1, argv);
    return 0;
}
