#pragma once

#include "AccessError.h"
#include "IdentityRecord.h"
#include "RecordTable.h"

#include <QByteArray>

#include <functional>
#include <optional>

// The data file: no header, records of 153 bytes one after another. Its name has no
// directory, so each access finds it in the current directory of that moment.
inline constexpr char kDataFileName[] = "DatProf.pcv";

// A data file that exists but could not be opened. Unlike a missing file it never counts as
// "no data file": a save that took it for one would replace every record it holds.
class DataFileOpenError : public AccessError {
public:
    using AccessError::AccessError;
};

// The data file opened for reading; closed at the latest when it goes away.
class DataFile {
public:
    // Empty only when no file of that name exists. A file that may be read but not written
    // (a read-only file, a read-only medium) opens all the same: the rewrite refuses it later.
    // Any other failure, and a name that is no regular file (a directory, a FIFO, a device),
    // is a DataFileOpenError; such a name is never read, so it cannot block.
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
    DataFile(int descriptor, qint64 length)
        : m_descriptor(descriptor)
        , m_length(length)
    {
    }
    // Reads on from the file until the buffer holds `wanted` bytes or the file ends.
    void fill(qsizetype wanted);

    int m_descriptor;
    qint64 m_length; // when opened
    // Read ahead in large blocks: a whole file usually takes one system call.
    QByteArray m_buffer;
    qsizetype m_position = 0;
};

// Reads every record into slots 1, 2, ... through the scratch record, reporting each name
// as it is stored, then sets the count. Each field's bytes after its text are cleared as it
// is read, so that no rewrite carries what an older program left there. False, with nothing
// read, when there is no data file; an existing file that cannot be opened is a
// DataFileOpenError. A short record ends it with AccessError 100 and more than the table can
// hold with an error, both leaving the count as it was.
bool ReadDataFile(
    RecordTable& table, const std::function<void(const QString& name)>& onRecord = {});
