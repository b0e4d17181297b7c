#include "DataFile.h"

#include "AccessError.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void throwErrno() { throw AccessError(AccessCodeOfErrno(errno)); }

// After a failed QSaveFile step: the system's error when it left one, else Qt's reading of it.
int codeAfterFailure(const QSaveFile& file)
{
    if (errno != 0)
        return AccessCodeOfErrno(errno);
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return AccessCode::DiskFull;
    case QFileDevice::PermissionsError:
    case QFileDevice::OpenError:
    case QFileDevice::RenameError:
        return AccessCode::AccessDenied;
    default:
        return AccessCodeOfErrno(EIO);
    }
}

// Renaming over a file ignores its write permission; a data file made read-only stays as it is.
void ensureReplaceable()
{
    const int descriptor = ::open(kDataFileName, O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno != ENOENT)
            throwErrno();
        return;
    }
    ::close(descriptor);
}

const QString kTooManyRecordsInFile
    = QStringLiteral("Le fichier de données contient plus de 100 identités.");

} // namespace

std::optional<DataFile> DataFile::OpenExisting()
{
    const int descriptor = ::open(kDataFileName, O_RDWR | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    return DataFile(descriptor);
}

DataFile::DataFile(DataFile&& other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1))
{
}

DataFile::~DataFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

void DataFile::ReadRecord(IdentityRecord& record)
{
    std::size_t total = 0;
    while (total < record.bytes.size()) {
        const ssize_t got
            = ::read(m_descriptor, record.bytes.data() + total, record.bytes.size() - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throwErrno();
        if (got == 0)
            throw AccessError(AccessCode::ReadPastEnd);
        total += std::size_t(got);
    }
}

bool DataFile::AtEnd() const
{
    const off_t position = ::lseek(m_descriptor, 0, SEEK_CUR);
    struct stat status { };
    if (position < 0 || ::fstat(m_descriptor, &status) != 0)
        throwErrno();
    return position >= status.st_size;
}

void DataFile::Close()
{
    if (m_descriptor < 0)
        throw AccessError(AccessCode::FileNotOpen);
    const int result = ::close(std::exchange(m_descriptor, -1));
    if (result != 0 && errno != EINTR)
        throwErrno();
}

bool ReadDataFile(RecordTable& table, const std::function<void(const QString&)>& onRecord)
{
    auto file = DataFile::OpenExisting();
    if (!file)
        return false;
    int number = 1;
    do {
        file->ReadRecord(table.scratch);
        if (number > RecordTable::kCapacity)
            throw ParcovalError(kTooManyRecordsInFile);
        table.slot(number) = table.scratch;
        if (onRecord)
            onRecord(ReadField(table.scratch, RecordField::Name));
        ++number;
    } while (!file->AtEnd());
    table.count = number - 1;
    file->Close();
    return true;
}

void WriteDataFile(std::span<const IdentityRecord> records)
{
    ensureReplaceable();
    QSaveFile file(QString::fromLatin1(kDataFileName));
    errno = 0;
    // Unbuffered, so that each failing write is seen, with its reason, as it happens.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw AccessError(codeAfterFailure(file));
    for (const IdentityRecord& record : records) {
        errno = 0;
        const qint64 written
            = file.write(reinterpret_cast<const char*>(record.bytes.data()), IdentityRecord::kSize);
        if (written != IdentityRecord::kSize) {
            const int code = written < 0 ? codeAfterFailure(file) : AccessCode::DiskFull;
            file.cancelWriting();
            throw AccessError(code);
        }
    }
    errno = 0;
    if (!file.commit())
        throw AccessError(codeAfterFailure(file));
}

void RewriteDataFile(const RecordTable& table)
{
    WriteDataFile(std::span(table.records.data(), std::size_t(table.count)));
}

void DeleteDataFile() { QFile::remove(QString::fromLatin1(kDataFileName)); }
