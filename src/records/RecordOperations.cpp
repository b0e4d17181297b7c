#include "RecordOperations.h"

#include "DataFile.h"
#include "conventions/Errors.h"

#include <algorithm>

QString StoredName(const QString& name) { return name.left(LayoutOf(RecordField::Name).capacity); }

SaveOutcome SaveRecord(
    RecordTable& table, const QString& name, const std::function<void(IdentityRecord&)>& take)
{
    const QString stored = StoredName(name);
    if (!ReadDataFile(table)) {
        WriteField(table.scratch, RecordField::Name, stored);
        take(table.scratch);
        WriteDataFile(std::span(&table.scratch, 1));
        table.slot(1) = table.scratch;
        table.count = 1;
        return SaveOutcome::Added;
    }
    if (const auto number = table.find(stored)) {
        take(table.slot(*number));
        RewriteDataFile(table);
        return SaveOutcome::Updated;
    }
    if (table.count >= RecordTable::kCapacity)
        throw ParcovalError(QStringLiteral("Impossible d'enregistrer plus de 100 identités."));
    IdentityRecord& added = table.slot(table.count + 1);
    WriteField(added, RecordField::Name, stored);
    take(added);
    ++table.count;
    try {
        RewriteDataFile(table);
    } catch (...) {
        --table.count;
        throw;
    }
    return SaveOutcome::Added;
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
