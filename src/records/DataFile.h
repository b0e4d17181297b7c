#pragma once

#include "IdentityRecord.h"
#include "RecordTable.h"

#include <functional>
#include <optional>
#include <span>

// The data file: no header, records of 153 bytes one after another. Its name has no
// directory, so each access finds it in the current directory of that moment.
inline constexpr char kDataFileName[] = "DatProf.pcv";

// The data file opened for reading and writing; closed at the latest when it goes away.
class DataFile {
public:
    // Empty when the file is missing or cannot be opened for writing (a read-only file).
    static std::optional<DataFile> OpenExisting();

    DataFile(DataFile&& other) noexcept;
    DataFile& operator=(DataFile&&) = delete;
    ~DataFile();

    // The next 153 bytes; AccessError 100 when fewer remain.
    void ReadRecord(IdentityRecord& record);
    // True once the position has reached the file's length.
    bool AtEnd() const;
    // AccessError 103 when the file is not open.
    void Close();

private:
    explicit DataFile(int descriptor)
        : m_descriptor(descriptor)
    {
    }
    int m_descriptor;
};

// Reads every record into slots 1, 2, ... through the scratch record, reporting each name
// as it is stored, then sets the count. False, with nothing read, when the file cannot be
// opened. A short record ends it with AccessError 100 and more than the table can hold with
// an error, both leaving the count as it was.
bool ReadDataFile(
    RecordTable& table, const std::function<void(const QString& name)>& onRecord = {});

// Replaces the whole file with these records, or leaves it as it was: they are written to
// a temporary file beside it, flushed to disk and renamed over it. A read-only data file is
// not replaced. Failures are AccessErrors.
void WriteDataFile(std::span<const IdentityRecord> records);

// Records 1 to count of the table.
void RewriteDataFile(const RecordTable& table);

// Removes the file; a failure (no such file) is of no consequence and is ignored.
void DeleteDataFile();
