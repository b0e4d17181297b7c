#include "DataFile.h"

#include "FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One block holds a full table and the start of a record beyond it.
constexpr qsizetype kReadBlock = (RecordTable::kCapacity + 1) * IdentityRecord::kSize;

const QString kTooManyRecordsInFile
    = QStringLiteral("Le fichier de données contient plus de 100 identités.");

} // namespace

std::optional<DataFile> DataFile::OpenExisting()
{
    // Looked at before it is opened: opening a FIFO or a device could block or act on it.
    struct stat status { };
    if (::stat(kDataFileName, &status) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        throw DataFileOpenError(AccessCodeOfErrno(errno));
    }
    if (!S_ISREG(status.st_mode))
        throw DataFileOpenError(AccessCode::AccessDenied);
    const int descriptor = ::open(kDataFileName, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        throw DataFileOpenError(AccessCodeOfErrno(errno));
    DataFile file(descriptor, 0);
    // Whatever the name held a moment ago, this is what was opened.
    if (::fstat(descriptor, &status) != 0)
        throw DataFileOpenError(AccessCodeOfErrno(errno));
    if (!S_ISREG(status.st_mode))
        throw DataFileOpenError(AccessCode::AccessDenied);
    file.m_length = status.st_size;
    return file;
}

DataFile::DataFile(DataFile&& other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1))
    , m_length(other.m_length)
    , m_buffer(std::move(other.m_buffer))
    , m_position(other.m_position)
{
}

DataFile::~DataFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

void DataFile::fill(qsizetype wanted)
{
    while (m_buffer.size() < wanted) {
        const qsizetype before = m_buffer.size();
        m_buffer.resize(before + std::max(kReadBlock, wanted - before));
        const ssize_t got
            = ReadSome(m_descriptor, m_buffer.data() + before, m_buffer.size() - before);
        m_buffer.resize(before + std::max<ssize_t>(got, 0));
        if (got == 0)
            return;
    }
}

void DataFile::ReadRecord(IdentityRecord& record)
{
    if (m_descriptor < 0)
        throw AccessError(AccessCode::FileNotOpen);
    fill(m_position + IdentityRecord::kSize);
    if (m_buffer.size() - m_position < IdentityRecord::kSize)
        throw AccessError(AccessCode::ReadPastEnd);
    std::copy_n(m_buffer.constData() + m_position, IdentityRecord::kSize,
        reinterpret_cast<char*>(record.bytes.data()));
    m_position += IdentityRecord::kSize;
}

bool DataFile::AtEnd() const { return m_position >= std::max<qint64>(m_length, m_buffer.size()); }

void DataFile::Close()
{
    if (m_descriptor < 0)
        throw AccessError(AccessCode::FileNotOpen);
    CloseChecked(std::exchange(m_descriptor, -1));
}

bool ReadDataFile(RecordTable& table, const std::function<void(const QString&)>& onRecord)
{
    auto file = DataFile::OpenExisting();
    if (!file)
        return false;
    int number = 1;
    do {
        file->ReadRecord(table.scratch);
        ClearFieldTails(table.scratch);
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
