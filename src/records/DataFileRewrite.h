#pragma once

#include "IdentityRecord.h"
#include "RecordTable.h"

#include <span>

// Replaces the whole data file with these records, or leaves it exactly as it was. They go
// to a temporary file beside it, which takes the old file's permissions, is flushed to disk
// and closed, each step checked, and is then renamed over it; a failure removes the
// temporary file and is raised as an AccessError. The temporary file of a save that was
// killed is removed by the next one. A data file reached through a symbolic link is
// replaced where it lies; a link to nothing is an error. A read-only data file, and a name that is
// no regular file, are refused with "Accès au fichier refusé".
void WriteDataFile(std::span<const IdentityRecord> records);

// Records 1 to count of the table.
void RewriteDataFile(const RecordTable& table);

// Removes the data file; one that is already gone is of no consequence. A failure to remove
// it is raised, so that the record it holds is not shown as deleted; a read-only data file and
// a name that is no regular file are refused as by the rewrite.
void DeleteDataFile();
