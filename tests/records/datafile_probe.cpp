// Runs one operation on the data file of the current directory, the way the window runs it,
// for tests that need another user's permissions, injected system-call failures or a kill.
//   load                 the first activation's load: prints each name read
//   save NAME [VALUE]    load, then save NAME with VALUE as its appraisal
//   delete NAME          load, then delete NAME
//   repeat-save NAME     load, then save NAME over and over, its appraisal "A" and "B" in turn
// The operation itself, after the load, is framed by "@@début" and "@@fin" on the standard
// error, so that a tracer can tell its system calls from the start's. The last line of the
// standard output is "ok", or the error's code (0 for one that has none) and message; the exit
// status is 0 or 3.
#include "records/AccessError.h"
#include "records/DataFile.h"
#include "records/RecordOperations.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

void mark(const char* text)
{
    [[maybe_unused]] const auto ignored = ::write(2, text, std::strlen(text));
}

void take(IdentityRecord& record, const QString& appraisal)
{
    WriteField(record, RecordField::Step, QStringLiteral("4"));
    WriteField(record, RecordField::PromotionDate, QStringLiteral("31/08/20"));
    WriteField(record, RecordField::InspectionDate, QStringLiteral("  /  /  "));
    WriteField(record, RecordField::Mark, QStringLiteral("15,5"));
    WriteField(record, RecordField::Appraisal, appraisal);
    WriteField(record, RecordField::SeniorityStart, QStringLiteral("01/09/05"));
    WriteField(record, RecordField::Numen, QStringLiteral("12e3456789abc"));
    for (const RecordField field : { RecordField::Gestion1, RecordField::Gestion2,
             RecordField::Poste, RecordField::Min, RecordField::Dossier, RecordField::Letter })
        WriteField(record, field, QStringLiteral("7"));
}

void save(RecordTable& table, const QString& name, const QString& appraisal)
{
    SaveRecord(table, name, [&](IdentityRecord& record) { take(record, appraisal); });
}

int run(int argc, char* argv[])
{
    const QString operation = QString::fromLocal8Bit(argv[1]);
    const QString name = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    RecordTable table;
    try {
        ReadDataFile(table, [&](const QString& read) {
            if (operation == u"load")
                std::puts(read.toUtf8().constData());
        });
    } catch (const ParcovalError&) {
        // The window reports it and starts with an empty table; a save then reads again.
        if (operation == u"load")
            throw;
    }
    mark("@@début\n");
    if (operation == u"save")
        save(table, name, argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("bien"));
    else if (operation == u"delete")
        DeleteRecord(table, name);
    else if (operation == u"repeat-save")
        for (int turn = 0;; turn ^= 1)
            save(table, name, turn ? QStringLiteral("B") : QStringLiteral("A"));
    else if (operation != u"load")
        return 2;
    mark("@@fin\n");
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    try {
        const int status = run(argc, argv);
        if (status == 0)
            std::puts("ok");
        return status;
    } catch (const AccessError& error) {
        std::printf("%d %s\n", error.code(), error.what());
    } catch (const ParcovalError& error) {
        std::printf("0 %s\n", error.what());
    }
    return 3;
}
