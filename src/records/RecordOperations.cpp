#include "RecordOperations.h"

#include "DataFile.h"
#include "DataFileRewrite.h"
#include "ParcovalError.h"

#include <algorithm>

QString StoredName(const QString& name) { return name.left(LayoutOf(RecordField::Name).capacity); }

SaveOutcome SaveRecord(
    RecordTable& table, const QString& name, const std::function<void(IdentityRecord&)>& take)
{
    const QString stored = StoredName(name);
    // Read into a copy: a file that fails half-way leaves the table as it was.
    RecordTable reloaded = table;
    if (!ReadDataFile(reloaded))
        reloaded.count = 0; // no data file: the new one holds this record alone
    table = reloaded;

    RecordTable saved = reloaded;
    SaveOutcome outcome = SaveOutcome::Updated;
    if (const auto number = saved.find(stored)) {
        take(saved.slot(*number));
    } else {
        if (saved.count >= RecordTable::kCapacity)
            throw ParcovalError(QStringLiteral("Impossible d'enregistrer plus de 100 identités."));
        IdentityRecord& added = saved.slot(saved.count + 1);
        WriteField(added, RecordField::Name, stored);
        take(added);
        ++saved.count;
        outcome = SaveOutcome::Added;
    }
    RewriteDataFile(saved);
    table = saved;
    return outcome;
}

bool DeleteRecord(RecordTable& table, const QString& name)
{
    const auto number = table.find(name);
    if (!number)
        return false;
    RecordTable remaining = table;
    // Later records move down one slot; the last slot keeps its old content.
    std::copy(remaining.records.begin() + *number, remaining.records.begin() + remaining.count,
        remaining.records.begin() + *number - 1);
    --remaining.count;
    if (remaining.count == 0)
        DeleteDataFile();
    else
        RewriteDataFile(remaining);
    table = remaining;
    return true;
}
