#pragma once

#include "RecordTable.h"

#include <functional>

// How a save changed the table.
enum class SaveOutcome { Updated, Added };

// Saves under `name`, cut to the Name field's capacity: the table is reloaded from the data
// file, the record of that name updated in place (its name kept) or appended, and the file
// written. `take` fills a record from the window. Without a data file, the file is created
// with this one record; an existing file that cannot be read is never taken for a missing
// one. More than 100 records are refused. Whatever fails, the file is the old one or the new
// one, and the table mirrors it: a failed read leaves the table as it was, a failed write
// leaves it as the file was read.
SaveOutcome SaveRecord(
    RecordTable& table, const QString& name, const std::function<void(IdentityRecord&)>& take);

// Removes the record named `name`, the file first: rewritten with the others, or deleted with
// the last one. False, with nothing changed, when no loaded record has that name; an access
// error leaves the table as it was.
bool DeleteRecord(RecordTable& table, const QString& name);

// The name as the Name field stores it.
QString StoredName(const QString& name);
