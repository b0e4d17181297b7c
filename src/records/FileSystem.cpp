#include "FileSystem.h"

#include "AccessError.h"

#include <cerrno>
#include <unistd.h>

void ThrowLastError() { throw AccessError(AccessCodeOfErrno(errno)); }

ssize_t ReadSome(int descriptor, char* data, qsizetype size)
{
    for (;;) {
        const ssize_t got = ::read(descriptor, data, std::size_t(size));
        if (got >= 0)
            return got;
        if (errno != EINTR)
            ThrowLastError();
    }
}

void WriteAll(int descriptor, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written
            = ::write(descriptor, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            ThrowLastError();
        if (written == 0)
            throw AccessError(AccessCode::DiskFull);
        done += written;
    }
}

void CloseChecked(int descriptor)
{
    // The descriptor is released whatever close() answers, so it is never retried; an
    // interruption loses nothing.
    if (::close(descriptor) != 0 && errno != EINTR)
        ThrowLastError();
}
