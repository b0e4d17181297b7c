#include "DataFileRewrite.h"

#include "AccessError.h"
#include "DataFile.h"
#include "FileSystem.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file a rewrite replaces, and its permission bits when it exists.
struct Target {
    QByteArray path;
    std::optional<mode_t> mode;
};

// Renaming over a file ignores the file's own write permission, so a data file made
// read-only would be replaced all the same: it must first prove writable, as a regular file.
void requireReplaceable(const QByteArray& path, const struct stat& status)
{
    if (!S_ISREG(status.st_mode))
        throw AccessError(AccessCode::AccessDenied);
    const int probe = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (probe < 0)
        ThrowLastError();
    ::close(probe);
}

Target targetOfRewrite()
{
    Target target { QByteArray(kDataFileName), std::nullopt };
    struct stat status { };
    if (::lstat(kDataFileName, &status) == 0 && S_ISLNK(status.st_mode)) {
        // Replacing the link itself would leave the file it names behind, unchanged; a link
        // that leads nowhere (a key not plugged in) is reported, not replaced.
        char resolved[PATH_MAX];
        if (!::realpath(kDataFileName, resolved))
            ThrowLastError();
        target.path = resolved;
    }
    if (::stat(target.path.constData(), &status) != 0) {
        if (errno != ENOENT)
            ThrowLastError();
        return target;
    }
    requireReplaceable(target.path, status);
    target.mode = status.st_mode & 07777;
    return target;
}

QByteArray temporaryPathFor(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return path.left(slash + 1) + '.' + path.mid(slash + 1) + ".tmp";
}

// The new content on its way: removed unless it has replaced the data file.
class PendingFile {
public:
    explicit PendingFile(QByteArray path)
        : m_path(std::move(path))
    {
        ::unlink(m_path.constData()); // left by a save that was killed; usually there is none
        m_descriptor = ::open(
            m_path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (m_descriptor < 0)
            ThrowLastError();
    }
    ~PendingFile()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        if (!m_renamed)
            ::unlink(m_path.constData());
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    void write(const QByteArray& bytes) { WriteAll(m_descriptor, bytes); }

    void setMode(mode_t mode)
    {
        if (::fchmod(m_descriptor, mode) != 0)
            ThrowLastError();
    }

    // On disk and closed before it takes the data file's place: a failure on the way leaves
    // the old file there.
    void replace(const QByteArray& target)
    {
        if (::fdatasync(m_descriptor) != 0)
            ThrowLastError();
        CloseChecked(std::exchange(m_descriptor, -1));
        if (::rename(m_path.constData(), target.constData()) != 0)
            ThrowLastError();
        m_renamed = true;
    }

private:
    QByteArray m_path;
    int m_descriptor = -1;
    bool m_renamed = false;
};

QByteArray bytesOf(std::span<const IdentityRecord> records)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(records.size()) * IdentityRecord::kSize);
    for (const IdentityRecord& record : records)
        bytes.append(reinterpret_cast<const char*>(record.bytes.data()), IdentityRecord::kSize);
    return bytes;
}

} // namespace

void WriteDataFile(std::span<const IdentityRecord> records)
{
    const Target target = targetOfRewrite();
    PendingFile pending(temporaryPathFor(target.path));
    pending.write(bytesOf(records));
    if (target.mode)
        pending.setMode(*target.mode);
    pending.replace(target.path);
}

void RewriteDataFile(const RecordTable& table)
{
    WriteDataFile(std::span(table.records.data(), std::size_t(table.count)));
}

void DeleteDataFile()
{
    struct stat status { };
    if (::stat(kDataFileName, &status) != 0) {
        if (errno == ENOENT)
            return;
        ThrowLastError();
    }
    requireReplaceable(QByteArray(kDataFileName), status);
    if (::unlink(kDataFileName) != 0 && errno != ENOENT)
        ThrowLastError();
}
